#pragma once

#include <optional>

namespace tobrel::evaluation {

// kt for an age in days by linear interpolation in the age-coefficient table, or nothing when the
// age lies below the first age or at or above the sentinel. Expects to-nearest rounding; the
// caller rounds the result to the double it keeps.
std::optional<long double> interpolateAgeCoefficient(double age);

}  // namespace tobrel::evaluation
