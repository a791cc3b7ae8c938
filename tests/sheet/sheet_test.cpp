#include "sheet/sheet.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace tobrel::sheet {
namespace {

struct RecordingObserver : SheetObserver {
    std::vector<CellPos> cells;
    int inserted = 0, removed = 0, resets = 0, currents = 0;
    void cellChanged(int col, int row) override { cells.push_back({col, row}); }
    void rowsInserted(int, int count) override { inserted += count; }
    void rowsRemoved(int, int count) override { removed += count; }
    void layoutReset() override { ++resets; }
    void currentChanged() override { ++currents; }
};

TEST(Sheet, NewSheetHasOnePointRowAndCurrentCellAtItsStart) {
    Sheet sheet;
    EXPECT_EQ(sheet.columnCount(), 23);
    EXPECT_EQ(sheet.rowCount(), 3);
    EXPECT_EQ(sheet.current(), (CellPos{0, 2}));
    EXPECT_EQ(sheet.selection(), (CellRange{0, 2, 0, 2}));
    EXPECT_EQ(sheet.columnWidth(5), 45);
    EXPECT_EQ(sheet.rowHeight(1), 22);
}

TEST(Sheet, ReadingOutsideGivesEmptyTextAndWritingOutsideWidens) {
    Sheet sheet(5, 3);
    EXPECT_EQ(sheet.cell(22, 2), "");
    EXPECT_EQ(sheet.cell(-1, 0), "");
    sheet.setCell(22, 4, "B25");
    EXPECT_EQ(sheet.columnCount(), 23);
    EXPECT_EQ(sheet.rowCount(), 5);
    EXPECT_EQ(sheet.cell(22, 4), "B25");
    EXPECT_THROW(sheet.setCell(-1, 2, "x"), std::out_of_range);
}

TEST(Sheet, InsertedRowIsEmptyAndMovesLaterRowsDown) {
    Sheet sheet;
    sheet.setCell(0, 2, "first");
    sheet.setRowHeight(2, 30);
    sheet.insertRow(2);
    EXPECT_EQ(sheet.rowCount(), 4);
    EXPECT_EQ(sheet.cell(0, 2), "");
    EXPECT_EQ(sheet.rowHeight(2), 22);
    EXPECT_EQ(sheet.cell(0, 3), "first");
    EXPECT_EQ(sheet.rowHeight(3), 30);
    EXPECT_EQ(sheet.current(), (CellPos{0, 2}));
    sheet.insertRow(sheet.rowCount());
    EXPECT_EQ(sheet.rowCount(), 5);
}

TEST(Sheet, RemovingTheCurrentLastRowMovesCurrentToTheNewLastRow) {
    Sheet sheet(23, 6);
    sheet.setCurrent({4, 5});
    sheet.removeRow(5);
    EXPECT_EQ(sheet.current(), (CellPos{4, 4}));
    sheet.setCurrent({4, 3});
    sheet.removeRow(3);
    EXPECT_EQ(sheet.current(), (CellPos{4, 3}));
}

TEST(Sheet, CurrentCellAndSelectionNeverReachIntoHeaderRows) {
    Sheet sheet(23, 6);
    sheet.setSelection({3, 0}, {1, 5});
    EXPECT_EQ(sheet.selection(), (CellRange{1, 2, 3, 5}));
    sheet.setCurrent({30, 1});
    EXPECT_EQ(sheet.current(), (CellPos{22, 2}));
}

TEST(Sheet, MergesFollowRowMovesAndVanishWhenCut) {
    Sheet sheet(23, 8);
    sheet.addMerge({1, 0, 12, 0});
    sheet.addMerge({2, 4, 3, 5});
    sheet.insertRow(3);
    EXPECT_EQ(sheet.merges()[1], (CellRange{2, 5, 3, 6}));
    sheet.removeRow(5);
    EXPECT_EQ(sheet.merges()[1], (CellRange{2, 5, 3, 5}));
    EXPECT_EQ(sheet.mergeAt(7, 0), &sheet.merges()[0]);
    EXPECT_EQ(sheet.mergeAt(13, 0), nullptr);
    sheet.resize(10, 8);
    ASSERT_EQ(sheet.merges().size(), 1u);
    EXPECT_EQ(sheet.merges()[0], (CellRange{2, 5, 3, 5}));
}

TEST(Sheet, OverlappingMergeReplacesTheOldOne) {
    Sheet sheet;
    sheet.addMerge({1, 0, 12, 0});
    sheet.addMerge({12, 0, 13, 0});
    ASSERT_EQ(sheet.merges().size(), 1u);
    EXPECT_EQ(sheet.merges()[0], (CellRange{12, 0, 13, 0}));
    EXPECT_THROW(sheet.addMerge({3, 0, 2, 0}), std::invalid_argument);
}

TEST(Sheet, ClearEmptiesEveryCellAndMergeButKeepsTheSize) {
    Sheet sheet;
    sheet.setCell(0, 0, "Точка");
    sheet.setCell(5, 2, "31");
    sheet.addMerge({1, 0, 12, 0});
    sheet.clear();
    EXPECT_EQ(sheet.cell(0, 0), "");
    EXPECT_EQ(sheet.cell(5, 2), "");
    EXPECT_TRUE(sheet.merges().empty());
    EXPECT_EQ(sheet.rowCount(), 3);
    EXPECT_EQ(sheet.columnCount(), 23);
}

TEST(Sheet, DefaultSizesApplyToEveryColumnAndRow) {
    Sheet sheet;
    sheet.setColumnWidth(3, 80);
    sheet.setDefaultColumnWidth(64);
    sheet.setDefaultRowHeight(17);
    EXPECT_EQ(sheet.columnWidth(3), 64);
    EXPECT_EQ(sheet.rowHeight(0), 17);
    sheet.resize(23, 5);
    EXPECT_EQ(sheet.rowHeight(4), 17);
}

TEST(Sheet, ObserverHearsEveryKindOfChange) {
    Sheet sheet;
    RecordingObserver observer;
    sheet.setObserver(&observer);
    sheet.setCell(3, 2, "33");
    sheet.insertRow(3);
    sheet.removeRow(3);
    sheet.resize(23, 10);
    sheet.setCurrent({1, 4});
    ASSERT_EQ(observer.cells.size(), 1u);
    EXPECT_EQ(observer.cells[0], (CellPos{3, 2}));
    EXPECT_EQ(observer.inserted, 1);
    EXPECT_EQ(observer.removed, 1);
    EXPECT_GE(observer.resets, 1);
    EXPECT_GE(observer.currents, 1);
}

TEST(Sheet, HoldsSixtyFiveThousandRows) {
    Sheet sheet;
    sheet.resize(23, 65536);
    sheet.setCell(22, 65535, "last");
    sheet.insertRow(2);
    EXPECT_EQ(sheet.rowCount(), 65537);
    EXPECT_EQ(sheet.cell(22, 65536), "last");
}

}  // namespace
}  // namespace tobrel::sheet
