#include "batch/sheet_files.hpp"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "batch/command_line.hpp"
#include "batch/tsv.hpp"
#include "batch/utf8.hpp"
#include "exchange/file_system.hpp"
#include "exchange/xls/workbook.hpp"

namespace tobrel::batch {

namespace {

constexpr std::size_t kLargestTsvBytes = std::size_t{1} << 30;

bool endsWithNoCase(const std::string& text, std::string_view ending) {
    if (text.size() < ending.size())
        return false;
    return std::equal(
        ending.begin(), ending.end(), text.end() - static_cast<long>(ending.size()),
        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// Read and parsed whole before the sheet is touched.
std::vector<std::vector<std::string>> tsvRows(const std::string& path) {
    std::string text;
    try {
        text = exchange::readWholeFile(path, kLargestTsvBytes);
    } catch (const exchange::FileError& error) {
        throw exchange::ExchangeError("Cannot open file \"" + path + "\". " + error.reason());
    }
    if (!isValidUtf8(text))
        throw exchange::ExchangeError("File \"" + path + "\" is not UTF-8 text");
    return parseTsv(text);
}

}  // namespace

SheetFormat sheetFormatOf(const std::string& path) {
    if (endsWithNoCase(path, ".xls"))
        return SheetFormat::Xls;
    if (endsWithNoCase(path, ".tsv"))
        return SheetFormat::Tsv;
    throw UsageError("\"" + path + "\" is neither an .xls nor a .tsv file");
}

void readSheet(const std::string& path, sheet::Sheet& sheet, const std::string& decimalSeparator,
               const exchange::Progress& progress) {
    if (sheetFormatOf(path) == SheetFormat::Xls) {
        exchange::importWorkbook(path, sheet, decimalSeparator, progress);
        return;
    }
    importTsvRows(tsvRows(path), sheet);
}

void writeSheet(const sheet::Sheet& sheet, const std::string& path,
                const std::string& decimalSeparator, const exchange::Progress& progress) {
    if (sheetFormatOf(path) == SheetFormat::Xls) {
        exchange::exportWorkbook(
            sheet, path, decimalSeparator, [](const std::string&) { return true; }, progress);
        return;
    }
    try {
        exchange::replaceFileWhole(path, writeTsv(sheet));
    } catch (const exchange::FileError& error) {
        throw exchange::ExchangeError("Cannot create file \"" + path + "\". " + error.reason());
    }
}

}  // namespace tobrel::batch
