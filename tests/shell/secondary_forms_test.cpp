#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "tests/shell/fake_dialogs.hpp"

namespace tobrel::shell {
namespace {

using SecondaryFormsTest = WindowsTest;

// Runs the action once the modal window named is on the screen.
void whenShown(QWidget* window, std::function<void()> action) {
    QTimer::singleShot(0, window, [window, action] {
        EXPECT_TRUE(window->isVisible());
        action();
    });
}

TEST_F(SecondaryFormsTest, HelpOpensOnInstructionsAndKeepsItsPageBetweenShowings) {
    EXPECT_EQ(form2.windowTitle(), "Помощ");
    EXPECT_EQ(form2.size(), QSize(1157, 685));
    QStringList captions;
    for (int i = 0; i < form2.AdvPageControl1->count(); ++i)
        captions << form2.AdvPageControl1->tabText(i);
    EXPECT_EQ(captions, (QStringList{"Указания", "Формули 1/2", "Формули 2/2", "Формули 3/3"}));

    int firstPage = -1;
    whenShown(&form2, [&] {
        firstPage = form2.AdvPageControl1->currentIndex();
        form2.AdvPageControl1->setCurrentIndex(2);
        form2.close();
    });
    QTest::mouseClick(form1.BitBtn5, Qt::LeftButton);
    int secondPage = -1;
    whenShown(&form2, [&] {
        secondPage = form2.AdvPageControl1->currentIndex();
        form2.close();
    });
    QTest::mouseClick(form1.BitBtn5, Qt::LeftButton);
    EXPECT_EQ(firstPage, 0);
    EXPECT_EQ(secondPage, 2);
}

TEST_F(SecondaryFormsTest, HelpPagesCarryTheMethodTheConditionsAndTheNamedRelations) {
    const QString method = form2.Image1->toPlainText();
    EXPECT_TRUE(method.contains("0,011 · Rсредно2 + 0,948 · Rсредно − 13,53"))
        << method.toStdString();
    EXPECT_TRUE(form2.Image2->toPlainText().contains("Дванадесет удара"));
    EXPECT_FALSE(form2.Image3->pixmap().isNull());
    const QString first = form2.Image4->toPlainText();
    EXPECT_TRUE(first.contains("f = −0,0003·R³ + 0,0399·R² − 0,1525·R + 3,9976"));
    EXPECT_TRUE(first.contains("1950"));
    EXPECT_FALSE(first.contains("13,213"));
    const QString second = form2.Image5->toPlainText();
    EXPECT_TRUE(second.contains("f = 0,0117·R² + 0,8973·R − 13,213"));
    EXPECT_TRUE(second.contains("2003"));
}

TEST_F(SecondaryFormsTest, AboutHasNoTitleButtonsAndClosesWithItsButton) {
    EXPECT_EQ(aboutForm.windowTitle(), "За програмата");
    EXPECT_EQ(aboutForm.size(), QSize(273, 529));
    EXPECT_FALSE(aboutForm.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(aboutForm.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(aboutForm.Label41->text(), "Rebound Tobrel - v.1.10 ");
    bool shown = false;
    whenShown(&aboutForm, [&] {
        shown = true;
        QTest::mouseClick(aboutForm.BitBtn2, Qt::LeftButton);
    });
    QTest::mouseClick(form1.BitBtn9, Qt::LeftButton);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(aboutForm.isVisible());
}

}  // namespace
}  // namespace tobrel::shell
