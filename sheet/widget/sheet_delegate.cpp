#include "sheet/widget/sheet_delegate.hpp"

#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>

#include "sheet/sheet_look.hpp"
#include "sheet/widget/sheet_grid.hpp"
#include "sheet/widget/sheet_header.hpp"
#include "sheet/widget/sheet_model.hpp"

namespace tobrel::sheet::widget {

SheetDelegate::SheetDelegate(SheetGrid& grid, const GridEvents& events, QObject* parent)
    : QStyledItemDelegate(parent), grid_(grid), events_(events) {}

void SheetDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment =
        cellAlignment(events_, index.column(), SheetModel::sheetRow(index.row()));
}

void SheetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    if (index.row() == grid_.currentIndex().row() && !(option.state & QStyle::State_Selected)) {
        painter->fillRect(option.rect,
                          QColor(kCurrentRowFill.red, kCurrentRowFill.green, kCurrentRowFill.blue));
    }
    QStyledItemDelegate::paint(painter, option, index);
}

QWidget* SheetDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    const int col = index.column();
    const int row = SheetModel::sheetRow(index.row());
    EditorType type = EditorType::Normal;
    if (events_.getEditorType)
        events_.getEditorType(col, row, type);
    QWidget* editor = nullptr;
    if (type == EditorType::ComboList) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        editor = combo;
    } else {
        editor = QStyledItemDelegate::createEditor(parent, option, index);
    }
    if (events_.getEditorProp)
        events_.getEditorProp(col, row, editor);
    return editor;
}

void SheetDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const QString text = index.data(Qt::EditRole).toString();
    const int found = combo->findText(text, Qt::MatchFixedString);
    combo->setCurrentIndex(found >= 0 ? found : 0);
}

void SheetDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

// Tab leaves the sheet instead of moving to the next cell: the edit is kept and the keyboard
// focus goes on to the next control of the window.
bool SheetDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            grid_.leaveSheet(key == Qt::Key_Tab);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace tobrel::sheet::widget
