#include "exchange/xls/workbook.hpp"

namespace tobrel::exchange {

// Stands in until the workbook library is built beside the batch tool.
bool exportWorkbook(const sheet::Sheet&, const std::string&, const std::string&,
                    const ConfirmOverwrite&, const Progress&) {
    throw ExchangeError("Excel workbooks are not available in this build");
}

void importWorkbook(const std::string&, sheet::Sheet&, const Progress&) {
    throw ExchangeError("Excel workbooks are not available in this build");
}

}  // namespace tobrel::exchange
