#pragma once

#include <string>

#include "exchange/exchange_error.hpp"
#include "sheet/sheet.hpp"

namespace tobrel::batch {

enum class SheetFormat { Xls, Tsv };

// By the extension, letter case aside; throws UsageError for any other.
SheetFormat sheetFormatOf(const std::string& path);

// Imports the file into the sheet as the window's import does. Throws ExchangeError; the sheet is
// untouched when the file cannot be read.
void readSheet(const std::string& path, sheet::Sheet& sheet, const std::string& decimalSeparator,
               const exchange::Progress& progress);

// Replaces the file whole with the sheet. Throws ExchangeError.
void writeSheet(const sheet::Sheet& sheet, const std::string& path,
                const std::string& decimalSeparator, const exchange::Progress& progress);

}  // namespace tobrel::batch
