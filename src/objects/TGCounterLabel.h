#pragma once
// A running number on consecutive labels ("Ticket 0001", "Ticket 0002" ...):
// fixed text before and after the number, a starting value, zero padding to
// a number of digits, and a repeat count (the same number on N consecutive
// printed labels). The caption is computed and never typed; everything else
// is the text label's.
#include "objects/TGBaseLabel.h"

namespace sw {

class TGCounterLabel : public TGBaseLabel
{
    Q_OBJECT
    Q_PROPERTY(QString TextBefore READ TextBefore WRITE SetTextBefore)
    Q_PROPERTY(QString TextAfter READ TextAfter WRITE SetTextAfter)
    Q_PROPERTY(int Startingnumber READ Startingnumber WRITE SetStartingnumber)
    Q_PROPERTY(int RepeatEach READ RepeatEach WRITE SetRepeatEach)
    Q_PROPERTY(int LeadingZeros READ LeadingZeros WRITE SetLeadingZeros)
    Q_CLASSINFO("default:TextBefore", "")
    Q_CLASSINFO("default:TextAfter", "")

public:
    // Padding beyond this many digits is not honoured (the dialog offers 0
    // to 9; a damaged file must not ask for gigabytes of zeros).
    static constexpr int MaxLeadingZeros = 64;

    explicit TGCounterLabel(QObject *owner = nullptr);

    // A change restarts the sequence (CurrentNumber := the new value).
    int Startingnumber() const { return mStartingnumber; }
    void SetStartingnumber(int value);
    // Labels printed with one number before it goes up; 0 or less: never.
    int RepeatEach() const { return mRepeatEach; }
    void SetRepeatEach(int value);
    QString TextBefore() const { return mTextBefore; }
    void SetTextBefore(const QString &value);
    QString TextAfter() const { return mTextAfter; }
    void SetTextAfter(const QString &value);
    // Minimum digits, padded with zeros after the sign; 0 or less: none.
    int LeadingZeros() const { return mLeadingZeros; }
    void SetLeadingZeros(int value);

    int CurrentNumber() const { return mCurrentNumber; }
    int RepeatCount() const { return mRepeatCount; }

    // The number as the caption shows it: "-0042" for -42 with 4 digits.
    static QString formatNumber(int number, int leadingZeros);
    // Caption := TextBefore + the padded CurrentNumber + TextAfter.
    void UpdateCaption();
    // "Counter Settings": the settings dialog; true on OK.
    bool EditCounter();

    // TextBefore and TextAfter through the print substitution around the
    // number.
    QString PrintedCaption() const override;
    QStringList SubstitutedTexts() const override { return {mTextBefore, mTextAfter}; }

    void Loaded() override;
    void Paint(Canvas &canvas, const PaintContext &context) override;
    void ResetSequence() override;
    void NextLabel() override;

protected:
    bool showsWholeCaption() const override { return true; }

private:
    int mStartingnumber = 1;
    int mRepeatEach = 1;
    QString mTextBefore;
    QString mTextAfter;
    int mCurrentNumber = 1;
    int mRepeatCount = 0;
    int mLeadingZeros = 0;
};

} // namespace sw
