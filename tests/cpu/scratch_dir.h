#pragma once
// A scratch folder of its own for each test process (ctest runs the cases
// of one program side by side), removed when the process's tests are done.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

const std::filesystem::path& ScratchDir() {
    static const std::filesystem::path dir = [] {
        std::filesystem::path d = std::filesystem::path(::testing::TempDir()) / ("kd_cpu_" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

std::string TempPath(const std::string& name) { return (ScratchDir() / name).string(); }

// Removes the folder after the last test; a death test's child ends
// without it, so the files stay while the parent needs them.
class ScratchDirCleanup : public ::testing::Environment {
public:
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(ScratchDir(), ec);
    }
};

[[maybe_unused]] ::testing::Environment* const scratchDirCleanup =
    ::testing::AddGlobalTestEnvironment(new ScratchDirCleanup);

}  // namespace
