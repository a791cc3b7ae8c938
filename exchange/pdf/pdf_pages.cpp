#include "exchange/pdf/pdf_pages.hpp"

#include <algorithm>

namespace tobrel::exchange::pdf {

namespace {

struct Band {
    int first = 0;
    int last = 0;
};

std::vector<Band> columnBands(const sheet::Sheet& sheet, double width) {
    std::vector<Band> bands;
    int col = 0;
    while (col < sheet.columnCount()) {
        Band band{col, col};
        double used = sheet.columnWidth(col);
        while (band.last + 1 < sheet.columnCount() &&
               used + sheet.columnWidth(band.last + 1) <= width) {
            used += sheet.columnWidth(++band.last);
        }
        bands.push_back(band);
        col = band.last + 1;
    }
    return bands;
}

std::vector<Band> rowRuns(const sheet::Sheet& sheet, double height) {
    const int headers = repeatedHeaderRows(sheet);
    double headerHeight = 0;
    for (int row = 0; row < headers; ++row)
        headerHeight += sheet.rowHeight(row);
    std::vector<Band> runs;
    int row = headers;
    while (row < sheet.rowCount()) {
        Band run{row, row};
        double used = headerHeight + sheet.rowHeight(row);
        while (run.last + 1 < sheet.rowCount() && used + sheet.rowHeight(run.last + 1) <= height) {
            used += sheet.rowHeight(++run.last);
        }
        runs.push_back(run);
        row = run.last + 1;
    }
    if (runs.empty())
        runs.push_back(Band{headers, headers - 1});
    return runs;
}

}  // namespace

int repeatedHeaderRows(const sheet::Sheet& sheet) {
    return std::min(sheet::kHeaderRowCount, sheet.rowCount());
}

std::vector<TablePage> paginate(const sheet::Sheet& sheet, const PrintArea& area) {
    std::vector<TablePage> pages;
    const auto runs = rowRuns(sheet, area.bottom - area.top);
    for (const Band& band : columnBands(sheet, area.right - area.left)) {
        for (const Band& run : runs)
            pages.push_back(TablePage{band.first, band.last, run.first, run.last});
    }
    return pages;
}

}  // namespace tobrel::exchange::pdf
