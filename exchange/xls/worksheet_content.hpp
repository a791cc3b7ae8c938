#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sheet/sheet.hpp"

namespace tobrel::exchange::xls {

struct ShownCell {
    int col = 0;
    int row = 0;
    std::string text;  // as the workbook shows it, line breaks as CR LF
};

struct SizeOf {
    int index = 0;
    int pixels = 0;
};

// What the import takes from the first worksheet, read completely before the sheet is touched.
struct WorksheetContent {
    int usedRows = 0;     // number of the last used row, counted from 1; 0 when none
    int usedColumns = 0;  // likewise for columns
    std::optional<int> defaultColumnWidth;  // pixels
    std::optional<int> defaultRowHeight;    // pixels
    std::vector<SizeOf> columnWidths;
    std::vector<SizeOf> rowHeights;
    std::vector<sheet::CellRange> merges;
    std::vector<ShownCell> cells;
};

}  // namespace tobrel::exchange::xls
