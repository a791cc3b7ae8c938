#include <gtest/gtest.h>

#include "environment_variations.hpp"
#include "evaluation/extended_arithmetic.hpp"

namespace tobrel::evaluation {
namespace {

struct Rounded {
    long double value;
    int decimals;
    long double whole;  // the integer that value * 10^decimals rounds to
};

const Rounded kRounded[] = {
    {26.25L, 1, 262},      {1.25L, 1, 12},    {0.125L, 2, 12}, {0.375L, 2, 38},
    {-0.125L, 2, -12},     {-0.375L, 2, -38}, {2.5L, 0, 2},    {3.5L, 0, 4},
    {51.404999L, 2, 5140}, {0.625L, 2, 62},   {0.875L, 2, 88}, {27.7399L, 2, 2774},
    {0.0L, 1, 0},
};

TEST(RoundToDecimals, RoundsTiesToEvenThenScalesByTheNearestPowerOfTen) {
    std::vector<long double> expected;  // formed here, under the default rounding mode
    for (const Rounded& rounded : kRounded) {
        const long double step = rounded.decimals == 2   ? 0.01L
                                 : rounded.decimals == 1 ? 0.1L
                                                         : 1.0L;
        expected.push_back(rounded.whole * step);
    }
    testing::underEveryEnvironment([&](const std::string& what) {
        for (size_t i = 0; i < std::size(kRounded); ++i)
            EXPECT_EQ(RoundToDecimals(kRounded[i].value, kRounded[i].decimals), expected[i])
                << static_cast<double>(kRounded[i].value) << " under " << what;
    });
}

TEST(RoundToDecimals, LeavesTheCallersRoundingModeInPlace) {
    std::fesetround(FE_UPWARD);
    RoundToDecimals(26.25L, 1);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(FE_TONEAREST);
}

}  // namespace
}  // namespace tobrel::evaluation
