#pragma once

#include <string>
#include <string_view>

namespace tobrel::exchange::xls {

// The bytes of a compound document (OLE2) holding the stream "Workbook".
std::string compoundFileWithWorkbook(std::string_view workbookStream);

// The "Workbook" stream of a compound document held in memory. Throws ExchangeError saying what
// the bytes are instead (not a compound document, an Office 2007 file, an older Excel format,
// an encrypted package, a damaged container).
std::string workbookStreamOf(std::string_view fileBytes);

}  // namespace tobrel::exchange::xls
