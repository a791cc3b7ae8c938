#include <gtest/gtest.h>

#include "exchange/xls/workbook.hpp"
#include "sheet/sheet_layout.hpp"
#include "temp_dir.hpp"

namespace tobrel::exchange::test {
namespace {

using RoundTrip = WorkbookFileTest;

void expectSameCells(const sheet::Sheet& expected, const sheet::Sheet& actual,
                     const std::string& lineBreak = "\r\n") {
    ASSERT_EQ(actual.rowCount(), expected.rowCount());
    ASSERT_EQ(actual.columnCount(), expected.columnCount());
    for (int row = 0; row < expected.rowCount(); ++row) {
        for (int col = 0; col < expected.columnCount(); ++col) {
            std::string text = expected.cell(col, row);
            if (const auto cr = text.find("\r\n"); cr != std::string::npos)
                text.replace(cr, 2, lineBreak);
            EXPECT_EQ(actual.cell(col, row), text) << "cell (" << col << ", " << row << ")";
        }
    }
}

TEST_F(RoundTrip, NewWindowSheetComesBackWhole) {
    sheet::Sheet written;
    sheet::fillNewSheet(written);
    ASSERT_TRUE(exportWorkbook(written, path("new.xls"), ".", alwaysYes));
    sheet::Sheet read(3, 9);
    read.setCell(0, 8, "old text");
    importWorkbook(path("new.xls"), read);
    expectSameCells(written, read);
    EXPECT_EQ(read.columnCount(), 23);
    EXPECT_TRUE(read.cell(0, 1).empty());
    EXPECT_EQ(read.merges(), sheet::headerMerges());
}

TEST_F(RoundTrip, ComputedResultsAwkwardTextsSizesAndEmptyRowsSurvive) {
    const sheet::Sheet written = computedSheet();
    ASSERT_TRUE(exportWorkbook(written, path("computed.xls"), ".", alwaysYes));
    sheet::Sheet read;
    importWorkbook(path("computed.xls"), read);
    expectSameCells(written, read);
    EXPECT_EQ(read.rowCount(), 5);
    EXPECT_EQ(read.columnWidth(0), 80);
    EXPECT_EQ(read.columnWidth(1), 45);
    EXPECT_EQ(read.rowHeight(3), 40);
    EXPECT_EQ(read.rowHeight(4), 22);
    EXPECT_EQ(read.defaultRowHeight(), 22);
}

TEST_F(RoundTrip, CommaLocaleStoresItsOwnNumbersAndReadsThemBack) {
    sheet::Sheet written = computedSheet();
    written.setCell(21, 2, "26,8");
    written.setCell(1, 4, "26.8");
    ASSERT_TRUE(exportWorkbook(written, path("comma.xls"), ",", alwaysYes));
    sheet::Sheet read;
    importWorkbook(path("comma.xls"), read, ",");
    EXPECT_EQ(read.cell(21, 2), "26,8");
    EXPECT_EQ(read.cell(1, 4), "26.8");
    sheet::Sheet readWithPoint;
    importWorkbook(path("comma.xls"), readWithPoint);
    EXPECT_EQ(readWithPoint.cell(21, 2), "26.8");
}

TEST_F(RoundTrip, HugeAndManyStringsCrossContinueRecords) {
    sheet::Sheet written(sheet::kColumnCount, 3000);
    std::string huge;
    for (int i = 0; huge.size() < 32000; ++i)
        huge += "щ" + std::to_string(i % 10);  // two-byte characters force UTF-16 in the table
    written.setCell(0, 0, huge);
    written.setCell(1, 0, std::string(32767, 'x'));
    for (int row = 1; row < 3000; ++row) {
        written.setCell(0, row, "text " + std::to_string(row));
        written.setCell(1, row, "ред " + std::to_string(row * 7));
    }
    ASSERT_TRUE(exportWorkbook(written, path("strings.xls"), ".", alwaysYes));
    sheet::Sheet read;
    importWorkbook(path("strings.xls"), read);
    expectSameCells(written, read);
}

TEST_F(RoundTrip, MoreMergesThanOneRecordHolds) {
    sheet::Sheet written(4, 1500);
    for (int row = 0; row < 1500; ++row)
        written.addMerge({0, row, 1, row});
    written.addMerge({2, 0, 3, 1499});
    ASSERT_TRUE(exportWorkbook(written, path("merges.xls"), ".", alwaysYes));
    sheet::Sheet read;
    importWorkbook(path("merges.xls"), read);
    EXPECT_EQ(read.merges(), written.merges());
}

TEST_F(RoundTrip, ProgressIsReportedBoundedTimesInBothDirections) {
    sheet::Sheet written(sheet::kColumnCount, 5000);
    for (int row = 0; row < 5000; ++row)
        written.setCell(1, row, std::to_string(row));
    int exports = 0;
    ASSERT_TRUE(exportWorkbook(written, path("p.xls"), ".", alwaysYes,
                               [&](long long done, long long total) {
                                   EXPECT_LE(done, total);
                                   ++exports;
                               }));
    int imports = 0;
    sheet::Sheet read;
    importWorkbook(path("p.xls"), read, [&](long long done, long long total) {
        EXPECT_LE(done, total);
        ++imports;
    });
    EXPECT_GT(exports, 10);
    EXPECT_LE(exports, 101);
    EXPECT_GT(imports, 10);
    EXPECT_LE(imports, 101);
    EXPECT_EQ(read.cell(1, 4999), "4999");
}

}  // namespace
}  // namespace tobrel::exchange::test
