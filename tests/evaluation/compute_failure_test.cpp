#include <gtest/gtest.h>

#include "evaluation/evaluation_error.hpp"
#include "sheet/column_map.hpp"
#include "sheet_fixture.hpp"

namespace tobrel::evaluation::testing {
namespace {

namespace column = sheet::column;

const ExpectedRow kTenOf31AtAge28{{13, "31"}, {14, "10"},   {15, "26.43"}, {17, "1"},
                                  {20, "1"},  {21, "26.4"}, {22, "B25"}};

PointRow tenOf31() {
    return {repeated("31", 10), "хориз.", "1", "28"};
}

struct Failure {
    const char* name;
    PointRow faulty;  // the second row; the first row is always computed
    const char* message;
    int col;
    ExpectedRow faultyRowWritten;
};

PointRow with(PointRow row, int col, const std::string& text) {
    if (col == column::kDeviceFactor)
        row.deviceFactor = text;
    else if (col == column::kAge)
        row.age = text;
    else
        row.readings[static_cast<size_t>(col - column::kFirstReading)] = text;
    return row;
}

const ExpectedRow kWrittenBeforeFactors{{13, "31"}, {14, "10"}, {15, "26.43"}, {17, "1"}};

const std::vector<Failure> kFailures = {
    {"LetterReading", with(tenOf31(), 5, "3l"), "'3l' is not a valid floating point value", 5, {}},
    {"SpacesReading",
     with(tenOf31(), 11, "  "),
     "'  ' is not a valid floating point value",
     11,
     {}},
    {"ThousandsSeparator",
     with(tenOf31(), 1, "1,000"),
     "'1,000' is not a valid floating point value",
     1,
     {}},
    {"EmptyDeviceFactor", with(tenOf31(), column::kDeviceFactor, ""),
     "'' is not a valid floating point value", column::kDeviceFactor, kWrittenBeforeFactors},
    {"EmptyAge", with(tenOf31(), column::kAge, ""), "'' is not a valid floating point value",
     column::kAge, kWrittenBeforeFactors},
    {"NoReadings",
     {repeated("", 0), "хориз.", "1", "28"},
     "Invalid floating point operation",
     column::kMean,
     {}},
    {"ReadingBeyondDoubles", with(tenOf31(), 3, "1e309"), "Floating point overflow", 3, {}},
    {"SumBeyondDoubles",
     with(with(tenOf31(), 2, "1e308"), 4, "1e308"),
     "Floating point overflow",
     4,
     {}},
    {"ProductBeyondDoubles",
     with(tenOf31(), column::kDeviceFactor, "1e307"),
     "Floating point overflow",
     column::kProbableStrength,
     {{13, "31"}, {14, "10"}, {15, "26.43"}, {17, "1"}, {20, "1"}}},
};

class ComputeFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(ComputeFailure, StopsAtTheCellKeepingWhatWasWritten) {
    const Failure& failure = GetParam();
    sheet::Sheet sheet = sheetWithRows({tenOf31(), failure.faulty, tenOf31()});
    const sheet::Sheet before = sheet;
    Compute compute;
    try {
        compute.run(sheet, Method::Proceq, ".", {});
        ADD_FAILURE() << "no error";
    } catch (const EvaluationError& error) {
        EXPECT_STREQ(error.what(), failure.message);
        EXPECT_EQ(error.col(), failure.col);
        EXPECT_EQ(error.row(), 3);
    }
    expectChangedOnly(before, sheet, {kTenOf31AtAge28, failure.faultyRowWritten, {}});
}

INSTANTIATE_TEST_SUITE_P(Faults, ComputeFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeLocale, ReadsAndWritesTheLocaleSeparator) {
    PointRow decimals{{"31,5", "32", "33", "", "33", "32", "", "32", "30", "30", "35", "30,5"},
                      "хориз.",
                      "1,1",
                      "14,5"};
    sheet::Sheet sheet = sheetWithRows({decimals});
    const sheet::Sheet before = sheet;
    Compute().run(sheet, Method::Proceq, ",", {});
    expectChangedOnly(before, sheet,
                      {{{13, "31,9"},
                        {14, "10"},
                        {15, "27,9"},
                        {17, "1"},
                        {20, "1,04825"},
                        {21, "32,2"},
                        {22, "B30"}}});
}

TEST(ComputeLocale, RefusesThePointWhereTheLocaleHasAComma) {
    sheet::Sheet sheet = sheetWithRows({{repeated("31.5", 10), "хориз.", "1", "28"}});
    try {
        Compute().run(sheet, Method::Proceq, ",", {});
        ADD_FAILURE() << "no error";
    } catch (const EvaluationError& error) {
        EXPECT_STREQ(error.what(), "'31.5' is not a valid floating point value");
        EXPECT_EQ(error.col(), 1);
        EXPECT_EQ(error.row(), 2);
    }
}

TEST(ComputeDirection, CarriesOverToTheNextRun) {
    Compute compute;
    sheet::Sheet first = sheetWithRows({{repeated("31", 10), "нагоре", "1", "28"}});
    compute.run(first, Method::Proceq, ".", {});
    sheet::Sheet second = sheetWithRows({{repeated("31", 10), "НАГОРЕ", "1", "28"}});
    compute.run(second, Method::Proceq, ".", {});
    EXPECT_EQ(second.cell(column::kDirectionFactor, 2), "0.95");
    EXPECT_EQ(compute.directionCoefficient(), 0.95);
}

TEST(ComputeSheet, WidensANarrowSheetToWriteItsResults) {
    sheet::Sheet sheet(20, 3);
    for (int col = 1; col <= 10; ++col)
        sheet.setCell(col, 2, "31");
    sheet.setCell(column::kDirection, 2, "хориз.");
    sheet.setCell(column::kDeviceFactor, 2, "1");
    sheet.setCell(column::kAge, 2, "28");
    Compute().run(sheet, Method::Proceq, ".", {});
    EXPECT_EQ(sheet.columnCount(), sheet::kColumnCount);
    EXPECT_EQ(sheet.cell(column::kProbableStrength, 2), "26.4");
    EXPECT_EQ(sheet.cell(column::kConcreteClass, 2), "B25");
}

}  // namespace
}  // namespace tobrel::evaluation::testing
