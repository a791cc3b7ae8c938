#include "exchange/pdf/pdf_export.hpp"
#include "exchange/xls/workbook.hpp"
#include "shell/main_form.hpp"
#include "shell/progress_shown.hpp"

namespace tobrel::shell {

void TForm1::Save_BitBtnClick() {
    if (!executeFileDialog(dialogs_, this, SaveDialog1))
        return;
    ProgressShown progress(this);
    exchange::exportWorkbook(
        sheet_, SaveDialog1.fileName.toStdString(), decimalSeparator().toStdString(),
        [this](const std::string& question) {
            return dialogs_.confirm(this, QString::fromStdString(question));
        },
        progress.callback());
}

void TForm1::BitBtn6Click() {
    if (!executeFileDialog(dialogs_, this, OpenDialog1))
        return;
    ProgressShown progress(this);
    exchange::importWorkbook(OpenDialog1.fileName.toStdString(), sheet_,
                             decimalSeparator().toStdString(), progress.callback());
}

void TForm1::BitBtn8Click() {
    if (!executeFileDialog(dialogs_, this, SaveDialog2))
        return;
    ProgressShown progress(this);
    exchange::exportPdf(sheet_, SaveDialog2.fileName.toStdString(), progress.callback());
}

}  // namespace tobrel::shell
