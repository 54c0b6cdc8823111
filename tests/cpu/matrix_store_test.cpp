// The size guard of the matrix arrays.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cpu/matrix_store.h"

namespace {

TEST(MatrixStore, ElementCountRejectsWhatNoArrayCanHold) {
    EXPECT_EQ(MatrixElementCount(101, 100), 10100);
    EXPECT_EQ(MatrixElementCount(0, 5), 0);
    EXPECT_EQ(MatrixElementCount(-1, -1), -1);
    EXPECT_EQ(MatrixElementCount(-3, 2), -1);
    EXPECT_EQ(MatrixElementCount(65536, 65536), -1);  // wraps to 0 in 32 bits
    EXPECT_EQ(MatrixElementCount(65537, 65535), int64_t{65537} * 65535);
}

struct GuardCase {
    int64_t count;
    bool floatAllocates;
    bool doubleAllocates;
};

class SizeGuard : public ::testing::TestWithParam<GuardCase> {};

// Counts above the limit of each precision fail like an allocator without
// memory. (Counts at the limit ask for the exact 4 GiB - 4 bytes; whether
// that succeeds depends on the machine, so they are not allocated here.)
TEST_P(SizeGuard, RefusesCountsAboveTheLimit) {
    const GuardCase& c = GetParam();
    float* f = AllocateGuarded<float>(c.count);
    EXPECT_EQ(f != nullptr, c.floatAllocates);
    delete[] f;
    double* d = AllocateGuarded<double>(c.count);
    EXPECT_EQ(d != nullptr, c.doubleAllocates);
    delete[] d;
}

INSTANTIATE_TEST_SUITE_P(Counts, SizeGuard,
                         ::testing::Values(GuardCase{0, true, true}, GuardCase{1000, true, true},
                                           GuardCase{-1, false, false},
                                           GuardCase{1073741824, false, false},
                                           GuardCase{int64_t{4294967295}, false, false},
                                           GuardCase{int64_t{1} << 40, false, false}),
                         [](const ::testing::TestParamInfo<GuardCase>& info) {
                             return "Count" + std::to_string(info.param.count < 0 ? 0 : info.param.count) +
                                    (info.param.count < 0 ? "Negative" : "");
                         });

TEST(SizeGuard, DoubleLimitIsHalfTheFloatLimit) {
    double* d = AllocateGuarded<double>(kMaxElements<double> + 1);
    EXPECT_EQ(d, nullptr);
}

TEST(SizeGuard, LimitsKeepTheByteCountBelowTwoToThe32) {
    EXPECT_EQ(kMaxElements<float>, 1073741823);
    EXPECT_EQ(kMaxElements<double>, 536870911);
    EXPECT_LT(static_cast<uint64_t>(kMaxElements<float>) * 4, uint64_t{1} << 32);
    EXPECT_LT(static_cast<uint64_t>(kMaxElements<double>) * 8, uint64_t{1} << 32);
}

}  // namespace
