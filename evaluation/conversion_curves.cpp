#include "evaluation/conversion_curves.hpp"

#include "evaluation/extended_arithmetic.hpp"

namespace tobrel::evaluation {
namespace {

constexpr int kStrengthDecimals = 2;

// Curve coefficients are the doubles nearest to the published decimals.
constexpr double kProceqSquare = 0.011;
constexpr double kProceqLinear = 0.948;
constexpr double kProceqConstant = 13.53;

constexpr double kSchmidtCube = -0.0003;
constexpr double kSchmidtSquare = 0.0399;
constexpr double kSchmidtLinear = 0.1525;
constexpr double kSchmidtConstant = 3.9976;

long double proceq(long double n) {
    const long double square = n * n;
    const long double t1 = square * kProceqSquare;
    const long double t2 = kProceqLinear * n;
    const long double t3 = t1 + t2;
    return t3 - kProceqConstant;
}

long double schmidt(long double n) {
    const long double cube = n * (n * n);
    const long double t1 = cube * kSchmidtCube;
    const long double square = n * n;
    const long double t2 = square * kSchmidtSquare;
    const long double t3 = t2 + t1;
    const long double t4 = kSchmidtLinear * n;
    const long double t5 = t3 - t4;
    return t5 + kSchmidtConstant;
}

}  // namespace

long double curveStrength(Method method, double mean) {
    const long double value = method == Method::Schmidt ? schmidt(mean) : proceq(mean);
    return RoundToDecimals(value, kStrengthDecimals);
}

}  // namespace tobrel::evaluation
