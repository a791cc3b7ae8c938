#pragma once

#include <string>
#include <vector>

namespace tobrel::sheet {

inline constexpr int kColumnCount = 23;
inline constexpr int kHeaderRowCount = 2;
inline constexpr int kFirstPointRow = kHeaderRowCount;
inline constexpr int kDefaultColumnWidth = 45;
inline constexpr int kDefaultRowHeight = 22;

struct CellPos {
    int col = 0;
    int row = 0;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

// Inclusive on all four sides.
struct CellRange {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(int col, int row) const {
        return col >= left && col <= right && row >= top && row <= bottom;
    }
    friend bool operator==(const CellRange&, const CellRange&) = default;
};

// The one listener of a sheet (the grid widget). Every mutation reports exactly what it touched.
class SheetObserver {
  public:
    virtual ~SheetObserver() = default;
    virtual void cellChanged(int col, int row) = 0;
    virtual void rowsInserted(int first, int count) = 0;
    virtual void rowsRemoved(int first, int count) = 0;
    // Size, merges, widths or heights changed as a whole.
    virtual void layoutReset() = 0;
    virtual void currentChanged() = 0;
};

// A rectangle of UTF-8 text cells addressed (column, row) from 0. Rows 0 and 1 are the header rows;
// the current cell and the selection always lie in point rows while there are any.
class Sheet {
  public:
    Sheet(int columns = kColumnCount, int rows = kFirstPointRow + 1);

    int columnCount() const { return columns_; }
    int rowCount() const { return static_cast<int>(cells_.size()); }
    bool hasPointRows() const { return rowCount() > kFirstPointRow; }

    // Outside the sheet a cell reads as the empty text.
    const std::string& cell(int col, int row) const;
    // A write outside the sheet widens it to hold the cell, so no text is ever invisible.
    void setCell(int col, int row, std::string text);

    // Inserts one empty row of default height at index (0..rowCount()); the current cell keeps its
    // position, it does not follow the row that moved.
    void insertRow(int index);
    // Removes one row; the current cell keeps its index if it still names a point row, else moves
    // to the last point row.
    void removeRow(int index);
    // New cells are empty, cut cells are gone; merges reaching outside are dropped.
    void resize(int columns, int rows);
    // Empties every cell, header rows included, and dissolves all merges.
    void clear();

    const std::vector<CellRange>& merges() const { return merges_; }
    void addMerge(const CellRange& range);
    // The merge whose block covers the cell, or nullptr.
    const CellRange* mergeAt(int col, int row) const;

    int columnWidth(int col) const;
    void setColumnWidth(int col, int pixels);
    int rowHeight(int row) const;
    void setRowHeight(int row, int pixels);
    int defaultColumnWidth() const { return defaultColumnWidth_; }
    int defaultRowHeight() const { return defaultRowHeight_; }
    // Resets every column width / row height to the new default.
    void setDefaultColumnWidth(int pixels);
    void setDefaultRowHeight(int pixels);

    CellPos current() const { return current_; }
    // Moves the current cell and collapses the selection onto it.
    void setCurrent(CellPos pos);
    // The block between anchor and the current cell, normalised.
    CellRange selection() const;
    void setSelection(CellPos anchor, CellPos current);

    void setObserver(SheetObserver* observer) { observer_ = observer; }

  private:
    CellPos clampToPointRows(CellPos pos) const;
    void keepCurrentInSheet();

    int columns_;
    std::vector<std::vector<std::string>> cells_;
    std::vector<CellRange> merges_;
    std::vector<int> columnWidths_;
    std::vector<int> rowHeights_;
    int defaultColumnWidth_ = kDefaultColumnWidth;
    int defaultRowHeight_ = kDefaultRowHeight;
    CellPos current_{0, kFirstPointRow};
    CellPos anchor_{0, kFirstPointRow};
    SheetObserver* observer_ = nullptr;
};

}  // namespace tobrel::sheet
