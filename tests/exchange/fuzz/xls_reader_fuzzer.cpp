// libFuzzer target: any bytes given to the workbook reader must end in content or ExchangeError.
#include <glib.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exchange/exchange_error.hpp"
#include "exchange/xls/compound_file.hpp"
#include "exchange/xls/workbook_reader.hpp"

namespace {

void readWorkbook(std::string_view bytes) {
    try {
        tobrel::exchange::xls::readFirstWorksheet(bytes, ".");
    } catch (const tobrel::exchange::ExchangeError&) {
    }
}

}  // namespace

// The container library warns on stderr about every damaged directory; the runs would drown in it.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_log_set_default_handler([](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The records alone reach the parser more often than through the container.
    readWorkbook(bytes);
    try {
        readWorkbook(tobrel::exchange::xls::workbookStreamOf(bytes));
    } catch (const tobrel::exchange::ExchangeError&) {
    }
    return 0;
}
