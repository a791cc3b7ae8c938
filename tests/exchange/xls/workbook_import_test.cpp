#include <gtest/gtest.h>

#include "exchange/xls/compound_file.hpp"
#include "exchange/xls/record_writer.hpp"
#include "exchange/xls/workbook.hpp"
#include "exchange/xls/workbook_writer.hpp"
#include "sheet/sheet_layout.hpp"
#include "temp_dir.hpp"

namespace tobrel::exchange::test {
namespace {

using Import = WorkbookFileTest;

std::string containerOf(std::string_view stream) {
    return std::string(xls::compoundFileWithWorkbook(stream).bytes());
}

std::string fixture(const std::string& name) {
    return std::string(TOBREL_XLS_FIXTURES) + "/" + name;
}

struct Expected {
    int col, row;
    const char* text;
};

void expectCells(const sheet::Sheet& sheet, std::initializer_list<Expected> cells) {
    for (const auto& c : cells)
        EXPECT_EQ(sheet.cell(c.col, c.row), c.text) << "cell (" << c.col << ", " << c.row << ")";
}

TEST_F(Import, FirstWorksheetOfXlwtWorkbookWithFormatsWhicheverIsActive) {
    sheet::Sheet sheet;
    sheet::fillNewSheet(sheet);
    importWorkbook(fixture("xlwt_several_sheets.xls"), sheet);
    EXPECT_EQ(sheet.rowCount(), 6);
    EXPECT_EQ(sheet.columnCount(), 3);
    expectCells(sheet, {{0, 0, "Точка"},
                        {1, 0, "26.8"},
                        {0, 1, "line one\r\nline two"},
                        {1, 1, "10"},
                        {2, 2, "0.97"},
                        {0, 3, "1,234,567.89"},
                        {1, 3, "25%"},
                        {0, 4, "2024-03-15"},
                        {1, 4, "TRUE"},
                        {0, 5, "merged"},
                        {2, 0, ""}});
    EXPECT_EQ(sheet.merges(), (std::vector<sheet::CellRange>{{0, 5, 2, 5}}));
    EXPECT_EQ(sheet.columnWidth(0), 140);
    EXPECT_EQ(sheet.rowHeight(1), 40);
}

TEST_F(Import, LibreOfficeFormulaResultsDatesAndMerges) {
    sheet::Sheet sheet;
    importWorkbook(fixture("libreoffice_formulas.xls"), sheet);
    EXPECT_EQ(sheet.rowCount(), 4);
    EXPECT_EQ(sheet.columnCount(), 3);
    expectCells(sheet, {{0, 0, "Точка"},
                        {1, 0, "посока"},
                        {0, 1, "31"},
                        {1, 1, "32.5"},
                        {2, 1, "63.5"},
                        {0, 2, "15.03.2024"},
                        {1, 2, "B25"},
                        {2, 2, "TRUE"},
                        {0, 3, "#DIV/0!"}});
    EXPECT_EQ(sheet.merges(), (std::vector<sheet::CellRange>{{1, 0, 2, 0}}));
}

std::string sampleStream();

// Formula results the way Excel stores them: a string result follows in a STRING record.
std::string withFormulaResults(std::string stream) {
    const auto formula = [](int col, std::string_view result) {
        xls::Payload body;
        body.u16(2).u16(col).u16(15).bytes(result).u16(0).u32(0).u16(0);
        return body;
    };
    xls::RecordWriter records;
    records.record(0x0006, formula(13, std::string_view("\x00\x00\x00\x00\x00\x00\xFF\xFF", 8)));
    records.record(0x0207, xls::Payload().unicodeString(u"посока B25"));
    records.record(0x0006, formula(14, std::string_view("\x01\x00\x01\x00\x00\x00\xFF\xFF", 8)));
    records.record(0x0006, formula(15, std::string_view("\x02\x00\x07\x00\x00\x00\xFF\xFF", 8)));
    records.record(0x0006, formula(16, xls::Payload().f64(30.8888888888889).data()));
    stream.insert(stream.size() - 4, records.stream());
    return containerOf(stream);
}

TEST_F(Import, CachedFormulaResultsOfEveryKind) {
    write(path("formulas.xls"), withFormulaResults(sampleStream()));
    sheet::Sheet sheet;
    importWorkbook(path("formulas.xls"), sheet);
    expectCells(
        sheet,
        {{13, 2, "посока B25"}, {14, 2, "TRUE"}, {15, 2, "#DIV/0!"}, {16, 2, "30.8888888888889"}});
}

TEST_F(Import, SevenByFiveWorksheetGivesSevenByFiveSheet) {
    sheet::Sheet sheet;
    sheet::fillNewSheet(sheet);
    importWorkbook(fixture("xlwt_7x5.xls"), sheet);
    EXPECT_EQ(sheet.rowCount(), 7);
    EXPECT_EQ(sheet.columnCount(), 5);
    expectCells(sheet, {{0, 0, "r0c0"}, {1, 0, "1"}, {4, 6, "r6c4"}, {3, 6, "63"}});
    EXPECT_TRUE(sheet.merges().empty());
}

TEST_F(Import, EmptyFirstWorksheetEmptiesTheSheetAndKeepsItsSize) {
    sheet::Sheet sheet;
    sheet::fillNewSheet(sheet);
    sheet.insertRow(3);
    importWorkbook(fixture("xlwt_empty_first.xls"), sheet);
    EXPECT_EQ(sheet.rowCount(), 4);
    EXPECT_EQ(sheet.columnCount(), 23);
    EXPECT_TRUE(sheet.merges().empty());
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 23; ++col)
            EXPECT_TRUE(sheet.cell(col, row).empty()) << col << ", " << row;
    }
}

