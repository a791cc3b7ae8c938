#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/tsv.hpp"
#include "batch_process.hpp"

namespace tobrel::batch::test {
namespace {

// Columns 13 to 22 of a computed row.
std::vector<std::string> results(const std::vector<std::vector<std::string>>& cells, int row) {
    const auto& line = cells.at(static_cast<std::size_t>(row));
    return std::vector<std::string>(line.begin() + 13, line.begin() + 23);
}

const std::vector<std::string> kExampleResults = {"31.8", "10", "27.74", "хориз.", "1",
                                                  "1",    "55", "0.966", "26.8",   "B25"};

TEST(BatchComputeTest, ExampleRowThroughTsvForEachMethod) {
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {{}, kExampleResults},
        {{"--method", "0"}, kExampleResults},
        {{"--method", "1"},
         {"31.8", "10", "29.85", "хориз.", "1", "1", "55", "0.966", "28.8", "B25"}},
        {{"--decimal-separator", ","},
         {"31,8", "10", "27,74", "хориз.", "1", "1", "55", "0,966", "26,8", "B25"}},
    };
    const WorkDirectory directory;
    const std::string input = directory.writeSheet("in.tsv", sheetWithRows({exampleRow()}));
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"compute", input};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const BatchResult run = runBatchTool(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const auto cells = tsvCells(run.out);
        ASSERT_EQ(cells.size(), 3u);
        EXPECT_EQ(results(cells, 2), c.expected);
        EXPECT_EQ(cells[0][0], "Точка");
        EXPECT_EQ(cells[1][18], "kуред.");
    }
}

TEST(BatchComputeTest, WritesTheOutputFileAndLeavesStandardOutputEmpty) {
    const WorkDirectory directory;
    const std::string input = directory.writeSheet("in.tsv", sheetWithRows({exampleRow()}));
    const BatchResult run = runBatchTool({"compute", input, "-o", directory.path("out.tsv")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(results(tsvCells(directory.read("out.tsv")), 2), kExampleResults);
}

TEST(BatchComputeTest, CommaSeparatorReadsCommaReadingsAndRefusesPoints) {
    PointRow row = exampleRow();
    row[1] = "31,5";
    const WorkDirectory directory;
    const std::string input = directory.writeSheet("in.tsv", sheetWithRows({row}));
    const BatchResult comma = runBatchTool({"compute", input, "--decimal-separator", ","});
    ASSERT_EQ(comma.status, 0) << comma.err;
    EXPECT_EQ(tsvCells(comma.out)[2][13], "31,85");
    const BatchResult point = runBatchTool({"compute", input, "--decimal-separator", "."});
    EXPECT_EQ(point.status, 1);
    EXPECT_EQ(point.err, "row 3, column B: '31,5' is not a valid floating point value.\n");
    EXPECT_EQ(point.out, "");
}

TEST(BatchComputeTest, ShortSeriesIsReportedAndTheRunGoesOn) {
    PointRow shortRow = exampleRow();
    for (int col = 9; col <= 12; ++col)
        shortRow.erase(col);
    shortRow[0] = "2";
    const WorkDirectory directory;
    const std::string input =
        directory.writeSheet("in.tsv", sheetWithRows({exampleRow(), shortRow, exampleRow()}));
    const BatchResult run = runBatchTool({"compute", input});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "row 4: Невалидна серия! Отчетите са < 9.\n");
    const auto cells = tsvCells(run.out);
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(results(cells, 2), kExampleResults);
    EXPECT_EQ(results(cells, 3), (std::vector<std::string>{"32.1666666666667", "6", "", "хориз.",
                                                           "1", "1", "55", "", "", ""}));
    EXPECT_EQ(results(cells, 4), kExampleResults);
}

TEST(BatchXlsTest, ExampleRowThroughXlsBothWays) {
    const WorkDirectory directory;
    const std::string tsv = directory.writeSheet("in.tsv", sheetWithRows({exampleRow()}));
    const std::string xls = directory.path("in.xls");
    ASSERT_EQ(runBatchTool({"convert", tsv, xls}).status, 0);
    const BatchResult toTsv = runBatchTool({"compute", xls});
    ASSERT_EQ(toTsv.status, 0) << toTsv.err;
    EXPECT_EQ(results(tsvCells(toTsv.out), 2), kExampleResults);
    const std::string computed = directory.path("out.xls");
    ASSERT_EQ(runBatchTool({"compute", tsv, "-o", computed}).status, 0);
    const BatchResult back = runBatchTool({"convert", computed, directory.path("back.tsv")});
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(directory.read("back.tsv"), toTsv.out);
}

TEST(BatchXlsTest, RoundTripThroughXlsChangesNothing) {
    PointRow odd = exampleRow();
    odd[0] = "две\r\nредa";
    odd[16] = "назад\\напред";
    odd[18] = "1.25";
    odd[20] = "0.966";
    odd[21] = "26.8";
    odd[22] = "B25";
    const WorkDirectory directory;
    directory.writeSheet("first.tsv", sheetWithRows({exampleRow(), odd, {}}));
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"first.tsv", "a.xls"}, {"a.xls", "b.tsv"}, {"b.tsv", "c.xls"}, {"c.xls", "d.tsv"}}) {
        const BatchResult step =
            runBatchTool({"convert", directory.path(from), directory.path(to)});
        ASSERT_EQ(step.status, 0) << from << " -> " << to << ": " << step.err;
    }
    EXPECT_EQ(directory.read("b.tsv"), directory.read("first.tsv"));
    EXPECT_EQ(directory.read("d.tsv"), directory.read("b.tsv"));
}

TEST(BatchPdfTest, PdfCommandAndComputeOptionPrintTheSheet) {
    const WorkDirectory directory;
    const std::string input = directory.writeSheet("in.tsv", sheetWithRows({exampleRow()}));
    ASSERT_EQ(runBatchTool({"pdf", input, directory.path("plain.pdf")}).status, 0);
    const BatchResult computed =
        runBatchTool({"compute", input, "--pdf", directory.path("computed.pdf")});
    ASSERT_EQ(computed.status, 0) << computed.err;
    EXPECT_EQ(directory.read("plain.pdf").rfind("%PDF-1.4", 0), 0u);
    EXPECT_EQ(directory.read("computed.pdf").rfind("%PDF-1.4", 0), 0u);
    EXPECT_NE(directory.read("plain.pdf"), directory.read("computed.pdf"));
}

TEST(BatchCommandLineTest, HelpAndVersionSucceed) {
    const BatchResult help = runBatchTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: tobrel-batch compute INPUT", 0), 0u);
    const BatchResult version = runBatchTool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tobrel-batch ", 0), 0u);
}

}  // namespace
}  // namespace tobrel::batch::test
