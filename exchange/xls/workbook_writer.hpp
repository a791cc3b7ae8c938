#pragma once

#include <string>
#include <string_view>

#include "exchange/exchange_error.hpp"
#include "sheet/sheet.hpp"

namespace tobrel::exchange::xls {

// Throws ExchangeError when the sheet does not fit an Excel 97-2003 worksheet.
void checkSheetFitsWorkbook(const sheet::Sheet& sheet);

// The "Workbook" stream: globals, then the one worksheet "Sheet1".
std::string workbookStream(const sheet::Sheet& sheet, std::string_view decimalSeparator,
                           const Progress& progress);

}  // namespace tobrel::exchange::xls
