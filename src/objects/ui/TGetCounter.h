#pragma once
// The "Counter" window: texts before and after the number, the starting
// number, how many labels repeat each number and the zero padding. With a
// data file chosen, "Insert field" writes a column into the text before or
// after the number, whichever was edited last.
#include "objects/LabelDialogs.h"

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace sw {

class InsertFieldBox;

class TGetCounter : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40006;

    explicit TGetCounter(QWidget *parent = nullptr);

    CounterSettings settings() const;
    void setSettings(const CounterSettings &settings);

    QLineEdit *TextBefore() const { return mTextBefore; }
    QSpinBox *StartingNumber() const { return mStartingNumber; }
    QSpinBox *RepeatFor() const { return mRepeatFor; }
    QLineEdit *TextAfter() const { return mTextAfter; }
    QSpinBox *LeadingZeros() const { return mLeadingZeros; }
    InsertFieldBox *InsertField() const { return mInsertField; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *mTextBefore;
    QSpinBox *mStartingNumber;
    QSpinBox *mRepeatFor;
    QLineEdit *mTextAfter;
    QSpinBox *mLeadingZeros;
    InsertFieldBox *mInsertField;
    QLineEdit *mFieldTarget;
};

} // namespace sw
