#include "exchange/xls/workbook_globals.hpp"

#include <optional>

#include "exchange/exchange_error.hpp"
#include "exchange/xls/biff_records.hpp"
#include "exchange/xls/byte_reader.hpp"
#include "exchange/xls/number_format.hpp"
#include "exchange/xls/record_reader.hpp"
#include "exchange/xls/utf16.hpp"

namespace tobrel::exchange::xls {

namespace {

constexpr unsigned kWorksheetType = 0;

void checkBof(const std::optional<Record>& bof) {
    const bool anyBof = bof && (bof->type == record::kBof || bof->type == 0x0009 ||
                                bof->type == 0x0209 || bof->type == 0x0409);
    if (!anyBof)
        throw ExchangeError("The file is not an Excel workbook: its workbook stream has no start");
    ByteReader fields(bof->body(), "the workbook start");
    const unsigned version =
        bof->type == record::kBof && fields.remaining() >= 2 ? fields.u16() : 0;
    if (version != record::kBiff8Version) {
        throw ExchangeError(
            "The file is in an older Excel format (Excel 5.0/95 or earlier); only Excel "
            "97-2003 workbooks can be read");
    }
    if (fields.u16() != record::kGlobalsStream)
        throw ExchangeError("The workbook is damaged: its stream does not start with the globals");
}

std::vector<std::string> sharedStrings(const Record& sst, std::size_t streamSize) {
    PartsReader reader(sst);
    reader.u32();
    const std::uint32_t unique = reader.u32();
    // Each string takes at least three bytes: a larger count cannot be true.
    if (unique > streamSize / 3)
        throw ExchangeError("The workbook is damaged: its string table is larger than the file");
    std::vector<std::string> strings;
    strings.reserve(unique);
    for (std::uint32_t i = 0; i < unique; ++i)
        strings.push_back(utf8FromUtf16(reader.unicodeString()));
    return strings;
}

}  // namespace

std::string_view WorkbookGlobals::numberFormat(unsigned xf) const {
    if (xf >= cellFormats.size())
        return "General";
    const unsigned index = cellFormats[xf];
    const auto own = formats.find(index);
    return own != formats.end() ? std::string_view(own->second) : builtInFormat(index);
}

WorkbookGlobals readGlobals(std::string_view stream) {
    RecordReader records(stream, 0);
    checkBof(records.next());
    WorkbookGlobals globals;
    bool worksheetFound = false;
    while (const auto r = records.next()) {
        ByteReader fields(r->body());
        switch (r->type) {
            case record::kEof:
                if (!worksheetFound)
                    throw ExchangeError("The workbook has no worksheet");
                return globals;
            case record::kFilePass:
                throw ExchangeError("The workbook is protected by a password and cannot be read");
            case record::kDateMode:
                globals.dates1904 = fields.u16() == 1;
                break;
            case record::kFormat: {
                PartsReader code(*r);
                const unsigned index = code.u16();
                globals.formats[index] = utf8FromUtf16(code.unicodeString());
                break;
            }
            case record::kXf:
                fields.skip(2);
                globals.cellFormats.push_back(fields.u16());
                break;
            case record::kSst:
                globals.sharedStrings = sharedStrings(*r, stream.size());
                break;
            case record::kBoundSheet: {
                const std::uint32_t offset = fields.u32();
                fields.u8();
                if (!worksheetFound && (fields.u8() & 0xFF) == kWorksheetType) {
                    globals.firstWorksheet = offset;
                    worksheetFound = true;
                }
                break;
            }
            default:
                break;
        }
    }
    throw ExchangeError("The workbook is damaged: its globals have no end");
}

}  // namespace tobrel::exchange::xls
