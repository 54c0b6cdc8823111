#include <windows.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

namespace {

TEST(Wtoi, ReadsLikeTheRuntime) {
    struct Case {
        const wchar_t* text;
        int expected;
    };
    const Case cases[] = {
        {L"100", 100},       {L"  \t42", 42},     {L"+7", 7},          {L"-3", -3},
        {L"12abc", 12},      {L"abc", 0},         {L"", 0},            {L"- 5", 0},
        {L"+-5", 0},         {L"0005", 5},        {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},                 {L"99999999999999999999", INT_MAX},
        {L"-2147483648", INT_MIN},                {L"-2147483649", INT_MIN},
        {L"-99999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(_wtoi(c.text), c.expected) << std::wstring(c.text).size();
    EXPECT_EQ(_wtoi(nullptr), 0);
}

TEST(Wcsicmp, FoldsCase) {
    EXPECT_EQ(_wcsicmp(L"cpu", L"CPU"), 0);
    EXPECT_EQ(_wcsicmp(L"FiReStReAm", L"FIRESTREAM"), 0);
    EXPECT_NE(_wcsicmp(L"CPU", L"CPU2"), 0);
    EXPECT_LT(_wcsicmp(L"CPU", L"CPU2"), 0);
    EXPECT_GT(_wcsicmp(L"DX9", L"DX10"), 0);
    EXPECT_EQ(_wcsicmp(L"", L""), 0);
}

TEST(ItoaS, WritesInEveryRadix) {
    struct Case {
        int value;
        int radix;
        const char* expected;
    };
    const Case cases[] = {
        {0, 10, "0"},         {800, 10, "800"},           {-42, 10, "-42"},
        {INT_MIN, 10, "-2147483648"}, {255, 16, "ff"},     {-1, 16, "ffffffff"},
        {5, 2, "101"},        {35, 36, "z"},
    };
    for (const auto& c : cases) {
        char text[64];
        EXPECT_EQ(_itoa_s(c.value, text, sizeof text, c.radix), 0);
        EXPECT_STREQ(text, c.expected);
    }
    char small[3] = "xy";
    EXPECT_EQ(_itoa_s(123, small, sizeof small, 10), ERANGE);
    EXPECT_STREQ(small, "");
    char exact[4];
    EXPECT_EQ(_itoa_s(-12, exact, sizeof exact, 10), 0);
    EXPECT_STREQ(exact, "-12");
    EXPECT_EQ(_itoa_s(1, exact, sizeof exact, 1), EINVAL);
}

TEST(BoundedFormatting, CutsAtTheBufferSize) {
    char out[8];
    EXPECT_EQ(sprintf_s(out, sizeof out, "%d-%s", 12, "ab"), 5);
    EXPECT_STREQ(out, "12-ab");
    EXPECT_EQ(sprintf_s(out, sizeof out, "%s", "1234567"), 7);
    EXPECT_STREQ(out, "1234567");
    EXPECT_EQ(sprintf_s(out, sizeof out, "%s", "12345678"), -1);
    EXPECT_STREQ(out, "1234567");
    EXPECT_EQ(_snprintf_s(out, sizeof out, _TRUNCATE, "output_%d.txt", 5), -1);
    EXPECT_STREQ(out, "output_");
    EXPECT_EQ(_snprintf_s(out, sizeof out, 3, "%s", "abcdef"), -1);
    EXPECT_STREQ(out, "abc");
    EXPECT_EQ(sprintf_s(nullptr, 4, "x"), -1);
    EXPECT_EQ(sprintf_s(out, 0, "x"), -1);

    // 1024 characters and the terminator in our 1025-byte buffers
    char big[1025];
    std::string longText(2000, 'x');
    EXPECT_EQ(_snprintf_s(big, sizeof big, _TRUNCATE, "input_%s.txt", longText.c_str()), -1);
    EXPECT_EQ(std::strlen(big), 1024u);
}

}  // namespace
