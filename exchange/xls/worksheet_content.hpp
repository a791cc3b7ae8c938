#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet.hpp"

namespace tobrel::exchange::xls {

// A cell that shows a text; the text lies in WorksheetContent::texts. Held small, as a full
// worksheet has well over a million of them.
struct ShownCell {
    std::uint16_t col = 0;
    std::uint16_t row = 0;
    std::uint32_t length = 0;
    std::size_t offset = 0;
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
    std::string texts;  // as the workbook shows them, line breaks as CR LF, one after another

    std::string_view text(const ShownCell& cell) const {
        return std::string_view(texts).substr(cell.offset, cell.length);
    }
    // Puts the text at the end of texts and points the cell at it.
    void setText(ShownCell& cell, std::string_view text) {
        cell.offset = texts.size();
        cell.length = static_cast<std::uint32_t>(text.size());
        texts += text;
    }
};

}  // namespace tobrel::exchange::xls
