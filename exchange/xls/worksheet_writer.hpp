#pragma once

#include <string_view>

#include "exchange/exchange_error.hpp"
#include "exchange/xls/cell_styles.hpp"
#include "exchange/xls/record_writer.hpp"
#include "exchange/xls/shared_strings.hpp"
#include "sheet/sheet.hpp"

namespace tobrel::exchange::xls {

// The worksheet substream: page set-up, widths, every cell of the sheet, view and merges.
void writeWorksheet(RecordWriter& writer, const sheet::Sheet& sheet,
                    std::string_view decimalSeparator, CellStyles& styles, SharedStrings& strings,
                    const Progress& progress);

}  // namespace tobrel::exchange::xls
