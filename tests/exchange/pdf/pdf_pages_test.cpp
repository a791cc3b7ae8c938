#include "exchange/pdf/pdf_pages.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace tobrel::exchange::pdf {

void PrintTo(const TablePage& page, std::ostream* out) {
    *out << "{cols " << page.firstColumn << ".." << page.lastColumn << ", rows " << page.firstRow
         << ".." << page.lastRow << "}";
}

namespace {

// 100 x 100 points: four 22-point rows, two 45-point columns.
constexpr PrintArea kArea{0, 0, 100, 100};

TEST(PaginateTest, SplitsRowsAndColumnsIntoBandsOfPages) {
    struct Case {
        int columns;
        int rows;
        std::vector<TablePage> pages;
    };
    const std::vector<Case> cases = {
        {2, 3, {{0, 1, 2, 2}}},
        {2, 2, {{0, 1, 2, 1}}},
        {2, 7, {{0, 1, 2, 3}, {0, 1, 4, 5}, {0, 1, 6, 6}}},
        {3, 4, {{0, 1, 2, 3}, {2, 2, 2, 3}}},
        {5,
         5,
         {{0, 1, 2, 3}, {0, 1, 4, 4}, {2, 3, 2, 3}, {2, 3, 4, 4}, {4, 4, 2, 3}, {4, 4, 4, 4}}},
    };
    for (const Case& c : cases) {
        const sheet::Sheet sheet(c.columns, c.rows);
        EXPECT_EQ(paginate(sheet, kArea), c.pages) << c.columns << " x " << c.rows;
    }
}

TEST(PaginateTest, ARowOrColumnLargerThanThePageStillGetsAPage) {
    sheet::Sheet sheet(2, 4);
    sheet.setColumnWidth(0, 500);
    sheet.setRowHeight(2, 300);
    const std::vector<TablePage> expected = {
        {0, 0, 2, 2}, {0, 0, 3, 3}, {1, 1, 2, 2}, {1, 1, 3, 3}};
    EXPECT_EQ(paginate(sheet, kArea), expected);
}

}  // namespace
}  // namespace tobrel::exchange::pdf
