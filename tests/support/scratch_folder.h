#pragma once
// Each test runs in a scratch folder of its own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        char pattern[] = "/tmp/kd_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        std::filesystem::current_path(folder);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
    }
    static std::string Read(const std::string& name) {
        std::ifstream file(name, std::ios::binary);
        std::stringstream s;
        s << file.rdbuf();
        return s.str();
    }
    static void Write(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }
    std::filesystem::path previous, folder;
};
