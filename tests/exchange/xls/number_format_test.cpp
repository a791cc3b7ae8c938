#include "exchange/xls/number_format.hpp"

#include <gtest/gtest.h>

namespace tobrel::exchange::xls {
namespace {

struct Shown {
    double value;
    const char* format;
    const char* text;
};

TEST(NumberFormat, NumbersShowAsTheirFormatCodeSays) {
    const Shown cases[] = {
        {26.8, "General", "26.8"},
        {-26.8, "General", "-26.8"},
        {2.675, "0.00", "2.68"},
        {0.966, "0.0", "1.0"},
        {1234567.891, "#,##0.00", "1,234,567.89"},
        {-1234.5, "#,##0", "-1,235"},
        {0.25, "0%", "25%"},
        {0.1234, "0.00%", "12.34%"},
        {12345, "0.00E+00", "1.23E+04"},
        {0.00012, "0.00E+00", "1.20E-04"},
        {12345, "##0.0E+0", "12.3E+3"},
        {5, "000", "005"},
        {1.5, "#.##", "1.5"},
        {0.5, "#.00", ".50"},
        {1500000, "#,##0,", "1,500"},
        {-5, "0;(0)", "(5)"},
        {0, "0;-0;\"zero\"", "zero"},
        {7, "0 \"pcs\"", "7 pcs"},
        {3.1, "[Red]0.0", "3.1"},
        {42, "@", "42"},
        {42, "General\" kg\"", "42 kg"},
        {1234.5, "\\$#,##0.00", "$1,234.50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.format, false, "."), c.text) << c.format;
    EXPECT_EQ(formatNumber(2.5, "0.00", false, ","), "2,50");
}

TEST(NumberFormat, DatesAndTimesInBothDateSystems) {
    const Shown cases1900[] = {
        {45366, "yyyy-mm-dd", "2024-03-15"},
        {45366, "d.m.yy", "15.3.24"},
        {45366, "dddd d mmmm yyyy", "Friday 15 March 2024"},
        {45366, "ddd mmm", "Fri Mar"},
        {60, "yyyy-mm-dd", "1900-02-29"},
        {61, "yyyy-mm-dd", "1900-03-01"},
        {1, "m/d/yyyy", "1/1/1900"},
        {45366.75, "h:mm", "18:00"},
        {45366.75, "h:mm AM/PM", "6:00 PM"},
        {0.5 + 1.0 / 86400, "hh:mm:ss", "12:00:01"},
        {1.25, "[h]:mm", "30:00"},
        {0.000011574, "mm:ss.0", "00:01.0"},
        {0.99999999, "hh:mm:ss", "00:00:00"},
    };
    for (const auto& c : cases1900)
        EXPECT_EQ(formatNumber(c.value, c.format, false, "."), c.text)
            << c.value << " " << c.format;
    EXPECT_EQ(formatNumber(43904, "yyyy-mm-dd", true, "."), "2024-03-15");
    EXPECT_EQ(formatNumber(0, "yyyy-mm-dd", true, "."), "1904-01-01");
    EXPECT_EQ(formatNumber(-1, "yyyy-mm-dd", false, "."), "-1");
}

TEST(NumberFormat, BuiltInFormatsByIndex) {
    EXPECT_EQ(builtInFormat(0), "General");
    EXPECT_EQ(formatNumber(0.5, builtInFormat(9), false, "."), "50%");
    EXPECT_EQ(formatNumber(45366, builtInFormat(14), false, "."), "3/15/2024");
    EXPECT_EQ(formatNumber(1234.5, builtInFormat(4), false, "."), "1,234.50");
    EXPECT_EQ(builtInFormat(200), "General");
}

}  // namespace
}  // namespace tobrel::exchange::xls
