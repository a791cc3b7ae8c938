#include "exchange/xls/worksheet_writer.hpp"

#include <algorithm>
#include <optional>
#include <vector>

#include "exchange/xls/biff_records.hpp"
#include "exchange/xls/cell_text.hpp"
#include "exchange/xls/general_number.hpp"
#include "exchange/xls/rk_number.hpp"
#include "exchange/xls/sizes.hpp"
#include "exchange/xls/utf16.hpp"
#include "sheet/sheet_look.hpp"

namespace tobrel::exchange::xls {

namespace {

constexpr int kRowBlock = 32;
constexpr std::size_t kMaxMergesPerRecord = 1026;
// Upper bounds for reserving the stream at once, so that it is never copied while it grows (pages
// reserved but never written cost nothing): a NUMBER record is the largest a cell takes.
constexpr std::size_t kMaxCellBytes = 18;
constexpr std::size_t kRowRecordBytes = 20;
constexpr std::size_t kMergeBytes = 8;
// The settings, the view and, put in front later, the workbook globals of a usual sheet.
constexpr std::size_t kOtherBytes = std::size_t{1} << 16;

std::size_t streamSizeBound(const sheet::Sheet& sheet) {
    const auto rows = static_cast<std::size_t>(sheet.rowCount());
    const auto cells = rows * static_cast<std::size_t>(sheet.columnCount());
    return cells * kMaxCellBytes + rows * kRowRecordBytes + sheet.merges().size() * kMergeBytes +
           kOtherBytes;
}

void writeSettings(RecordWriter& writer) {
    writer.record(record::kCalcMode, Payload().u16(1));
    writer.record(record::kCalcCount, Payload().u16(100));
    writer.record(record::kRefMode, Payload().u16(1));
    writer.record(record::kIteration, Payload().u16(0));
    writer.record(record::kDelta, Payload().f64(0.001));
    writer.record(record::kSaveRecalc, Payload().u16(1));
    writer.record(record::kPrintHeaders, Payload().u16(0));
    writer.record(record::kPrintGridLines, Payload().u16(0));
    writer.record(record::kGridSet, Payload().u16(1));
    writer.record(record::kGuts, Payload().zeros(8));
    writer.record(record::kDefaultRowHeight,
                  Payload().u16(0).u16(twipsFromPixels(sheet::kDefaultRowHeight)));
    writer.record(record::kWsBool, Payload().u16(0x04C1));
    writer.record(record::kHeader, std::string_view());
    writer.record(record::kFooter, std::string_view());
    writer.record(record::kHCenter, Payload().u16(0));
    writer.record(record::kVCenter, Payload().u16(0));
    // A4, 100 %, portrait (bit 1), 600 dpi, half-inch header and footer margins, one copy.
    writer.record(record::kPageSetup, Payload()
                                          .u16(9)
                                          .u16(100)
                                          .u16(1)
                                          .u16(1)
                                          .u16(1)
                                          .u16(0x0002)
                                          .u16(600)
                                          .u16(600)
                                          .f64(0.5)
                                          .f64(0.5)
                                          .u16(1));
}

void writeColumnWidths(RecordWriter& writer, const sheet::Sheet& sheet) {
    writer.record(record::kDefColWidth, Payload().u16(8));
    int first = 0;
    while (first < sheet.columnCount()) {
        int last = first;
        while (last + 1 < sheet.columnCount() &&
               sheet.columnWidth(last + 1) == sheet.columnWidth(first)) {
            ++last;
        }
        writer.record(record::kColInfo, Payload()
                                            .u16(first)
                                            .u16(last)
                                            .u16(widthUnitsFromPixels(sheet.columnWidth(first)))
                                            .u16(15)
                                            .u16(0)
                                            .u16(0));
        first = last + 1;
    }
}

class CellWriter {
  public:
    CellWriter(RecordWriter& writer, const sheet::Sheet& sheet, std::string_view separator,
               CellStyles& styles, SharedStrings& strings)
        : writer_(writer),
          sheet_(sheet),
          separator_(separator),
          styles_(styles),
          strings_(strings) {}

    void writeRow(int row) {
        typeRow(row);
        int col = 0;
        while (col < sheet_.columnCount()) {
            const std::string& text = sheet_.cell(col, row);
            if (text.empty()) {
                col = writeBlanks(col, row);
                continue;
            }
            if (rkAt(col)) {
                col = writeRkNumbers(col, row);
                continue;
            }
            Payload body;
            body.u16(row).u16(col).u16(formatOf(col, row));
            if (const auto& number = numbers_[static_cast<std::size_t>(col)]) {
                writer_.record(record::kNumber, body.f64(*number));
            } else {
                const auto index = strings_.indexOf(utf16FromUtf8(workbookText(text)));
                writer_.record(record::kLabelSst, body.u32(index));
            }
            ++col;
        }
    }

  private:
    std::uint16_t formatOf(int col, int row) {
        return styles_.formatIndexOf(sheet::cellLook(col, row));
    }

