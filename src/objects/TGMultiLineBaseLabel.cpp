#include "objects/TGMultiLineBaseLabel.h"

#include "objects/AlignmentMenu.h"
#include "objects/LabelDialogs.h"
#include "objects/ScreenCanvas.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"
#include "report/TBaseReport.h"

#include <QRegularExpression>

#include <algorithm>

namespace sw {

TGMultiLineBaseLabel::TGMultiLineBaseLabel(QObject *owner)
    : TGGraphicControl(owner)
    , mItems(new TStringList(this))
    , mFont(new TFont(this))
{
    mFont->setName(QStringLiteral("Arial"));
    mFont->setSize(10);
    connect(mFont, &TFont::changed, this, [this] { fontChanged(); });
    connect(mItems, &TStringList::changed, this, [this] { Invalidate(); });
    // The starting size is not a change: the first bounds check after
    // placement records the bounds.
    const bool wasLoading = isLoading();
    setLoading(true);
    SetBounds(Left(), Top(), 190, 33);
    setLoading(wasLoading);
}

TGMultiLineBaseLabel::~TGMultiLineBaseLabel() = default;

void TGMultiLineBaseLabel::changed()
{
    if (!isLoading())
        NotifyChanged();
}

// ---- properties ------------------------------------------------------------------

void TGMultiLineBaseLabel::SetItems(const QStringList &lines)
{
    mItems->setStrings(lines);
    Invalidate();
}

void TGMultiLineBaseLabel::SetAlignment(TAlignment value)
{
    if (value == mAlignment)
        return;
    mAlignment = value;
    Invalidate();
}

void TGMultiLineBaseLabel::SetWordWrap(bool value)
{
    if (value == mWordWrap)
        return;
    mWordWrap = value;
    // The stream sets Items and Font before WordWrap, so this wrap is
    // complete also while reading.
    if (value)
        RewrapLines();
    Invalidate();
    changed();
}

QStringList TGMultiLineBaseLabel::Lines() const
{
    return mWordWrap ? mWrappedLines : mItems->strings();
}

void TGMultiLineBaseLabel::fontChanged()
{
    Invalidate();
    if (isLoading())
        return;
    if (mWordWrap)
        RewrapLines();
    NotifyChanged();
}

void TGMultiLineBaseLabel::ApplyFont(const TFont &font)
{
    mFont->Assign(font);
    FontChanged();
    if (mWordWrap)
        RewrapLines();
}

void TGMultiLineBaseLabel::BoundsChanged()
{
    if (mWordWrap)
        RewrapLines();
    TGGraphicControl::BoundsChanged();
}

// ---- word wrap ------------------------------------------------------------------------

void TGMultiLineBaseLabel::SelectFont(Canvas &canvas) const
{
    TFont *f = canvas.Font();
    f->Assign(*mFont);
    if (ScaleFactor() != 1.0f)
        f->setSize(truncTowardZero(mFont->size() * static_cast<double>(ScaleFactor())));
}

QStringList TGMultiLineBaseLabel::WrapLine(const QString &line, int maxWidth,
                                           const std::function<int(const QString &)> &textWidth)
{
    const int n = line.size();
    if (n == 0)
        return {QString()};
    auto isSpace = [&line](int i) { return line.at(i) == QLatin1Char(' '); };
    QStringList out;
    int start = 0;
    while (start < n) {
        // Take words while the text from start to the word's end fits.
        int fitEnd = -1; // end of the last word that fits
        int wordStart = start, wordEnd = start;
        bool toEnd = false; // the rest of the line fits
        for (int i = start;;) {
            wordStart = i;
            while (wordStart < n && isSpace(wordStart))
                ++wordStart;
            if (wordStart == n) { // only spaces remain: they hang
                toEnd = true;
                break;
            }
            wordEnd = wordStart;
            while (wordEnd < n && !isSpace(wordEnd))
                ++wordEnd;
            if (textWidth(line.mid(start, wordEnd - start)) > maxWidth)
                break;
            fitEnd = wordEnd;
            i = wordEnd;
            if (wordEnd == n) {
                toEnd = true;
                break;
            }
        }
        if (toEnd) {
            out.append(line.mid(start));
            break;
        }
        if (fitEnd >= 0) {
            out.append(line.mid(start, fitEnd - start));
            // The spaces at the break belong to neither line.
            start = fitEnd;
            while (start < n && isSpace(start))
                ++start;
            continue;
        }
        // The first word alone is wider than the line: break it after the
        // last character that fits, keeping at least one.
        int m = 1;
        while (start + m < wordEnd && textWidth(line.mid(start, m + 1)) <= maxWidth)
            ++m;
        out.append(line.mid(start, m));
        start += m;
    }
    return out;
}

QStringList TGMultiLineBaseLabel::wrapLines(const QStringList &hardLines) const
{
    ScreenCanvas screen;
    Canvas &canvas = screen.canvas();
    SelectFont(canvas);
    const auto measure = [&canvas](const QString &s) { return canvas.TextWidth(s); };
    const int maxWidth = Width() - WrapMargin;
    QStringList lines;
    for (const QString &line : hardLines)
        lines.append(WrapLine(line, maxWidth, measure));
    return lines;
}

void TGMultiLineBaseLabel::RewrapLines()
{
    if (!mWordWrap)
        return;
    mWrappedLines = wrapLines(mItems->strings());
    Invalidate();
}

QStringList TGMultiLineBaseLabel::PrintedLines() const
{
    if (!hasPrintSubstitution())
        return Lines();
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\n|\\r"));
    QStringList lines;
    for (const QString &line : mItems->strings()) {
        const QString filled = substituted(line);
        if (filled == line) {
            lines.append(line);
            continue;
        }
        if (filled.trimmed().isEmpty())
            continue;
        if (filled.contains(QLatin1Char('\n')) || filled.contains(QLatin1Char('\r')))
            lines.append(filled.split(lineBreak));
        else
            lines.append(filled);
    }
    return mWordWrap ? wrapLines(lines) : lines;
}

void TGMultiLineBaseLabel::FitToText()
{
    ScreenCanvas screen;
    Canvas &canvas = screen.canvas();
    SelectFont(canvas);
    int w = Width();
    if (mWordWrap)
        RewrapLines();
    const QStringList lines = Lines();
    const int h = canvas.TextHeight(QStringLiteral("XXX")) * lines.size();
    for (const QString &line : lines)
        w = std::max(w, canvas.TextWidth(line));
    SetBounds(Left(), Top(), w, h);
    Invalidate();
}

// ---- screen -------------------------------------------------------------------------------

void TGMultiLineBaseLabel::Paint(Canvas &canvas, const PaintContext &context)
{
    QStringList lines = Lines();
    const int right = Width();
    SelectFont(canvas);
    canvas.Brush()->setPattern(QImage());
    canvas.Brush()->setStyle(bsClear);
    if (context.showPlaceholders) {
        // An empty label, or one whose only line is blank, still shows
        // where it is.
        if (lines.isEmpty())
            lines.append(QStringLiteral("<blank>"));
        if (lines.size() == 1 && TrimSpaces(lines.first()).isEmpty())
            lines.append(QStringLiteral("<blank>"));
    }
    const int h = canvas.TextHeight(QStringLiteral("XXX"));
    int y = 0;
    for (const QString &line : lines) {
        if (y >= Height())
            break; // below the bottom: clipped away
        const int w = canvas.TextWidth(line);
        int x = 0;
        if (mAlignment == taRightJustify)
            x = right - w - 1;
        else if (mAlignment == taCenter)
            x = right / 2 - w / 2 + 1;
        canvas.TextRect(0, y, right, y + h, x, y, line);
        y += h;
    }
}

// ---- paper -----------------------------------------------------------------------------------

void TGMultiLineBaseLabel::PrintTo(TBaseReport &report, double xOff, double yOff)
{
    const QStringList lines = PrintedLines(); // no placeholder on paper
    const double p = ScreenInfo::pixelsPerInch();
    const double dx = report.PixelsPerInchX();
    const double dy = report.PixelsPerInchY();
    // Device pixels per screen pixel: right-aligned text keeps the same
    // one-pixel gap before the edge as on screen.
    const int k = truncTowardZero(dx / p);

    report.setLineHeightMethod(lhmFont);
    report.SetFont(mFont->name(), mFont->size());
    report.SetFontBold(mFont->style().testFlag(fsBold));
    report.SetFontColor(mFont->color());
    report.SetFontItalic(mFont->style().testFlag(fsItalic));
    report.SetFontRotation(0);
    // The font's line height: size / 60 inch.
    report.UpdateLineHeight();
    const int lh = roundHalfEven(report.LineHeight() * dy);
    report.SetBrush(clWhite, bsClear);

    double left = xOff + Left() / p;
    TDeviceRect box = report.CreateRect(left, yOff + Top() / p, xOff + (Left() + Width()) / p,
                                        yOff + (Top() + Height()) / p);
    if (hasPrintSubstitution() && lines != Lines()) {
        // Filled fields are laid out as if typed: the box takes every line
        // whole, its aligned edge staying where it is.
        const int grown = fitLines(report, lines, lh, k, box);
        left -= grown / dx;
    }
    int y = box.top;
    for (const QString &line : lines) {
        const int top = y;
        y = top + lh;
        if (top >= box.bottom)
            break; // the remaining lines lie below the box
        if (y > box.bottom)
            y = box.bottom;
        int shift = 0;
        if (mAlignment != taLeftJustify) {
            // Measuring costs as much as drawing: only aligned lines do.
            const int w = roundHalfEven(report.TextWidth(line) * dx);
            shift = mAlignment == taRightJustify ? box.width() - (w + k) : box.width() / 2 - w / 2 + k;
        }
        // Each line starts on a whole device row, so lines never overlap
        // or drift apart by rounding.
        report.TextRect(TDeviceRect{box.left, top, box.right, y}, left + shift / dx,
                        report.DeviceToUnitsY(top), line);
    }
}

int TGMultiLineBaseLabel::fitLines(TBaseReport &report, const QStringList &lines, int lineHeight, int gap,
                                   TDeviceRect &box) const
{
    const double dx = report.PixelsPerInchX();
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, roundHalfEven(report.TextWidth(line) * dx));
    // A centred line stands two gaps in from the right edge, a right-aligned
    // one a gap.
    const int width = widest + 2 * gap;
    box.bottom = std::max(box.bottom, box.top + lineHeight * int(lines.size()));
    if (width <= box.width())
        return 0;
    int grown = width - box.width();
    if (mAlignment == taLeftJustify)
        grown = 0;
    else if (mAlignment == taCenter)
        grown /= 2;
    box.left -= grown;
    box.right = box.left + width;
    return grown;
}

