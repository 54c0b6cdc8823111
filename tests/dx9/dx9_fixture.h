#pragma once
// A scratch working folder with the effect file, a host window and the run
// globals pointing into the folder, for tests that drive DX9gpgpu on the
// Direct3D 9 stand-in (llvmpipe when there is no GPU).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

class Dx9Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the input matrix file (header "width height", then rows).
    void WriteInput(int width, int height, const std::vector<float>& values);
    // Replaces the effect file in the working folder by `source`; an empty
    // source removes it.
    void WriteEffect(const std::string& source);
    // The report file's lines.
    std::vector<std::string> ReportLines() const;
    // The numbers of one result line ("v, v, v").
    static std::vector<double> Values(const std::string& line);

    HWND hWnd = nullptr;
    std::string folder;
    std::string previousFolder;
};

// The effect file as shipped.
std::string ShippedEffect();
