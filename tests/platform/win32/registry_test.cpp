#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "win32_hooks.h"

namespace {

const char key[] = "Hardware\\Description\\System\\CentralProcessor\\0";
const std::string fixtures = KD_FIXTURES;

struct Answer {
    LSTATUS open;
    LSTATUS name;
    std::string nameText;
    LSTATUS mhz;
    int32_t mhzValue;
};

// What LogInfo would ask, in its order.
Answer Ask(const char* subKey = key) {
    Answer a{};
    HKEY h = nullptr;
    a.open = RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_QUERY_VALUE, &h);
    if (a.open != ERROR_SUCCESS) {
        EXPECT_EQ(h, nullptr);
        return a;
    }
    char data[1024];
    DWORD size = sizeof data, type = 0;
    a.name = RegQueryValueExA(h, "ProcessorNameString", nullptr, &type, reinterpret_cast<LPBYTE>(data), &size);
    if (a.name == ERROR_SUCCESS) {
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(size, std::strlen(data) + 1);
        a.nameText = data;
    }
    size = sizeof data;
    a.mhz = RegQueryValueExA(h, "~MHz", nullptr, &type, reinterpret_cast<LPBYTE>(data), &size);
    if (a.mhz == ERROR_SUCCESS) {
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(size, 4u);
        std::memcpy(&a.mhzValue, data, 4);
    }
    EXPECT_EQ(RegCloseKey(h), ERROR_SUCCESS);
    return a;
}

class Registry : public ::testing::Test {
protected:
    void TearDown() override { KdSetRegistrySources(nullptr, nullptr); }
};

TEST_F(Registry, ProcessorKeyFromCpuinfoAndFallbacks) {
    struct Case {
        const char* cpuinfo;
        const char* cpuDir;
        Answer expected;
    };
    const std::string x86 = fixtures + "/cpuinfo_x86.txt", arm = fixtures + "/cpuinfo_arm.txt",
                      round = fixtures + "/cpuinfo_round.txt", missing = fixtures + "/no_such_file",
                      cpuDir = fixtures + "/cpu", noDir = fixtures + "/no_such_dir";
    const Case cases[] = {
        // name and clock of the first processor, clock rounded
        {x86.c_str(), cpuDir.c_str(), {ERROR_SUCCESS, ERROR_SUCCESS, "Intel(R) Xeon(R) CPU @ 2.20GHz", ERROR_SUCCESS, 2200}},
        {round.c_str(), noDir.c_str(), {ERROR_SUCCESS, ERROR_SUCCESS, "Half Way", ERROR_SUCCESS, 1500}},
        // no name and no clock in the first processor: the highest cpufreq maximum
        {arm.c_str(), cpuDir.c_str(), {ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, "", ERROR_SUCCESS, 3500}},
        // neither: the key is there, its values are not
        {arm.c_str(), noDir.c_str(), {ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, "", ERROR_FILE_NOT_FOUND, 0}},
        // no processor description at all: no key
        {missing.c_str(), cpuDir.c_str(), {ERROR_FILE_NOT_FOUND, 0, "", 0, 0}},
    };
    for (const auto& c : cases) {
        KdSetRegistrySources(c.cpuinfo, c.cpuDir);
        Answer a = Ask();
        EXPECT_EQ(a.open, c.expected.open) << c.cpuinfo;
        EXPECT_EQ(a.name, c.expected.name) << c.cpuinfo;
        EXPECT_EQ(a.nameText, c.expected.nameText) << c.cpuinfo;
        EXPECT_EQ(a.mhz, c.expected.mhz) << c.cpuinfo;
        EXPECT_EQ(a.mhzValue, c.expected.mhzValue) << c.cpuinfo;
    }
}

TEST_F(Registry, OtherKeysValuesAndHandlesFail) {
    KdSetRegistrySources((fixtures + "/cpuinfo_x86.txt").c_str(), nullptr);
    EXPECT_EQ(Ask("hardware\\description\\system\\centralprocessor\\0").open, ERROR_SUCCESS);
    EXPECT_EQ(Ask("Hardware\\Description\\System\\CentralProcessor\\1").open, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Ask("Software").open, ERROR_FILE_NOT_FOUND);

    HKEY h = nullptr;
    EXPECT_EQ(RegOpenKeyExA(reinterpret_cast<HKEY>(0x1234), key, 0, KEY_QUERY_VALUE, &h), ERROR_INVALID_HANDLE);
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &h), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(h, "Identifier", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    // A size query, then a buffer that is too small
    EXPECT_EQ(RegQueryValueExA(h, "ProcessorNameString", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 31u);
    char small[4];
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(h, "ProcessorNameString", nullptr, nullptr, reinterpret_cast<LPBYTE>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 31u);
    EXPECT_EQ(RegCloseKey(h), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(h), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(h, "~MHz", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, ThisMachineAnswersWithoutFailing) {
    Answer a = Ask();
    EXPECT_EQ(a.open, ERROR_SUCCESS);  // /proc/cpuinfo is always there on Linux
}

}  // namespace
