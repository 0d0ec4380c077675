#include "objects/TGCounterLabel.h"

#include "objects/LabelDialogs.h"

#include <algorithm>

namespace sw {

TGCounterLabel::TGCounterLabel(QObject *owner)
    : TGBaseLabel(owner)
{
}

void TGCounterLabel::SetStartingnumber(int value)
{
    if (value == mStartingnumber)
        return;
    mStartingnumber = value;
    ResetSequence();
}

void TGCounterLabel::SetRepeatEach(int value)
{
    if (value == mRepeatEach)
        return;
    mRepeatEach = value;
    Invalidate();
}

void TGCounterLabel::SetTextBefore(const QString &value)
{
    if (value == mTextBefore)
        return;
    mTextBefore = value;
    Invalidate();
}

void TGCounterLabel::SetTextAfter(const QString &value)
{
    if (value == mTextAfter)
        return;
    mTextAfter = value;
    Invalidate();
}

void TGCounterLabel::SetLeadingZeros(int value)
{
    if (value == mLeadingZeros)
        return;
    mLeadingZeros = value;
    Invalidate();
}

QString TGCounterLabel::formatNumber(int number, int leadingZeros)
{
    if (leadingZeros <= 0)
        return QString::number(number);
    // As printf's %N.Nd: at least N digits, zeros after the minus sign.
    const qint64 magnitude = number < 0 ? -static_cast<qint64>(number) : number;
    const QString digits = QString::number(magnitude)
                               .rightJustified(std::min(leadingZeros, MaxLeadingZeros), QLatin1Char('0'));
    return number < 0 ? QLatin1Char('-') + digits : digits;
}

void TGCounterLabel::UpdateCaption()
{
    SetCaption(mTextBefore + formatNumber(mCurrentNumber, mLeadingZeros) + mTextAfter);
}

QString TGCounterLabel::PrintedCaption() const
{
    if (!hasPrintSubstitution())
        return Caption();
    return substitutedLine(mTextBefore) + formatNumber(mCurrentNumber, mLeadingZeros) + substitutedLine(mTextAfter);
}

void TGCounterLabel::ResetSequence()
{
    mCurrentNumber = mStartingnumber;
    mRepeatCount = 0;
    UpdateCaption();
    Invalidate();
}

void TGCounterLabel::NextLabel()
{
    ++mRepeatCount;
    if (mRepeatCount != mRepeatEach)
        return;
    ++mCurrentNumber;
    mRepeatCount = 0;
    // The next PrintTo prints the caption as it stands, also on a panel
    // that is never painted.
    UpdateCaption();
    Invalidate();
}

void TGCounterLabel::Paint(Canvas &canvas, const PaintContext &context)
{
    UpdateCaption();
    TGBaseLabel::Paint(canvas, context);
    // Lay the caption out afresh at the next paint.
    TGBaseLabel::BoundsChanged();
}

bool TGCounterLabel::EditCounter()
{
    if (!LabelDialogs::getCounter)
        return false;
    CounterSettings settings;
    settings.RepeatFor = mRepeatEach;
    settings.StartingNumber = mStartingnumber;
    settings.TextBefore = mTextBefore;
    settings.TextAfter = mTextAfter;
    settings.LeadingZeros = mLeadingZeros;
    if (!LabelDialogs::getCounter(settings))
        return false;
    SetStartingnumber(settings.StartingNumber);
    SetRepeatEach(settings.RepeatFor);
    SetTextBefore(settings.TextBefore);
    SetTextAfter(settings.TextAfter);
    SetLeadingZeros(settings.LeadingZeros);
    // The box fits the caption as shown, leading zeros included.
    UpdateCaption();
    if (Angle() == 0) {
        setWidth(10);
        GrowToFit();
    }
    Invalidate();
    NotifyChanged();
    return true;
}

void TGCounterLabel::Loaded()
{
    TGBaseLabel::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Counter Settings"), [this] { EditCounter(); });
    addRotationMenu();
}

} // namespace sw
