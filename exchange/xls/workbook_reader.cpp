#include "exchange/xls/workbook_reader.hpp"

#include <algorithm>
#include <bit>
#include <cmath>

#include "exchange/xls/biff_records.hpp"
#include "exchange/xls/byte_reader.hpp"
#include "exchange/xls/cell_text.hpp"
#include "exchange/xls/number_format.hpp"
#include "exchange/xls/record_reader.hpp"
#include "exchange/xls/rk_number.hpp"
#include "exchange/xls/sizes.hpp"
#include "exchange/xls/utf16.hpp"
#include "exchange/xls/workbook_globals.hpp"

namespace tobrel::exchange::xls {

namespace {

// Shared strings can be shown by many cells; this bounds what a small file can make us hold.
constexpr std::size_t kTextPerFileByte = 64;
constexpr std::size_t kTextAllowance = 1 << 20;
// The fewest stream bytes a cell with a value takes (one MULRK entry), which bounds how many
// cells a worksheet's dimensions may make us reserve room for.
constexpr std::size_t kSmallestCellBytes = 6;

std::string errorText(unsigned code) {
    switch (code) {
        case 0x00:
            return "#NULL!";
        case 0x07:
            return "#DIV/0!";
        case 0x0F:
            return "#VALUE!";
        case 0x17:
            return "#REF!";
        case 0x1D:
            return "#NAME?";
        case 0x24:
            return "#NUM!";
        case 0x2A:
            return "#N/A";
        default:
            return "#N/A";
    }
}

class WorksheetReader {
  public:
    WorksheetReader(const WorkbookGlobals& globals, std::string_view separator,
                    std::size_t streamSize)
        : globals_(globals),
          separator_(separator),
          textBudget_(streamSize * kTextPerFileByte + kTextAllowance),
          cellLimit_(streamSize / kSmallestCellBytes) {}

    void read(const Record& r) {
        ByteReader f(r.body());
        switch (r.type) {
            case record::kNumber: {
                const auto [col, row, xf] = position(f);
                number(col, row, xf, f.f64());
                break;
            }
            case record::kRk: {
                const auto [col, row, xf] = position(f);
                number(col, row, xf, numberFromRk(f.u32()));
                break;
            }
            case record::kMulRk:
                mulRk(f);
                break;
            case record::kLabelSst: {
                const auto [col, row, xf] = position(f);
                const std::uint32_t index = f.u32();
                if (index >= globals_.sharedStrings.size())
                    damaged("a cell refers to a missing shared string");
                cell(col, row, sheetText(globals_.sharedStrings[index]));
                break;
            }
            case record::kLabel:
            case record::kRString: {
                PartsReader parts(r);
                const int row = static_cast<int>(parts.u16());
                const int col = static_cast<int>(parts.u16());
                parts.u16();
                cell(col, row, sheetText(utf8FromUtf16(parts.unicodeString())));
                break;
            }
            case record::kBlank: {
                const auto [col, row, xf] = position(f);
                cell(col, row, {});
                break;
            }
            case record::kMulBlank:
                mulBlank(f);
                break;
            case record::kBoolErr: {
                const auto [col, row, xf] = position(f);
                const unsigned value = f.u8();
                cell(col, row, f.u8() ? errorText(value) : (value ? "TRUE" : "FALSE"));
                break;
            }
            case record::kFormula:
                formula(f);
                return;
            case record::kDimensions:
                reserveCells(f);
                return;
            case record::kString:
                if (pendingFormula_) {
                    PartsReader parts(r);
                    const std::string text = sheetText(utf8FromUtf16(parts.unicodeString()));
                    spend(text.size());
                    content_.setText(content_.cells[*pendingFormula_], text);
                }
                break;
            default:
                sizesAndMerges(r.type, f);
                return;
        }
        pendingFormula_.reset();
    }

    WorksheetContent take() { return std::move(content_); }

  private:
    struct Position {
        int col, row;
        unsigned xf;
    };

    [[noreturn]] static void damaged(const char* what) {
        throw ExchangeError(std::string("The workbook is damaged: ") + what);
    }

    static Position position(ByteReader& f) {
        const int row = static_cast<int>(f.u16());
        const int col = static_cast<int>(f.u16());
        return {col, row, f.u16()};
    }

    void spend(std::size_t bytes) {
        if (bytes > textBudget_)
            throw ExchangeError("The workbook's texts are too large to read");
        textBudget_ -= bytes;
    }

    void use(int col, int row) {
        if (col >= record::kMaxColumns || row >= record::kMaxRows)
            damaged("a cell lies outside the worksheet");
        content_.usedRows = std::max(content_.usedRows, row + 1);
        content_.usedColumns = std::max(content_.usedColumns, col + 1);
    }

    // Only after use() has checked the position, which then fits the cell's fields.
    void pushCell(int col, int row, std::string_view text) {
        ShownCell& shown = content_.cells.emplace_back();
        shown.col = static_cast<std::uint16_t>(col);
        shown.row = static_cast<std::uint16_t>(row);
        content_.setText(shown, text);
    }

    void cell(int col, int row, std::string_view text) {
        use(col, row);
        spend(text.size() + 1);
        if (!text.empty())
            pushCell(col, row, text);
    }

    void number(int col, int row, unsigned xf, double value) {
        cell(col, row,
             formatNumber(value, globals_.numberFormat(xf), globals_.dates1904, separator_));
    }

