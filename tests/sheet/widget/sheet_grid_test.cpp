#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "sheet/sheet_layout.hpp"
#include "sheet/widget/sheet_grid.hpp"

namespace tobrel::sheet::widget {
namespace {

const QStringList kDirections{"надолу", "хориз.", "нагоре"};

// A grid bound the way the main window binds it: column 16 gets the three-entry pick list.
class SheetGridTest : public testing::Test {
  protected:
    SheetGridTest() : grid(sheet) {
        fillNewSheet(sheet);
        grid.events().getEditorType = [](int col, int, EditorType& type) {
            if (col == 16)
                type = EditorType::ComboList;
        };
        grid.events().getEditorProp = [](int col, int, QWidget* editor) {
            if (auto* list = qobject_cast<QComboBox*>(editor); list && col == 16) {
                list->clear();
                list->addItems(kDirections);
            }
        };
        grid.resize(1041, 309);
        grid.show();
        grid.setFocus();
        if (!QTest::qWaitForWindowExposed(&grid))
            ADD_FAILURE() << "the grid was never shown";
    }

    QModelIndex at(int col, int sheetRow) const {
        return grid.model()->index(sheetRow - kFirstPointRow, col);
    }
    QWidget* editor() const { return QApplication::focusWidget(); }

    Sheet sheet;
    SheetGrid grid;
};

TEST_F(SheetGridTest, ShowsThePointRowsUnderTheFrozenTwoRowHeader) {
    EXPECT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(grid.model()->columnCount(), 23);
    EXPECT_EQ(grid.horizontalHeader()->height(), 44);
    EXPECT_EQ(grid.rowHeight(0), 22);
    EXPECT_EQ(grid.columnWidth(5), 45);
    EXPECT_EQ(at(16, 2).data().toString(), "хориз.");

    sheet.setCell(3, 2, "41");
    EXPECT_EQ(at(3, 2).data().toString(), "41");
    sheet.insertRow(3);
    sheet.insertRow(3);
    EXPECT_EQ(grid.model()->rowCount(), 3);
    sheet.removeRow(2);
    EXPECT_EQ(grid.model()->rowCount(), 2);
    EXPECT_EQ(at(16, 2).data().toString(), "");
}

TEST_F(SheetGridTest, CurrentCellAndSelectionFollowEachOtherBothWays) {
    for (int i = 0; i < 5; ++i)
        sheet.insertRow(3);
    sheet.setSelection({4, 5}, {2, 3});
    EXPECT_EQ(grid.currentIndex(), at(2, 3));
    EXPECT_TRUE(grid.selectionModel()->isSelected(at(4, 5)));
    EXPECT_TRUE(grid.selectionModel()->isSelected(at(3, 4)));
    EXPECT_FALSE(grid.selectionModel()->isSelected(at(5, 5)));

    grid.setCurrentIndex(at(7, 6));
    EXPECT_EQ(sheet.current(), (CellPos{7, 6}));
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(sheet.current(), (CellPos{7, 7}));
    EXPECT_EQ(sheet.selection(), (CellRange{7, 6, 7, 7}));
    // Moving above the first point row stops at it: the header rows are never current.
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(sheet.current(), (CellPos{7, 2}));
}

TEST_F(SheetGridTest, EnterOpensAndClosesTheEditorWithoutMovingTheCurrentCell) {
    sheet.setCurrent({1, 2});
    QTest::keyClick(&grid, Qt::Key_Return);
    ASSERT_TRUE(grid.isEditing());
    auto* line = qobject_cast<QLineEdit*>(editor());
    ASSERT_NE(line, nullptr);
    line->selectAll();
    QTest::keyClicks(line, "abc");
    QTest::keyClick(line, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(sheet.cell(1, 2), "abc");
    EXPECT_EQ(sheet.current(), (CellPos{1, 2}));
}

TEST_F(SheetGridTest, DirectionColumnOffersThePickListPreselectedByText) {
    struct Case {
        const char* text;
        int preselected;
    };
    for (const Case& c : {Case{"", 0}, Case{"НАГОРЕ", 2}, Case{"хориз.", 1}, Case{"other", 0}}) {
        SCOPED_TRACE(c.text);
        sheet.setCell(16, 2, c.text);
        sheet.setCurrent({16, 2});
        QTest::keyClick(&grid, Qt::Key_Return);
        auto* list = qobject_cast<QComboBox*>(editor());
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(list->isEditable());
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        EXPECT_EQ(items, kDirections);
        EXPECT_EQ(list->currentIndex(), c.preselected);
        QTest::keyClick(list, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(QString::fromStdString(sheet.cell(16, 2)), kDirections[c.preselected]);
    }
    sheet.insertRow(3);
    sheet.setCurrent({16, 3});
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_NE(qobject_cast<QComboBox*>(editor()), nullptr);
    QTest::keyClick(editor(), Qt::Key_Escape);
    sheet.setCurrent({15, 3});
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_NE(qobject_cast<QLineEdit*>(editor()), nullptr);
}

TEST_F(SheetGridTest, DirectEditOpensTheEditorOnOneClick) {
    const QPoint reading = grid.visualRect(at(3, 2)).center();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, reading);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(sheet.current(), (CellPos{3, 2}));

    grid.setDirectEdit(true);
    const QPoint other = grid.visualRect(at(5, 2)).center();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, other);
    EXPECT_TRUE(grid.isEditing());
    EXPECT_EQ(sheet.current(), (CellPos{5, 2}));
}

TEST_F(SheetGridTest, DraggedColumnWidthReachesTheSheetAndImportedWidthsReachTheView) {
    grid.horizontalHeader()->resizeSection(4, 80);
    EXPECT_EQ(sheet.columnWidth(4), 80);
    EXPECT_EQ(sheet.current(), (CellPos{0, 2}));
    sheet.setColumnWidth(6, 30);
    EXPECT_EQ(grid.columnWidth(6), 30);
    sheet.resize(5, 7);
    EXPECT_EQ(grid.model()->rowCount(), 5);
    EXPECT_EQ(grid.model()->columnCount(), 5);
}

TEST_F(SheetGridTest, ScrollingDownKeepsTheHeaderRowsInView) {
    for (int i = 0; i < 200; ++i)
        sheet.insertRow(3);
    grid.scrollToBottom();
    EXPECT_GT(grid.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(grid.horizontalHeader()->isVisible());
    EXPECT_EQ(grid.horizontalHeader()->geometry().top(), grid.frameWidth());
}

}  // namespace
}  // namespace tobrel::sheet::widget
