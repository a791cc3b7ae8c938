#include "exchange/pdf/pdf_export.hpp"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/exchange_error.hpp"
#include "pdf_tools.hpp"
#include "sheet/sheet.hpp"
#include "sheet/sheet_layout.hpp"

namespace tobrel::exchange {
namespace {

using test::pageCount;
using test::pageText;
using test::pdfInfo;

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

class PdfExportTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory_.isValid());
        sheet::fillNewSheet(sheet_);
    }

    std::string pathOf(const std::string& name) const {
        return directory_.filePath(QString::fromStdString(name)).toStdString();
    }

    // Point rows labelled "p<row>" in column 0 so each can be found on its page.
    void addLabelledRows(int count) {
        for (int index = 0; index < count; ++index)
            sheet_.setCell(0, sheet_.rowCount(), "p" + std::to_string(sheet_.rowCount()));
    }

    std::vector<std::string> directoryEntries() const {
        std::vector<std::string> names;
        for (const auto& entry :
             std::filesystem::directory_iterator(directory_.path().toStdString()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    QTemporaryDir directory_;
    sheet::Sheet sheet_;
};

TEST_F(PdfExportTest, NewSheetIsOneA3LandscapePageOfPdf14) {
    const std::string pdf = pathOf("new.pdf");
    exportPdf(sheet_, pdf);
    EXPECT_EQ(pdfInfo(pdf, "PDF version"), "1.4");
    EXPECT_EQ(pdfInfo(pdf, "Page size").rfind("1191 x 842 pts", 0), 0u)
        << pdfInfo(pdf, "Page size");
    EXPECT_EQ(pdfInfo(pdf, "Title"), "Tobrel v.1.0");
    EXPECT_FALSE(pdfInfo(pdf, "CreationDate").empty());
    EXPECT_EQ(pageCount(pdf), 1);
}

TEST_F(PdfExportTest, NewSheetShowsItsCyrillicHeadersAndExampleRow) {
    const std::string pdf = pathOf("new.pdf");
    exportPdf(sheet_, pdf);
    const std::string text = pageText(pdf, 1);
    for (const char* expected :
         {"Точка", "Отчет на склерометъра, големина на отскока", "средна", "стойност", "посока",
          "удар", "kуред.", "възраст", "Вероятна", "якост", "Бетон", "клас", "хориз.", "55"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing from\n" << text;
    }
}

TEST_F(PdfExportTest, LongSheetRepeatsHeaderRowsAndKeepsEveryRowOnce) {
    addLabelledRows(120);
    const std::string pdf = pathOf("long.pdf");
    exportPdf(sheet_, pdf);
    // 812 points between the margins, 44 of them for the header rows, 22 per point row.
    const int rowsPerPage = (842 - 2 * 15 - 2 * 22) / 22;
    const int points = sheet_.rowCount() - 2;
    ASSERT_EQ(pageCount(pdf), (points + rowsPerPage - 1) / rowsPerPage);
    int expectedRow = 2;
    for (int page = 1; page <= pageCount(pdf); ++page) {
        const std::string text = pageText(pdf, page);
        EXPECT_NE(text.find("Точка"), std::string::npos) << "page " << page;
        EXPECT_NE(text.find("Вероятна"), std::string::npos) << "page " << page;
        std::vector<std::string> labels;
        for (const std::string& word : words(text)) {
            if (word.rfind("p", 0) == 0)
                labels.push_back(word);
        }
        std::vector<std::string> expected;
        // The example row keeps its point number "1".
        for (int row = std::max(expectedRow, 3);
             row < sheet_.rowCount() && row < expectedRow + rowsPerPage; ++row) {
            expected.push_back("p" + std::to_string(row));
        }
        EXPECT_EQ(labels, expected) << "page " << page;
        expectedRow += rowsPerPage;
    }
}

TEST_F(PdfExportTest, WideSheetPutsFurtherColumnsOnFurtherPages) {
    constexpr int kColumns = 40;
    sheet_.resize(kColumns, sheet_.rowCount());
    for (int col = 0; col < kColumns; ++col)
        sheet_.setCell(col, 2, "c" + std::to_string(col));
    const std::string pdf = pathOf("wide.pdf");
    exportPdf(sheet_, pdf);
    // 1166 points from the table's left edge to the right margin hold 25 columns of 45.
    const int columnsPerBand = (1191 - 15 - 10) / 45;
    ASSERT_EQ(pageCount(pdf), 2);
    for (int col = 0; col < kColumns; ++col) {
        const std::string label = "c" + std::to_string(col);
        const int page = col < columnsPerBand ? 1 : 2;
        EXPECT_EQ(std::ranges::count(words(pageText(pdf, page)), label), 1) << label;
        EXPECT_EQ(std::ranges::count(words(pageText(pdf, 3 - page)), label), 0) << label;
    }
}

TEST_F(PdfExportTest, MergedCaptionIsCentredOverItsTwelveColumns) {
    const std::string pdf = pathOf("merged.pdf");
    exportPdf(sheet_, pdf);
    const std::string boxes = test::runTool("pdftotext", {"-bbox", pdf, "-"});
    const auto first = boxes.find(">Отчет<");
    const auto last = boxes.find(">отскока<");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(last, std::string::npos);
    auto attribute = [&](std::size_t word, const std::string& name) {
        const auto start = boxes.rfind(name + "=\"", word) + name.size() + 2;
        return std::stod(boxes.substr(start));
    };
    const double middle = (attribute(first, "xMin") + attribute(last, "xMax")) / 2;
    // Columns 1 to 12 span from 10 + 45 to 10 + 13 * 45 points.
    EXPECT_NEAR(middle, (55.0 + 595.0) / 2, 2.0);
    EXPECT_LT(attribute(first, "yMax"), 15.0 + 22.0 + 0.5);
    EXPECT_GT(attribute(first, "yMax"), 15.0 + 22.0 - 6);
}

TEST_F(PdfExportTest, PathThatCannotBeCreatedLeavesNothing) {
    const std::string pdf = pathOf("missing/out.pdf");
    try {
        exportPdf(sheet_, pdf);
        FAIL() << "no error";
    } catch (const ExchangeError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create file \"" + pdf + "\". No such file or directory");
    }
    EXPECT_TRUE(directoryEntries().empty());
}

TEST_F(PdfExportTest, ExistingFileIsReplacedByTheCompleteDocument) {
    const std::string pdf = pathOf("old.pdf");
    std::ofstream(pdf) << "not a pdf at all, and longer than nothing";
    addLabelledRows(60);
    exportPdf(sheet_, pdf);
    EXPECT_EQ(pageCount(pdf), 2);
    EXPECT_NE(pageText(pdf, 2).find("p61"), std::string::npos);
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"old.pdf"});
}

TEST_F(PdfExportTest, ProgressCountsEveryPageUpToTheTotal) {
    addLabelledRows(100);
    std::vector<std::pair<long long, long long>> calls;
    exportPdf(sheet_, pathOf("progress.pdf"),
              [&](long long done, long long total) { calls.emplace_back(done, total); });
    ASSERT_EQ(calls.size(), 3u);
    for (std::size_t index = 0; index < calls.size(); ++index)
        EXPECT_EQ(calls[index], std::make_pair(static_cast<long long>(index) + 1, 3LL));
}

}  // namespace
}  // namespace tobrel::exchange
