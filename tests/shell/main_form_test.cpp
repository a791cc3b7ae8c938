#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "sheet/widget/sheet_grid.hpp"
#include "shell/radio_group.hpp"
#include "tests/shell/fake_dialogs.hpp"

namespace tobrel::shell {
namespace {

using MainFormTest = WindowsTest;

QString decimal(const char* text) {
    return QString::fromLatin1(text).replace('.', QLocale::system().decimalPoint());
}

TEST_F(MainFormTest, OpensWithTheExampleRowAndEveryControlInPlace) {
    EXPECT_EQ(form1.windowTitle(),
              "Изчисляване на вероятна якост на натиск на бетон съгласно БДС EN 12504-2");
    EXPECT_EQ(form1.size(), QSize(1212, 362));
    EXPECT_EQ(form1.sheet().rowCount(), 3);
    EXPECT_EQ(form1.sheet().current(), (sheet::CellPos{0, 2}));
    EXPECT_EQ(form1.sheet().cell(16, 2), "хориз.");
    EXPECT_EQ(form1.RadioGroup1->itemIndex(), 0);
    EXPECT_FALSE(form1.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(QApplication::focusWidget(), form1.AdvStringGrid1);

    struct Expected {
        const char* name;
        const char* caption;
        QRect place;
    };
    const Expected buttons[] = {
        {"BitBtn3", "Вмъкни над избран ред", {1055, 47, 155, 35}},
        {"BitBtn2", "Вмъкни под избрания ред", {1055, 127, 155, 35}},
        {"BitBtn4", "Изтрий ред", {1055, 87, 155, 35}},
        {"Save_BitBtn", "to Excel", {1055, 206, 155, 35}},
        {"BitBtn6", "", {1055, 167, 155, 35}},
        {"BitBtn5", "Помощ", {1055, 284, 155, 35}},
        {"BitBtn8", "to Pdf", {1055, 245, 155, 35}},
        {"OKBtn", "Изчисли", {1055, 7, 155, 35}},
        {"BitBtn9", "За програмата", {895, 7, 154, 35}},
        {"BitBtn10", "Изход", {1055, 323, 155, 35}},
    };
    for (const Expected& e : buttons) {
        const auto* button = control<QPushButton>(e.name);
        ASSERT_NE(button, nullptr) << e.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(e.caption)) << e.name;
        EXPECT_EQ(button->geometry(), e.place) << e.name;
    }
    const Expected boxes[] = {{"CheckBox1", "Винаги отгоре", {776, 8, 97, 17}},
                              {"CheckBox2", "Редактиране", {576, 8, 89, 17}},
                              {"CheckBox3", "клас", {776, 24, 57, 17}}};
    for (const Expected& e : boxes) {
        const auto* box = control<QCheckBox>(e.name);
        ASSERT_NE(box, nullptr) << e.name;
        EXPECT_EQ(box->text(), QString::fromUtf8(e.caption));
        EXPECT_EQ(box->geometry(), e.place);
        EXPECT_FALSE(box->isChecked());
    }
    EXPECT_EQ(control<QWidget>("AdvStringGrid1")->geometry(), QRect(8, 47, 1041, 309));
    EXPECT_EQ(control<QWidget>("RadioGroup1")->geometry(), QRect(8, 6, 297, 35));
    EXPECT_EQ(control<QLabel>("Label1")->geometry(), QRect(311, 8, 229, 26));
    EXPECT_FALSE(control<QWidget>("AdvStringGrid2")->isVisible());
    EXPECT_EQ(form1.StringGrid4->item(0, 0)->text().isEmpty(), false);
}

TEST_F(MainFormTest, TabVisitsTheControlsInCreationOrderSkippingAboutAndExit) {
    QStringList visited;
    for (QWidget* w = form1.AdvStringGrid1->nextInFocusChain(); w != form1.AdvStringGrid1;
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus && w->isVisible() && !w->objectName().isEmpty())
            visited << w->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"CheckBox1", "BitBtn3", "BitBtn2", "BitBtn4", "Save_BitBtn",
                                    "BitBtn6", "CheckBox2", "BitBtn5", "BitBtn8", "StringGrid4",
                                    "CheckBox3", "OKBtn"}));
}

