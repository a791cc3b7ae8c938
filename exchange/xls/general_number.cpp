#include "exchange/xls/general_number.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace tobrel::exchange::xls {

namespace {

constexpr int kKeptDigits = 15;

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

bool isPlainNumberForm(std::string_view text) {
    std::size_t pos = text.starts_with('-') ? 1 : 0;
    if (pos >= text.size() || text[pos] < '0' || text[pos] > '9')
        return false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if ((c < '0' || c > '9') && c != '.' && c != 'E' && c != '-')
            return false;
    }
    return true;
}

}  // namespace

DecimalDigits significantDigits(double value) {
    DecimalDigits result;
    result.negative = std::signbit(value);
    if (value == 0 || !std::isfinite(value))
        return result;
    std::array<char, 40> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                   std::chars_format::scientific, 17)
                         .ptr;
    const std::string_view text(buffer.data(), static_cast<size_t>(end - buffer.data()));
    const auto e = text.find('e');
    std::string digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    exponent += 1;
    const bool roundUp = digits[kKeptDigits] >= '5';
    digits.resize(kKeptDigits);
    if (roundUp && incrementDigits(digits)) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++exponent;
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    result.digits = std::move(digits);
    result.exponent = exponent;
    return result;
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
