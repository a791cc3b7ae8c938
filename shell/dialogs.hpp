#pragma once

#include <QString>

class QWidget;

namespace tobrel::shell {

// A file dialog's settings and the name last chosen in it, offered again the next time.
struct FileDialog {
    enum class Kind { Save, Open };
    Kind kind = Kind::Save;
    QString fileName;
    QString filter;
    // Added to a chosen name that has no extension; empty adds nothing.
    QString defaultSuffix;
};

// Everything the main window asks the user; tests put in their own answers.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The "Confirm" box with "&Yes" (default) and "&No"; true only for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // The "Confirm" box with "OK" only.
    virtual void notice(QWidget* parent, const QString& text) = 0;
    // The chosen full path, or an empty text when cancelled.
    virtual QString chooseFile(QWidget* parent, const FileDialog& dialog) = 0;
};

// The platform's message boxes and file dialogs.
class StandardDialogs : public Dialogs {
  public:
    bool confirm(QWidget* parent, const QString& text) override;
    void notice(QWidget* parent, const QString& text) override;
    QString chooseFile(QWidget* parent, const FileDialog& dialog) override;
};

// Shows the dialog; on a choice stores the name (completed with the default suffix) and returns
// true.
bool executeFileDialog(Dialogs& dialogs, QWidget* parent, FileDialog& dialog);

}  // namespace tobrel::shell
