#include "batch/pdf_printing.hpp"

#include <QGuiApplication>
#include <QtGlobal>
#include <iostream>

#include "exchange/pdf/pdf_export.hpp"

namespace tobrel::batch {

namespace {

// Qt's start-up notes (such as a missing runtime directory) are no concern of a batch run; only
// its real failures reach standard error.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

// The application object lives only as long as the printing, so it is gone before the
// program's statics are destroyed.
class GuiForPrinting {
  public:
    GuiForPrinting() = default;
    ~GuiForPrinting() { qInstallMessageHandler(previousHandler_); }
    GuiForPrinting(const GuiForPrinting&) = delete;
    GuiForPrinting& operator=(const GuiForPrinting&) = delete;

  private:
    static bool chooseDisplayFreePlatform() {
        if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            return false;
        return qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    // Set before the application object below is built.
    QtMessageHandler previousHandler_ = qInstallMessageHandler(keepQtQuiet);
    bool platformChosen_ = chooseDisplayFreePlatform();
    int argc_ = 1;
    char name_[13] = "tobrel-batch";
    char* argv_[2] = {name_, nullptr};
    QGuiApplication application_{argc_, argv_};
};

}  // namespace

void printPdf(const sheet::Sheet& sheet, const std::string& path,
              const exchange::Progress& progress) {
    if (QGuiApplication::instance()) {
        exchange::exportPdf(sheet, path, progress);
        return;
    }
    const GuiForPrinting gui;
    exchange::exportPdf(sheet, path, progress);
}

}  // namespace tobrel::batch
