#include "batch/tsv.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/sheet_layout.hpp"

namespace tobrel::batch {
namespace {

TEST(TsvTest, CellTextsSurviveWritingAndReading) {
    const std::vector<std::string> texts = {"",          "31.8",        "хориз.",      "a\r\nb",
                                            "tab\there", "back\\slash", "\\r as text", "lone\rcr",
                                            "lone\nlf",  "\\"};
    sheet::Sheet sheet(static_cast<int>(texts.size()), 3);
    for (int col = 0; col < sheet.columnCount(); ++col)
        sheet.setCell(col, 1, texts[static_cast<std::size_t>(col)]);
    const std::string tsv = writeTsv(sheet);
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 3);
    const auto rows = parseTsv(tsv);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], texts);
    EXPECT_EQ(rows[0], std::vector<std::string>(texts.size()));
}

TEST(TsvTest, EscapesAreTheTwoCharacterForms) {
    sheet::Sheet sheet(2, 1);
    sheet.setCell(0, 0, "x\r\ny");
    sheet.setCell(1, 0, "a\\b");
    EXPECT_EQ(writeTsv(sheet), "x\\r\\ny\ta\\\\b\n");
}

TEST(TsvTest, ParsingDropsByteOrderMarkAndCarriageReturnLineEnds) {
    const auto rows = parseTsv("\xEF\xBB\xBFone\ttwo\r\nthree\n\\q\\");
    const std::vector<std::vector<std::string>> expected = {{"one", "two"}, {"three"}, {"\\q\\"}};
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(parseTsv("").empty());
}

TEST(TsvTest, ImportResizesLikeTheWorkbookImport) {
    struct Case {
        std::string text;
        int columns;
        int rows;
    };
    const std::vector<Case> cases = {
        {"a\tb\tc\nd\ne\nf\ng\n", 3, 5},
        {"a\tb\n", 2, 3},  // two rows or fewer keep the row count
        {"", 23, 3},
    };
    for (const Case& c : cases) {
        sheet::Sheet sheet;
        sheet::fillNewSheet(sheet);
        importTsvRows(parseTsv(c.text), sheet);
        EXPECT_EQ(sheet.columnCount(), c.columns) << c.text;
        EXPECT_EQ(sheet.rowCount(), c.rows) << c.text;
        EXPECT_TRUE(sheet.merges().empty()) << c.text;
        EXPECT_EQ(sheet.cell(0, 2), c.rows > 3 ? "e" : "") << c.text;
    }
}

TEST(TsvTest, NewWindowHeaderRowsBringTheirMergesBack) {
    sheet::Sheet original;
    sheet::fillNewSheet(original);
    sheet::Sheet imported(3, 3);
    importTsvRows(parseTsv(writeTsv(original)), imported);
    EXPECT_EQ(imported.merges(), sheet::headerMerges());
    EXPECT_EQ(writeTsv(imported), writeTsv(original));

    original.setCell(18, 1, "k");
    importTsvRows(parseTsv(writeTsv(original)), imported);
    EXPECT_TRUE(imported.merges().empty());
}

}  // namespace
}  // namespace tobrel::batch
