// Failures that end the run: the message shown and the exit status.
#include <filesystem>
#include <regex>

#include "dx9/dx9_gpgpu.h"
#include "dx9_fixture.h"
#include "report/globals.h"

namespace {

std::string Literal(const std::string& text)
{
    return std::regex_replace(text, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)");
}

std::string WithoutTechnique(const std::string& effect, const std::string& technique)
{
    const size_t start = effect.find("technique " + technique);
    const size_t end = effect.find("\n}\n", start) + 3;
    return effect.substr(0, start) + effect.substr(end);
}

enum class Step { Init, Input, Render, RenderTest, RenderMulMat, ReloadEffectGone };

void RunUpTo(Step step, HWND hWnd)
{
    DX9gpgpu gpu;
    gpu.InitDirect3D(hWnd);
    if (step == Step::Init) return;
    if (step == Step::RenderTest) {
        gpu.InputDataTest(fileNameIn, 3.0, 6.5);
        gpu.RenderTest(4, 2);
        return;
    }
    gpu.InputData(fileNameIn, false, 0.0, 0.0);
    if (step == Step::Render) gpu.Render(4, 2);
    if (step == Step::RenderMulMat) gpu.RenderMulMat(4, 2, 3);
    if (step == Step::ReloadEffectGone) {
        std::remove("kordane02_DX9.fx");
        gpu.RenderMulMat(4, 2, 3);
    }
}

struct FailureCase {
    const char* name;
    std::string effect;  // empty: no effect file
    std::string header;  // first line of the input file
    Step step;
    std::string message;
};

}  // namespace

TEST_F(Dx9Test, FailuresEndTheRunWithTheirMessage)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string shipped = ShippedEffect();
    const std::vector<FailureCase> cases = {
        {"missing effect file", "", "4 2", Step::Init, "Error, couldn't create effect from file kordane02_DX9.fx"},
        {"compiler text shown literally", "#error 50% done, %d %s\n" + shipped, "4 2", Step::Init, "50% done, %d %s"},
        {"effect gone before a reload", shipped, "4 2", Step::ReloadEffectGone,
         "Error, couldn't create effect from file kordane02_DX9.fx"},
        {"no probe technique", WithoutTechnique(shipped, "poctyTest"), "4 2", Step::RenderTest,
         "Error, couldn't SetTechnique"},
        {"no multiply technique", WithoutTechnique(shipped, "poctyMulMat"), "4 2", Step::RenderMulMat,
         "Error, couldn't SetTechnique"},
        {"no pivot vector", "texture mytex;\ntexture mytexTemp;\n", "4 2", Step::Render, "Error, couldn't SetVector"},
        {"matrix beyond the texture limit", shipped, "1000000 2", Step::Input, "Error, couldn't create texture"},
        {"header without a size", shipped, "four two", Step::Input, "Error, couldn't create texture"},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteEffect(c.effect);
        FILE* input = std::fopen(fileNameIn, "w");
        std::fprintf(input, "%s\n1 2 3 4\n5 6 7 8\n", c.header.c_str());
        std::fclose(input);
        EXPECT_EXIT(RunUpTo(c.step, hWnd), testing::ExitedWithCode(255), "Error!: .*" + Literal(c.message));
    }
}

TEST_F(Dx9Test, UnreadableInputFileShowsTheUsage)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunUpTo(Step::Input, hWnd), testing::ExitedWithCode(1), "Help!: Usage: kordane02");
    // A folder of the input file's name opens on Linux but holds no matrix.
    std::filesystem::create_directory(fileNameIn);
    EXPECT_EXIT(RunUpTo(Step::Input, hWnd), testing::ExitedWithCode(1), "Help!: Usage: kordane02");
}
