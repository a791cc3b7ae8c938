#pragma once

#include <string_view>

#include "exchange/exchange_error.hpp"
#include "exchange/xls/worksheet_content.hpp"

namespace tobrel::exchange::xls {

// The first worksheet (in workbook order) of a BIFF8 "Workbook" stream, every value as the text
// the workbook shows for it. Throws ExchangeError naming what is wrong.
WorksheetContent readFirstWorksheet(std::string_view workbookStream,
                                    std::string_view decimalSeparator,
                                    const Progress& progress = {});

}  // namespace tobrel::exchange::xls
