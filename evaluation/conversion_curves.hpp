#pragma once

#include "evaluation/compute.hpp"

namespace tobrel::evaluation {

// The strength read from the chosen curve at the mean rebound number, rounded to two decimals,
// evaluated in the extended format in a fixed order of operations. Expects to-nearest rounding.
long double curveStrength(Method method, double mean);

}  // namespace tobrel::evaluation
