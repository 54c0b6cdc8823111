// The DX9gpgpu helpers that need no device.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "dx9/dx9_helpers.h"

namespace {

TEST(Dx9Helpers, TruncateToIntStaysDefinedForEveryValue)
{
    struct Case {
        double value;
        int expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.0, 0},
        {2147483647.9, INT_MAX},
        {-2147483648.9, INT_MIN},
        {2147483648.0, INT_MAX},
        {1e30, INT_MAX},
        {-1e30, INT_MIN},
        {inf, INT_MAX},
        {-inf, INT_MIN},
        {std::nan(""), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(TruncateToInt(c.value), c.expected) << c.value;
}

}  // namespace
