#include "objects/TGBaseLabel.h"

#include "objects/AlignmentMenu.h"
#include "objects/LabelDialogs.h"
#include "objects/ScreenCanvas.h"
#include "objects/SymbolFontMap.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"
#include "platform/TFont.h"
#include "report/TBaseReport.h"

#include <algorithm>
#include <optional>

namespace sw {

TGBaseLabel::TGBaseLabel(QObject *owner)
    : TGGraphicControl(owner)
    , mCaption(QStringLiteral("Text"))
    , mFont(new TFont(this))
{
    mFont->setName(QStringLiteral("Arial"));
    mFont->setSize(10);
    mFont->setColor(clBlack);
    connect(mFont, &TFont::changed, this, [this] { fontChanged(); });
    // The default box is not a change: the first bounds check after
    // placement records the bounds.
    const bool wasLoading = isLoading();
    setLoading(true);
    SetBounds(Left(), Top(), 142, 33);
    setLoading(wasLoading);
}

TGBaseLabel::~TGBaseLabel() = default;

void TGBaseLabel::changed()
{
    if (!reading())
        NotifyChanged();
}

// ---- setters -------------------------------------------------------------------

void TGBaseLabel::SetAlignment(TAlignment value)
{
    if (value == mAlignment)
        return;
    mAlignment = value;
    mNeedsLayout = true;
    Invalidate();
    changed();
}

void TGBaseLabel::SetAngle(int value)
{
    if (value != 0 && value != 90 && value != 180 && value != 270)
        return;
    if (value == mAngle)
        return;
    mAngle = value;
    mNeedsLayout = true;
    if (value != 0)
        SetAlignment(taLeftJustify);
    if (!reading()) {
        const bool across = value == 0 || value == 180;
        if ((across && Width() < Height()) || (!across && Height() < Width()))
            SetBounds(Left(), Top(), Height(), Width());
    }
    Invalidate();
}

void TGBaseLabel::updateOffsets()
{
    const int s = mDepthShadow;
    switch (mDirectionShadow) {
    case sdNone: mShadowOffset = QPoint(0, 0); break;
    case sdRight: mShadowOffset = QPoint(s, 0); break;
    case sdLeft: mShadowOffset = QPoint(-s, 0); break;
    case sdDownRight: mShadowOffset = QPoint(s, s); break;
    case sdDownLeft: mShadowOffset = QPoint(-s, s); break;
    case sdDown: mShadowOffset = QPoint(0, s); break;
    }
    const int h = mDepthHighlight;
    switch (mDirectionHighlight) {
    case hdNone: mHighlightOffset = QPoint(0, 0); break;
    case hdright: mHighlightOffset = QPoint(h, 0); break;
    case hdLeft: mHighlightOffset = QPoint(-h, 0); break;
    case hdUpRight: mHighlightOffset = QPoint(h, -h); break;
    case hdUpLeft: mHighlightOffset = QPoint(-h, -h); break;
    case hdUp: mHighlightOffset = QPoint(0, -h); break;
    }
}

void TGBaseLabel::SetDepthHighlight(int value)
{
    if (value == mDepthHighlight)
        return;
    mDepthHighlight = value;
    updateOffsets();
    mNeedsLayout = true;
    Invalidate();
}

void TGBaseLabel::SetDirectionHighlight(THighlightDirection value)
{
    if (value == mDirectionHighlight)
        return;
    mDirectionHighlight = value;
    updateOffsets();
    mNeedsLayout = true;
    Invalidate();
}

void TGBaseLabel::SetDepthShadow(int value)
{
    if (value == mDepthShadow)
        return;
    mDepthShadow = value;
    updateOffsets();
    mNeedsLayout = true;
    Invalidate();
}

void TGBaseLabel::SetDirectionShadow(TShadowDirection value)
{
    if (value == mDirectionShadow)
        return;
    mDirectionShadow = value;
    updateOffsets();
    mNeedsLayout = true;
    Invalidate();
}

void TGBaseLabel::SetcolorHighlight(TColor value)
{
    if (value == mColorHighlight)
        return;
    mColorHighlight = value;
    Invalidate();
}

void TGBaseLabel::SetcolorShadow(TColor value)
{
    if (value == mColorShadow)
        return;
    mColorShadow = value;
    Invalidate();
}

void TGBaseLabel::SetCaption(const QString &value)
{
    if (value == mCaption)
        return;
    mCaption = value;
    // The text's width feeds the layout.
    mNeedsLayout = true;
    Invalidate();
    changed();
}

void TGBaseLabel::SetTransparent(bool value)
{
    if (value == mTransparent)
        return;
    mTransparent = value;
    if (mTransparentItem >= 0)
        ObjectMenu().entry(mTransparentItem).checked = value;
    changed();
    Invalidate();
}

void TGBaseLabel::SetBackColor(TColor value)
{
    if (value == mBackColor)
        return;
    mBackColor = value;
    changed();
    Invalidate();
}

void TGBaseLabel::SetBorderStyle(TBorderStyle value)
{
    if (value == mBorderStyle)
        return;
    mBorderStyle = value;
    Invalidate();
    changed();
}

void TGBaseLabel::fontChanged()
{
    // The metrics feed the layout; a changed font is a changed label.
    mNeedsLayout = true;
    Invalidate();
    changed();
}

void TGBaseLabel::ApplyFont(const TFont &font)
{
    mFont->Assign(font);
    mNeedsLayout = true;
}

void TGBaseLabel::BoundsChanged()
{
    if (reading()) {
        mNeedsLayout = true;
        return;
    }
    TGGraphicControl::BoundsChanged();
    mNeedsLayout = true;
    if (Width() < 1 || Height() < 1)
        SetBounds(Left(), Top(), std::max(1, Width()), std::max(1, Height()));
}

// ---- layout -------------------------------------------------------------------------

QString TGBaseLabel::SelectFont(Canvas &canvas) const
{
    return SymbolFontMap::selectFont(canvas, *mFont, ScaleFactor(), mCaption);
}

void TGBaseLabel::Layout(Canvas &canvas)
{
    layoutText(canvas, mCaption);
}

QString TGBaseLabel::PrintedCaption() const
{
    return substitutedLine(mCaption);
}


void TGBaseLabel::layoutText(Canvas &canvas, const QString &caption)
{
    if (!mNeedsLayout)
        return;
    mPrintLayoutPpi = 0;
    const int a = mAngle;
    const QString text = SymbolFontMap::selectFont(canvas, *mFont, ScaleFactor(), caption);
    if (a != 0)
        canvas.setFontEscapement(a * 10);

    const TTextMetric tm = canvas.textMetrics();
    const int th = tm.height + tm.internalLeading + tm.externalLeading;
    // The text's width (and a space) is measured only when the box or the
    // alignment needs it: measuring shapes the text, and a merged caption
    // is new on every label it prints.
    std::optional<int> width;
    const auto tw = [&] {
        if (!width)
            width = canvas.TextWidth(text + QLatin1Char(' '));
        return *width;
    };

    const int sx = mShadowOffset.x(), sy = mShadowOffset.y();
    const int hx = mHighlightOffset.x(), hy = mHighlightOffset.y();
    int mx = 0, my = 0;
    if (sx < 0)
        mx = -sx;
    if (hx < 0)
        mx = std::max(-hx, mx);
    if (sy < 0)
        my = -sy;
    if (hy < 0)
        my = std::max(-hy, my);
    mMargin = QPoint(mx, my);

    // The thickness of the three copies together, across the text.
    const int l = th + sy - hy;
    if (autoSizes()) {
        // The box fits the text as drawn at the current zoom.
        const auto fitWidth = [this](int w) { fitBounds(Left(), Top(), w, Height()); };
        const auto fitHeight = [this](int h) { fitBounds(Left(), Top(), Width(), h); };
        if (a == 0 || a == 180) {
            if (a == 180 && 2 * tw() < Width())
                fitWidth(2 * tw());
            if (Width() <= 5)
                fitWidth(tw());
            if (1.2 * l < Height())
                fitHeight(truncTowardZero(1.2 * l));
            if (Height() < l)
                fitHeight(l);
        } else {
            if (1.2 * tw() < Height())
                fitHeight(truncTowardZero(1.2 * tw()));
            if (Height() < 5)
                fitHeight(tw());
            if (1.2 * l < Width())
                fitWidth(truncTowardZero(1.2 * l));
            if (Width() < l)
                fitWidth(l);
        }
    }

    // A caption the user never typed, or one a data file filled in, is
    // never cut.
    if (autoSizes() && (showsWholeCaption() || caption != mCaption))
        growToShow(canvas, text, tw(), mx, my);

    Rect main;
    if (a == 0 || a == 180)
        main = {mx, my, Width(), my + th};
    else
        main = {my, mx, my + th, Height() - my};
    const int rw = main.right - main.left + 1;
    const int rh = main.bottom - main.top + 1;
    if (a == 90)
        main = main.shifted(0, Height() - rh + hx);
    else if (a == 180)
        main = main.shifted(Width() - rw - sy, 0);
    mMainRect = main;

    // The offsets are in unturned text coordinates; turn them with the text.
    auto turned = [a](int dx, int dy) {
        switch (a) {
        case 90: return QPoint(dy, -dx);
        case 180: return QPoint(-dx, -dy);
        case 270: return QPoint(-dy, dx);
        default: return QPoint(dx, dy);
        }
    };
    const QPoint so = turned(sx, sy), ho = turned(hx, hy);
    mShadowRect = main.shifted(so.x(), so.y());
    mHighlightRect = main.shifted(ho.x(), ho.y());

    // Each copy starts at the corner of its rectangle where the turned
    // text's cell begins.
    auto origin = [a](const Rect &r) {
        switch (a) {
        case 90: return QPoint(r.left, r.bottom);
        case 180: return QPoint(r.right, r.bottom);
        case 270: return QPoint(r.right, r.top);
        default: return QPoint(r.left, r.top);
        }
    };
    mMainOrigin = origin(mMainRect);
    mShadowOrigin = origin(mShadowRect);
    mHighlightOrigin = origin(mHighlightRect);

    if (a == 0) {
        int x = mMainRect.left;
        if (mAlignment == taRightJustify)
            x = mMainRect.right - tw();
        else if (mAlignment == taCenter)
            // Half the rectangle's width measured from the box's left edge.
            x = (mMainRect.right - mMainRect.left) / 2 - tw() / 2;
        mMainOrigin.setX(x);
        mHighlightOrigin.setX(x + hx);
        mShadowOrigin.setX(x + sx);
    } else {
        canvas.setFontEscapement(0);
    }
    // Resizing above reported bounds changes, which asked for a new layout;
    // this one already has the final box.
    mNeedsLayout = false;
}

void TGBaseLabel::growToShow(Canvas &canvas, const QString &text, int tw, int mx, int my)
{
    // The new box must pass the layout's own sizing unchanged, or every
    // paint would shrink and grow it again.
    if (mAngle == 0) {
        // As GrowToFit sizes a typed caption: room for the copies that
        // stand furthest right, and five spaces.
        const int left = mx + std::max({0, mShadowOffset.x(), mHighlightOffset.x()});
        if (Width() >= left + tw)
            return;
        const int width = left + canvas.TextWidth(text + QStringLiteral("     "));
        const int grown = width - Width();
        int x = Left();
        if (mAlignment == taRightJustify)
            x -= grown;
        else if (mAlignment == taCenter)
            x -= grown / 2;
        fitBounds(x, Top(), width, Height());
    } else if (mAngle == 180) {
        // Upside down the text starts at the right edge; the layout keeps
        // the box within twice the text's width.
        if (Width() >= mx + tw || mx + tw > 2 * tw)
            return;
        const int width = std::min(mx + canvas.TextWidth(text + QStringLiteral("     ")), 2 * tw);
        fitBounds(Left() - (width - Width()), Top(), width, Height());
    } else {
        // The length the layout gives the text in a box long enough for it.
        const int height = truncTowardZero(1.2 * tw);
        if (Height() >= tw + mx + my || tw + mx + my > height)
            return;
        // Turned by 90 degrees the text reads upwards from the bottom edge,
        // by 270 downwards from the top edge.
        const int y = mAngle == 90 ? Top() - (height - Height()) : Top();
        fitBounds(Left(), y, Width(), height);
    }
}

// ---- painting ---------------------------------------------------------------------------

void TGBaseLabel::Paint(Canvas &canvas, const PaintContext &context)
{
    Q_UNUSED(context)
    if (Width() < 5 || Height() < 5)
        mNeedsLayout = true;
    Layout(canvas);

    if (!mTransparent) {
        canvas.Pen()->setStyle(psClear);
        canvas.Brush()->setStyle(bsSolid);
        canvas.Brush()->setColor(mBackColor);
        canvas.FillRect(0, 0, Width(), Height());
    }

    const QString text = SelectFont(canvas);
    if (mAngle != 0)
        canvas.setFontEscapement(mAngle * 10);
    canvas.Brush()->setStyle(bsClear);
    // A copy without depth or direction lies exactly under the main text,
    // where its smoothed edges would tint the glyphs; it is left out, as on
    // paper.
    auto draw = [&](TColor color, const QPoint &origin, const Rect &r) {
        canvas.Font()->setColor(color);
        canvas.TextRect(r.left, r.top, r.right, r.bottom, origin.x(), origin.y(), text);
    };
    if (showsShadow())
        draw(mColorShadow, mShadowOrigin, mShadowRect);
    if (showsHighlight())
        draw(mColorHighlight, mHighlightOrigin, mHighlightRect);
    draw(mFont->color(), mMainOrigin, mMainRect);
    canvas.setFontEscapement(0);

    if (mBorderStyle == bsSingle) {
        canvas.Pen()->setColor(clBlack);
        canvas.Pen()->setWidth(1);
        canvas.Pen()->setStyle(psSolid);
        canvas.Pen()->setMode(pmCopy);
        canvas.Brush()->setStyle(bsClear);
        canvas.Rectangle(0, 0, Width(), Height());
    }
}

void TGBaseLabel::GrowToFit()
{
    if (mAngle != 0)
        return;
    ScreenCanvas screen;
    Canvas &canvas = screen.canvas();
    const QString text = SelectFont(canvas);
    const int left = std::max({mMainRect.left, mShadowRect.left, mHighlightRect.left});
    const int newWidth = left + canvas.TextWidth(text + QStringLiteral("     "));
    if (Width() < newWidth)
        setWidth(newWidth);
    const int top = std::max({mMainRect.top, mShadowRect.top, mHighlightRect.top});
    const int newHeight = top + canvas.TextHeight(text);
    if (Height() < newHeight)
        setHeight(newHeight);
    mNeedsLayout = true;
    Invalidate();
}

// ---- printing ------------------------------------------------------------------------------

void TGBaseLabel::PrintTo(TBaseReport &report, double xOff, double yOff)
{
    const double ppi = ScreenInfo::pixelsPerInch();
    auto x = [&](double p) { return xOff + (Left() + p) / ppi; };
    auto y = [&](double q) { return yOff + (Top() + q) / ppi; };

    // The layout in screen pixels, as on the design panel. A merged
    // caption is laid out as if it had been typed; the box it fits to is
    // given back afterwards, so every record starts from the design's box.
    // Every label of a run prints the same caption in the same box (but for
    // counters and merged fields), so the layout made for the label before
    // serves until its caption or anything else it depends on changes.
    const QString caption = PrintedCaption();
    const QRect designBox = BoundsRect();
    const bool merged = hasPrintSubstitution();
    if (mNeedsLayout || caption != mPrintLayoutCaption || mPrintLayoutPpi != ppi
        || mPrintLayoutScale != ScaleFactor()) {
        if (!mPrintCanvas || mPrintCanvas->canvas().pixelsPerInch() != ppi)
            mPrintCanvas = std::make_unique<ScreenCanvas>();
        mNeedsLayout = true;
        layoutText(mPrintCanvas->canvas(), caption);
        mPrintLayoutPpi = int(ppi);
        mPrintLayoutScale = ScaleFactor();
        mPrintLayoutCaption = caption;
    }

    if (!mTransparent) {
        report.SetPen(mBackColor, psClear, 0, pmCopy);
        report.SetBrush(mBackColor, bsSolid);
        report.Rectangle(x(0), y(0), x(Width() - 1), y(Height() - 1));
    }

    QString face, text;
    SymbolFontMap::forDisplay(mFont->name(), caption, &face, &text);
    report.SetFont(face, mFont->size());
    const TFontStyles style = mFont->style();
    report.SetFontBold(style.testFlag(fsBold));
    report.SetFontItalic(style.testFlag(fsItalic));
    report.SetFontUnderline(style.testFlag(fsUnderline));
    report.SetFontRotation(mAngle);
    report.SetBrush(clWhite, bsClear);

    // Each copy is clipped to its rectangle, widened by 0.03 inch to the
    // left and up so that the first pixels of the glyphs survive the
    // printer's rounding.
    auto print = [&](TColor color, const Rect &r, const QPoint &origin) {
        report.SetFontColor(color);
        const TDeviceRect clip = report.CreateRect(x(r.left) - 0.03, y(r.top) - 0.03, x(r.right), y(r.bottom));
        report.TextRect(clip, x(origin.x()), y(origin.y()), text);
    };
    if (showsShadow())
        print(mColorShadow, mShadowRect, mShadowOrigin);
    if (showsHighlight())
        print(mColorHighlight, mHighlightRect, mHighlightOrigin);
    print(mFont->color(), mMainRect, mMainOrigin);

    if (mBorderStyle == bsSingle) {
        report.SetBrush(clWhite, bsClear);
        report.SetPen(clBlack, psSolid, 1, pmCopy);
        report.Rectangle(x(0), y(0), x(Width()), y(Height()));
    }
    report.SetFontRotation(0);
    if (merged && BoundsRect() != designBox) {
        fitBounds(designBox.x(), designBox.y(), designBox.width(), designBox.height());
        mNeedsLayout = true;
    }
}

// ---- commands and menu -------------------------------------------------------------------------

bool TGBaseLabel::ChooseFont()
{
    if (!LabelDialogs::chooseFont)
        return false;
    TFont chosen;
    chosen.Assign(*mFont);
    if (!LabelDialogs::chooseFont(chosen))
        return false;
    mFont->Assign(chosen);
    mNeedsLayout = true;
    return true;
}

bool TGBaseLabel::Edit3DEffects()
{
    if (!LabelDialogs::font3DEffects || !LabelDialogs::font3DEffects(*this))
        return false;
    NotifyChanged();
    return true;
}

bool TGBaseLabel::ChooseBackColor()
{
    if (!LabelDialogs::chooseColor)
        return false;
    TColor color = mBackColor;
    if (!LabelDialogs::chooseColor(color))
        return false;
    SetBackColor(color);
    SetTransparent(false);
    Invalidate();
    return true;
}

void TGBaseLabel::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Font"), [this] { ChooseFont(); });
    menu.add(QStringLiteral("3D Effects"), [this] { Edit3DEffects(); });

