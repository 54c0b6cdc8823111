#pragma once
// Each test works in a scratch folder of its own, with the report file
// named report.txt there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "globals.h"

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        char pattern[] = "/tmp/kd_report_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        std::filesystem::current_path(folder);
        std::snprintf(fileNameOut, TEXT_BUFFER_SIZE, "%s", "report.txt");
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
    std::filesystem::path previous, folder;
};
