#include "sheet/sheet.hpp"

#include <algorithm>
#include <stdexcept>

namespace tobrel::sheet {

namespace {

const std::string kEmptyText;

void requireNonNegative(int col, int row) {
    if (col < 0 || row < 0) {
        throw std::out_of_range("sheet cell (" + std::to_string(col) + ", " + std::to_string(row) +
                                ") is outside the sheet");
    }
}

// Shifts a merge for rows inserted (count > 0) or removed (count < 0) at index; false when the
// merge no longer covers more than one cell and must go.
bool shiftMerge(CellRange& range, int index, int count) {
    if (count > 0) {
        if (range.top >= index) {
            range.top += count;
            range.bottom += count;
        } else if (range.bottom >= index) {
            range.bottom += count;
        }
        return true;
    }
    if (range.top > index) {
        --range.top;
        --range.bottom;
    } else if (range.bottom >= index) {
        if (range.top == range.bottom)
            return false;
        --range.bottom;
    }
    return range.left != range.right || range.top != range.bottom;
}

}  // namespace

Sheet::Sheet(int columns, int rows)
    : columns_(columns),
      cells_(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(columns))),
      columnWidths_(static_cast<size_t>(columns), kDefaultColumnWidth),
      rowHeights_(static_cast<size_t>(rows), kDefaultRowHeight) {}

const std::string& Sheet::cell(int col, int row) const {
    if (col < 0 || row < 0 || col >= columns_ || row >= rowCount())
        return kEmptyText;
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void Sheet::setCell(int col, int row, std::string text) {
    requireNonNegative(col, row);
    if (col >= columns_ || row >= rowCount()) {
        resize(std::max(columns_, col + 1), std::max(rowCount(), row + 1));
    }
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = std::move(text);
    if (observer_)
        observer_->cellChanged(col, row);
}

void Sheet::insertRow(int index) {
    if (index < 0 || index > rowCount())
        throw std::out_of_range("row index outside the sheet");
    cells_.insert(cells_.begin() + index, std::vector<std::string>(static_cast<size_t>(columns_)));
    rowHeights_.insert(rowHeights_.begin() + index, defaultRowHeight_);
    std::erase_if(merges_, [&](CellRange& m) { return !shiftMerge(m, index, 1); });
    if (observer_)
        observer_->rowsInserted(index, 1);
}

void Sheet::removeRow(int index) {
    if (index < 0 || index >= rowCount())
        throw std::out_of_range("row index outside the sheet");
    cells_.erase(cells_.begin() + index);
    rowHeights_.erase(rowHeights_.begin() + index);
    std::erase_if(merges_, [&](CellRange& m) { return !shiftMerge(m, index, -1); });
    if (observer_)
        observer_->rowsRemoved(index, 1);
    keepCurrentInSheet();
}

void Sheet::resize(int columns, int rows) {
    if (columns < 0 || rows < 0)
        throw std::out_of_range("negative sheet size");
    columns_ = columns;
    cells_.resize(static_cast<size_t>(rows));
    for (auto& row : cells_)
        row.resize(static_cast<size_t>(columns));
    columnWidths_.resize(static_cast<size_t>(columns), defaultColumnWidth_);
    rowHeights_.resize(static_cast<size_t>(rows), defaultRowHeight_);
    std::erase_if(merges_,
                  [&](const CellRange& m) { return m.right >= columns || m.bottom >= rows; });
    if (observer_)
        observer_->layoutReset();
    keepCurrentInSheet();
}

void Sheet::clear() {
    for (auto& row : cells_)
        std::fill(row.begin(), row.end(), std::string());
    merges_.clear();
    if (observer_)
        observer_->layoutReset();
}

void Sheet::addMerge(const CellRange& range) {
    if (range.left < 0 || range.top < 0 || range.right < range.left || range.bottom < range.top) {
        throw std::invalid_argument("malformed merged range");
    }
    std::erase_if(merges_, [&](const CellRange& m) {
        return m.left <= range.right && range.left <= m.right && m.top <= range.bottom &&
               range.top <= m.bottom;
    });
    merges_.push_back(range);
    if (observer_)
        observer_->layoutReset();
}

const CellRange* Sheet::mergeAt(int col, int row) const {
    for (const auto& m : merges_) {
        if (m.contains(col, row))
            return &m;
    }
    return nullptr;
}

int Sheet::columnWidth(int col) const {
    if (col < 0 || col >= columns_)
        return defaultColumnWidth_;
    return columnWidths_[static_cast<size_t>(col)];
}

void Sheet::setColumnWidth(int col, int pixels) {
    if (col < 0 || col >= columns_)
        return;
    columnWidths_[static_cast<size_t>(col)] = pixels;
    if (observer_)
        observer_->layoutReset();
}

int Sheet::rowHeight(int row) const {
    if (row < 0 || row >= rowCount())
        return defaultRowHeight_;
    return rowHeights_[static_cast<size_t>(row)];
}

void Sheet::setRowHeight(int row, int pixels) {
    if (row < 0 || row >= rowCount())
        return;
    rowHeights_[static_cast<size_t>(row)] = pixels;
    if (observer_)
        observer_->layoutReset();
}

void Sheet::setDefaultColumnWidth(int pixels) {
    defaultColumnWidth_ = pixels;
    std::fill(columnWidths_.begin(), columnWidths_.end(), pixels);
    if (observer_)
        observer_->layoutReset();
}

void Sheet::setDefaultRowHeight(int pixels) {
    defaultRowHeight_ = pixels;
    std::fill(rowHeights_.begin(), rowHeights_.end(), pixels);
    if (observer_)
        observer_->layoutReset();
}

void Sheet::setCurrent(CellPos pos) {
    setSelection(pos, pos);
}

CellRange Sheet::selection() const {
    return {std::min(anchor_.col, current_.col), std::min(anchor_.row, current_.row),
            std::max(anchor_.col, current_.col), std::max(anchor_.row, current_.row)};
}

void Sheet::setSelection(CellPos anchor, CellPos current) {
    anchor_ = clampToPointRows(anchor);
    current_ = clampToPointRows(current);
    if (observer_)
        observer_->currentChanged();
}

CellPos Sheet::clampToPointRows(CellPos pos) const {
    const int lastRow = std::max(kFirstPointRow, rowCount() - 1);
    const int lastCol = std::max(0, columns_ - 1);
    return {std::clamp(pos.col, 0, lastCol), std::clamp(pos.row, kFirstPointRow, lastRow)};
}

void Sheet::keepCurrentInSheet() {
    const CellPos anchor = clampToPointRows(anchor_);
    const CellPos current = clampToPointRows(current_);
    if (anchor == anchor_ && current == current_)
        return;
    anchor_ = anchor;
    current_ = current;
    if (observer_)
        observer_->currentChanged();
}

}  // namespace tobrel::sheet
