#include "sheet/row_commands.hpp"

#include "sheet/column_map.hpp"

namespace tobrel::sheet {

namespace {

void writePreset(Sheet& sheet, int row) {
    sheet.setCell(column::kDirection, row, direction::kHorizontal);
    sheet.setCell(column::kDirectionFactor, row, "1");
    sheet.setCell(column::kDeviceFactor, row, "1");
}

// With no point row left there is no current row: both inserts start the sheet afresh at row 2.
bool addFirstPointRowIfNone(Sheet& sheet) {
    if (sheet.hasPointRows())
        return false;
    sheet.insertRow(kFirstPointRow);
    writePreset(sheet, kFirstPointRow);
    sheet.setCurrent({sheet.current().col, kFirstPointRow});
    return true;
}

}  // namespace

void insertRowAbove(Sheet& sheet) {
    if (addFirstPointRowIfNone(sheet))
        return;
    const int row = sheet.current().row;
    sheet.insertRow(row);
    writePreset(sheet, row);
}

void insertRowBelow(Sheet& sheet) {
    if (addFirstPointRowIfNone(sheet))
        return;
    const int row = sheet.current().row + 1;
    sheet.insertRow(row);
    writePreset(sheet, row);
}

void deleteSelectedRows(Sheet& sheet, const std::function<bool()>& confirm) {
    if (!sheet.hasPointRows() || !confirm())
        return;
    const CellRange block = sheet.selection();
    const CellPos current = sheet.current();
    for (int row = block.bottom; row >= block.top; --row)
        sheet.removeRow(row);
    sheet.setCurrent(current);
}

}  // namespace tobrel::sheet
