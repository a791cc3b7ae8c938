#pragma once

#include <QStyledItemDelegate>

#include "sheet/widget/grid_events.hpp"

namespace tobrel::sheet::widget {

class SheetGrid;

// Draws the cells (current row highlighted, alignment from the grid's event) and makes the
// editor the grid's events ask for.
class SheetDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    SheetDelegate(SheetGrid& grid, const GridEvents& events, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* editor, QEvent* event) override;

  private:
    SheetGrid& grid_;
    const GridEvents& events_;
};

}  // namespace tobrel::sheet::widget
