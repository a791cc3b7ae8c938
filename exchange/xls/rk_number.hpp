#pragma once

#include <cstdint>
#include <optional>

namespace tobrel::exchange::xls {

// The 32-bit RK form of a number (an integer or hundredths in 30 bits, or the top 30 bits of the
// double) when it holds the number exactly.
std::optional<std::uint32_t> rkFromNumber(double value);
double numberFromRk(std::uint32_t rk);

}  // namespace tobrel::exchange::xls
