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

// Whether an allocation of the count succeeds; at the limits the outcome
// depends on the machine's memory, so it is not tried.
enum class Outcome { Allocates, Refused, NotTried };

struct GuardCase {
    int64_t count;
    Outcome floatOutcome;
    Outcome doubleOutcome;
};

class SizeGuard : public ::testing::TestWithParam<GuardCase> {};

template <class T>
void ExpectOutcome(int64_t count, Outcome outcome) {
    if (outcome == Outcome::NotTried) return;
    T* p = AllocateGuarded<T>(count);
    EXPECT_EQ(p != nullptr, outcome == Outcome::Allocates) << sizeof(T);
    delete[] p;
}

// Counts above the limit of each precision fail like an allocator without
// memory; the first count above each limit is refused. (Counts at the limit
// ask for the exact 4 GiB - 4 bytes and are not allocated here.)
TEST_P(SizeGuard, RefusesCountsAboveTheLimit) {
    const GuardCase& c = GetParam();
    ExpectOutcome<float>(c.count, c.floatOutcome);
    ExpectOutcome<double>(c.count, c.doubleOutcome);
}

constexpr Outcome kYes = Outcome::Allocates;
constexpr Outcome kNo = Outcome::Refused;

INSTANTIATE_TEST_SUITE_P(Counts, SizeGuard,
                         ::testing::Values(GuardCase{0, kYes, kYes}, GuardCase{1000, kYes, kYes},
                                           GuardCase{-1, kNo, kNo},
                                           GuardCase{kMaxElements<double> + 1, Outcome::NotTried, kNo},
                                           GuardCase{kMaxElements<float> + 1, kNo, kNo},
                                           GuardCase{int64_t{4294967295}, kNo, kNo},
                                           GuardCase{int64_t{1} << 40, kNo, kNo}),
                         [](const ::testing::TestParamInfo<GuardCase>& info) {
                             return "Count" + std::to_string(info.param.count < 0 ? 0 : info.param.count) +
                                    (info.param.count < 0 ? "Negative" : "");
                         });

}  // namespace