    // Room for the cells the worksheet says it spans, so that reading them never moves them.
    void reserveCells(ByteReader& f) {
        // Only a hint: a short record, as some writers make, is passed over like other readers do.
        if (f.remaining() < 12)
            return;
        const std::size_t firstRow = f.u32(), lastRow = f.u32();
        const std::size_t firstCol = f.u16(), lastCol = f.u16();
        if (!content_.cells.empty() || lastRow <= firstRow || lastCol <= firstCol)
            return;
        const std::size_t span = (lastRow - firstRow) * (lastCol - firstCol);
        content_.cells.reserve(std::min(span, cellLimit_));
    }

    void mulRk(ByteReader& f) {
        const int row = static_cast<int>(f.u16());
        int col = static_cast<int>(f.u16());
        while (f.remaining() >= 8) {
            const unsigned xf = f.u16();
            number(col++, row, xf, numberFromRk(f.u32()));
        }
    }

    void mulBlank(ByteReader& f) {
        const int row = static_cast<int>(f.u16());
        const int first = static_cast<int>(f.u16());
        const int count =
            static_cast<int>((f.remaining() - std::min<std::size_t>(2, f.remaining())) / 2);
        if (count > 0)
            use(first + count - 1, row);
    }

    void formula(ByteReader& f) {
        const auto [col, row, xf] = position(f);
        const auto result = f.take(8);
        pendingFormula_.reset();
        const bool special = static_cast<unsigned char>(result[6]) == 0xFF &&
                             static_cast<unsigned char>(result[7]) == 0xFF;
        if (!special) {
            ByteReader value(result);
            number(col, row, xf, value.f64());
            return;
        }
        const unsigned kind = static_cast<unsigned char>(result[0]);
        const unsigned value = static_cast<unsigned char>(result[2]);
        if (kind == 1) {
            cell(col, row, value ? "TRUE" : "FALSE");
        } else if (kind == 2) {
            cell(col, row, errorText(value));
        } else if (kind == 0) {
            use(col, row);
            pendingFormula_ = content_.cells.size();
            pushCell(col, row, {});
        } else {
            cell(col, row, {});
        }
    }

    void sizesAndMerges(std::uint16_t type, ByteReader& f) {
        switch (type) {
            case record::kMergedCells: {
                const unsigned count = f.u16();
                for (unsigned i = 0; i < count; ++i) {
                    const int top = static_cast<int>(f.u16()), bottom = static_cast<int>(f.u16());
                    const int left = static_cast<int>(f.u16()), right = static_cast<int>(f.u16());
                    if (bottom >= top && right >= left && right < record::kMaxColumns)
                        content_.merges.push_back({left, top, right, bottom});
                }
                break;
            }
            case record::kColInfo: {
                const int first = static_cast<int>(f.u16());
                const int last = std::min(static_cast<int>(f.u16()), record::kMaxColumns - 1);
                const int pixels = pixelsFromWidthUnits(static_cast<int>(f.u16()));
                for (int col = first; col <= last; ++col)
                    content_.columnWidths.push_back({col, pixels});
                break;
            }
            case record::kRow: {
                const int row = static_cast<int>(f.u16());
                f.skip(4);
                content_.rowHeights.push_back(
                    {row, pixelsFromTwips(static_cast<int>(f.u16() & 0x7FFF))});
                break;
            }
            case record::kDefColWidth:
                if (!standardWidth_)
                    content_.defaultColumnWidth = pixelsFromCharacters(static_cast<int>(f.u16()));
                break;
            case record::kStandardWidth:
                standardWidth_ = true;
                content_.defaultColumnWidth = pixelsFromWidthUnits(static_cast<int>(f.u16()));
                break;
            case record::kDefaultRowHeight:
                f.u16();
                content_.defaultRowHeight = pixelsFromTwips(static_cast<int>(f.u16() & 0x7FFF));
                break;
            default:
                break;
        }
    }

    const WorkbookGlobals& globals_;
    std::string_view separator_;
    std::size_t textBudget_;
    std::size_t cellLimit_;
    std::optional<std::size_t> pendingFormula_;
    bool standardWidth_ = false;
    WorksheetContent content_;
};

void checkWorksheetBof(const std::optional<Record>& bof) {
    if (!bof || bof->type != record::kBof)
        throw ExchangeError("The workbook is damaged: its first worksheet cannot be found");
    ByteReader f(bof->body(), "the worksheet start");
    f.u16();
    if (f.u16() != record::kWorksheetStream)
        throw ExchangeError("The workbook is damaged: its first worksheet cannot be found");
}

}  // namespace

WorksheetContent readFirstWorksheet(std::string_view workbookStream,
                                    std::string_view decimalSeparator, const Progress& progress) {
    const WorkbookGlobals globals = readGlobals(workbookStream);
    RecordReader records(workbookStream, globals.firstWorksheet);
    checkWorksheetBof(records.next());
    WorksheetReader reader(globals, decimalSeparator, workbookStream.size());
    const std::size_t step =
        std::max<std::size_t>(1, workbookStream.size() / record::kProgressSteps);
    std::size_t nextReport = 0;
    int depth = 0;
    while (const auto r = records.next()) {
        if (progress && records.position() >= nextReport) {
            progress(static_cast<long long>(records.position()),
                     static_cast<long long>(workbookStream.size()));
            nextReport = records.position() + step;
        }
        if (r->type == record::kBof) {
            ++depth;
        } else if (r->type == record::kEof) {
            if (depth == 0)
                return reader.take();
            --depth;
        } else if (depth == 0) {
            reader.read(*r);
        }
    }
    throw ExchangeError("The workbook is damaged: its first worksheet has no end");
}

}  // namespace tobrel::exchange::xls
