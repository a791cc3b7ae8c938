#include "exchange/pdf/pdf_table_painter.hpp"

#include <QColor>
#include <QPen>
#include <QString>
#include <algorithm>

#include "exchange/pdf/pdf_fonts.hpp"

namespace tobrel::exchange::pdf {

namespace {

constexpr double kBorderWidthPoints = 0.5;

QColor toColor(const sheet::Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Indexed by the alignment enumerators, in their order.
constexpr int kHorizontalFlags[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
constexpr int kVerticalFlags[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};

int alignmentFlags(const sheet::CellLook& look) {
    return kHorizontalFlags[static_cast<int>(look.horizontal)] |
           kVerticalFlags[static_cast<int>(look.vertical)];
}

// Cell texts keep Windows line ends; the painter breaks lines at LF only.
QString displayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

std::string fontKey(const sheet::CellFont& font) {
    return font.family + '/' + std::to_string(font.pointSize) + '/' + char('0' + font.bold) +
           char('0' + font.italic) + char('0' + font.underline) + char('0' + font.strikeOut);
}

std::vector<double> offsets(int count, auto sizeOf) {
    std::vector<double> result(static_cast<size_t>(count) + 1, 0);
    for (int i = 0; i < count; ++i)
        result[static_cast<size_t>(i) + 1] = result[static_cast<size_t>(i)] + sizeOf(i);
    return result;
}

}  // namespace

TablePainter::TablePainter(QPainter& painter, const sheet::Sheet& sheet, const PrintArea& area,
                           double pointScale)
    : painter_(painter),
      sheet_(sheet),
      area_(area),
      scale_(pointScale),
      columnOffsets_(offsets(sheet.columnCount(), [&](int c) { return sheet.columnWidth(c); })),
      rowOffsets_(offsets(sheet.rowCount(), [&](int r) { return sheet.rowHeight(r); })) {}

void TablePainter::drawPage(const TablePage& page) {
    const int headers = repeatedHeaderRows(sheet_);
    const PlacedRows headerRows{0, headers - 1, area_.top};
    const PlacedRows bodyRows{page.firstRow, page.lastRow,
                              area_.top + rowOffsets_[static_cast<size_t>(headers)]};
    for (const PlacedRows& rows : {headerRows, bodyRows}) {
        drawRows(page, rows);
        drawMerges(page, rows);
    }
}

void TablePainter::drawRows(const TablePage& page, const PlacedRows& rows) {
    for (int row = rows.first; row <= rows.last; ++row) {
        const double top = rowTop(rows, row);
        for (int col = page.firstColumn; col <= page.lastColumn; ++col) {
            if (sheet_.mergeAt(col, row))
                continue;
            drawCell(
                col, row,
                QRectF(columnLeft(page, col), top, sheet_.columnWidth(col), sheet_.rowHeight(row)));
        }
    }
}

// A block cut by the page edge shows the part that lies on the page, with its text clipped.
void TablePainter::drawMerges(const TablePage& page, const PlacedRows& rows) {
    for (const sheet::CellRange& merge : sheet_.merges()) {
        const int left = std::max(merge.left, page.firstColumn);
        const int right = std::min(merge.right, page.lastColumn);
        const int top = std::max(merge.top, rows.first);
        const int bottom = std::min(merge.bottom, rows.last);
        if (left > right || top > bottom)
            continue;
        const QRectF whole(columnLeft(page, merge.left), rowTop(rows, merge.top),
                           columnLeft(page, merge.right + 1) - columnLeft(page, merge.left),
                           rowTop(rows, merge.bottom + 1) - rowTop(rows, merge.top));
        const QRectF visible(columnLeft(page, left), rowTop(rows, top),
                             columnLeft(page, right + 1) - columnLeft(page, left),
                             rowTop(rows, bottom + 1) - rowTop(rows, top));
        const bool cut = whole != visible;
        if (cut) {
            painter_.save();
            painter_.setClipRect(toDevice(visible));
        }
        drawCell(merge.left, merge.top, whole);
        if (cut)
            painter_.restore();
    }
}

void TablePainter::drawCell(int col, int row, const QRectF& points) {
    const sheet::CellLook look = sheet::cellLook(col, row);
    const QRectF rect = toDevice(points);
    painter_.fillRect(rect, toColor(look.fill));
    painter_.setPen(QPen(toColor(sheet::kGridLine), kBorderWidthPoints * scale_));
    painter_.drawRect(rect);
    const std::string& text = sheet_.cell(col, row);
    if (text.empty())
        return;
    painter_.setFont(fontFor(look.font));
    painter_.setPen(toColor(look.font.colour));
    painter_.drawText(rect, alignmentFlags(look), displayText(text));
}

const QFont& TablePainter::fontFor(const sheet::CellFont& font) {
    const std::string key = fontKey(font);
    auto found = fonts_.find(key);
    if (found == fonts_.end())
        found = fonts_.emplace(key, cellFont(font)).first;
    return found->second;
}

double TablePainter::columnLeft(const TablePage& page, int col) const {
    return area_.left + columnOffsets_[static_cast<size_t>(col)] -
           columnOffsets_[static_cast<size_t>(page.firstColumn)];
}

double TablePainter::rowTop(const PlacedRows& rows, int row) const {
    return rows.top + rowOffsets_[static_cast<size_t>(row)] -
           rowOffsets_[static_cast<size_t>(rows.first)];
}

QRectF TablePainter::toDevice(const QRectF& points) const {
    return QRectF(points.x() * scale_, points.y() * scale_, points.width() * scale_,
                  points.height() * scale_);
}

}  // namespace tobrel::exchange::pdf
