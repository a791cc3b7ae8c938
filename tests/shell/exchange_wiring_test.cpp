#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "tests/shell/fake_dialogs.hpp"

namespace tobrel::shell {
namespace {

class ExchangeWiringTest : public WindowsTest {
  protected:
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder;
};

QByteArray contents(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

TEST_F(ExchangeWiringTest, WorkbookWrittenAndReadBackGivesTheSheet) {
    const QString file = path("points");
    form1.sheet().setCell(0, 2, "T1");
    dialogs.files = {file};
    QTest::mouseClick(form1.Save_BitBtn, Qt::LeftButton);
    ASSERT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(form1.SaveDialog1.fileName, file);

    form1.sheet().insertRow(3);
    form1.sheet().setCell(0, 2, "changed");
    dialogs.files = {file};
    QTest::mouseClick(form1.BitBtn6, Qt::LeftButton);
    EXPECT_EQ(form1.OpenDialog1.fileName, file + ".xls");
    EXPECT_EQ(errors.size(), 1);

    QFile::copy(file, file + ".xls");
    dialogs.files = {file + ".xls"};
    QTest::mouseClick(form1.BitBtn6, Qt::LeftButton);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(form1.sheet().rowCount(), 3);
    EXPECT_EQ(form1.sheet().cell(0, 2), "T1");
    EXPECT_EQ(form1.sheet().cell(1, 0), "Отчет на склерометъра, големина на отскока");
    EXPECT_EQ(dialogs.offeredNames, (QStringList{"tobrel.xls", "", file + ".xls"}));
}

TEST_F(ExchangeWiringTest, OverwritingAWorkbookAsksAndNoKeepsTheOldFile) {
    const QString file = path("old.xls");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("old");
    }
    dialogs.files = {file};
    dialogs.answers = {false};
    QTest::mouseClick(form1.Save_BitBtn, Qt::LeftButton);
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(file));
    EXPECT_EQ(contents(file), "old");

    dialogs.files = {file};
    QTest::mouseClick(form1.Save_BitBtn, Qt::LeftButton);
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_NE(contents(file), "old");
}

TEST_F(ExchangeWiringTest, PdfIsWrittenUnderTheTypedNameAndCancelDoesNothing) {
    QTest::mouseClick(form1.BitBtn8, Qt::LeftButton);
    EXPECT_EQ(dialogs.offeredNames, QStringList{"tobrel.pdf"});
    const QString file = path("report");
    dialogs.files = {file};
    QTest::mouseClick(form1.BitBtn8, Qt::LeftButton);
    ASSERT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
    EXPECT_TRUE(contents(file).startsWith("%PDF-1.4"));
    EXPECT_FALSE(QFile::exists(file + ".pdf"));
}

}  // namespace
}  // namespace tobrel::shell
