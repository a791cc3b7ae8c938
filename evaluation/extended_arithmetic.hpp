#pragma once

namespace tobrel::evaluation {

// Holds the rounding mode at to-nearest (ties to even) while it lives and restores the caller's
// mode afterwards, so results do not depend on a mode somebody else left behind.
class NearestRounding {
  public:
    NearestRounding();
    ~NearestRounding();
    NearestRounding(const NearestRounding&) = delete;
    NearestRounding& operator=(const NearestRounding&) = delete;

  private:
    int saved_;
};

// The extended value rounded to the double that keeps it. An infinity or a not-a-number is never
// kept: it raises the overflow or invalid-operation error for the cell (col, row).
double storeAsDouble(long double value, int col, int row);

// 10^exponent for 0 <= exponent <= 27, exact in the extended format.
long double exactPowerOfTen(int exponent);

// x * 10^decimals rounded to an integer, ties to even, then times the extended value nearest to
// 10^-decimals. Always rounds to nearest whatever mode is in effect. 0 <= decimals <= 27.
long double RoundToDecimals(long double x, int decimals);

}  // namespace tobrel::evaluation