// The BIFF8 stream of a sheet, to be spoilt in the ways below; large enough to need no padding.
std::string sampleStream() {
    sheet::Sheet sheet;
    sheet::fillNewSheet(sheet);
    sheet.resize(sheet::kColumnCount, 100);
    const std::string stream = xls::workbookStream(sheet, ".", {});
    EXPECT_GT(stream.size(), 4096u);
    return stream;
}

std::string withFilePass(std::string stream) {
    const std::size_t afterBof = 4 + 16;
    stream.insert(afterBof, std::string("\x2F\x00\x06\x00\x01\x00\x01\x00\x01\x00", 10));
    return containerOf(stream);
}

std::string withBiff5Bof(std::string stream) {
    stream[4] = '\x00';
    stream[5] = '\x05';
    return containerOf(stream);
}

// Renames the container's stream "Workbook" to "Book", as Excel 5.0/95 named it.
std::string withBookStream() {
    std::string bytes = containerOf(sampleStream());
    const std::string name("W\0o\0r\0k\0b\0o\0o\0k\0", 16);
    const auto at = bytes.find(name);
    bytes.replace(at, 16, std::string("B\0o\0o\0k\0\0\0\0\0\0\0\0\0", 16));
    bytes[at + 64] = 10;
    return bytes;
}

std::string withRecordPastTheEnd() {
    std::string stream = sampleStream();
    stream.resize(stream.size() - 2);
    return containerOf(stream);
}

std::string truncatedFile() {
    const std::string bytes = containerOf(sampleStream());
    return bytes.substr(0, bytes.size() / 2);
}

TEST_F(Import, UnreadableFilesFailNamingTheCauseAndLeaveTheSheetAlone) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "empty"},
        {"just some text", "not an Excel 97-2003 workbook"},
        {std::string("PK\x03\x04\x14\x00\x06\x00", 8) + std::string(100, 'x'), ".xlsx"},
        {withFilePass(sampleStream()), "password"},
        {withBiff5Bof(sampleStream()), "older Excel format"},
        {withBookStream(), "older Excel format"},
        {withRecordPastTheEnd(), "damaged"},
        {truncatedFile(), "damaged"},
        {containerOf(std::string(5000, '\0')), "not an Excel workbook"},
    };
    int index = 0;
    for (const auto& [bytes, cause] : cases) {
        const std::string file = path("bad" + std::to_string(index++) + ".xls");
        write(file, bytes);
        sheet::Sheet sheet;
        sheet::fillNewSheet(sheet);
        try {
            importWorkbook(file, sheet);
            ADD_FAILURE() << "no error for the case of " << cause;
        } catch (const ExchangeError& error) {
            EXPECT_NE(std::string(error.what()).find(cause), std::string::npos) << error.what();
        }
        sheet::Sheet untouched;
        sheet::fillNewSheet(untouched);
        EXPECT_EQ(sheet.rowCount(), untouched.rowCount());
        EXPECT_EQ(sheet.merges(), untouched.merges());
        EXPECT_EQ(sheet.cell(1, 0), untouched.cell(1, 0));
    }
    sheet::Sheet sheet;
    try {
        importWorkbook(path("missing.xls"), sheet);
        ADD_FAILURE() << "no error for a missing file";
    } catch (const ExchangeError& error) {
        EXPECT_NE(std::string(error.what()).find(path("missing.xls")), std::string::npos);
    }
}

// The worksheet's DIMENSIONS record replaced by another body.
std::string withDimensions(std::string_view body) {
    std::string stream = sampleStream();
    const std::string record("\x00\x02\x0E\x00", 4);
    const auto at = stream.find(record);
    xls::Payload replacement;
    replacement.u16(0x0200).u16(static_cast<unsigned>(body.size())).bytes(body);
    stream.replace(at, record.size() + 14, replacement.data());
    return containerOf(stream);
}

// Dimensions only size the reader's room for cells: wrong or short ones change nothing.
TEST_F(Import, WorksheetDimensionsAreOnlyAHint) {
    write(path("plain.xls"), containerOf(sampleStream()));
    sheet::Sheet expected;
    importWorkbook(path("plain.xls"), expected);
    const std::string cases[] = {
        xls::Payload().u32(0).u32(1).u16(0).u16(1).u16(0).data(),
        xls::Payload().u32(0).u32(65536).u16(0).u16(256).u16(0).data(),
        xls::Payload().u32(50).u32(10).u16(9).u16(2).u16(0).data(),
        xls::Payload().u16(0).u16(100).u16(0).u16(23).u16(0).data(),
    };
    for (const auto& body : cases) {
        write(path("dimensions.xls"), withDimensions(body));
        sheet::Sheet sheet;
        importWorkbook(path("dimensions.xls"), sheet);
        EXPECT_EQ(sheet.rowCount(), expected.rowCount());
        EXPECT_EQ(sheet.columnCount(), expected.columnCount());
        for (int row = 0; row < expected.rowCount(); ++row) {
            for (int col = 0; col < expected.columnCount(); ++col)
                ASSERT_EQ(sheet.cell(col, row), expected.cell(col, row)) << col << ", " << row;
        }
    }
}

}  // namespace
}  // namespace tobrel::exchange::test
