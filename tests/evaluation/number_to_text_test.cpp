#include <gtest/gtest.h>

#include "environment_variations.hpp"
#include "evaluation/number_text.hpp"

namespace tobrel::evaluation {
namespace {

struct Written {
    double value;
    const char* text;
};

const Written kWritten[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {10, "10"},
    {26.8, "26.8"},
    {0.966, "0.966"},
    {-2.5, "-2.5"},
    {278.0 / 9, "30.8888888888889"},
    {1.0 / 3, "0.333333333333333"},
    {2.0 / 3, "0.666666666666667"},
    {123456789012345.6, "123456789012346"},
    {999999999999999.0, "999999999999999"},
    {0.0001, "0.0001"},
    {0.00012345678901234567, "0.000123456789012346"},
    {0.00001, "1E-5"},
    {1.5e-7, "1.5E-7"},
    {-1.5e-7, "-1.5E-7"},
    {1e15, "1E15"},
    {1.5e300, "1.5E300"},
    {12345678901234567890.0, "1.23456789012346E19"},
    // 18 digits first: ...4999 becomes ...500, which then rounds up on the 16th digit
    {0.9810213431388215, "0.981021343138822"},
    {30.07041843906255, "30.0704184390626"},
    {-96.14779889500835, "-96.1477988950084"},
    // carries that add a digit, in fixed and scientific notation and across their border
    {0.9999999999999999, "1"},
    {99.99999999999999, "100"},
    {999999999999999.9, "1E15"},
    {0.00009999999999999999, "0.0001"},
    {1e23, "1E23"},
};

TEST(NumberToText, WritesFifteenDigitsFromAnEighteenDigitRounding) {
    testing::underEveryEnvironment([](const std::string& what) {
        for (const Written& written : kWritten)
            EXPECT_EQ(NumberToText(written.value, "."), written.text)
                << written.value << " under " << what;
    });
}

TEST(NumberToText, UsesTheGivenSeparatorAndNoThousandsSeparator) {
    EXPECT_EQ(NumberToText(31.8, ","), "31,8");
    EXPECT_EQ(NumberToText(0.0025, ","), "0,0025");
    EXPECT_EQ(NumberToText(1.5e-7, ","), "1,5E-7");
    EXPECT_EQ(NumberToText(1234567.25, ","), "1234567,25");
    EXPECT_EQ(NumberToText(7.25, "٫"), "7٫25");
}

TEST(NumberToText, ReadsBackToTheSameTextAfterARoundTrip) {
    for (const Written& written : kWritten) {
        const std::string text = NumberToText(written.value, ",");
        EXPECT_EQ(NumberToText(static_cast<double>(TextToNumber(text, ",")), ","), text);
    }
}

}  // namespace
}  // namespace tobrel::evaluation
