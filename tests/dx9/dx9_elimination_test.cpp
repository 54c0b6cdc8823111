// The elimination passes against the single-precision CPU arithmetic.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "dx9/dx9_gpgpu.h"
#include "dx9_fixture.h"
#include "report/globals.h"

namespace {

// Forward elimination as the single-precision CPU back-end does it: each
// factor and each updated cell formed in double and rounded to float once.
std::vector<float> EliminateLikeCpu(std::vector<float> m, int width, int height)
{
    std::vector<float> factor(height);
    for (int i = 0; i + 1 < height; ++i) {
        const double pivot = m[i * width + i];
        for (int r = 0; r < height; ++r) factor[r] = static_cast<float>(m[r * width + i] / pivot);
        for (int r = i + 1; r < height; ++r) {
            for (int c = i; c < width; ++c) {
                const double product = static_cast<double>(m[i * width + c]) * factor[r];
                m[r * width + c] = static_cast<float>(m[r * width + c] - product);
            }
        }
    }
    return m;
}

// The last four values (all when narrower) of the last row.
std::vector<double> ResultTail(const std::vector<float>& m, int width, int height)
{
    std::vector<double> tail;
    for (int c = width > 4 ? width - 4 : 0; c < width; ++c) tail.push_back(m[(height - 1) * width + c]);
    return tail;
}

bool SameFloat(double a, double b)
{
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return static_cast<float>(a) == static_cast<float>(b);
}

// Distinct values in every cell, heavy diagonal: no pivot comes near zero.
std::vector<float> DiagonallyDominant(int height, unsigned seed)
{
    const int width = height + 1;
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> draw(1, 1001);
    std::vector<float> m(static_cast<size_t>(width) * height);
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) m[r * width + c] = static_cast<float>(draw(generator));
        m[r * width + r] += 1001.0f * width;
    }
    return m;
}

struct ExactCase {
    const char* name;
    int width;
    int height;
    std::vector<float> values;
};

}  // namespace

// Inputs whose arithmetic is exact in float: the card must give the CPU's
// values bit for bit, whatever the number of pivots (and so whichever of the
// two ping-pong textures ends as the matrix).
TEST_F(Dx9Test, EliminationEqualsCpuWhereArithmeticIsExact)
{
    const std::vector<ExactCase> cases = {
        {"one row, no pivot", 4, 1, {1, 2, 3, 4}},
        {"two rows, one pivot", 4, 2, {2, 4, 6, 8, 1, 3, 5, 7}},
        {"worked example, two pivots", 4, 3, {2, 1, 1, 5, 4, 3, 3, 13, 8, 7, 9, 35}},
        {"wide rows, two pivots", 6, 3, {4, 2, 2, 1, 1, 9, 8, 6, 6, 3, 3, 20, 16, 14, 18, 7, 7, 50}},
        {"zero pivot spreads infinities", 3, 2, {0, 1, 1, 1, 1, 2}},
    };
    for (const ExactCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteInput(c.width, c.height, c.values);
        std::fclose(std::fopen(fileNameOut, "w"));
        DX9gpgpu gpu;
        gpu.InitDirect3D(hWnd);
        gpu.InputData(fileNameIn, false, 0.0, 0.0);
        gpu.Render(c.width, c.height);
        gpu.OutputData(fileNameOut, "%.9g");

        const std::vector<std::string> lines = ReportLines();
        ASSERT_EQ(lines.size(), 1u);
        const std::vector<double> got = Values(lines[0]);
        const std::vector<double> want = ResultTail(EliminateLikeCpu(c.values, c.width, c.height), c.width, c.height);
        ASSERT_EQ(got.size(), want.size());
        for (size_t i = 0; i < want.size(); ++i) EXPECT_TRUE(SameFloat(got[i], want[i])) << got[i] << " vs " << want[i];
    }
}

// General inputs agree with the CPU up to single-precision rounding.
TEST_F(Dx9Test, EliminationAgreesWithCpuOnDiagonallyDominantMatrices)
{
    for (int height : {17, 64}) {
        SCOPED_TRACE(height);
        const int width = height + 1;
        const std::vector<float> m = DiagonallyDominant(height, 1234u + height);
        WriteInput(width, height, m);
        std::fclose(std::fopen(fileNameOut, "w"));
        DX9gpgpu gpu;
        gpu.InitDirect3D(hWnd);
        gpu.InputData(fileNameIn, false, 0.0, 0.0);
        gpu.Render(width, height);
        gpu.OutputData(fileNameOut, "%.9g");

        const std::vector<double> got = Values(ReportLines().at(0));
        const std::vector<float> reference = EliminateLikeCpu(m, width, height);
        const std::vector<double> want = ResultTail(reference, width, height);
        ASSERT_EQ(got.size(), 4u);
        // Rounding differences stay a few units in the last place of the
        // row's largest value (the diagonal).
        const double scale = std::fabs(reference[static_cast<size_t>(height - 1) * width + height - 1]);
        for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], scale * 16 * 0x1p-24) << i;
    }
}

// Each Render starts from what ReloadData restored, also when the previous
// Render left the other ping-pong texture as the matrix.
TEST_F(Dx9Test, ReloadRestoresTheInputForTheNextRender)
{
    for (int height : {2, 3}) {
        SCOPED_TRACE(height);
        const int width = height + 1;
        const std::vector<float> m = DiagonallyDominant(height, 7u);
        WriteInput(width, height, m);
        std::fclose(std::fopen(fileNameOut, "w"));
        DX9gpgpu gpu;
        gpu.InitDirect3D(hWnd);
        gpu.InputData(fileNameIn, false, 0.0, 0.0);
        gpu.ReloadData();
        gpu.OutputData(fileNameOut, "%.9g");
        for (int iteration = 0; iteration < 3; ++iteration) {
            gpu.Render(width, height);
            gpu.OutputData(fileNameOut, "%.9g");
            gpu.ReloadData();
        }
        gpu.OutputData(fileNameOut, "%.9g");

        const std::vector<std::string> lines = ReportLines();
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(Values(lines[0]), ResultTail(m, width, height));
        EXPECT_EQ(lines[1], lines[2]);
        EXPECT_EQ(lines[1], lines[3]);
        EXPECT_EQ(lines[4], lines[0]);
    }
}

// An effect without techniques fails Begin: the matrix becomes the zeroed
// pong texture instead of anything undefined. (That no pass runs on a
// failed Begin is shown in dx9_helpers_test.cpp.)
TEST_F(Dx9Test, FailedBeginRunsNoPass)
{
    WriteEffect("texture mytex;\ntexture mytexTemp;\nfloat4 COLOR1;\n");
    WriteInput(4, 2, {2, 4, 6, 8, 1, 3, 5, 7});
    DX9gpgpu gpu;
    gpu.InitDirect3D(hWnd);
    gpu.InputData(fileNameIn, false, 0.0, 0.0);
    gpu.Render(4, 2);
    gpu.OutputData(fileNameOut, nullptr);
    EXPECT_EQ(ReportLines(), std::vector<std::string>{"0.0000, 0.0000, 0.0000, 0.0000"});
}
