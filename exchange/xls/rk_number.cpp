#include "exchange/xls/rk_number.hpp"

#include <bit>
#include <cmath>

namespace tobrel::exchange::xls {

namespace {

constexpr double kLargestInteger = (1 << 29) - 1;
constexpr double kSmallestInteger = -(1 << 29);
constexpr std::uint32_t kInteger = 0x02;
constexpr std::uint32_t kHundredths = 0x01;

std::optional<std::uint32_t> asInteger(double value, std::uint32_t flags) {
    // The range test comes first: it also refuses NaN and makes the conversion well defined.
    if (!(value >= kSmallestInteger && value <= kLargestInteger))
        return std::nullopt;
    const auto integer = static_cast<std::int32_t>(value);
    if (integer != value)
        return std::nullopt;
    return (static_cast<std::uint32_t>(integer) << 2) | kInteger | flags;
}

}  // namespace

double numberFromRk(std::uint32_t rk) {
    const double value =
        (rk & kInteger) ? static_cast<double>(static_cast<std::int32_t>(rk) >> 2)
                        : std::bit_cast<double>(static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32);
    return (rk & kHundredths) ? value / 100 : value;
}

std::optional<std::uint32_t> rkFromNumber(double value) {
    if (!std::isfinite(value) || (std::signbit(value) && value == 0))
        return std::nullopt;
    if (const auto rk = asInteger(value, 0))
        return rk;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if ((bits & 0x3FFFFFFFFull) == 0)
        return static_cast<std::uint32_t>(bits >> 32);
    if (const auto rk = asInteger(value * 100, kHundredths); rk && numberFromRk(*rk) == value)
        return rk;
    return std::nullopt;
}

}  // namespace tobrel::exchange::xls
