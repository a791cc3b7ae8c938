#include "exchange/xls/general_number.hpp"

#include <gtest/gtest.h>

#include <cfenv>

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
