#include "controls/TRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace sw {

TRadioGroup::TRadioGroup(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent), mButtons(new QButtonGroup(this))
{
    new QGridLayout(this);
    connect(mButtons, &QButtonGroup::idClicked, this, &TRadioGroup::itemClicked);
}

void TRadioGroup::setItems(const QStringList &captions, int columns)
{
    const auto old = mButtons->buttons();
    for (QAbstractButton *b : old) {
        mButtons->removeButton(b);
        delete b;
    }
    auto *grid = static_cast<QGridLayout *>(layout());
    columns = qMax(1, columns);
    const int rows = (static_cast<int>(captions.size()) + columns - 1) / columns;
    for (int i = 0; i < captions.size(); ++i) {
        auto *b = new QRadioButton(captions.at(i), this);
        if (!objectName().isEmpty())
            b->setObjectName(objectName() + QString::number(i));
        mButtons->addButton(b, i);
        grid->addWidget(b, i % rows, i / rows);
    }
}

int TRadioGroup::count() const
{
    return static_cast<int>(mButtons->buttons().size());
}

QRadioButton *TRadioGroup::button(int item) const
{
    return qobject_cast<QRadioButton *>(mButtons->button(item));
}

int TRadioGroup::ItemIndex() const
{
    return mButtons->checkedId();
}

void TRadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *b = mButtons->button(index)) {
        b->setChecked(true);
    } else if (QAbstractButton *checked = mButtons->checkedButton()) {
        mButtons->setExclusive(false);
        checked->setChecked(false);
        mButtons->setExclusive(true);
    }
}

} // namespace sw
