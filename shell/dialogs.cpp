#include "shell/dialogs.hpp"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace tobrel::shell {

namespace {

const QString kConfirmCaption = QStringLiteral("Confirm");

}  // namespace

bool StandardDialogs::confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kConfirmCaption, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void StandardDialogs::notice(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kConfirmCaption, text, QMessageBox::NoButton, parent);
    box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    box.exec();
}

QString StandardDialogs::chooseFile(QWidget* parent, const FileDialog& dialog) {
    QFileDialog chooser(parent, QString(), QString(), dialog.filter);
    const bool save = dialog.kind == FileDialog::Kind::Save;
    chooser.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    chooser.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own question before replacing a workbook.
    chooser.setOption(QFileDialog::DontConfirmOverwrite, true);
    chooser.setDefaultSuffix(dialog.defaultSuffix);
    if (!dialog.fileName.isEmpty())
        chooser.selectFile(dialog.fileName);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return chooser.selectedFiles().first();
}

bool executeFileDialog(Dialogs& dialogs, QWidget* parent, FileDialog& dialog) {
    QString chosen = dialogs.chooseFile(parent, dialog);
    if (chosen.isEmpty())
        return false;
    if (!dialog.defaultSuffix.isEmpty() && QFileInfo(chosen).suffix().isEmpty())
        chosen += '.' + dialog.defaultSuffix;
    dialog.fileName = chosen;
    return true;
}

}  // namespace tobrel::shell