// ---- menu -----------------------------------------------------------------------------------

bool TGMultiLineBaseLabel::ChooseFont()
{
    bool accepted = false;
    if (LabelDialogs::chooseFont) {
        TFont chosen;
        chosen.Assign(*mFont);
        accepted = LabelDialogs::chooseFont(chosen);
        if (accepted)
            mFont->Assign(chosen);
    }
    FontChanged();
    if (mWordWrap)
        RewrapLines();
    return accepted;
}

void TGMultiLineBaseLabel::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Font"), [this] { ChooseFont(); });
    auto alignment = AlignmentMenu::make([this](TAlignment a) {
        SetAlignment(a);
        NotifyChanged();
    });
    mAlignmentItem = menu.add(QStringLiteral("Alignment"));
    menu.entry(mAlignmentItem).submenu = alignment;
    menu.aboutToOpen = [this] { UpdateMenuChecks(); };
    UpdateMenuChecks();
    // The ScaleFactor the panel gave may differ from the one read with.
    if (mWordWrap)
        RewrapLines();
}

void TGMultiLineBaseLabel::UpdateMenuChecks()
{
    if (mAlignmentItem < 0)
        return;
    AlignmentMenu::check(*ObjectMenu().entry(mAlignmentItem).submenu, mAlignment);
}

} // namespace sw
