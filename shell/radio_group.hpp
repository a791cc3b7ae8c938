#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace tobrel::shell {

// A captioned group of radio items laid out in columns; itemIndex() is the chosen item.
class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    int itemIndex() const;
    void setItemIndex(int index);

  private:
    QButtonGroup* group_;
};

}  // namespace tobrel::shell
