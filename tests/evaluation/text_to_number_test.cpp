#include <gtest/gtest.h>

#include <cmath>

#include "environment_variations.hpp"
#include "evaluation/evaluation_error.hpp"
#include "evaluation/number_text.hpp"

namespace tobrel::evaluation {
namespace {

struct Accepted {
    const char* text;
    const char* separator;
    long double value;  // the compiler's own correctly rounded reading of the decimal
};

const Accepted kAccepted[] = {
    {"31", ".", 31.0L},
    {"  31", ".", 31.0L},
    {"31   ", ".", 31.0L},
    {"+31.5", ".", 31.5L},
    {"-0.1", ".", -0.1L},
    {"0.1", ".", 0.1L},
    {"1.150", ".", 1.15L},
    {"5.", ".", 5.0L},
    {".5", ".", 0.5L},
    {".", ".", 0.0L},
    {"-.", ".", 0.0L},
    {"+.5e+1", ".", 5.0L},
    {"1E3", ".", 1000.0L},
    {"2.5e-3", ".", 0.0025L},
    {"00012.50", ".", 12.5L},
    {"100000000000", ".", 100000000000.0L},
    {"30.8888888888889", ".", 30.8888888888889L},
    {"0.3333333333333333333333333333", ".", 0.3333333333333333333333333333L},
    {"123456789012345678901234567890", ".", 123456789012345678901234567890.0L},
    {"1.0000000000000000000000000000001", ".", 1.0000000000000000000000000000001L},
    {"9.87654321e-30", ".", 9.87654321e-30L},
    {"1.7976931348623157e308", ".", 1.7976931348623157e308L},
    {"1e-5000", ".", 0.0L},
    {"31,5", ",", 31.5L},
    {" -2,25E1 ", ",", -22.5L},
    {"7٫25", "٫", 7.25L},
};

const char* const kRejected[] = {"",    " ",    "abc",  "1,5",  "1 000", "E5",    "1E",
                                 "1E+", "+",    "-",    "--1",  "+-1",   "1.5.",  "\t1",
                                 "1\t", "0x10", "inf",  "nan",  "1e5 x", "1.2.3", "1e1.5",
                                 "e",   ". .",  "1 e5", "1e 5", "١٢"};

TEST(TextToNumber, AcceptsTheNumberFormAsTheNearestExtendedValue) {
    testing::underEveryEnvironment([](const std::string& what) {
        for (const Accepted& accepted : kAccepted)
            EXPECT_EQ(TextToNumber(accepted.text, accepted.separator), accepted.value)
                << accepted.text << " under " << what;
    });
}

TEST(TextToNumber, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(TextToNumber("-0", ".")));
    EXPECT_FALSE(std::signbit(TextToNumber("0", ".")));
}

TEST(TextToNumber, RejectsAnyOtherTextNamingItAndTheCell) {
    for (const char* text : kRejected) {
        try {
            TextToNumber(text, ".", 4, 7);
            ADD_FAILURE() << "accepted " << text;
        } catch (const EvaluationError& error) {
            EXPECT_EQ(error.what(),
                      "'" + std::string(text) + "' is not a valid floating point value");
            EXPECT_EQ(error.col(), 4);
            EXPECT_EQ(error.row(), 7);
        }
    }
}

TEST(TextToNumber, ReadsOnlyTheGivenSeparator) {
    EXPECT_THROW(TextToNumber("31.5", ","), EvaluationError);
    EXPECT_THROW(TextToNumber("31,5", "."), EvaluationError);
    EXPECT_THROW(TextToNumber("31,5", "٫"), EvaluationError);
}

TEST(TextToNumber, RaisesOverflowBeyondTheDoubleRange) {
    const std::string longDigits = "1" + std::string(309, '0');  // 1e309 without an exponent
    for (const std::string& text :
         {std::string("1e309"), std::string("-1e400"), std::string("1e5000"), longDigits}) {
        try {
            TextToNumber(text, ".", 18, 3);
            ADD_FAILURE() << "accepted " << text;
        } catch (const EvaluationError& error) {
            EXPECT_STREQ(error.what(), "Floating point overflow") << text;
            EXPECT_EQ(error.col(), 18);
            EXPECT_EQ(error.row(), 3);
        }
    }
}

}  // namespace
}  // namespace tobrel::evaluation
