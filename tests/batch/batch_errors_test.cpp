#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "batch_process.hpp"

namespace tobrel::batch::test {
namespace {

TEST(BatchErrorTest, ComputeFaultStopsWithRowColumnAndMessage) {
    struct Case {
        PointRow changes;  // applied to the example row
        std::vector<int> emptied;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{{2, "abc"}}, {}, "row 4, column C: 'abc' is not a valid floating point value."},
        {{},
         {1, 2, 3, 5, 6, 8, 9, 10, 11, 12},
         "row 4, column N: Invalid floating point operation."},
        {{{1, "1e308"}, {2, "1e308"}}, {}, "row 4, column C: Floating point overflow."},
        {{}, {19}, "row 4, column T: '' is not a valid floating point value."},
        {{{18, " "}}, {}, "row 4, column S: ' ' is not a valid floating point value."},
    };
    for (const Case& c : cases) {
        PointRow bad = exampleRow();
        for (const auto& [col, text] : c.changes)
            bad[col] = text;
        for (const int col : c.emptied)
            bad.erase(col);
        const WorkDirectory directory;
        const std::string input =
            directory.writeSheet("in.tsv", sheetWithRows({exampleRow(), bad}));
        const BatchResult run = runBatchTool({"compute", input, "-o", directory.path("out.tsv"),
                                              "--pdf", directory.path("out.pdf")});
        EXPECT_EQ(run.status, 1) << c.message;
        EXPECT_EQ(run.err, c.message + "\n");
        EXPECT_FALSE(directory.exists("out.tsv")) << c.message;
        EXPECT_FALSE(directory.exists("out.pdf")) << c.message;
        const BatchResult toStandardOutput = runBatchTool({"compute", input});
        EXPECT_EQ(toStandardOutput.status, 1);
        EXPECT_EQ(toStandardOutput.out, "");
    }
}

TEST(BatchErrorTest, KeepPartialWritesTheRowsDoneSoFar) {
    PointRow bad = exampleRow();
    bad[5] = "x";
    const WorkDirectory directory;
    const std::string input =
        directory.writeSheet("in.tsv", sheetWithRows({exampleRow(), bad, exampleRow()}));
    const BatchResult run =
        runBatchTool({"compute", input, "-o", directory.path("out.tsv"), "--keep-partial"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "row 4, column F: 'x' is not a valid floating point value.\n");
    const auto cells = tsvCells(directory.read("out.tsv"));
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[2][21], "26.8");
    EXPECT_EQ(cells[3][13], "");
    EXPECT_EQ(cells[4][13], "");
}

TEST(BatchErrorTest, BadCommandLinesExitTwoWithTheUsage) {
    const WorkDirectory directory;
    const std::string input = directory.writeSheet("in.tsv", sheetWithRows({exampleRow()}));
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"calculate", input},
        {"compute"},
        {"compute", input, "--method", "2"},
        {"compute", input, "-o"},
        {"compute", input, "--decimal-separator", "1"},
        {"compute", input, "--frobnicate"},
        {"convert", input},
        {"convert", input, directory.path("out.csv")},
        {"pdf", input, directory.path("a.pdf"), "extra"},
        {"compute", directory.path("in.txt")},
    };
    for (const auto& arguments : cases) {
        const BatchResult run = runBatchTool(arguments);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(arguments);
        EXPECT_NE(run.err.find("usage: tobrel-batch"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(directory.exists("out.csv"));
}

TEST(BatchErrorTest, UnreadableInputOrUnwritableOutputExitsThree) {
    const WorkDirectory directory;
    const std::string input = directory.writeSheet("in.tsv", sheetWithRows({exampleRow()}));
    std::ofstream(directory.path("fake.xls")) << "not a workbook";
    std::ofstream(directory.path("latin1.tsv"), std::ios::binary) << "\xE0\xE1\xE2\n";
    const std::string missingDir = directory.path("missing/out");
    struct Case {
        std::vector<std::string> arguments;
        std::string message;  // the start of what standard error says
    };
    const std::vector<Case> cases = {
        {{"compute", directory.path("none.tsv")},
         "Cannot open file \"" + directory.path("none.tsv") + "\". No such file or directory"},
        {{"convert", directory.path("fake.xls"), directory.path("a.tsv")}, ""},
        {{"pdf", directory.path("latin1.tsv"), directory.path("a.pdf")},
         "File \"" + directory.path("latin1.tsv") + "\" is not UTF-8 text"},
        {{"compute", input, "-o", missingDir + ".tsv"},
         "Cannot create file \"" + missingDir + ".tsv\". No such file or directory"},
        {{"convert", input, missingDir + ".xls"}, ""},
        {{"pdf", input, missingDir + ".pdf"},
         "Cannot create file \"" + missingDir + ".pdf\". No such file or directory"},
    };
    for (const Case& c : cases) {
        const BatchResult run = runBatchTool(c.arguments);
        EXPECT_EQ(run.status, 3) << testing::PrintToString(c.arguments);
        EXPECT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
        EXPECT_EQ(run.err.find("usage:"), std::string::npos);
    }
    EXPECT_FALSE(directory.exists("a.tsv"));
    EXPECT_FALSE(directory.exists("a.pdf"));
    EXPECT_FALSE(directory.exists("missing"));
}

}  // namespace
}  // namespace tobrel::batch::test
