// The precision probe at the stated scales and the scalar multiply.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "cpu/comparison_kernels.h"

namespace {

struct ProbeCase {
    double a;
    double b;
    float floatCells[4];
    double doubleCells[4];
};

class PrecisionProbe : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(PrecisionProbe, WritesTheFourCellsOfBothPrecisions) {
    const ProbeCase& c = GetParam();
    std::vector<float> f(8, 7.0f);
    WritePrecisionProbe(f.data(), f.size(), c.a, c.b);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(f[4 + k], c.floatCells[k]) << "float cell " << k;
    for (int k = 0; k < 4; ++k) EXPECT_EQ(f[k], 7.0f);  // no other cell touched

    std::vector<double> d(5, 7.0);
    WritePrecisionProbe(d.data(), d.size(), c.a, c.b);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(d[1 + k], c.doubleCells[k]) << "double cell " << k;
    EXPECT_EQ(d[0], 7.0);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, PrecisionProbe,
    ::testing::Values(
        ProbeCase{30.0, 65.0, {30.0f, 65.0f, 0.4615384638309478759765625f, 0.4615384638309478759765625f},
                  {30.0, 65.0, 0.46153846153846156408206979904207400977611541748046875,
                   0.46153846153846156408206979904207400977611541748046875}},
        ProbeCase{0.3, 0.65,
                  {0.300000011920928955078125f, 0.64999997615814208984375f, 0.461538493633270263671875f,
                   0.4615384638309478759765625f},
                  {0.3, 0.65, 0.461538461538461508570918567784246988594532012939453125,
                   0.461538461538461508570918567784246988594532012939453125}}),
    [](const ::testing::TestParamInfo<ProbeCase>& info) { return "Scale" + std::to_string(info.index); });

// Over the six scales of the comparison run (each a division by 10 in
// double), the two float quotients differ at the third and the sixth.
TEST(PrecisionProbe, FloatQuotientsDifferAtTheThirdAndSixthScale) {
    double a = 30.0;
    double b = 65.0;
    std::vector<bool> differs;
    for (int scale = 0; scale < 6; ++scale) {
        float f[4];
        WritePrecisionProbe(f, 4, a, b);
        double d[4];
        WritePrecisionProbe(d, 4, a, b);
        differs.push_back(f[2] != f[3]);
        EXPECT_EQ(d[2], d[3]);
        EXPECT_EQ(f[0], static_cast<float>(a));
        EXPECT_EQ(f[1], static_cast<float>(b));
        a = a / 10.0;
        b = b / 10.0;
    }
    EXPECT_EQ(differs, (std::vector<bool>{false, false, true, false, false, true}));
}

TEST(PrecisionProbe, DivisionByZeroGivesIeeeResults) {
    float f[4];
    WritePrecisionProbe(f, 4, 1.0, 0.0);
    EXPECT_EQ(f[2], INFINITY);
    EXPECT_EQ(f[3], INFINITY);
    double d[4];
    WritePrecisionProbe(d, 4, 0.0, 0.0);
    EXPECT_TRUE(std::isnan(d[2]));
    EXPECT_TRUE(std::isnan(d[3]));
    WritePrecisionProbe(f, 4, 1e300, 1.0);
    EXPECT_EQ(f[0], INFINITY);
}

// Fewer than four elements: only the cells inside the array are written.
TEST(PrecisionProbe, SmallMatrixIsNeverWrittenOutside) {
    float guard[4] = {9, 9, 9, 9};
    WritePrecisionProbe(guard + 2, 2, 3.0, 4.0);
    EXPECT_EQ(guard[0], 9.0f);
    EXPECT_EQ(guard[1], 9.0f);
    EXPECT_EQ(guard[2], 9.0f);  // quotient of the stored operands: they lie outside, so skipped
    EXPECT_EQ(guard[3], 0.75f);
}

TEST(MultiplyMatrix, ScalesEveryCell) {
    std::vector<float> f{1, 2, 1001, -4.5f, 0.1f};
    MultiplyMatrix(f.data(), f.size(), 3);
    EXPECT_EQ(f, (std::vector<float>{3, 6, 3003, -13.5f, static_cast<float>(0.1f * 3.0)}));
    MultiplyMatrix(f.data(), f.size(), 3);
    EXPECT_EQ(f[1], 18.0f);  // twice without reload: times 9
    std::vector<double> d{1, 2, 0.1};
    MultiplyMatrix(d.data(), d.size(), 3);
    EXPECT_EQ(d, (std::vector<double>{3, 6, 0.1 * 3.0}));
}

// Above 2^24 the float instance multiplies by the nearest float, the
// double instance by the exact integer.
TEST(MultiplyMatrix, LargeMultiplierRoundsOnlyInFloat) {
    const int mul = (1 << 24) + 1;
    float f[1] = {1.0f};
    MultiplyMatrix(f, 1, mul);
    EXPECT_EQ(f[0], 16777216.0f);
    double d[1] = {1.0};
    MultiplyMatrix(d, 1, mul);
    EXPECT_EQ(d[0], 16777217.0);
}

}  // namespace
