#include "shell/radio_group.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace tobrel::shell {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->setVerticalSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], this);
        group_->addButton(item, i);
        layout->addWidget(item, i / columns, i % columns);
    }
}

int RadioGroup::itemIndex() const {
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* item = group_->button(index))
        item->setChecked(true);
}

}  // namespace tobrel::shell
