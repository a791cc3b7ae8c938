#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/xls/format_code.hpp"

namespace tobrel::exchange::xls {

// A date-time serial number (days since the epoch of the workbook's date system, with the
// fraction of the day) shown under the date and time codes of a format section.
std::string dateText(double serial, const std::vector<FormatToken>& tokens, bool dates1904,
                     std::string_view decimalSeparator);

}  // namespace tobrel::exchange::xls
