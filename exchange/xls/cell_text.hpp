#pragma once

#include <string>
#include <string_view>

namespace tobrel::exchange::xls {

// Line breaks in the workbook are LF alone; the sheet keeps them as CR LF.
std::string workbookText(std::string_view sheetText);
std::string sheetText(std::string_view workbookText);

}  // namespace tobrel::exchange::xls
