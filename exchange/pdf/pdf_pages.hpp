#pragma once

#include <vector>

#include "sheet/sheet.hpp"

namespace tobrel::exchange::pdf {

// Where the table may be drawn on a page, in points from the page's top-left corner.
struct PrintArea {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// One page: a band of columns and a run of point rows below the repeated header rows.
struct TablePage {
    int firstColumn = 0;
    int lastColumn = 0;
    int firstRow = 0;  // first row below the header rows; lastRow < firstRow when there is none
    int lastRow = -1;
    friend bool operator==(const TablePage&, const TablePage&) = default;
};

// The header rows that open every page: both of them, or fewer in a smaller sheet.
int repeatedHeaderRows(const sheet::Sheet& sheet);

// Splits the table into pages: columns that do not fit the width start a further band, rows that
// do not fit the height continue on the next page of the band. Every page holds at least one
// column and, while rows remain, one row, however large.
std::vector<TablePage> paginate(const sheet::Sheet& sheet, const PrintArea& area);

}  // namespace tobrel::exchange::pdf
