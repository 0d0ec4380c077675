#include "objects/ui/TGetLabelText.h"

#include "objects/ui/DialogButtons.h"
#include "objects/ui/InsertFieldBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace sw {

TGetLabelText::TGetLabelText(QWidget *parent)
    : QDialog(parent)
    , mLabelText(new QLineEdit(this))
    , mInsertField(new InsertFieldBox(this))
{
    setWindowTitle(QStringLiteral("Text"));
    mLabelText->setObjectName(QStringLiteral("LabelText"));
    mLabelText->setMinimumWidth(300);
    auto *layout = new QVBoxLayout(this);
    auto *prompt = new QLabel(QStringLiteral("Enter Text"), this);
    prompt->setBuddy(mLabelText);
    layout->addWidget(prompt);
    layout->addWidget(mLabelText);
    layout->addWidget(mInsertField);
    layout->addLayout(new DialogButtons(this, HelpTopic));
    connect(mInsertField, &InsertFieldBox::fieldChosen, this, [this](const QString &reference) {
        mLabelText->insert(reference);
        mLabelText->setFocus();
    });
    mLabelText->setFocus();
}

QString TGetLabelText::text() const
{
    return mLabelText->text();
}

void TGetLabelText::setText(const QString &text)
{
    mLabelText->setText(text);
    mLabelText->selectAll();
}

} // namespace sw
