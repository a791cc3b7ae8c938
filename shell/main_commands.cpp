#include <QCheckBox>
#include <QComboBox>
#include <QLocale>
#include <QTableWidget>

#include "evaluation/reference_tables.hpp"
#include "sheet/column_map.hpp"
#include "sheet/row_commands.hpp"
#include "sheet/sheet_layout.hpp"
#include "sheet/widget/sheet_grid.hpp"
#include "shell/about_form.hpp"
#include "shell/help_form.hpp"
#include "shell/main_form.hpp"
#include "shell/radio_group.hpp"

namespace tobrel::shell {

namespace {

constexpr int kWideOuterWidth = 1425;
constexpr int kNarrowOuterWidth = 1219;
// The window design counts its outer widths with a frame this wide; the client area follows from
// it, so the class table is wholly shown at the wide width and wholly hidden at the narrow one.
constexpr int kDesignFrameWidth = 7;

template <typename CellText>
void fillTable(QTableWidget* table, int columns, int rows, CellText cellText) {
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            table->setItem(row, col,
                           new QTableWidgetItem(QString::fromStdString(cellText(col, row))));
        }
    }
}

}  // namespace

void TForm1::FormCreate() {
    sheet::fillNewSheet(sheet_);
    sheet_.setCurrent({0, sheet::kFirstPointRow});
    fillTable(AdvStringGrid2, evaluation::kAgeTableColumnCount, evaluation::kAgeTableRowCount,
              evaluation::ageTableCell);
    fillTable(StringGrid4, evaluation::kClassTableColumnCount, evaluation::kClassTableRowCount,
              evaluation::classTableCell);
}

QString TForm1::decimalSeparator() const {
    return QLocale::system().decimalPoint();
}

void TForm1::BitBtn1Click() {
    compute_.run(sheet_, static_cast<evaluation::Method>(RadioGroup1->itemIndex()),
                 decimalSeparator().toStdString(), [this](int) {
                     dialogs_.notice(this, QStringLiteral("Невалидна серия! Отчетите са < 9."));
                 });
}

void TForm1::BitBtn3Click() {
    sheet::insertRowAbove(sheet_);
}

void TForm1::BitBtn2Click() {
    sheet::insertRowBelow(sheet_);
}

void TForm1::BitBtn4Click() {
    sheet::deleteSelectedRows(
        sheet_, [this] { return dialogs_.confirm(this, QStringLiteral("Изтриване на реда?")); });
}

// Changing the stay-on-top hint makes the platform hide the window; it is shown again where it
// was, without taking the focus from whatever has it.
void TForm1::CheckBox1Click() {
    const QRect place = geometry();
    const bool wasVisible = isVisible();
    const bool showWithoutActivating = testAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    setWindowFlag(Qt::WindowStaysOnTopHint, CheckBox1->isChecked());
    setGeometry(place);
    if (wasVisible)
        show();
    setAttribute(Qt::WA_ShowWithoutActivating, showWithoutActivating);
}

void TForm1::CheckBox2Click() {
    AdvStringGrid1->setDirectEdit(CheckBox2->isChecked());
}

void TForm1::CheckBox3Click() {
    setOuterWidth(CheckBox3->isChecked() ? kWideOuterWidth : kNarrowOuterWidth);
}

// The left edge stays where it is, whatever the platform does on a resize.
void TForm1::setOuterWidth(int outerWidth) {
    const QPoint place = pos();
    setFixedWidth(outerWidth - kDesignFrameWidth);
    move(place);
}

void TForm1::BitBtn5Click() {
    Form2->exec();
}

void TForm1::BitBtn9Click() {
    AboutForm->exec();
}

void TForm1::BitBtn7Click() {
    if (dialogs_.confirm(this, QStringLiteral("Изход?")))
        close();
}

void TForm1::AdvStringGrid1GetAlignment(int, int, sheet::widget::CellAlignH& horizontal,
                                        sheet::widget::CellAlignV& vertical) {
    horizontal = sheet::widget::CellAlignH::Centre;
    vertical = sheet::widget::CellAlignV::Bottom;
}

void TForm1::AdvStringGrid1GetEditorType(int col, int, sheet::widget::EditorType& editor) {
    if (col == sheet::column::kDirection)
        editor = sheet::widget::EditorType::ComboList;
}

void TForm1::AdvStringGrid1GetEditorProp(int col, int, QWidget* editor) {
    auto* list = qobject_cast<QComboBox*>(editor);
    if (col != sheet::column::kDirection || !list)
        return;
    list->clear();
    list->addItems({QString::fromUtf8(sheet::direction::kDown),
                    QString::fromUtf8(sheet::direction::kHorizontal),
                    QString::fromUtf8(sheet::direction::kUp)});
}

}  // namespace tobrel::shell
