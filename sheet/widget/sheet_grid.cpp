#include "sheet/widget/sheet_grid.hpp"

#include <QKeyEvent>
#include <QScopedValueRollback>

#include "sheet/widget/sheet_delegate.hpp"
#include "sheet/widget/sheet_fonts.hpp"
#include "sheet/widget/sheet_header.hpp"
#include "sheet/widget/sheet_model.hpp"

namespace tobrel::sheet::widget {

namespace {

constexpr QAbstractItemView::EditTriggers kKeyboardEditing =
    QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked;

}  // namespace

SheetGrid::SheetGrid(Sheet& sheet, QWidget* parent)
    : QTableView(parent),
      sheet_(sheet),
      model_(new SheetModel(sheet, this)),
      header_(new SheetHeader(sheet, events_, this)) {
    setFont(sheetFont());
    header_->setFont(sheetFont(true));
    setHorizontalHeader(header_);
    setModel(model_);
    setItemDelegate(new SheetDelegate(*this, events_, this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSortingEnabled(false);
    setDragEnabled(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setShowGrid(true);
    setEditTriggers(kKeyboardEditing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    connect(model_, &SheetModel::modelReset, this, &SheetGrid::applySheetLayout);
    connect(model_, &SheetModel::sizesChanged, this, &SheetGrid::applySheetLayout);
    connect(model_, &SheetModel::headerChanged, header_, [this] { header_->viewport()->update(); });
    connect(model_, &SheetModel::sheetCurrentChanged, this, &SheetGrid::showSheetCurrent);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SheetGrid::takeViewSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        viewport()->update();
        takeViewSelection();
    });
    connect(header_, &QHeaderView::sectionResized, this, [this](int col, int, int width) {
        if (syncing_)
            return;
        QScopedValueRollback guard(syncing_, true);
        sheet_.setColumnWidth(col, width);
    });
    applySheetLayout();
}

void SheetGrid::setDirectEdit(bool on) {
    directEdit_ = on;
}

// Widths, heights and the header's height come from the sheet; rows of the default height cost
// nothing, so only rows of another height are touched.
void SheetGrid::applySheetLayout() {
    if (syncing_)
        return;
    applySizes();
    showSheetCurrent();
}

void SheetGrid::applySizes() {
    QScopedValueRollback guard(syncing_, true);
    QHeaderView* rows = verticalHeader();
    rows->setDefaultSectionSize(sheet_.defaultRowHeight());
    for (int row = kFirstPointRow; row < sheet_.rowCount(); ++row) {
        const int height = sheet_.rowHeight(row);
        if (height != sheet_.defaultRowHeight())
            rows->resizeSection(SheetModel::modelRow(row), height);
    }
    for (int col = 0; col < sheet_.columnCount(); ++col)
        header_->resizeSection(col, sheet_.columnWidth(col));
    header_->setFixedHeight(header_->sizeHint().height());
    header_->viewport()->update();
}

void SheetGrid::showSheetCurrent() {
    if (syncing_)
        return;
    QScopedValueRollback guard(syncing_, true);
    if (!sheet_.hasPointRows()) {
        selectionModel()->clear();
        viewport()->update();
        return;
    }
    const CellPos current = sheet_.current();
    const CellRange block = sheet_.selection();
    const QModelIndex index = model_->index(SheetModel::modelRow(current.row), current.col);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    const QItemSelection selected(model_->index(SheetModel::modelRow(block.top), block.left),
                                  model_->index(SheetModel::modelRow(block.bottom), block.right));
    selectionModel()->select(selected, QItemSelectionModel::ClearAndSelect);
    viewport()->update();
}

void SheetGrid::takeViewSelection() {
    if (syncing_)
        return;
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    QScopedValueRollback guard(syncing_, true);
    const CellPos here{current.column(), SheetModel::sheetRow(current.row())};
    CellPos anchor = here;
    const QItemSelection selected = selectionModel()->selection();
    if (!selected.isEmpty()) {
        const QItemSelectionRange& range = selected.first();
        anchor.col = current.column() == range.left() ? range.right() : range.left();
        anchor.row =
            SheetModel::sheetRow(current.row() == range.top() ? range.bottom() : range.top());
        if (!range.contains(current))
            anchor = here;
    }
    sheet_.setSelection(anchor, here);
}

// Enter belongs to the sheet: it opens the editor of the current cell, or (coming back from the
// editor, which closes itself) is swallowed; the current cell never moves and no button sees it.
void SheetGrid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!isEditing() && currentIndex().isValid())
            edit(currentIndex());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void SheetGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (directEdit_ && index.isValid() && event->button() == Qt::LeftButton && !isEditing())
        edit(index);
}

// The table's own use of Tab (cell to cell) is off; Tab always goes to the next control.
bool SheetGrid::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

void SheetGrid::leaveSheet(bool forward) {
    QWidget::focusNextPrevChild(forward);
}

}  // namespace tobrel::sheet::widget
