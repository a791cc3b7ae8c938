#pragma once

#include <string>
#include <string_view>

namespace tobrel::evaluation {

// A cell text read as a number: leading spaces, an optional sign, digits with an optional decimal
// separator and fraction, an optional exponent, trailing spaces. The result is the extended value
// nearest to the decimal. Raises the conversion error for any other text and the overflow error
// for a value no double can keep, naming the cell (col, row). Independent of the C locale and of
// the rounding mode.
long double TextToNumber(std::string_view text, std::string_view decimalSeparator, int col = -1,
                         int row = -1);

// At most 15 significant digits, taken from an 18-digit rounding of the exact value; fixed
// notation for magnitudes from 0.0001 to below 10^15, otherwise d.dddE-x. No thousands separator.
// The value must be finite.
std::string NumberToText(double value, std::string_view decimalSeparator);

}  // namespace tobrel::evaluation
