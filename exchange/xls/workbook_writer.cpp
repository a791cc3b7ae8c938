#include "exchange/xls/workbook_writer.hpp"

#include "exchange/xls/biff_records.hpp"
#include "exchange/xls/cell_styles.hpp"
#include "exchange/xls/cell_text.hpp"
#include "exchange/xls/shared_strings.hpp"
#include "exchange/xls/utf16.hpp"
#include "exchange/xls/worksheet_writer.hpp"

namespace tobrel::exchange::xls {

namespace {

constexpr std::size_t kMaxTextUnits = 32767;
constexpr std::uint16_t kUnicodeCodePage = 1200;

void writeProtectionAndWindow(RecordWriter& writer) {
    writer.record(record::kWindowProtect, Payload().u16(0));
    writer.record(record::kProtect, Payload().u16(0));
    writer.record(record::kPassword, Payload().u16(0));
    writer.record(record::kProt4Rev, Payload().u16(0));
    writer.record(record::kProt4RevPass, Payload().u16(0));
    // Position, size, first visible and selected tab, one selected sheet; tabs and scroll bars on.
    writer.record(record::kWindow1, Payload()
                                        .u16(0x0168)
                                        .u16(0x001E)
                                        .u16(0x4000)
                                        .u16(0x2000)
                                        .u16(0x0038)
                                        .u16(0)
                                        .u16(0)
                                        .u16(1)
                                        .u16(0x0258));
}

// Returns where the worksheet's stream offset goes.
std::size_t writeGlobals(RecordWriter& writer, const CellStyles& styles,
                         const SharedStrings& strings) {
    writer.record(record::kBof, record::bofBody(record::kGlobalsStream));
    writer.record(record::kInterfaceHdr, Payload().u16(kUnicodeCodePage));
    writer.record(record::kMms, Payload().u16(0));
    writer.record(record::kInterfaceEnd, std::string_view());
    writer.record(record::kWriteAccess, Payload().unicodeString(u"tobrel").zeros(112 - 3 - 2 * 6));
    writer.record(record::kCodePage, Payload().u16(kUnicodeCodePage));
    writer.record(record::kDsf, Payload().u16(0));
    writer.record(record::kTabId, Payload().u16(1));
    writeProtectionAndWindow(writer);
    writer.record(record::kBackup, Payload().u16(0));
    writer.record(record::kHideObj, Payload().u16(0));
    writer.record(record::kDateMode, Payload().u16(0));
    writer.record(record::kPrecision, Payload().u16(1));
    writer.record(record::kRefreshAll, Payload().u16(0));
    writer.record(record::kBookBool, Payload().u16(0));
    styles.write(writer);
    const std::size_t offsetField = writer.position() + 4;
    // Visible worksheet.
    writer.record(record::kBoundSheet, Payload().u32(0).u8(0).u8(0).shortUnicodeString(u"Sheet1"));
    writer.record(record::kCountry, Payload().u16(1).u16(1));
    strings.write(writer);
    writer.record(record::kEof, std::string_view());
    return offsetField;
}

}  // namespace

void checkSheetFitsWorkbook(const sheet::Sheet& sheet) {
    if (sheet.rowCount() > record::kMaxRows || sheet.columnCount() > record::kMaxColumns) {
        throw ExchangeError("The sheet has " + std::to_string(sheet.rowCount()) + " rows and " +
                            std::to_string(sheet.columnCount()) +
                            " columns; an Excel 97-2003 workbook holds at most 65536 rows and "
                            "256 columns");
    }
    for (int row = 0; row < sheet.rowCount(); ++row) {
        for (int col = 0; col < sheet.columnCount(); ++col) {
            const std::string& text = sheet.cell(col, row);
            // A UTF-8 text of up to 32767 bytes cannot have more UTF-16 units than that.
            if (text.size() > kMaxTextUnits &&
                utf16FromUtf8(workbookText(text)).size() > kMaxTextUnits) {
                throw ExchangeError("The text of cell (column " + std::to_string(col) + ", row " +
                                    std::to_string(row) +
                                    ") is longer than the 32767 characters an Excel 97-2003 "
                                    "cell holds");
            }
        }
    }
}

std::string workbookStream(const sheet::Sheet& sheet, std::string_view decimalSeparator,
                           const Progress& progress) {
    CellStyles styles;
    SharedStrings strings;
    RecordWriter worksheet;
    writeWorksheet(worksheet, sheet, decimalSeparator, styles, strings, progress);
    RecordWriter globals;
    const std::size_t offsetField = writeGlobals(globals, styles, strings);
    globals.patchU32(offsetField, static_cast<std::uint32_t>(globals.position()));
    // In front of the worksheet, whose reserved room holds the globals without a copy of the cells.
    std::string stream = std::move(worksheet.stream());
    stream.insert(0, globals.stream());
    return stream;
}

}  // namespace tobrel::exchange::xls
