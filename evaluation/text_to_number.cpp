#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "evaluation/evaluation_error.hpp"
#include "evaluation/evaluation_messages.hpp"
#include "evaluation/extended_arithmetic.hpp"
#include "evaluation/number_text.hpp"

namespace tobrel::evaluation {
namespace {

constexpr int kMaxExactDigits = 19;  // any 19-digit integer fits 64 bits
constexpr int kFastExponentLimit = 27;
constexpr long kExponentClamp = 100000;  // far beyond the extended range either way

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The pieces of a text that has the accepted form.
struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    long exponent = 0;
};

class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    bool accept(char c) {
        if (atEnd() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }
    bool accept(std::string_view word) {
        if (word.empty() || text_.substr(pos_, word.size()) != word)
            return false;
        pos_ += word.size();
        return true;
    }
    void skipSpaces() {
        while (accept(' ')) {
        }
    }
    std::string_view digits() {
        const size_t start = pos_;
        while (!atEnd() && isDigit(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

long clampedExponent(std::string_view digits) {
    long value = 0;
    for (char c : digits)
        value = std::min(kExponentClamp, value * 10 + (c - '0'));
    return value;
}

bool scanDecimal(std::string_view text, std::string_view separator, DecimalParts& parts) {
    Scanner scan(text);
    scan.skipSpaces();
    parts.negative = scan.accept('-');
    if (!parts.negative)
        scan.accept('+');
    parts.integerDigits = scan.digits();
    const bool hasSeparator = scan.accept(separator);
    if (hasSeparator)
        parts.fractionDigits = scan.digits();
    if (parts.integerDigits.empty() && !hasSeparator)
        return false;
    if (scan.accept('E') || scan.accept('e')) {
        const bool negativeExponent = scan.accept('-');
        if (!negativeExponent)
            scan.accept('+');
        const std::string_view exponentDigits = scan.digits();
        if (exponentDigits.empty())
            return false;
        parts.exponent =
            negativeExponent ? -clampedExponent(exponentDigits) : clampedExponent(exponentDigits);
    }
    scan.skipSpaces();
    return scan.atEnd();
}

// Significand as an integer and the power of ten that scales it, when both are small enough for
// one exact-operand multiplication or division, which then rounds correctly by itself.
bool fastValue(const DecimalParts& parts, long double& value) {
    std::uint64_t significand = 0;
    int significantDigits = 0;
    long scale = parts.exponent;
    auto take = [&](char c) {
        if (significand == 0 && c == '0')
            return true;
        if (significantDigits == kMaxExactDigits)
            return false;
        significand = significand * 10 + static_cast<std::uint64_t>(c - '0');
        ++significantDigits;
        return true;
    };
    for (char c : parts.integerDigits) {
        if (!take(c))
            return false;
    }
    for (char c : parts.fractionDigits) {
        if (!take(c))
            return false;
        --scale;
    }
    if (significand == 0) {
        value = 0;
    } else if (scale >= 0 && scale <= kFastExponentLimit) {
        value = static_cast<long double>(significand) * exactPowerOfTen(static_cast<int>(scale));
    } else if (scale < 0 && scale >= -kFastExponentLimit) {
        value = static_cast<long double>(significand) / exactPowerOfTen(static_cast<int>(-scale));
    } else {
        return false;
    }
    return true;
}

bool isZero(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

// The power of ten of the leading significant digit, plus one; positive for magnitudes >= 1.
long decimalOrder(const DecimalParts& parts) {
    const auto integerLead = parts.integerDigits.find_first_not_of('0');
    if (integerLead != std::string_view::npos)
        return static_cast<long>(parts.integerDigits.size() - integerLead) + parts.exponent;
    const auto fractionLead = parts.fractionDigits.find_first_not_of('0');
    return parts.exponent - static_cast<long>(fractionLead);
}

// Any other decimal goes through the library's correctly rounded conversion, in a form that
// does not depend on the C locale.
long double slowValue(const DecimalParts& parts, int col, int row) {
    if (isZero(parts.integerDigits) && isZero(parts.fractionDigits))
        return 0;
    std::string normal;
    normal.reserve(parts.integerDigits.size() + parts.fractionDigits.size() + 16);
    normal.append("0").append(parts.integerDigits).append(".").append(parts.fractionDigits);
    normal.append("e").append(std::to_string(parts.exponent));
    long double value = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (decimalOrder(parts) > 0)
            throw EvaluationError(kOverflowMessage, col, row);
        return 0;  // below the smallest normal extended value: no double keeps anything but zero
    }
    return value;
}

}  // namespace

long double TextToNumber(std::string_view text, std::string_view decimalSeparator, int col,
                         int row) {
    DecimalParts parts;
    if (!scanDecimal(text, decimalSeparator, parts))
        throw EvaluationError(conversionErrorMessage(std::string(text)), col, row);
    const NearestRounding rounding;
    long double magnitude = 0;
    if (!fastValue(parts, magnitude))
        magnitude = slowValue(parts, col, row);
    if (std::isinf(static_cast<double>(magnitude)))
        throw EvaluationError(kOverflowMessage, col, row);
    return parts.negative ? -magnitude : magnitude;
}

}  // namespace tobrel::evaluation
