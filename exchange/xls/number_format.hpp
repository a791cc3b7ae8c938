#pragma once

#include <string>
#include <string_view>

namespace tobrel::exchange::xls {

// The format code of one of the workbook's built-in number formats; General when unknown.
std::string_view builtInFormat(unsigned index);

// The text a workbook shows for a number under a format code: General, fixed decimals, thousands
// separators, percent, scientific, dates and times (1900 or 1904 date system), literals.
std::string formatNumber(double value, std::string_view format, bool dates1904,
                         std::string_view decimalSeparator);

}  // namespace tobrel::exchange::xls
