#pragma once

#include <QAbstractTableModel>

#include "sheet/sheet.hpp"

namespace tobrel::sheet::widget {

// The point rows of a sheet as a table model: model row r is sheet row r + 2. The header rows
// are drawn by the grid's header, so they can never be selected or edited.
class SheetModel : public QAbstractTableModel, private SheetObserver {
    Q_OBJECT
  public:
    explicit SheetModel(Sheet& sheet, QObject* parent = nullptr);
    ~SheetModel() override;

    Sheet& sheet() const { return sheet_; }
    static int sheetRow(int modelRow) { return modelRow + kFirstPointRow; }
    static int modelRow(int sheetRow) { return sheetRow - kFirstPointRow; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  signals:
    // The sheet moved its current cell or selection, or rows moved under it.
    void sheetCurrentChanged();
    void headerChanged();
    // Widths, heights or merges may have changed.
    void sizesChanged();

  private:
    void cellChanged(int col, int row) override;
    void rowsInserted(int first, int count) override;
    void rowsRemoved(int first, int count) override;
    void layoutReset() override;
    void currentChanged() override;

    Sheet& sheet_;
    int shownRows_ = 0;
    int shownColumns_ = 0;
};

}  // namespace tobrel::sheet::widget
