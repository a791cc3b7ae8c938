#include "exchange/xls/workbook.hpp"

#include <algorithm>

#include "exchange/file_system.hpp"
#include "exchange/xls/compound_file.hpp"
#include "exchange/xls/workbook_reader.hpp"
#include "exchange/xls/workbook_writer.hpp"

namespace tobrel::exchange {

namespace {

// A workbook the format allows (65536 x 256 cells of 32767 characters) stays far below this.
constexpr std::size_t kMaxWorkbookBytes = std::size_t{1} << 30;

void applyToSheet(const xls::WorksheetContent& content, sheet::Sheet& sheet) {
    sheet.clear();
    const int rows =
        content.usedRows > sheet::kHeaderRowCount ? content.usedRows : sheet.rowCount();
    const int columns = content.usedColumns > 0 ? content.usedColumns : sheet.columnCount();
    sheet.resize(columns, rows);
    if (content.defaultColumnWidth)
        sheet.setDefaultColumnWidth(*content.defaultColumnWidth);
    if (content.defaultRowHeight)
        sheet.setDefaultRowHeight(*content.defaultRowHeight);
    for (const auto& width : content.columnWidths) {
        if (width.index < columns)
            sheet.setColumnWidth(width.index, width.pixels);
    }
    for (const auto& height : content.rowHeights) {
        if (height.index < rows)
            sheet.setRowHeight(height.index, height.pixels);
    }
    for (auto merge : content.merges) {
        if (merge.left >= columns || merge.top >= rows)
            continue;
        merge.right = std::min(merge.right, columns - 1);
        merge.bottom = std::min(merge.bottom, rows - 1);
        if (merge.right > merge.left || merge.bottom > merge.top)
            sheet.addMerge(merge);
    }
    for (const auto& cell : content.cells) {
        if (cell.col < columns && cell.row < rows)
            sheet.setCell(cell.col, cell.row, std::string(content.text(cell)));
    }
}

std::string cannotWrite(const std::string& path) {
    return "Can't write to file \"" + path + "\". Check it is not in use by another user";
}

}  // namespace

bool exportWorkbook(const sheet::Sheet& sheet, const std::string& path,
                    const std::string& decimalSeparator, const ConfirmOverwrite& confirmOverwrite,
                    const Progress& progress) {
    xls::checkSheetFitsWorkbook(sheet);
    if (fileExists(path)) {
        const std::string question = "File " + path + " already exists\rOk to overwrite ?";
        if (!confirmOverwrite || !confirmOverwrite(question))
            return false;
    }
    const auto file =
        xls::compoundFileWithWorkbook(xls::workbookStream(sheet, decimalSeparator, progress));
    try {
        replaceFileWhole(path, file.bytes());
    } catch (const FileError&) {
        throw ExchangeError(cannotWrite(path));
    }
    return true;
}

void importWorkbook(const std::string& path, sheet::Sheet& sheet,
                    const std::string& decimalSeparator, const Progress& progress) {
    std::string bytes;
    try {
        bytes = readWholeFile(path, kMaxWorkbookBytes);
    } catch (const FileError& error) {
        throw ExchangeError("Cannot open file \"" + path + "\". " + error.reason());
    }
    const std::string stream = xls::workbookStreamOf(bytes);
    bytes = std::string();
    const xls::WorksheetContent content =
        xls::readFirstWorksheet(stream, decimalSeparator, progress);
    applyToSheet(content, sheet);
}

void importWorkbook(const std::string& path, sheet::Sheet& sheet, const Progress& progress) {
    importWorkbook(path, sheet, ".", progress);
}

}  // namespace tobrel::exchange
