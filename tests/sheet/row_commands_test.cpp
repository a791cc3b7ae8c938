#include "sheet/row_commands.hpp"

#include <gtest/gtest.h>

#include "sheet/sheet_layout.hpp"

namespace tobrel::sheet {
namespace {

// Point rows 2 to 7, labelled "p2" to "p7" in column 0.
Sheet labelledSheet() {
    Sheet sheet(23, 8);
    for (int row = 2; row < 8; ++row)
        sheet.setCell(0, row, "p" + std::to_string(row));
    return sheet;
}

void expectPresetRow(const Sheet& sheet, int row) {
    for (int col = 0; col < 23; ++col) {
        const char* expected = col == 16 ? "хориз." : (col == 17 || col == 18) ? "1" : "";
        EXPECT_EQ(sheet.cell(col, row), expected) << "column " << col;
    }
}

TEST(InsertRow, AboveTheExampleRowPutsTheNewCurrentRowFirst) {
    Sheet sheet;
    fillNewSheet(sheet);
    insertRowAbove(sheet);
    EXPECT_EQ(sheet.rowCount(), 4);
    expectPresetRow(sheet, 2);
    EXPECT_EQ(sheet.cell(1, 3), "31");
    EXPECT_EQ(sheet.current().row, 2);
}

TEST(InsertRow, BelowTheExampleRowKeepsItCurrent) {
    Sheet sheet;
    fillNewSheet(sheet);
    insertRowBelow(sheet);
    EXPECT_EQ(sheet.cell(1, 2), "31");
    expectPresetRow(sheet, 3);
    EXPECT_EQ(sheet.current().row, 2);
}

TEST(InsertRow, BelowTheLastRowAppends) {
    Sheet sheet = labelledSheet();
    sheet.setCurrent({3, 7});
    insertRowBelow(sheet);
    EXPECT_EQ(sheet.rowCount(), 9);
    expectPresetRow(sheet, 8);
}

TEST(InsertRow, UsesTheCurrentRowWhicheverWayTheBlockWasDragged) {
    struct Case {
        CellPos anchor, current;
        int insertedAt;
    };
    for (const Case& c : {Case{{0, 5}, {0, 3}, 3}, Case{{0, 3}, {0, 5}, 5}}) {
        Sheet sheet = labelledSheet();
        sheet.setSelection(c.anchor, c.current);
        insertRowAbove(sheet);
        EXPECT_EQ(sheet.rowCount(), 9);
        expectPresetRow(sheet, c.insertedAt);
        EXPECT_EQ(sheet.cell(0, c.insertedAt + 1), "p" + std::to_string(c.insertedAt));
    }
}

TEST(DeleteRows, RemovesTheWholeBlockAfterOneQuestion) {
    for (const auto& [anchor, current] :
         {std::pair{CellPos{4, 5}, CellPos{9, 3}}, std::pair{CellPos{9, 3}, CellPos{4, 5}}}) {
        Sheet sheet = labelledSheet();
        sheet.setSelection(anchor, current);
        int questions = 0;
        deleteSelectedRows(sheet, [&] { return ++questions, true; });
        EXPECT_EQ(questions, 1);
        ASSERT_EQ(sheet.rowCount(), 5);
        EXPECT_EQ(sheet.cell(0, 2), "p2");
        EXPECT_EQ(sheet.cell(0, 3), "p6");
        EXPECT_EQ(sheet.cell(0, 4), "p7");
    }
}

TEST(DeleteRows, NoLeavesTheSheetAsItWas) {
    Sheet sheet = labelledSheet();
    sheet.setSelection({0, 3}, {0, 5});
    deleteSelectedRows(sheet, [] { return false; });
    EXPECT_EQ(sheet.rowCount(), 8);
    EXPECT_EQ(sheet.selection(), (CellRange{0, 3, 0, 5}));
}

TEST(DeleteRows, CurrentCellKeepsItsIndexOrMovesToTheLastRow) {
    Sheet sheet = labelledSheet();
    sheet.setCurrent({6, 5});
    deleteSelectedRows(sheet, [] { return true; });
    EXPECT_EQ(sheet.current(), (CellPos{6, 5}));
    EXPECT_EQ(sheet.cell(0, 5), "p6");
    sheet.setCurrent({6, 6});
    deleteSelectedRows(sheet, [] { return true; });
    EXPECT_EQ(sheet.current(), (CellPos{6, 5}));
}

TEST(DeleteRows, LastPointRowLeavesTheHeadersAloneAndInsertStartsAfresh) {
    Sheet sheet;
    fillNewSheet(sheet);
    deleteSelectedRows(sheet, [] { return true; });
    EXPECT_EQ(sheet.rowCount(), 2);
    EXPECT_EQ(sheet.cell(0, 0), "Точка");
    EXPECT_EQ(sheet.merges().size(), 3u);

    bool asked = false;
    deleteSelectedRows(sheet, [&] { return asked = true; });
    EXPECT_FALSE(asked);
    EXPECT_EQ(sheet.rowCount(), 2);

    insertRowBelow(sheet);
    EXPECT_EQ(sheet.rowCount(), 3);
    expectPresetRow(sheet, 2);
    EXPECT_EQ(sheet.current().row, 2);
}

}  // namespace
}  // namespace tobrel::sheet
