#pragma once

#include <QHeaderView>

#include "sheet/sheet.hpp"
#include "sheet/widget/grid_events.hpp"

namespace tobrel::sheet::widget {

// The two header rows of the sheet, merged blocks included, drawn as the grid's column header:
// they stay in view when the rows scroll, follow the columns sideways, and let the user drag a
// column border to change its width.
class SheetHeader : public QHeaderView {
    Q_OBJECT
  public:
    SheetHeader(const Sheet& sheet, const GridEvents& events, QWidget* parent);

    QSize sizeHint() const override;

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

  private:
    // The cell (col, row) of a header row, widened to its merged block, in viewport pixels.
    QRect headerCellRect(int col, int row, const QRect& section) const;
    int headerRowTop(int row) const;

    const Sheet& sheet_;
    const GridEvents& events_;
};

// Qt alignment flags for a cell, as the grid's alignment event decides.
Qt::Alignment cellAlignment(const GridEvents& events, int col, int row);

}  // namespace tobrel::sheet::widget
