#pragma once

#include <QApplication>
#include <QString>

#include <exception>
#include <functional>

namespace tobrel::shell {

// The title the platform gives the application: the executable's name without folder, cut at
// its first full stop, the first letter in upper case and every letter after it in lower case.
QString applicationTitle(const QString& executablePath);
// The message as the error box shows it: a full stop is added when the last character is above
// ".".
QString errorBoxText(const QString& message);

using ErrorPresenter = std::function<void(const QString& caption, const QString& text)>;
// Replaces the critical message box (tests read what would be shown); empty restores it.
void setErrorPresenter(ErrorPresenter presenter);
// Shows the error box for a failure that escaped a command; the program goes on.
void showException(const std::exception& failure);
void showException(const QString& message);

// Runs a command; a failure escaping it is shown in the error box and the caller goes on.
template <typename Command>
void runGuarded(Command&& command) {
    try {
        command();
    } catch (const std::exception& failure) {
        showException(failure);
    } catch (...) {
        showException(QString());
    }
}

// The application object: a failure escaping any event handler is shown, not fatal.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace tobrel::shell
