#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "evaluation/number_text.hpp"

namespace tobrel::evaluation {
namespace {

constexpr int kFirstRoundingDigits = 18;
constexpr int kShownDigits = 15;
constexpr int kLowestFixedOrder = -3;
constexpr int kHighestFixedOrder = 15;

// The significant digits of |value| and its order E, the value being 0.d1d2... * 10^E.
struct Significand {
    char digits[kFirstRoundingDigits + 1] = {};
    int count = 0;
    int order = 0;
};

// 18 digits from the exact binary value, ties to even (the conversion is integer arithmetic,
// unaffected by the rounding mode and the C locale).
Significand eighteenDigits(double magnitude) {
    char text[40];
    const auto result = std::to_chars(text, text + sizeof text, magnitude,
                                      std::chars_format::scientific, kFirstRoundingDigits - 1);
    Significand significand;
    significand.digits[significand.count++] = text[0];
    const char* cursor = text + 2;  // past the leading digit and the point
    while (*cursor != 'e')
        significand.digits[significand.count++] = *cursor++;
    int exponent = 0;
    std::from_chars(cursor + (cursor[1] == '+' ? 2 : 1), result.ptr, exponent);
    significand.order = exponent + 1;
    return significand;
}

// Down to 15 digits, rounding half up on the 16th; trailing zeros go.
void cutToShownDigits(Significand& significand) {
    const bool roundUp = significand.digits[kShownDigits] >= '5';
    significand.count = kShownDigits;
    if (roundUp) {
        int position = kShownDigits - 1;
        while (position >= 0 && significand.digits[position] == '9')
            significand.digits[position--] = '0';
        if (position >= 0) {
            ++significand.digits[position];
        } else {
            significand.digits[0] = '1';
            ++significand.order;
        }
    }
    while (significand.count > 1 && significand.digits[significand.count - 1] == '0')
        --significand.count;
}

void appendFixed(std::string& text, const Significand& s, std::string_view separator) {
    const std::string_view digits(s.digits, static_cast<size_t>(s.count));
    if (s.order <= 0) {
        text.append("0").append(separator).append(static_cast<size_t>(-s.order), '0');
        text.append(digits);
    } else if (s.count <= s.order) {
        text.append(digits).append(static_cast<size_t>(s.order - s.count), '0');
    } else {
        text.append(digits.substr(0, static_cast<size_t>(s.order))).append(separator);
        text.append(digits.substr(static_cast<size_t>(s.order)));
    }
}

void appendScientific(std::string& text, const Significand& s, std::string_view separator) {
    text.push_back(s.digits[0]);
    if (s.count > 1)
        text.append(separator).append(s.digits + 1, static_cast<size_t>(s.count - 1));
    const int exponent = s.order - 1;
    text.push_back('E');
    if (exponent < 0)
        text.push_back('-');
    text.append(std::to_string(std::abs(exponent)));
}

}  // namespace

std::string NumberToText(double value, std::string_view decimalSeparator) {
    if (value == 0)
        return "0";
    Significand significand = eighteenDigits(std::fabs(value));
    cutToShownDigits(significand);
    std::string text;
    text.reserve(24 + 2 * decimalSeparator.size());
    if (value < 0)
        text.push_back('-');
    if (significand.order >= kLowestFixedOrder && significand.order <= kHighestFixedOrder)
        appendFixed(text, significand, decimalSeparator);
    else
        appendScientific(text, significand, decimalSeparator);
    return text;
}

}  // namespace tobrel::evaluation
