#include "exchange/xls/general_number.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tobrel::exchange::xls {

namespace {

constexpr int kKeptDigits = 15;
constexpr std::size_t kMaxShortDigits = kKeptDigits;

// Adds one unit in the last place of a digit string; true when it overflowed ("99" -> "00").
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

std::string scientific(const DecimalDigits& d, std::string_view separator) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) {
        text += separator;
        text += d.digits.substr(1);
    }
    return text + "E" + std::to_string(d.exponent - 1);
}

std::string fixed(const DecimalDigits& d, std::string_view separator) {
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent <= 0) {
        return "0" + std::string(separator) + std::string(static_cast<size_t>(-d.exponent), '0') +
               d.digits;
    }
    if (count <= d.exponent)
        return d.digits + std::string(static_cast<size_t>(d.exponent - count), '0');
    return d.digits.substr(0, static_cast<size_t>(d.exponent)) + std::string(separator) +
           d.digits.substr(static_cast<size_t>(d.exponent));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isPlainNumberForm(std::string_view text) {
    std::size_t pos = text.starts_with('-') ? 1 : 0;
    if (pos >= text.size() || !isDigit(text[pos]))
        return false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (!isDigit(c) && c != '.' && c != 'E' && c != '-')
            return false;
    }
    return true;
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isDigit);
}

std::string_view leadingDigits(std::string_view text) {
    return text.substr(0, static_cast<std::size_t>(
                              std::find_if_not(text.begin(), text.end(), isDigit) - text.begin()));
}

std::optional<double> integerValue(std::string_view digits, bool negative) {
    if (digits.size() > kMaxShortDigits || (negative && digits == "0"))
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (const char c : digits)
        magnitude = magnitude * 10 + (c - '0');
    const auto value = static_cast<double>(magnitude);
    return negative ? -value : value;
}

// Counts the significant digits of an integer part and a fraction in their shortest fixed form;
// nullopt when generalText would show the value differently (trailing zero, exponent below -3).
std::optional<std::size_t> fixedFormDigits(std::string_view integer, std::string_view fraction) {
    if (fraction.empty() || fraction.back() == '0' || !allDigits(fraction))
        return std::nullopt;
    if (integer != "0")
        return integer.size() + fraction.size();
    const std::size_t zeros = fraction.find_first_not_of('0');
    if (zeros > 3)
        return std::nullopt;
    return fraction.size() - zeros;
}

// The common case without printing the value back: a decimal of at most 15 significant digits in
// the shortest fixed form, with a decimal exponent of -3..15, always reads back as itself, since
// the nearest double lies far closer to it than half a unit of its 15th digit. nullopt means
// "not in that form", not "not a number".
std::optional<double> shortFixedNumber(std::string_view text, std::string_view separator) {
    const bool negative = text.starts_with('-');
    const std::string_view body = text.substr(negative ? 1 : 0);
    const std::string_view integer = leadingDigits(body);
    if (integer.empty() || (integer.size() > 1 && integer.front() == '0'))
        return std::nullopt;
    if (integer.size() == body.size())
        return integerValue(integer, negative);
    const std::string_view rest = body.substr(integer.size());
    if (!rest.starts_with(separator))
        return std::nullopt;
    const std::string_view fraction = rest.substr(separator.size());
    const auto digits = fixedFormDigits(integer, fraction);
    if (!digits || *digits > kMaxShortDigits)
        return std::nullopt;
    std::array<char, 40> plain{};
    char* out = plain.data();
    if (negative)
        *out++ = '-';
    out = std::copy(integer.begin(), integer.end(), out);
    *out++ = '.';
    out = std::copy(fraction.begin(), fraction.end(), out);
    double value = 0;
    std::from_chars(plain.data(), out, value);
    return value;
}

// A magnitude's significant digits and decimal exponent (as 0.d1d2... x 10^exponent) from
// to_chars' scientific form: the shortest digits that read back as it, or a given count of them.
DecimalDigits scientificDigits(double magnitude, std::optional<int> digitCount) {
    std::array<char, 40> buffer{};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    const auto end =
        digitCount
            ? std::to_chars(first, last, magnitude, std::chars_format::scientific, *digitCount - 1)
            : std::to_chars(first, last, magnitude, std::chars_format::scientific);
    const std::string_view text(first, static_cast<size_t>(end.ptr - first));
    const auto e = text.find('e');
    DecimalDigits result;
    result.digits.assign(1, text[0]);
    if (e > 1)
        result.digits += text.substr(2, e - 2);
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), end.ptr, result.exponent);
    result.exponent += 1;
    return result;
}

}  // namespace

DecimalDigits significantDigits(double value) {
    const bool negative = std::signbit(value);
    if (value == 0 || !std::isfinite(value))
        return DecimalDigits{negative, {}, 0};
    // When the shortest digits that read back are at most 15, the value lies far closer to them
    // than to any other 15-digit decimal or midpoint, so cutting 18 digits to 15 gives them too.
    DecimalDigits shortest = scientificDigits(std::fabs(value), std::nullopt);
    if (shortest.digits.size() <= kMaxShortDigits) {
        shortest.negative = negative;
        return shortest;
    }
    DecimalDigits d = scientificDigits(std::fabs(value), kKeptDigits + 3);
    d.negative = negative;
    const bool roundUp = d.digits[kKeptDigits] >= '5';
    d.digits.resize(kKeptDigits);
    if (roundUp && incrementDigits(d.digits)) {
        d.digits.insert(d.digits.begin(), '1');
        d.digits.pop_back();
        ++d.exponent;
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

std::string generalText(double value, std::string_view decimalSeparator) {
    if (std::isnan(value) || std::isinf(value))
        return "#NUM!";
    const DecimalDigits d = significantDigits(value);
    if (d.digits.empty())
        return "0";
    const bool fixedForm = d.exponent >= -3 && d.exponent <= 15;
    return (d.negative ? "-" : "") +
           (fixedForm ? fixed(d, decimalSeparator) : scientific(d, decimalSeparator));
}

std::optional<double> numberShownAs(std::string_view text, std::string_view decimalSeparator) {
    if (decimalSeparator.empty())
        return std::nullopt;
    if (const auto value = shortFixedNumber(text, decimalSeparator))
        return value;
    std::string plain(text);
    const auto separator = plain.find(decimalSeparator);
    if (separator != std::string::npos) {
        plain.replace(separator, decimalSeparator.size(), ".");
    }
    if (!isPlainNumberForm(plain))
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    if (generalText(value, decimalSeparator) != text)
        return std::nullopt;
    return value;
}

}  // namespace tobrel::exchange::xls
