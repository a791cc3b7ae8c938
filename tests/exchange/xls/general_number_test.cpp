#include "exchange/xls/general_number.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace tobrel::exchange::xls {
namespace {

struct Typing {
    const char* text;
    const char* separator;
    bool number;
};

// A text is stored as a number only when reading the number back shows the very same text.
TEST(NumberTyping, OnlyTextsShownBackIdenticallyBecomeNumbers) {
    const Typing cases[] = {
        {"26.8", ".", true},
        {"10", ".", true},
        {"0.966", ".", true},
        {"30.8888888888889", ".", true},
        {"-3.5", ".", true},
        {"0", ".", true},
        {"0.0001", ".", true},
        {"1E20", ".", true},
        {"26,8", ",", true},
        {"26.8", ",", false},
        {"26,8", ".", false},
        {"1.150", ".", false},
        {"007", ".", false},
        {" 5", ".", false},
        {"5 ", ".", false},
        {"1e5", ".", false},
        {"-0", ".", false},
        {"+5", ".", false},
        {".5", ".", false},
        {"5.", ".", false},
        {"1,000", ".", false},
        {"inf", ".", false},
        {"nan", ".", false},
        {"0x10", ".", false},
        {"", ".", false},
        {"abc", ".", false},
        {"30.88888888888889", ".", false},
        {"1E400", ".", false},
        {"хориз.", ".", false},
        {"B25", ".", false},
    };
    for (const auto& c : cases) {
        const auto number = numberShownAs(c.text, c.separator);
        EXPECT_EQ(number.has_value(), c.number) << '"' << c.text << "\" with " << c.separator;
        if (number) {
            EXPECT_EQ(generalText(*number, c.separator), c.text);
        }
    }
}

// What numberShownAs promises, computed the slow way: read the text as a number, print that back.
std::optional<double> shownAsByDefinition(const std::string& text, const std::string& separator) {
    std::string plain = text;
    if (const auto at = plain.find(separator); at != std::string::npos)
        plain.replace(at, separator.size(), ".");
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() ||
        generalText(value, separator) != text)
        return std::nullopt;
    return value;
}

// Number-like texts near the edges of the plain form: leading and trailing zeros, 14 to 17
// digits, exponents, signs, either separator.
class NumberLikeTexts {
  public:
    std::string next(const std::string& separator) {
        std::string text = chance(4) ? "-" : "";
        text += digits(pick(0, 17), chance(6));
        if (chance(2)) {
            text += chance(12) ? (separator == "." ? "," : ".") : separator;
            text += std::string(static_cast<std::size_t>(chance(3) ? pick(1, 5) : 0), '0');
            text += digits(pick(0, 17), false);
            if (chance(6))
                text += '0';
        }
        if (chance(10))
            text += "E" + std::string(chance(2) ? "-" : "") + std::to_string(pick(0, 400));
        return text;
    }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int oneIn) { return pick(1, oneIn) == 1; }
    std::string digits(int count, bool leadingZero) {
        std::string result = leadingZero && count > 0 ? "0" : "";
        while (static_cast<int>(result.size()) < count)
            result += static_cast<char>('0' + (chance(4) ? 9 * pick(0, 1) : pick(0, 9)));
        return result;
    }
    std::mt19937 random_{20261211};
};

TEST(NumberTyping, AgreesWithReadingBackOnManyNumberLikeTexts) {
    NumberLikeTexts texts;
    int numbers = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string separator = i % 2 ? "." : ",";
        const std::string text = texts.next(separator);
        const auto expected = shownAsByDefinition(text, separator);
        const auto actual = numberShownAs(text, separator);
        ASSERT_EQ(actual, expected) << '"' << text << "\" with " << separator;
        numbers += expected.has_value();
    }
    // The generator must reach both sides of the rule.
    EXPECT_GT(numbers, 20000);
    EXPECT_LT(numbers, 180000);
}

// significantDigits as documented, the slow way: 18 significant digits cut to 15 rounding half up.
DecimalDigits digitsByDefinition(double value) {
    std::array<char, 40> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.17e", std::fabs(value));
    const std::string text(buffer.data());
    std::string digits = text.substr(0, 1) + text.substr(2, 17);
    int exponent = std::stoi(text.substr(text.find('e') + 1)) + 1;
    const bool up = digits[15] >= '5';
    digits.resize(15);
    for (auto it = digits.rbegin(); up && it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            break;
        }
        *it = '0';
        if (it + 1 == digits.rend()) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    return {std::signbit(value), digits, exponent};
}

// Doubles of every kind: any bit pattern, short decimals, integers, and neighbours of decimals
// that lie half way between two 15-digit numbers.
class AssortedDoubles {
  public:
    double next() {
        switch (pick(0, 3)) {
            case 0:
                return std::bit_cast<double>(random_() << 32 | random_());
            case 1:
                return decimal(pick(1, 16)) / std::pow(10.0, pick(0, 20));
            case 2:
                return decimal(pick(1, 16));
            default: {
                const double half =
                    std::stod("1." + digits(13) + "5e" + std::to_string(pick(-30, 30)));
                return std::nextafter(half, pick(0, 1) ? 0.0 : 1e300);
            }
        }
    }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::string digits(int count) {
        std::string result;
        while (static_cast<int>(result.size()) < count)
            result += static_cast<char>('0' + pick(0, 9));
        return result;
    }
    double decimal(int count) { return (pick(0, 1) ? -1 : 1) * std::stod(digits(count)); }
    std::mt19937_64 random_{20261211};
};

TEST(GeneralText, DigitsAgreeWithEighteenDigitsCutToFifteen) {
    AssortedDoubles values;
    for (int i = 0; i < 200000; ++i) {
        const double value = values.next();
        if (!std::isfinite(value) || value == 0)
            continue;
        const DecimalDigits expected = digitsByDefinition(value);
        const DecimalDigits actual = significantDigits(value);
        ASSERT_EQ(actual.digits, expected.digits) << value;
        ASSERT_EQ(actual.exponent, expected.exponent) << value;
        ASSERT_EQ(actual.negative, expected.negative) << value;
    }
}

TEST(GeneralText, FifteenSignificantDigitsFixedOrScientific) {
    const std::pair<double, const char*> cases[] = {
        {278.0 / 9, "30.8888888888889"},
        {26.8, "26.8"},
        {0.966, "0.966"},
        {10, "10"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {123456789012345678.0, "1.23456789012346E17"},
        {1e14, "100000000000000"},
        {1e15, "1E15"},
        {0.001, "0.001"},
        {0.0001234, "0.0001234"},
        {0.00001234, "1.234E-5"},
        {-2.5e-7, "-2.5E-7"},
        {99999999999999.99, "100000000000000"},
        {0.99999999999999995, "1"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(generalText(value, "."), text) << value;
    EXPECT_EQ(generalText(26.8, ","), "26,8");
}

TEST(GeneralText, DoesNotDependOnTheRoundingMode) {
    for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        EXPECT_EQ(generalText(278.0 / 9, "."), "30.8888888888889");
        EXPECT_EQ(generalText(2.0 / 3, "."), "0.666666666666667");
        EXPECT_EQ(generalText(-2.0 / 3, "."), "-0.666666666666667");
    }
    std::fesetround(FE_TONEAREST);
}

}  // namespace
}  // namespace tobrel::exchange::xls