TEST_F(MainFormTest, EditedReadingIsComputedThroughTheButton) {
    form1.AdvStringGrid1->setFocus();
    form1.sheet().setCurrent({1, 2});
    QTest::keyClick(form1.AdvStringGrid1, Qt::Key_Return);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "41");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(form1.sheet().cell(1, 2), "41");

    QTest::mouseClick(form1.OKBtn, Qt::LeftButton);
    EXPECT_EQ(QString::fromStdString(form1.sheet().cell(13, 2)), decimal("32.8"));
    EXPECT_EQ(form1.sheet().cell(14, 2), "10");
    EXPECT_EQ(form1.sheet().cell(17, 2), "1");
    EXPECT_FALSE(form1.sheet().cell(21, 2).empty());
    EXPECT_EQ(form1.sheet().cell(22, 2).substr(0, 1), "B");
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainFormTest, ShortSeriesGivesTheNoticeAndTheRunGoesOn) {
    sheet::Sheet& sheet = form1.sheet();
    sheet.setCell(1, 2, "");
    sheet.setCell(2, 2, "");
    sheet.insertRow(3);
    for (int col = 1; col <= 9; ++col)
        sheet.setCell(col, 3, "30");
    sheet.setCell(16, 3, "хориз.");
    sheet.setCell(18, 3, "1");
    sheet.setCell(19, 3, "28");
    QTest::mouseClick(form1.OKBtn, Qt::LeftButton);
    EXPECT_EQ(dialogs.notices, QStringList{"Невалидна серия! Отчетите са < 9."});
    EXPECT_EQ(sheet.cell(14, 2), "8");
    EXPECT_TRUE(sheet.cell(21, 2).empty());
    EXPECT_EQ(sheet.cell(14, 3), "9");
    EXPECT_FALSE(sheet.cell(21, 3).empty());
}

TEST_F(MainFormTest, ConversionErrorIsShownAndTheWindowKeepsItsData) {
    form1.sheet().insertRow(2);
    for (int col = 1; col <= 10; ++col)
        form1.sheet().setCell(col, 2, "40");
    form1.sheet().setCell(18, 2, "1");
    form1.sheet().setCell(19, 2, "28");
    form1.sheet().setCell(16, 2, "хориз.");
    form1.sheet().setCell(5, 3, "abc");
    QTest::mouseClick(form1.OKBtn, Qt::LeftButton);
    EXPECT_EQ(errors, QStringList{"'abc' is not a valid floating point value."});
    EXPECT_EQ(errorCaption, applicationTitle(QCoreApplication::applicationFilePath()));
    EXPECT_FALSE(form1.sheet().cell(21, 2).empty());
    EXPECT_EQ(form1.sheet().cell(5, 3), "abc");
    EXPECT_TRUE(form1.isVisible());
    QTest::mouseClick(form1.BitBtn3, Qt::LeftButton);
    EXPECT_EQ(form1.sheet().rowCount(), 5);
}

