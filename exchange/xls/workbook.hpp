#pragma once

#include <functional>
#include <string>

#include "exchange/exchange_error.hpp"
#include "sheet/sheet.hpp"

namespace tobrel::exchange {

// Asked with the complete question text; true goes on.
using ConfirmOverwrite = std::function<bool(const std::string& question)>;

// "to Excel": writes the whole sheet as an Excel 97-2003 workbook with one worksheet "Sheet1".
// When the file exists, asks first; returns false (nothing written) when the answer is no. The
// target is replaced only by a complete workbook. Throws ExchangeError.
bool exportWorkbook(const sheet::Sheet& sheet, const std::string& path,
                    const std::string& decimalSeparator, const ConfirmOverwrite& confirmOverwrite,
                    const Progress& progress = {});

// Reads the first worksheet of an Excel 97-2003 workbook into the sheet, replacing its content,
// size, widths, heights and merges. The whole file is read and checked before the sheet is
// touched. Throws ExchangeError naming what is wrong.
void importWorkbook(const std::string& path, sheet::Sheet& sheet, const Progress& progress = {});

// The same, numbers shown with the given decimal separator (the form above uses ".").
void importWorkbook(const std::string& path, sheet::Sheet& sheet,
                    const std::string& decimalSeparator, const Progress& progress = {});

}  // namespace tobrel::exchange
