#include "evaluation/extended_arithmetic.hpp"

#include <array>
#include <cfenv>
#include <cmath>

#include "evaluation/evaluation_error.hpp"
#include "evaluation/evaluation_messages.hpp"

namespace tobrel::evaluation {
namespace {

constexpr int kLargestExactPowerOfTen = 27;  // 5^27 still fits the 64-bit significand

constexpr std::array<long double, kLargestExactPowerOfTen + 1> makePowersOfTen() {
    std::array<long double, kLargestExactPowerOfTen + 1> powers{};
    long double power = 1;
    for (auto& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}

constexpr auto kPowersOfTen = makePowersOfTen();

}  // namespace

NearestRounding::NearestRounding() : saved_(std::fegetround()) {
    if (saved_ != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
}

NearestRounding::~NearestRounding() {
    if (saved_ != FE_TONEAREST)
        std::fesetround(saved_);
}

double storeAsDouble(long double value, int col, int row) {
    const double stored = static_cast<double>(value);
    if (std::isnan(stored))
        throw EvaluationError(kInvalidOperationMessage, col, row);
    if (std::isinf(stored))
        throw EvaluationError(kOverflowMessage, col, row);
    return stored;
}

long double exactPowerOfTen(int exponent) {
    return kPowersOfTen[static_cast<size_t>(exponent)];
}

long double RoundToDecimals(long double x, int decimals) {
    const NearestRounding rounding;
    const long double scale = exactPowerOfTen(decimals);
    const long double scaled = x * scale;
    const long double whole = std::nearbyint(scaled);
    const long double step = 1.0L / scale;  // one rounding of an exact quotient: the nearest value
    return whole * step;
}

}  // namespace tobrel::evaluation
