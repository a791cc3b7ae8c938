#include <gtest/gtest.h>

#include "sheet_fixture.hpp"

namespace tobrel::evaluation::testing {
namespace {

// Rows whose texts come out differently if the arithmetic is done in doubles only, if numbers are
// printed straight to 15 digits, or if the mean is used without reading back its text. The
// expected texts come from tests/evaluation/reference_model.py (exact rationals rounded to 64-
// and 53-bit significands).
struct SensitiveRow {
    const char* name;
    Method method;
    PointRow input;
    ExpectedRow expected;
};

std::array<std::string, 12> eightOf25Then(const std::string& last) {
    auto readings = repeated("25", 8);
    readings[8] = last;
    return readings;
}

std::array<std::string, 12> nineOf40Then(const std::string& last) {
    auto readings = repeated("40", 9);
    readings[9] = last;
    return readings;
}

const std::vector<SensitiveRow> kSensitiveRows = {
    // an exact decimal tie of the curve that the extended evaluation puts below (doubles: 17.05)
    {"CurveTieAtWholeMean",
     Method::Proceq,
     {eightOf25Then("25.0"), "хориз.", "1", "28"},
     {{13, "25"}, {14, "9"}, {15, "17.04"}, {17, "1"}, {20, "1"}, {21, "17"}, {22, "B15"}}},
    // 16.85 kept as a double lies above the tie; scaling it in doubles lands on the tie (16.8)
    {"StrengthTieRoundsUp",
     Method::Proceq,
     {eightOf25Then("23.8"), "хориз.", "1", "28"},
     {{13, "24.8666666666667"},
      {14, "9"},
      {15, "16.85"},
      {17, "1"},
      {20, "1"},
      {21, "16.9"},
      {22, "B15"}}},
    {"StrengthTieRoundsDown",
     Method::Proceq,
     {eightOf25Then("24.4"), "хориз.", "1", "28"},
     {{13, "24.9333333333333"},
      {14, "9"},
      {15, "16.95"},
      {17, "1"},
      {20, "1"},
      {21, "16.9"},
      {22, "B15"}}},
    // here the doubles-only result would even change the class (20, B15)
    {"StrengthTieDecidesClass",
     Method::Schmidt,
     {eightOf25Then("22.3"), "хориз.", "1", "28"},
     {{13, "24.7"}, {14, "9"}, {15, "20.05"}, {17, "1"}, {20, "1"}, {21, "20.1"}, {22, "B20"}}},
    // the 16th digit of kt becomes a 5 only through the 18-digit rounding
    {"AgeCoefficientNeedsEighteenDigitsFirst",
     Method::Proceq,
     {{"39", "48", "43", "48", "33.0", "36", "44.1", "55", "27", "", "", ""},
      "хориз.",
      "1.03",
      "815"},
     {{13, "41.4555555555556"},
      {14, "9"},
      {15, "44.67"},
      {17, "1"},
      {20, "0.659444444444445"},
      {21, "30.3"},
      {22, "B30"}}},
    // the unrounded mean would give 15.14 and 15.1
    {"MeanReadBackFirstCurve",
     Method::Proceq,
     {nineOf40Then("-122.80396234778646658014622516930103302001953125"), "хориз.", "1", "28"},
     {{13, "23.7196037652214"},
      {14, "10"},
      {15, "15.15"},
      {17, "1"},
      {20, "1"},
      {21, "15.2"},
      {22, "B15"}}},
    {"MeanReadBackSecondCurve",
     Method::Schmidt,
     {nineOf40Then("-154.18501421853346755597158335149288177490234375"), "хориз.", "1", "28"},
     {{13, "20.5814985781467"},
      {14, "10"},
      {15, "15.15"},
      {17, "1"},
      {20, "1"},
      {21, "15.2"},
      {22, "B15"}}},
    {"MeanReadBackWithinBand",
     Method::Schmidt,
     {nineOf40Then("-154.81717526911091908914386294782161712646484375"), "хориз.", "1", "28"},
     {{13, "20.5182824730889"},
      {14, "10"},
      {15, "15.07"},
      {17, "1"},
      {20, "1"},
      {21, "15.1"},
      {22, "B15"}}},
};

class ComputeSensitiveRow : public ::testing::TestWithParam<SensitiveRow> {};

TEST_P(ComputeSensitiveRow, MatchesTheExactModel) {
    const SensitiveRow& sensitive = GetParam();
    sheet::Sheet sheet = sheetWithRows({sensitive.input});
    const sheet::Sheet before = sheet;
    Compute compute;
    compute.run(sheet, sensitive.method, ".", {});
    expectChangedOnly(before, sheet, {sensitive.expected});
}

INSTANTIATE_TEST_SUITE_P(Shortcuts, ComputeSensitiveRow, ::testing::ValuesIn(kSensitiveRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tobrel::evaluation::testing
