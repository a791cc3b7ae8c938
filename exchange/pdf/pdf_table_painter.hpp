#pragma once

#include <QFont>
#include <QPainter>
#include <map>
#include <string>
#include <vector>

#include "exchange/pdf/pdf_pages.hpp"
#include "sheet/sheet.hpp"
#include "sheet/sheet_look.hpp"

namespace tobrel::exchange::pdf {

// Draws one page of the table: each cell's fill, border and text in the sheet's look, merged
// blocks as one cell, clipped to the rows and columns of the page.
class TablePainter {
  public:
    // pointScale: device units per point of the painter's device.
    TablePainter(QPainter& painter, const sheet::Sheet& sheet, const PrintArea& area,
                 double pointScale);

    void drawPage(const TablePage& page);

  private:
    // Rows of the page in drawing order with the top of each, in points.
    struct PlacedRows {
        int first = 0;
        int last = -1;
        double top = 0;
    };

    void drawRows(const TablePage& page, const PlacedRows& rows);
    void drawMerges(const TablePage& page, const PlacedRows& rows);
    void drawCell(int col, int row, const QRectF& points);
    const QFont& fontFor(const sheet::CellFont& font);
    double columnLeft(const TablePage& page, int col) const;
    double rowTop(const PlacedRows& rows, int row) const;
    QRectF toDevice(const QRectF& points) const;

    QPainter& painter_;
    const sheet::Sheet& sheet_;
    PrintArea area_;
    double scale_;
    std::vector<double> columnOffsets_;  // left of each column from the sheet's first column
    std::vector<double> rowOffsets_;     // top of each row from the sheet's first row
    std::map<std::string, QFont> fonts_;
};

}  // namespace tobrel::exchange::pdf
