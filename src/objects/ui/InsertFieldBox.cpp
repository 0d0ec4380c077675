#include "objects/ui/InsertFieldBox.h"

#include "merge/FieldTemplate.h"
#include "merge/MergeSession.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace sw {

InsertFieldBox::InsertFieldBox(QWidget *parent)
    : QWidget(parent)
    , mFields(new QComboBox(this))
{
    setObjectName(QStringLiteral("InsertField"));
    mFields->setObjectName(QStringLiteral("Fields"));
    mFields->setPlaceholderText(QStringLiteral("Choose a column"));
    auto *label = new QLabel(QStringLiteral("Insert &field"), this);
    label->setBuddy(mFields);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(mFields, 1);
    connect(mFields, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        if (index < 0)
            return;
        const QString column = mFields->itemText(index);
        // Back to the prompt, so the same column can be picked again.
        mFields->setCurrentIndex(-1);
        Q_EMIT fieldChosen(FieldTemplate::reference(column));
    });
    setColumns(MergeSession::columns());
}

void InsertFieldBox::setColumns(const QStringList &columns)
{
    mFields->clear();
    mFields->addItems(columns);
    mFields->setCurrentIndex(-1);
    setVisible(!columns.isEmpty());
}

} // namespace sw
