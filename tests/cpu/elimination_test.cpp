// The elimination kernels: the worked examples bit for bit, the zero pivot,
// and every blocked path against the plain loop on many shapes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "cpu/elimination.h"

namespace {

template <class T>
std::vector<T> RunReference(std::vector<T> m, int width, int height) {
    std::vector<T> factor(height > 0 ? height : 1);
    EliminateReference(m.data(), width, height, factor.data());
    return m;
}

template <class T>
bool SameBits(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}

bool Blocked(std::vector<float>& m, int width, int height, EliminationPath path) {
    std::vector<double> scratch(BlockedScratchElements(width, height));
    return EliminateBlocked(m.data(), width, height, path, scratch.data());
}

bool Blocked(std::vector<double>& m, int width, int height, EliminationPath path) {
    return EliminateBlocked(m.data(), width, height, path);
}

std::vector<EliminationPath> SupportedPaths() {
    std::vector<EliminationPath> paths;
    for (int p = 0; p < kEliminationPathCount; ++p)
        if (EliminationPathSupported(static_cast<EliminationPath>(p))) paths.push_back(static_cast<EliminationPath>(p));
    return paths;
}

// Every kernel on one input: the plain loop and each supported blocked path.
template <class T>
std::vector<std::vector<T>> RunAllKernels(const std::vector<T>& m, int width, int height) {
    std::vector<std::vector<T>> results{RunReference(m, width, height)};
    for (EliminationPath path : SupportedPaths()) {
        std::vector<T> copy = m;
        EXPECT_TRUE(Blocked(copy, width, height, path)) << EliminationPathName(path);
        results.push_back(copy);
    }
    return results;
}

// The dispatcher picks the widest unit the processor has, and a path the
// processor lacks is refused instead of run.
TEST(Elimination, BestPathIsTheWidestSupportedOne) {
    EXPECT_EQ(BestEliminationPath(), SupportedPaths().back());
    for (int p = 0; p < kEliminationPathCount; ++p) {
        const auto path = static_cast<EliminationPath>(p);
        if (EliminationPathSupported(path)) continue;
        std::vector<float> m{3, 1, 2, 1, 2, 3};
        EXPECT_FALSE(Blocked(m, 3, 2, path)) << EliminationPathName(path);
        EXPECT_EQ(m, (std::vector<float>{3, 1, 2, 1, 2, 3}));
    }
}

TEST(Elimination, WorkedExampleOneFloatLeavesNegativeResidue) {
    const std::vector<float> m{3, 1, 2, 1, 2, 3};
    const float q = 1.0f / 3.0f;
    const float expected1 = static_cast<float>(1.0 - 3.0 * static_cast<double>(q));
    ASSERT_EQ(expected1, -std::ldexp(1.0f, -25));
    for (const auto& r : RunAllKernels(m, 3, 2)) {
        EXPECT_EQ(r[0], 3.0f);
        EXPECT_EQ(r[1], 1.0f);
        EXPECT_EQ(r[2], 2.0f);
        EXPECT_EQ(r[3], -std::ldexp(1.0f, -25));
        EXPECT_TRUE(std::signbit(r[3]));
        EXPECT_EQ(r[4], 1.6666666269302368f);
        EXPECT_EQ(r[5], 2.3333332538604736f);
    }
}

TEST(Elimination, WorkedExampleOneDoubleLeavesPlainZero) {
    const std::vector<double> m{3, 1, 2, 1, 2, 3};
    for (const auto& r : RunAllKernels(m, 3, 2)) {
        EXPECT_EQ(r[3], 0.0);
        EXPECT_FALSE(std::signbit(r[3]));
        EXPECT_EQ(r[4], 1.6666666666666667);
        EXPECT_EQ(r[5], 2.3333333333333335);
        EXPECT_EQ(r[0], 3.0);
    }
}

template <class T>
void CheckWorkedExampleTwo() {
    const std::vector<T> m{2, 1, 1, 5, 4, 3, 3, 13, 8, 7, 9, 35};
    const std::vector<T> expected{2, 1, 1, 5, 0, 1, 1, 3, 0, 0, 2, 6};
    for (const auto& r : RunAllKernels(m, 4, 3)) EXPECT_EQ(r, expected);
}

TEST(Elimination, WorkedExampleTwoIsExactInBothPrecisions) {
    CheckWorkedExampleTwo<float>();
    CheckWorkedExampleTwo<double>();
}

template <class T>
void CheckZeroPivot() {
    const std::vector<T> m{0, 1, 1, 1, 1, 2};
    for (const auto& r : RunAllKernels(m, 3, 2)) {
        EXPECT_TRUE(std::isnan(r[3]));
        EXPECT_EQ(r[4], -INFINITY);
        EXPECT_EQ(r[5], -INFINITY);
    }
    const auto all = RunAllKernels(m, 3, 2);
    for (const auto& r : all) EXPECT_TRUE(SameBits(r, all[0]));
}

TEST(Elimination, ZeroPivotSpreadsInfinitiesAndNaN) {
    CheckZeroPivot<float>();
    CheckZeroPivot<double>();
}

uint64_t BitsOf(double v) {
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

uint32_t BitsOf(float v) {
    uint32_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// Where a NaN pivot value meets a NaN factor, the product is the pivot's NaN
// (the pivot is the first operand), whichever operand order the compiler
// chose; every kernel agrees on that.
TEST(Elimination, NaNPivotValueWinsOverNaNFactor) {
    const std::vector<double> d{0, std::nan(""), 1, 0, 1, 1};
    for (const auto& r : RunAllKernels(d, 3, 2)) {
        EXPECT_EQ(BitsOf(r[3]), 0xFFF8000000000000u);  // 0 - 0 x (0/0): the factor's NaN
        EXPECT_EQ(BitsOf(r[4]), 0x7FF8000000000000u);  // 1 - NaN x (0/0): the pivot's NaN
        EXPECT_EQ(BitsOf(r[5]), 0xFFF8000000000000u);
    }
    const std::vector<float> f{0, std::nanf(""), 1, 0, 1, 1};
    for (const auto& r : RunAllKernels(f, 3, 2)) {
        EXPECT_EQ(BitsOf(r[3]), 0xFFC00000u);
        EXPECT_EQ(BitsOf(r[4]), 0x7FC00000u);
        EXPECT_EQ(BitsOf(r[5]), 0xFFC00000u);
    }
}

TEST(Elimination, FewerThanTwoRowsChangeNothing) {
    const std::vector<float> one{5, 6, 7};
    for (const auto& r : RunAllKernels(one, 3, 1)) EXPECT_EQ(r, one);
    const std::vector<double> none{};
    for (const auto& r : RunAllKernels(none, 3, 0)) EXPECT_TRUE(r.empty());
}

// A matrix narrower than height - 1 columns: no step without a column, so
// nothing is read outside the array (checked under the sanitizers too).
TEST(Elimination, NarrowMatrixStaysInside) {
    EXPECT_EQ(EliminationSteps(2, 10), 2);
    EXPECT_EQ(EliminationSteps(11, 10), 9);
    EXPECT_EQ(EliminationSteps(9, 10), 9);
    EXPECT_EQ(EliminationSteps(0, 10), 0);
    std::vector<double> m(2 * 10);
    for (std::size_t k = 0; k < m.size(); ++k) m[k] = static_cast<double>(k % 7 + 1);
    const auto all = RunAllKernels(m, 2, 10);
    for (const auto& r : all) EXPECT_TRUE(SameBits(r, all[0]));
}

enum class Values { GeneratedIntegers, Reals, TinyAndHuge, NaNsAndInfinities };

template <class T>
std::vector<T> MakeMatrix(int width, int height, Values kind, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<T> m(static_cast<std::size_t>(width) * height);
    std::uniform_int_distribution<int> draw(0, 32767);
    std::uniform_real_distribution<double> real(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-60, 60);
    for (T& v : m) {
        switch (kind) {
            case Values::GeneratedIntegers: v = static_cast<T>(draw(gen) * 1000 / 32767 + 1); break;
            case Values::Reals: v = static_cast<T>(static_cast<float>(real(gen))); break;
            case Values::TinyAndHuge: v = static_cast<T>(std::ldexp(static_cast<float>(real(gen)), exponent(gen))); break;
            case Values::NaNsAndInfinities: {
                // NaNs of both signs and with a payload (as "nan", "-nan" and
                // "nan(0x123)" load), infinities and zero pivots among integers.
                static const float specials[] = {std::nanf(""), -std::nanf(""), std::nanf("0x123"), INFINITY,
                                                 -INFINITY, 0.0f};
                const int k = draw(gen) % 40;
                v = static_cast<T>(k < 6 ? specials[k] : static_cast<float>(k - 20));
                break;
            }
        }
    }
    return m;
}

struct ShapeCase {
    int width;
    int height;
    Values values;
};

std::string ShapeName(const ::testing::TestParamInfo<ShapeCase>& info) {
    static const char* const kinds[] = {"Integers", "Reals", "TinyAndHuge", "NaNsAndInfinities"};
    return std::to_string(info.param.width) + "x" + std::to_string(info.param.height) +
           kinds[static_cast<int>(info.param.values)];
}

class EliminationPaths : public ::testing::TestWithParam<ShapeCase> {};

template <class T>
void CheckAllPathsAgree(const ShapeCase& c) {
    const std::vector<T> m = MakeMatrix<T>(c.width, c.height, c.values, 1234u + c.width * 7u + c.height);
    const std::vector<T> reference = RunReference(m, c.width, c.height);
    for (EliminationPath path : SupportedPaths()) {
        std::vector<T> copy = m;
        ASSERT_TRUE(Blocked(copy, c.width, c.height, path));
        EXPECT_TRUE(SameBits(copy, reference))
            << EliminationPathName(path) << " differs for " << c.width << " x " << c.height;
    }
}

// Each path the processor supports gives the plain loop's bits: shapes
// around the pivot block size, the row group and every vector tail.
TEST_P(EliminationPaths, FloatMatchesPlainLoopBitForBit) { CheckAllPathsAgree<float>(GetParam()); }
TEST_P(EliminationPaths, DoubleMatchesPlainLoopBitForBit) { CheckAllPathsAgree<double>(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Shapes, EliminationPaths,
                         ::testing::Values(ShapeCase{3, 2, Values::GeneratedIntegers},
                                           ShapeCase{9, 8, Values::Reals},
                                           ShapeCase{32, 31, Values::GeneratedIntegers},
                                           ShapeCase{33, 32, Values::Reals},
                                           ShapeCase{34, 33, Values::GeneratedIntegers},
                                           ShapeCase{35, 34, Values::Reals},
                                           ShapeCase{66, 65, Values::GeneratedIntegers},
                                           ShapeCase{101, 100, Values::GeneratedIntegers},
                                           ShapeCase{101, 100, Values::Reals},
                                           ShapeCase{101, 100, Values::TinyAndHuge},
                                           ShapeCase{130, 97, Values::Reals},
                                           ShapeCase{70, 71, Values::Reals},
                                           ShapeCase{257, 256, Values::GeneratedIntegers},
                                           ShapeCase{20, 100, Values::Reals},
                                           ShapeCase{21, 20, Values::NaNsAndInfinities},
                                           ShapeCase{71, 70, Values::NaNsAndInfinities}),
                         ShapeName);

}  // namespace