    // Types every cell of the row once, however the runs below end up splitting it.
    void typeRow(int row) {
        numbers_.clear();
        for (int col = 0; col < sheet_.columnCount(); ++col)
            numbers_.push_back(numberShownAs(sheet_.cell(col, row), separator_));
    }

    std::optional<std::uint32_t> rkAt(int col) const {
        const auto& number = numbers_[static_cast<std::size_t>(col)];
        return number ? rkFromNumber(*number) : std::nullopt;
    }

    // A run of numbers held exactly in RK form: one RK record, or MULRK for several (the same
    // fields followed by the last column).
    int writeRkNumbers(int first, int row) {
        run_.clear().u16(row).u16(first);
        int col = first;
        std::optional<std::uint32_t> rk;
        while (col < sheet_.columnCount() && (rk = rkAt(col))) {
            run_.u16(formatOf(col, row)).u32(*rk);
            ++col;
        }
        if (col - first == 1)
            writer_.record(record::kRk, run_);
        else
            writer_.record(record::kMulRk, run_.u16(col - 1));
        return col;
    }

    // A run of empty cells as BLANK or MULBLANK, alike in the same way; returns the column after.
    int writeBlanks(int first, int row) {
        run_.clear().u16(row).u16(first);
        int col = first;
        while (col < sheet_.columnCount() && sheet_.cell(col, row).empty()) {
            run_.u16(formatOf(col, row));
            ++col;
        }
        if (col - first == 1)
            writer_.record(record::kBlank, run_);
        else
            writer_.record(record::kMulBlank, run_.u16(col - 1));
        return col;
    }

    RecordWriter& writer_;
    const sheet::Sheet& sheet_;
    std::string_view separator_;
    CellStyles& styles_;
    SharedStrings& strings_;
    Payload run_;                                 // reused, so that runs of cells do not allocate
    std::vector<std::optional<double>> numbers_;  // the current row's cells typed, reused
};

void writeRowRecord(RecordWriter& writer, const sheet::Sheet& sheet, int row) {
    // Bit 8 is always set; bit 6 marks a height of the row's own.
    writer.record(record::kRow, Payload()
                                    .u16(row)
                                    .u16(0)
                                    .u16(sheet.columnCount())
                                    .u16(twipsFromPixels(sheet.rowHeight(row)))
                                    .u16(0)
                                    .u16(0)
                                    .u16(0x0140)
                                    .u16(0x000F));
}

void writeCells(RecordWriter& writer, const sheet::Sheet& sheet, CellWriter& cells,
                const Progress& progress) {
    const int rows = sheet.rowCount();
    const int step = std::max(1, rows / record::kProgressSteps);
    for (int block = 0; block < rows; block += kRowBlock) {
        const int end = std::min(rows, block + kRowBlock);
        for (int row = block; row < end; ++row)
            writeRowRecord(writer, sheet, row);
        if (sheet.columnCount() == 0)
            continue;
        for (int row = block; row < end; ++row) {
            cells.writeRow(row);
            if (progress && row % step == 0)
                progress(row, rows);
        }
    }
}

void writeWindow(RecordWriter& writer) {
    // Grid lines, headers, zeros, outline symbols shown; the sheet selected and displayed.
    writer.record(record::kWindow2,
                  Payload().u16(0x06B6).u16(0).u16(0).u16(64).u16(0).u16(0).u16(0).u32(0));
    writer.record(record::kSelection,
                  Payload().u8(3).u16(0).u16(0).u16(0).u16(1).u16(0).u16(0).u8(0).u8(0));
}

void writeMerges(RecordWriter& writer, const sheet::Sheet& sheet) {
    const auto& merges = sheet.merges();
    for (std::size_t first = 0; first < merges.size(); first += kMaxMergesPerRecord) {
        const std::size_t count = std::min(kMaxMergesPerRecord, merges.size() - first);
        Payload body;
        body.u16(static_cast<unsigned>(count));
        for (std::size_t i = first; i < first + count; ++i) {
            const auto& m = merges[i];
            body.u16(m.top).u16(m.bottom).u16(m.left).u16(m.right);
        }
        writer.record(record::kMergedCells, body);
    }
}

}  // namespace

void writeWorksheet(RecordWriter& writer, const sheet::Sheet& sheet,
                    std::string_view decimalSeparator, CellStyles& styles, SharedStrings& strings,
                    const Progress& progress) {
    writer.reserve(writer.position() + streamSizeBound(sheet));
    writer.record(record::kBof, record::bofBody(record::kWorksheetStream));
    writeSettings(writer);
    writeColumnWidths(writer, sheet);
    writer.record(record::kDimensions, Payload()
                                           .u32(0)
                                           .u32(static_cast<std::uint32_t>(sheet.rowCount()))
                                           .u16(0)
                                           .u16(sheet.columnCount())
                                           .u16(0));
    CellWriter cells(writer, sheet, decimalSeparator, styles, strings);
    writeCells(writer, sheet, cells, progress);
    writeWindow(writer);
    writeMerges(writer, sheet);
    writer.record(record::kEof, std::string_view());
}

}  // namespace tobrel::exchange::xls
