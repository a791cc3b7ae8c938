#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tobrel::exchange::xls {

// What the cells of a worksheet refer to in the workbook globals.
struct WorkbookGlobals {
    bool dates1904 = false;
    std::map<unsigned, std::string> formats;  // FORMAT records by index
    std::vector<unsigned> cellFormats;        // number format index of each XF
    std::vector<std::string> sharedStrings;   // UTF-8, line breaks as in the workbook
    std::size_t firstWorksheet = 0;           // stream offset of its BOF

    // The format code of a cell's XF; General for an unknown one.
    std::string_view numberFormat(unsigned xf) const;
};

// Reads the globals substream at the start of the stream; throws ExchangeError for an older
// format, an encrypted workbook, a workbook without worksheets or damaged records.
WorkbookGlobals readGlobals(std::string_view stream);

}  // namespace tobrel::exchange::xls
