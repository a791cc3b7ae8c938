#include <gtest/gtest.h>

#include "sheet_fixture.hpp"

namespace tobrel::evaluation::testing {
namespace {

struct Example {
    const char* name;
    Method method;
    std::vector<PointRow> rows;
    std::vector<ExpectedRow> expected;
    std::vector<int> shortSeriesRows;
};

const std::array<std::string, 12> kExampleReadings{"31", "32", "33", "",   "33", "32",
                                                   "",   "32", "30", "30", "35", "30"};
const std::array<std::string, 12> kSpreadReadings{"45", "46", "44", "45", "47", "43",
                                                  "45", "46", "44", "45", "",   ""};
const std::array<std::string, 12> kEightThenNine{"31", "31", "31", "31", "31", "31",
                                                 "31", "31", "30", "",   "",   ""};

PointRow tenOf31(const std::string& deviceFactor, const std::string& age) {
    return {repeated("31", 10), "хориз.", deviceFactor, age};
}

ExpectedRow tenOf31Result(const std::string& kt, const std::string& probable,
                          const std::string& grade) {
    ExpectedRow row{{13, "31"}, {14, "10"}, {15, "26.43"}, {17, "1"}, {21, probable}};
    if (!kt.empty())
        row[20] = kt;
    if (!grade.empty())
        row[22] = grade;
    return row;
}

const std::vector<Example> kExamples = {
    {"ExampleRowFirstCurve",
     Method::Proceq,
     {{kExampleReadings, "хориз.", "1", "55"}},
     {{{13, "31.8"},
       {14, "10"},
       {15, "27.74"},
       {17, "1"},
       {20, "0.966"},
       {21, "26.8"},
       {22, "B25"}}},
     {}},
    {"ExampleRowSecondCurve",
     Method::Schmidt,
     {{kExampleReadings, "хориз.", "1", "55"}},
     {{{13, "31.8"},
       {14, "10"},
       {15, "29.85"},
       {17, "1"},
       {20, "0.966"},
       {21, "28.8"},
       {22, "B25"}}},
     {}},
    {"NineReadingsTieToEvenFirstCurve",
     Method::Proceq,
     {{kEightThenNine, "хориз.", "1", "28"}},
     {{{13, "30.8888888888889"},
       {14, "9"},
       {15, "26.25"},
       {17, "1"},
       {20, "1"},
       {21, "26.2"},
       {22, "B25"}}},
     {}},
    {"NineReadingsSecondCurve",
     Method::Schmidt,
     {{kEightThenNine, "хориз.", "1", "28"}},
     {{{13, "30.8888888888889"},
       {14, "9"},
       {15, "28.52"},
       {17, "1"},
       {20, "1"},
       {21, "28.5"},
       {22, "B25"}}},
     {}},
    {"TwelveDownwardFirstCurve",
     Method::Proceq,
     {{repeated("40", 12), "надолу", "1", "28"}},
     {{{13, "40"}, {14, "12"}, {15, "41.99"}, {17, "1.05"}, {20, "1"}, {21, "44.1"}, {22, "B40"}}},
     {}},
    {"TwelveDownwardSecondCurve",
     Method::Schmidt,
     {{repeated("40", 12), "надолу", "1", "28"}},
     {{{13, "40"}, {14, "12"}, {15, "42.54"}, {17, "1.05"}, {20, "1"}, {21, "44.7"}, {22, "B40"}}},
     {}},
    {"ExtendedCurveJustBelowTie",
     Method::Proceq,
     {{kSpreadReadings, "хориз.", "1", "28"}},
     {{{13, "45"}, {14, "10"}, {15, "51.4"}, {17, "1"}, {20, "1"}, {21, "51.4"}, {22, "B50"}}},
     {}},
    {"UpwardAboveTopBandFirstCurve",
     Method::Proceq,
     {{kSpreadReadings, "нагоре", "1.1", "14"}},
     {{{13, "45"}, {14, "10"}, {15, "51.4"}, {17, "0.95"}, {20, "1.05"}, {21, "56.4"}}},
     {}},
    {"UpwardAboveTopBandSecondCurve",
     Method::Schmidt,
     {{kSpreadReadings, "нагоре", "1.1", "14"}},
     {{{13, "45"}, {14, "10"}, {15, "50.6"}, {17, "0.95"}, {20, "1.05"}, {21, "55.5"}}},
     {}},
    {"AgeFirstInTable",
     Method::Proceq,
     {tenOf31("1", "7")},
     {tenOf31Result("1.15", "30.4", "B30")},
     {}},
    {"AgeInterpolatedToBandTop",
     Method::Proceq,
     {tenOf31("1", "8")},
     {tenOf31Result("1.136", "30", "B25")},
     {}},
    {"AgeOneYear",
     Method::Proceq,
     {tenOf31("1", "365")},
     {tenOf31Result("0.748888888888889", "19.8", "B15")},
     {}},
    {"AgeLastRealRow",
     Method::Proceq,
     {tenOf31("1", "1170")},
     {tenOf31Result("0.6", "15.9", "B15")},
     {}},
    {"AgeBeyondLastRealRow",
     Method::Proceq,
     {tenOf31("1", "2000")},
     {tenOf31Result("0.6", "15.9", "B15")},
     {}},
    {"AgeBelowTable", Method::Proceq, {tenOf31("1", "5")}, {tenOf31Result("", "0", "")}, {}},
    {"AgeAtSentinel",
     Method::Proceq,
     {tenOf31("1", "100000000000")},
     {tenOf31Result("", "0", "")},
     {}},
    {"ClassTopBound",
     Method::Proceq,
     {tenOf31("2.081", "28")},
     {tenOf31Result("1", "55", "B50")},
     {}},
    {"ClassAboveTop",
     Method::Proceq,
     {tenOf31("2.083", "28")},
     {tenOf31Result("1", "55.1", "")},
     {}},
    {"ClassAtLowestBound",
     Method::Proceq,
     {tenOf31("0.3784", "28")},
     {tenOf31Result("1", "10", "")},
     {}},
    {"EightReadingsThenNextRow",
     Method::Proceq,
     {{repeated("31", 8), "хориз.", "1", "28"}, {kExampleReadings, "хориз.", "1", "55"}},
     {{{13, "31"}, {14, "8"}},
      {{13, "31.8"},
       {14, "10"},
       {15, "27.74"},
       {17, "1"},
       {20, "0.966"},
       {21, "26.8"},
       {22, "B25"}}},
     {2}},
    {"DirectionCarriesOverToUnknownText",
     Method::Proceq,
     {{kSpreadReadings, "нагоре", "1.1", "14"}, {kSpreadReadings, "", "1.1", "14"}},
     {{{13, "45"}, {14, "10"}, {15, "51.4"}, {17, "0.95"}, {20, "1.05"}, {21, "56.4"}},
      {{13, "45"}, {14, "10"}, {15, "51.4"}, {17, "0.95"}, {20, "1.05"}, {21, "56.4"}}},
     {}},
    {"DirectionZeroRightAfterStart",
     Method::Proceq,
     {{repeated("31", 10), "", "1", "28"}},
     {{{13, "31"}, {14, "10"}, {15, "26.43"}, {17, "0"}, {20, "1"}, {21, "0"}}},
     {}},
    {"SheetWithoutPoints", Method::Proceq, {}, {}, {}},
};

class ComputeExample : public ::testing::TestWithParam<Example> {};

TEST_P(ComputeExample, WritesExactlyTheExpectedTexts) {
    const Example& example = GetParam();
    sheet::Sheet sheet = sheetWithRows(example.rows);
    const sheet::Sheet before = sheet;
    std::vector<int> noticed;
    Compute compute;
    compute.run(sheet, example.method, ".", [&](int row) { noticed.push_back(row); });
    expectChangedOnly(before, sheet, example.expected);
    EXPECT_EQ(noticed, example.shortSeriesRows);
}

INSTANTIATE_TEST_SUITE_P(Examples, ComputeExample, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tobrel::evaluation::testing
