#include "controls/TNumEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <cmath>

namespace sw {

namespace {

QChar decimalPoint(const QLocale &locale)
{
    const QString s = locale.decimalPoint();
    return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

QChar groupSeparator(const QLocale &locale)
{
    const QString s = locale.groupSeparator();
    return s.isEmpty() ? QChar() : s.at(0);
}

QChar minusSign(const QLocale &locale)
{
    const QString s = locale.negativeSign();
    return s.isEmpty() ? QLatin1Char('-') : s.at(0);
}

bool isPlaceholder(QChar c)
{
    return c == QLatin1Char('#') || c == QLatin1Char('0');
}

// Formats |value| through one picture mask: literal text before the first
// placeholder and after the last is copied; the integer part gets at least
// as many digits as the mask has '0's before its point; the fraction is
// rounded to min(places in the mask, maxDecimals) and loses trailing zeros
// down to the number of '0's after the point.
QString formatMask(double value, const QString &mask, int maxDecimals, const QLocale &locale)
{
    int first = -1, last = -1;
    for (int i = 0; i < mask.size(); ++i) {
        if (isPlaceholder(mask.at(i)) || mask.at(i) == QLatin1Char('.') || mask.at(i) == QLatin1Char(',')) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return mask; // no placeholders: the mask is the whole text
    const QString prefix = mask.left(first);
    const QString suffix = mask.mid(last + 1);
    const QString body = mask.mid(first, last - first + 1);
    const int point = body.indexOf(QLatin1Char('.'));
    const QString intPart = point < 0 ? body : body.left(point);
    const QString fracPart = point < 0 ? QString() : body.mid(point + 1);
    const int minIntDigits = static_cast<int>(intPart.count(QLatin1Char('0')));
    const bool grouping = intPart.contains(QLatin1Char(','));
    const int maskPlaces = static_cast<int>(fracPart.count(QLatin1Char('0')) + fracPart.count(QLatin1Char('#')));
    const int requiredPlaces = fracPart.lastIndexOf(QLatin1Char('0')) + 1;
    const int places = std::max(0, std::min(maskPlaces, maxDecimals));

    QString digits = QString::number(std::fabs(value), 'f', places);
    QString whole = digits, fraction;
    if (const int dot = static_cast<int>(digits.indexOf(QLatin1Char('.'))); dot >= 0) {
        whole = digits.left(dot);
        fraction = digits.mid(dot + 1);
    }
    while (fraction.size() > std::min(requiredPlaces, places) && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (whole == QLatin1String("0") && minIntDigits == 0)
        whole.clear();
    while (whole.size() < minIntDigits)
        whole.prepend(QLatin1Char('0'));
    if (grouping && !groupSeparator(locale).isNull()) {
        for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3)
            whole.insert(i, groupSeparator(locale));
    }
    QString text = prefix + whole;
    if (!fraction.isEmpty())
        text += decimalPoint(locale) + fraction;
    return text + suffix;
}

} // namespace

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setDragEnabled(false);
    setAcceptDrops(false);
    showValue();
}

void TNumEdit::setValue(double value)
{
    mValue = value;
    showValue();
}

void TNumEdit::setDecimals(int decimals)
{
    mDecimals = std::max(0, decimals);
    showValue();
}

void TNumEdit::setDigits(int digits)
{
    mDigits = std::max(0, digits);
}

void TNumEdit::setMasks(const TNumMasks &masks)
{
    mMasks = masks;
    showValue();
}

void TNumEdit::showValue()
{
    setText(formatValue(mValue, mMasks, mDecimals));
    setModified(false);
}

void TNumEdit::leave()
{
    if (isModified()) {
        double parsed = 0.0;
        if (parseValue(text(), parsed))
            mValue = parsed;
        showValue();
    }
    Q_EMIT exited();
}

QString TNumEdit::formatValue(double value, const TNumMasks &masks, int decimals, const QLocale &locale)
{
    if (!std::isfinite(value))
        return QString();
    // Pick the section by the value as it will be shown, so that -0.0004
    // shown with three places is a zero, not "-0".
    const double shown = std::round(value * std::pow(10.0, std::min(decimals, 15))) ;
    if (shown == 0.0 && !masks.ZeroMask.isEmpty())
        return formatMask(0.0, masks.ZeroMask, decimals, locale);
    if (value < 0.0 && shown != 0.0) {
        if (!masks.NegativeMask.isEmpty())
            return formatMask(value, masks.NegativeMask, decimals, locale);
        return minusSign(locale) + formatMask(value, masks.PositiveMask, decimals, locale);
    }
    return formatMask(value, masks.PositiveMask, decimals, locale);
}

bool TNumEdit::parseValue(const QString &text, double &value, const QLocale &locale)
{
    QString t = text.trimmed();
    const QChar group = groupSeparator(locale);
    if (!group.isNull())
        t.remove(group);
    if (t.isEmpty()) {
        value = 0.0;
        return true;
    }
    bool ok = false;
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    const double d = plain.toDouble(t, &ok);
    if (!ok || !std::isfinite(d))
        return false;
    value = d;
    return true;
}

bool TNumEdit::acceptsChar(QChar c) const
{
    const QLocale locale;
    const QChar point = decimalPoint(locale);
    const QString current = text();
    // The text as it would be: the selection (if any) replaced by c.
    int pos = cursorPosition();
    QString rest = current;
    if (hasSelectedText()) {
        pos = selectionStart();
        rest.remove(pos, selectedText().size());
    }
    QString next = rest;
    next.insert(pos, c);

    if (c.isDigit() && c.unicode() < 0x80) {
        // fall through to the length and places checks
    } else if (c == point) {
        if (mDecimals == 0 || rest.contains(point))
            return false;
    } else if (c == groupSeparator(locale) && !c.isNull()) {
        // allowed anywhere; ignored when the text is parsed
    } else if (c == QLatin1Char('-') || c == minusSign(locale)) {
        if (rest.contains(QLatin1Char('-')) || rest.contains(minusSign(locale)) || pos != 0)
            return false;
    } else {
        return false;
    }
    if (mDigits > 0 && next.size() > mDigits)
        return false;
    if (const int dot = static_cast<int>(next.indexOf(point)); dot >= 0) {
        int places = 0;
        for (int i = dot + 1; i < next.size(); ++i)
            places += next.at(i).isDigit() ? 1 : 0;
        if (places > mDecimals)
            return false;
    }
    return true;
}

void TNumEdit::pasteFiltered()
{
    if (isReadOnly())
        return;
    const QString clip = QGuiApplication::clipboard()->text();
    for (QChar c : clip) {
        if (acceptsChar(c))
            insert(QString(c));
    }
}

void TNumEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typed.isEmpty() || command || typed.at(0).unicode() < 0x20 || typed.at(0).unicode() == 0x7F) {
        // Navigation, deletion, copy and cut, Enter, Escape and Tab keep
        // their usual meaning.
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isReadOnly() || typed.size() != 1 || !acceptsChar(typed.at(0))) {
        event->accept(); // ignored: nothing is inserted
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TNumEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window or opening a pop-up does not leave the
    // box; the focus comes back to it.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    leave();
}

} // namespace sw