TEST_F(MainFormTest, InsertButtonsAddAPresetRowAboveOrBelow) {
    QTest::mouseClick(form1.BitBtn3, Qt::LeftButton);
    EXPECT_EQ(form1.sheet().rowCount(), 4);
    EXPECT_EQ(form1.sheet().cell(16, 2), "хориз.");
    EXPECT_EQ(form1.sheet().cell(1, 2), "");
    EXPECT_EQ(form1.sheet().cell(1, 3), "31");
    EXPECT_EQ(form1.sheet().current().row, 2);
    QTest::mouseClick(form1.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(form1.sheet().rowCount(), 5);
    EXPECT_EQ(form1.sheet().cell(18, 3), "1");
    EXPECT_EQ(form1.sheet().cell(1, 4), "31");
    EXPECT_EQ(form1.AdvStringGrid1->currentIndex().row(), 0);
}

TEST_F(MainFormTest, DeleteAsksOnceAndRemovesTheSelectedRowsOnlyOnYes) {
    for (int i = 0; i < 5; ++i)
        form1.sheet().insertRow(3);
    form1.sheet().setCell(0, 6, "kept");
    form1.sheet().setSelection({3, 5}, {3, 3});
    dialogs.answers = {false};
    QTest::mouseClick(form1.BitBtn4, Qt::LeftButton);
    EXPECT_EQ(form1.sheet().rowCount(), 8);
    dialogs.answers = {true};
    QTest::mouseClick(form1.BitBtn4, Qt::LeftButton);
    EXPECT_EQ(dialogs.questions, (QStringList{"Изтриване на реда?", "Изтриване на реда?"}));
    EXPECT_EQ(form1.sheet().rowCount(), 5);
    EXPECT_EQ(form1.sheet().cell(0, 3), "kept");
    EXPECT_EQ(form1.AdvStringGrid1->currentIndex().row(), 1);
}

TEST_F(MainFormTest, EnterClicksTheFocusedButtonEditsInTheSheetAndElseInsertsAbove) {
    form1.OKBtn->setFocus();
    QTest::keyClick(form1.OKBtn, Qt::Key_Return);
    EXPECT_EQ(form1.sheet().rowCount(), 3);
    EXPECT_FALSE(form1.sheet().cell(13, 2).empty());

    form1.CheckBox2->setFocus();
    QTest::keyClick(form1.CheckBox2, Qt::Key_Return);
    EXPECT_EQ(form1.sheet().rowCount(), 4);
    form1.RadioGroup1->findChild<QRadioButton*>()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(form1.sheet().rowCount(), 5);
    EXPECT_TRUE(form1.sheet().cell(13, 2).empty());

    form1.AdvStringGrid1->setFocus();
    QTest::keyClick(form1.AdvStringGrid1, Qt::Key_Return);
    EXPECT_EQ(form1.sheet().rowCount(), 5);
    EXPECT_TRUE(form1.AdvStringGrid1->isEditing());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainFormTest, ClassBoxSwitchesBetweenTheTwoWidthsShowingTheTableOnlyWhenWide) {
    const QRect before = form1.frameGeometry();
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(form1.CheckBox3, Qt::LeftButton);
        EXPECT_EQ(form1.width(), 1418);
        EXPECT_LE(form1.StringGrid4->geometry().right(), form1.width() - 1);
        QTest::mouseClick(form1.CheckBox3, Qt::LeftButton);
        EXPECT_EQ(form1.width(), 1212);
        EXPECT_GE(form1.StringGrid4->x(), form1.width());
    }
    EXPECT_EQ(form1.height(), 362);
    EXPECT_EQ(form1.frameGeometry().x(), before.x());
}

TEST_F(MainFormTest, AlwaysOnTopKeepsThePlaceAndSize) {
    const QRect before = form1.geometry();
    QTest::mouseClick(form1.CheckBox1, Qt::LeftButton);
    EXPECT_TRUE(form1.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form1.isVisible());
    EXPECT_EQ(form1.geometry(), before);
    QTest::mouseClick(form1.CheckBox1, Qt::LeftButton);
    EXPECT_FALSE(form1.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form1.geometry(), before);
}

TEST_F(MainFormTest, EditingBoxSetsDirectEdit) {
    QTest::mouseClick(form1.CheckBox2, Qt::LeftButton);
    EXPECT_TRUE(form1.AdvStringGrid1->directEdit());
    QTest::mouseClick(form1.CheckBox2, Qt::LeftButton);
    EXPECT_FALSE(form1.AdvStringGrid1->directEdit());
}

TEST_F(MainFormTest, ExitAsksAndClosesOnlyOnYes) {
    dialogs.answers = {false};
    QTest::mouseClick(form1.BitBtn10, Qt::LeftButton);
    EXPECT_TRUE(form1.isVisible());
    EXPECT_EQ(form1.sheet().rowCount(), 3);
    QTest::mouseClick(form1.BitBtn10, Qt::LeftButton);
    EXPECT_EQ(dialogs.questions, (QStringList{"Изход?", "Изход?"}));
    EXPECT_FALSE(form1.isVisible());
}

}  // namespace
}  // namespace tobrel::shell
