#include "sheet/widget/sheet_model.hpp"

#include <algorithm>

namespace tobrel::sheet::widget {

SheetModel::SheetModel(Sheet& sheet, QObject* parent) : QAbstractTableModel(parent), sheet_(sheet) {
    sheet_.setObserver(this);
    shownRows_ = rowCount();
    shownColumns_ = columnCount();
}

SheetModel::~SheetModel() {
    sheet_.setObserver(nullptr);
}

int SheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, sheet_.rowCount() - kFirstPointRow);
}

int SheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : sheet_.columnCount();
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(sheet_.cell(index.column(), sheetRow(index.row())));
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    sheet_.setCell(index.column(), sheetRow(index.row()), value.toString().toStdString());
    return true;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void SheetModel::cellChanged(int col, int row) {
    if (row < kFirstPointRow) {
        emit headerChanged();
        return;
    }
    const QModelIndex changed = index(modelRow(row), col);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void SheetModel::rowsInserted(int first, int count) {
    const int top = std::max(0, modelRow(first));
    beginInsertRows({}, top, top + count - 1);
    shownRows_ += count;
    endInsertRows();
    emit sheetCurrentChanged();
}

void SheetModel::rowsRemoved(int first, int count) {
    const int top = std::max(0, modelRow(first));
    beginRemoveRows({}, top, top + count - 1);
    shownRows_ -= count;
    endRemoveRows();
    emit sheetCurrentChanged();
}

// A change of widths, heights, merges or texts as a whole keeps the views' state; only a change
// of size starts them afresh.
void SheetModel::layoutReset() {
    const int rows = rowCount();
    const int columns = columnCount();
    if (rows != shownRows_ || columns != shownColumns_) {
        beginResetModel();
        shownRows_ = rows;
        shownColumns_ = columns;
        endResetModel();
    } else if (rows > 0 && columns > 0) {
        emit dataChanged(index(0, 0), index(rows - 1, columns - 1), {Qt::DisplayRole});
    }
    emit sizesChanged();
    emit headerChanged();
    emit sheetCurrentChanged();
}

void SheetModel::currentChanged() {
    emit sheetCurrentChanged();
}

}  // namespace tobrel::sheet::widget
