#include "dx9_fixture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "report/globals.h"

namespace {

LRESULT CALLBACK TestWindowProc(HWND hWnd, UINT msg, WPARAM wP, LPARAM lP)
{
    return DefWindowProcA(hWnd, msg, wP, lP);
}

HWND TestWindow()
{
    static HWND window = nullptr;
    if (window == nullptr) {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.lpszClassName = "kordaneTestClass";
        RegisterClassExA(&windowClass);
        window = CreateWindowExA(0, "kordaneTestClass", "kordane", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64, nullptr,
                                 nullptr, nullptr, nullptr);
    }
    return window;
}

}  // namespace

std::string ShippedEffect()
{
    std::ifstream in(KORDANE_EFFECT_SOURCE);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Dx9Test::SetUp()
{
    previousFolder = std::filesystem::current_path();
    char pattern[] = "/tmp/kd_dx9_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    std::filesystem::current_path(folder);
    WriteEffect(ShippedEffect());
    std::snprintf(fileNameIn, TEXT_BUFFER_SIZE, "%s", "input.txt");
    std::snprintf(fileNameOut, TEXT_BUFFER_SIZE, "%s", "report.txt");
    std::fclose(std::fopen(fileNameOut, "w"));
    hWnd = TestWindow();
    ASSERT_NE(hWnd, nullptr);
}

void Dx9Test::TearDown()
{
    std::filesystem::current_path(previousFolder);
    std::filesystem::remove_all(folder);
}

void Dx9Test::WriteInput(int width, int height, const std::vector<float>& values)
{
    FILE* file = std::fopen(fileNameIn, "w");
    std::fprintf(file, "%d %d\n", width, height);
    for (size_t i = 0; i < values.size(); ++i) {
        std::fprintf(file, "%.9g ", static_cast<double>(values[i]));
        if (width > 0 && (i + 1) % static_cast<size_t>(width) == 0) std::fprintf(file, "\n");
    }
    std::fclose(file);
}

void Dx9Test::WriteEffect(const std::string& source)
{
    std::filesystem::remove("kordane02_DX9.fx");
    if (source.empty()) return;
    std::ofstream("kordane02_DX9.fx") << source;
}

std::vector<std::string> Dx9Test::ReportLines() const
{
    std::ifstream in(fileNameOut);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<double> Dx9Test::Values(const std::string& line)
{
    std::vector<double> values;
    const char* p = line.c_str();
    while (*p != '\0') {
        char* end = nullptr;
        values.push_back(std::strtod(p, &end));
        if (end == p) break;
        p = end;
        while (*p == ',' || *p == ' ') ++p;
    }
    return values;
}
