#include "sheet/widget/sheet_header.hpp"

#include <QPainter>

#include "sheet/sheet_look.hpp"

namespace tobrel::sheet::widget {

namespace {

QColor toColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

Qt::Alignment toQt(CellAlignH horizontal) {
    switch (horizontal) {
        case CellAlignH::Left:
            return Qt::AlignLeft;
        case CellAlignH::Right:
            return Qt::AlignRight;
        case CellAlignH::Centre:
            break;
    }
    return Qt::AlignHCenter;
}

Qt::Alignment toQt(CellAlignV vertical) {
    switch (vertical) {
        case CellAlignV::Top:
            return Qt::AlignTop;
        case CellAlignV::Middle:
            return Qt::AlignVCenter;
        case CellAlignV::Bottom:
            break;
    }
    return Qt::AlignBottom;
}

constexpr int kTextMargin = 2;

}  // namespace

Qt::Alignment cellAlignment(const GridEvents& events, int col, int row) {
    CellAlignH horizontal = CellAlignH::Left;
    CellAlignV vertical = CellAlignV::Middle;
    if (events.getAlignment)
        events.getAlignment(row, col, horizontal, vertical);
    return toQt(horizontal) | toQt(vertical);
}

SheetHeader::SheetHeader(const Sheet& sheet, const GridEvents& events, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), sheet_(sheet), events_(events) {
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setMinimumSectionSize(4);
    setDefaultSectionSize(kDefaultColumnWidth);
}

QSize SheetHeader::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(headerRowTop(kHeaderRowCount));
    return size;
}

int SheetHeader::headerRowTop(int row) const {
    int top = 0;
    for (int r = 0; r < row; ++r)
        top += sheet_.rowHeight(r);
    return top;
}

QRect SheetHeader::headerCellRect(int col, int row, const QRect& section) const {
    const CellRange* merge = sheet_.mergeAt(col, row);
    const CellRange block = merge ? *merge : CellRange{col, row, col, row};
    const int left = sectionViewportPosition(block.left);
    const int right = sectionViewportPosition(block.right) + sectionSize(block.right);
    const int top = headerRowTop(block.top);
    const int bottom = headerRowTop(std::min(block.bottom, kHeaderRowCount - 1) + 1);
    return QRect(QPoint(merge ? left : section.left(), top),
                 QPoint((merge ? right : section.right() + 1) - 1, bottom - 1));
}

void SheetHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    painter->setClipRect(rect);
    const CellLook look = cellLook(logicalIndex, 0);
    QFont font = this->font();
    font.setBold(look.font.bold);
    painter->setFont(font);
    for (int row = 0; row < kHeaderRowCount; ++row) {
        const CellRange* merge = sheet_.mergeAt(logicalIndex, row);
        if (merge && merge->top != row)
            continue;
        const QRect cell = headerCellRect(logicalIndex, row, rect);
        painter->fillRect(cell, toColor(look.fill));
        painter->setPen(toColor(kGridLine));
        painter->drawLine(cell.topRight(), cell.bottomRight());
        painter->drawLine(cell.bottomLeft(), cell.bottomRight());
        painter->setPen(toColor(look.font.colour));
        const int col = merge ? merge->left : logicalIndex;
        painter->drawText(cell.adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin),
                          static_cast<int>(cellAlignment(events_, col, row)),
                          QString::fromStdString(sheet_.cell(col, row)));
    }
    painter->restore();
}

}  // namespace tobrel::sheet::widget
