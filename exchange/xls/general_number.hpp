#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tobrel::exchange::xls {

// A finite non-zero value as 0.d1d2... x 10^exponent, at most 15 digits, no trailing zeros.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Formed with 18 significant digits, then cut to 15 rounding half up (as the sheet's own number
// texts are); zero gives empty digits. Exact and independent of rounding mode and locale.
DecimalDigits significantDigits(double value);

// The value as the sheet writes numbers: 15 significant digits, fixed notation for decimal
// exponents -3..15, otherwise scientific ("1E20", "1.5E-7"); zero of either sign is "0".
std::string generalText(double value, std::string_view decimalSeparator);

// The number a text stands for when the text is exactly how generalText shows that number.
std::optional<double> numberShownAs(std::string_view text, std::string_view decimalSeparator);

}  // namespace tobrel::exchange::xls
