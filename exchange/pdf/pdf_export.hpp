#pragma once

#include <string>

#include "exchange/exchange_error.hpp"
#include "sheet/sheet.hpp"

namespace tobrel::exchange {

// "to Pdf": prints the whole sheet as one table on A3 landscape pages. The document is built in
// memory and replaces the target only when complete. Throws ExchangeError ("Cannot create file
// "%s". %s"). Needs a QGuiApplication (the offscreen platform will do).
void exportPdf(const sheet::Sheet& sheet, const std::string& path, const Progress& progress = {});

}  // namespace tobrel::exchange
