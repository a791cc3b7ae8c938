#include "batch/batch_run.hpp"

#include <QLocale>
#include <string>

#include "batch/cell_names.hpp"
#include "batch/pdf_printing.hpp"
#include "batch/progress_line.hpp"
#include "batch/sheet_files.hpp"
#include "batch/tsv.hpp"
#include "evaluation/evaluation_error.hpp"
#include "exchange/exchange_error.hpp"
#include "sheet/sheet_layout.hpp"

namespace tobrel::batch {

namespace {

constexpr const char* kShortSeriesMessage = "Невалидна серия! Отчетите са < 9.";

// The window's error box ends a message with a full stop unless it already ends in punctuation.
std::string withFullStop(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

std::string localeDecimalSeparator() {
    return QLocale::system().decimalPoint().toStdString();
}

class BatchRun {
  public:
    BatchRun(const Options& options, std::ostream& out, std::ostream& err)
        : options_(options), out_(out), err_(err), progress_(err) {
        sheet::fillNewSheet(sheet_);
    }

    ExitStatus run() {
        sheetFormatOf(options_.input);
        if (options_.output)
            sheetFormatOf(*options_.output);
        try {
            readSheet(options_.input, sheet_, decimalSeparator(), progress_.stage("reading"));
            if (options_.command == Command::Compute && !compute())
                return finishFailedCompute();
            writeResults();
        } catch (const exchange::ExchangeError& error) {
            progress_.finish();
            err_ << error.what() << '\n';
            return ExitStatus::FileFailed;
        }
        return ExitStatus::Done;
    }

  private:
    std::string decimalSeparator() const {
        return options_.decimalSeparator.value_or(localeDecimalSeparator());
    }

    bool compute() {
        evaluation::Compute command;
        try {
            command.run(sheet_, options_.method, decimalSeparator(), [&](int row) {
                err_ << "row " << worksheetRow(row) << ": " << kShortSeriesMessage << '\n';
            });
        } catch (const evaluation::EvaluationError& error) {
            err_ << "row " << worksheetRow(error.row()) << ", column " << columnLetters(error.col())
                 << ": " << withFullStop(error.what()) << '\n';
            return false;
        }
        return true;
    }

    ExitStatus finishFailedCompute() {
        if (options_.keepPartial)
            writeResults();
        return ExitStatus::ComputeFailed;
    }

    void writeResults() {
        progress_.setRows(sheet_.rowCount());
        if (options_.command != Command::Pdf) {
            if (options_.output)
                writeSheet(sheet_, *options_.output, decimalSeparator(),
                           progress_.stage("writing"));
            else
                out_ << writeTsv(sheet_) << std::flush;
        }
        if (options_.pdf)
            printPdf(sheet_, *options_.pdf, progress_.stage("printing"));
        progress_.finish();
    }

    const Options& options_;
    std::ostream& out_;
    std::ostream& err_;
    ProgressLine progress_;
    sheet::Sheet sheet_;
};

}  // namespace

ExitStatus runBatch(const Options& options, std::ostream& out, std::ostream& err) {
    return BatchRun(options, out, err).run();
}

}  // namespace tobrel::batch
