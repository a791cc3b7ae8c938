#pragma once

#include <string>

#include "exchange/exchange_error.hpp"
#include "sheet/sheet.hpp"

namespace tobrel::batch {

// Prints the sheet as the window's "to Pdf" does. Brings up the GUI application the PDF writer
// needs, on the display-free platform unless the user chose one. Throws ExchangeError.
void printPdf(const sheet::Sheet& sheet, const std::string& path,
              const exchange::Progress& progress);

}  // namespace tobrel::batch
