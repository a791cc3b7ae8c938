#pragma once

#include <QTableView>

#include "sheet/sheet.hpp"
#include "sheet/widget/grid_events.hpp"

namespace tobrel::sheet::widget {

class SheetModel;
class SheetHeader;

// The sheet on the window: point rows in the table, the two header rows frozen above them.
// The view's current cell and selection mirror the sheet's, both ways.
class SheetGrid : public QTableView {
    Q_OBJECT
  public:
    SheetGrid(Sheet& sheet, QWidget* parent = nullptr);

    Sheet& sheet() const { return sheet_; }
    GridEvents& events() { return events_; }

    // With direct-edit mode on, one click on a cell opens its editor.
    void setDirectEdit(bool on);
    bool directEdit() const { return directEdit_; }
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

    // Moves the keyboard focus to the next (or previous) control of the window.
    void leaveSheet(bool forward);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void applySheetLayout();
    void applySizes();
    void showSheetCurrent();
    void takeViewSelection();

    Sheet& sheet_;
    GridEvents events_;
    SheetModel* model_;
    SheetHeader* header_;
    bool directEdit_ = false;
    bool syncing_ = false;
};

}  // namespace tobrel::sheet::widget