    auto alignment = AlignmentMenu::make([this](TAlignment a) {
        SetAlignment(a);
        NotifyChanged();
    });
    mAlignmentItem = menu.add(QStringLiteral("Alignment"));
    menu.entry(mAlignmentItem).submenu = alignment;

    mTransparentItem = menu.add(QStringLiteral("Transparent"), [this] { SetTransparent(!mTransparent); });
    menu.add(QStringLiteral("Background Color"), [this] { ChooseBackColor(); });
    mBorderItem = menu.add(QStringLiteral("Border"),
                           [this] { SetBorderStyle(mBorderStyle == bsSingle ? bsNone : bsSingle); });
    menu.aboutToOpen = [this] { UpdateMenuChecks(); };
    UpdateMenuChecks();
}

void TGBaseLabel::UpdateMenuChecks()
{
    PopupMenu &menu = ObjectMenu();
    if (mBorderItem >= 0)
        menu.entry(mBorderItem).checked = mBorderStyle == bsSingle;
    if (mTransparentItem >= 0)
        menu.entry(mTransparentItem).checked = mTransparent;
    if (mAlignmentItem >= 0) {
        AlignmentMenu::check(*menu.entry(mAlignmentItem).submenu, mAlignment);
    }
}

void TGBaseLabel::addRotationMenu()
{
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    auto rotation = std::make_shared<PopupMenu>();
    rotation->add(QStringLiteral("No Rotation"), [this] { SetAngle(0); });
    rotation->add(QStringLiteral("90 Degrees"), [this] { SetAngle(90); });
    rotation->add(QStringLiteral("180 Degrees"), [this] { SetAngle(180); });
    rotation->add(QStringLiteral("270 Degrees"), [this] { SetAngle(270); });
    const int item = menu.add(QStringLiteral("Rotation"));
    menu.entry(item).submenu = rotation;
}

} // namespace sw
