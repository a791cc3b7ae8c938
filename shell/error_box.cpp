#include "shell/error_box.hpp"

#include <QFileInfo>
#include <QMessageBox>

namespace tobrel::shell {

namespace {

void criticalBox(const QString& caption, const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), caption, text);
}

ErrorPresenter& presenter() {
    static ErrorPresenter current = criticalBox;
    return current;
}

}  // namespace

QString applicationTitle(const QString& executablePath) {
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype stop = name.indexOf('.');
    if (stop >= 0)
        name.truncate(stop);
    if (name.isEmpty())
        return name;
    return name.left(1).toUpper() + name.mid(1).toLower();
}

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + '.';
    return message;
}

void setErrorPresenter(ErrorPresenter replacement) {
    presenter() = replacement ? std::move(replacement) : ErrorPresenter(criticalBox);
}

void showException(const QString& message) {
    presenter()(applicationTitle(QCoreApplication::applicationFilePath()), errorBoxText(message));
}

void showException(const std::exception& failure) {
    showException(QString::fromUtf8(failure.what()));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace tobrel::shell
