#pragma once

#include <QString>
#include <QStringList>

#include <deque>

#include "shell/about_form.hpp"
#include "shell/dialogs.hpp"
#include "shell/error_box.hpp"
#include "shell/help_form.hpp"
#include "shell/main_form.hpp"

namespace tobrel::shell {

// Answers every question from a queue (yes when the queue is empty) and records what was asked.
class FakeDialogs : public Dialogs {
  public:
    bool confirm(QWidget* parent, const QString& text) override;
    void notice(QWidget* parent, const QString& text) override;
    QString chooseFile(QWidget* parent, const FileDialog& dialog) override;

    std::deque<bool> answers;
    std::deque<QString> files;
    QStringList questions;
    QStringList notices;
    QStringList offeredNames;
};

// The three windows as the entry point makes them, the errors shown recorded instead of boxed.
class WindowsTest : public testing::Test {
  protected:
    WindowsTest();
    ~WindowsTest() override;

    template <typename Control>
    Control* control(const char* name) const {
        return form1.findChild<Control*>(QString::fromLatin1(name));
    }

    FakeDialogs dialogs;
    QStringList errors;
    QString errorCaption;
    TForm1 form1{TForm1::Options{&dialogs, false}};
    TForm2 form2;
    TAboutForm aboutForm;
};

}  // namespace tobrel::shell
