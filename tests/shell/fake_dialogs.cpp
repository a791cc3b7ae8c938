#include <gtest/gtest.h>

#include "tests/shell/fake_dialogs.hpp"

#include <QTest>

namespace tobrel::shell {

bool FakeDialogs::confirm(QWidget*, const QString& text) {
    questions << text;
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeDialogs::notice(QWidget*, const QString& text) {
    notices << text;
}

QString FakeDialogs::chooseFile(QWidget*, const FileDialog& dialog) {
    offeredNames << dialog.fileName;
    if (files.empty())
        return {};
    const QString file = files.front();
    files.pop_front();
    return file;
}

WindowsTest::WindowsTest() {
    setErrorPresenter([this](const QString& caption, const QString& text) {
        errorCaption = caption;
        errors << text;
    });
    form1.show();
    if (!QTest::qWaitForWindowExposed(&form1))
        ADD_FAILURE() << "the main window was never shown";
}

WindowsTest::~WindowsTest() {
    setErrorPresenter({});
}

}  // namespace tobrel::shell
