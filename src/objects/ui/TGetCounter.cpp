#include "objects/ui/TGetCounter.h"

#include "objects/ui/DialogButtons.h"
#include "objects/ui/InsertFieldBox.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace sw {

TGetCounter::TGetCounter(QWidget *parent)
    : QDialog(parent)
    , mTextBefore(new QLineEdit(this))
    , mStartingNumber(new QSpinBox(this))
    , mRepeatFor(new QSpinBox(this))
    , mTextAfter(new QLineEdit(this))
    , mLeadingZeros(new QSpinBox(this))
    , mInsertField(new InsertFieldBox(this))
    , mFieldTarget(mTextBefore)
{
    setWindowTitle(QStringLiteral("Counter"));
    mTextBefore->setObjectName(QStringLiteral("TextBefore"));
    mStartingNumber->setObjectName(QStringLiteral("StartingNumber"));
    mRepeatFor->setObjectName(QStringLiteral("RepeatFor"));
    mTextAfter->setObjectName(QStringLiteral("TextAfter"));
    mLeadingZeros->setObjectName(QStringLiteral("LeadingZeros"));

    mStartingNumber->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    mRepeatFor->setRange(1, 999);
    mLeadingZeros->setRange(0, 9);
    mLeadingZeros->setMaximumWidth(mLeadingZeros->fontMetrics().horizontalAdvance(QStringLiteral("0")) + 40);

    auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    auto *grid = new QGridLayout;
    grid->addWidget(label(QStringLiteral("Text  before"), mTextBefore), 0, 0);
    grid->addWidget(mTextBefore, 0, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("Starting Number"), mStartingNumber), 1, 0);
    grid->addWidget(mStartingNumber, 1, 1);
    grid->addWidget(label(QStringLiteral("Repeat number for #of  labels?"), mRepeatFor), 1, 2);
    grid->addWidget(mRepeatFor, 1, 3);
    grid->addWidget(label(QStringLiteral("Text after"), mTextAfter), 2, 0);
    grid->addWidget(mTextAfter, 2, 1, 1, 3);
    auto *zeros = new QHBoxLayout;
    zeros->addWidget(label(QStringLiteral("Leading zeros to "), mLeadingZeros));
    zeros->addWidget(mLeadingZeros);
    zeros->addWidget(new QLabel(QStringLiteral("digits"), this));
    zeros->addStretch(1);
    grid->addLayout(zeros, 3, 0, 1, 4);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(mInsertField);
    layout->addLayout(new DialogButtons(this, HelpTopic));

    // A field goes where the user last was: before or after the number.
    mTextBefore->installEventFilter(this);
    mTextAfter->installEventFilter(this);
    for (QLineEdit *edit : {mTextBefore, mTextAfter})
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { mFieldTarget = edit; });
    connect(mInsertField, &InsertFieldBox::fieldChosen, this, [this](const QString &reference) {
        mFieldTarget->insert(reference);
        mFieldTarget->setFocus();
    });
}

bool TGetCounter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && (watched == mTextBefore || watched == mTextAfter))
        mFieldTarget = static_cast<QLineEdit *>(watched);
    return QDialog::eventFilter(watched, event);
}

CounterSettings TGetCounter::settings() const
{
    CounterSettings s;
    s.TextBefore = mTextBefore->text();
    s.StartingNumber = mStartingNumber->value();
    s.RepeatFor = mRepeatFor->value();
    s.TextAfter = mTextAfter->text();
    s.LeadingZeros = mLeadingZeros->value();
    return s;
}

void TGetCounter::setSettings(const CounterSettings &s)
{
    mTextBefore->setText(s.TextBefore);
    mStartingNumber->setValue(s.StartingNumber);
    mRepeatFor->setValue(s.RepeatFor);
    mTextAfter->setText(s.TextAfter);
    mLeadingZeros->setValue(s.LeadingZeros);
}

} // namespace sw
