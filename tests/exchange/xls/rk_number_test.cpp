#include "exchange/xls/rk_number.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace tobrel::exchange::xls {
namespace {

// RK is chosen only when it gives the very same double back.
TEST(RkNumber, HoldsExactlyWhatItCanAndRefusesTheRest) {
    const double exact[] = {0, 31, -12, 536870911, -536870912, 0.95, 26.8, -3.25, 0.5, 0x1p100};
    for (const double value : exact) {
        const auto rk = rkFromNumber(value);
        ASSERT_TRUE(rk.has_value()) << value;
        EXPECT_EQ(numberFromRk(*rk), value);
    }
    const double refused[] = {30.8888888888889, 0.966, 536870912.5,
                              1e-300,           -0.0,  std::numeric_limits<double>::infinity()};
    for (const double value : refused)
        EXPECT_FALSE(rkFromNumber(value).has_value()) << value;
}

}  // namespace
}  // namespace tobrel::exchange::xls
