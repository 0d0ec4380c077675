#include "objects/TGSuperText.h"

#include "objects/LabelDialogs.h"
#include "objects/ObjectEditors.h"
#include "objects/ScreenCanvas.h"
#include "objects/SurfaceFill.h"
#include "objects/SymbolFontMap.h"
#include "objects/TGPanelHost.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"
#include "report/TBaseReport.h"

#include <QScopeGuard>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <optional>

namespace sw {

namespace {

int scaled(int v, float scale)
{
    return scale == 1.0f ? v : truncTowardZero(v * static_cast<double>(scale));
}

} // namespace

TGSuperText::TGSuperText(QObject *owner)
    : TGGraphicControl(owner)
    , mCaption(QStringLiteral("Text"))
    , mFont(new TFont(this))
    , mImage(new TBitmap(this))
{
    mFont->setName(QStringLiteral("Times New Roman"));
    mFont->setSize(48);
    mFont->setColor(clBlack);
    connect(mFont, &TFont::changed, this, [this] { fontChanged(); });
    connect(mImage, &TBitmap::changed, this, [this] { Invalidate(); });
    shadowChanged();
    // The starting size is not a change: the first bounds check after
    // placement records the bounds.
    const bool wasLoading = isLoading();
    setLoading(true);
    SetBounds(Left(), Top(), 142, 33);
    setLoading(wasLoading);
}

TGSuperText::~TGSuperText() = default;

void TGSuperText::changed()
{
    if (!isLoading())
        NotifyChanged();
}

void TGSuperText::fontChanged()
{
    // The metrics feed the layout; a changed font is a changed object.
    mLayoutDirty = true;
    Invalidate();
    changed();
}

void TGSuperText::shadowChanged()
{
    const int d = mShadowDepth;
    switch (mShadowOrientation) {
    case sdNone: mShadowOffset = QPoint(0, 0); break;
    case sdRight: mShadowOffset = QPoint(d, 0); break;
    case sdLeft: mShadowOffset = QPoint(-d, 0); break;
    case sdDownRight: mShadowOffset = QPoint(d, d); break;
    case sdDownLeft: mShadowOffset = QPoint(-d, d); break;
    case sdDown: mShadowOffset = QPoint(0, d); break;
    }
    mLayoutDirty = true;
    Invalidate();
}

// ---- setters -------------------------------------------------------------------------

void TGSuperText::SetShadowDepth(int value)
{
    if (value == mShadowDepth)
        return;
    mShadowDepth = value;
    shadowChanged();
}

void TGSuperText::SetShadowOrientation(TShadowOrientation value)
{
    if (value == mShadowOrientation || value < sdNone || value > sdDown)
        return;
    mShadowOrientation = value;
    shadowChanged();
}

void TGSuperText::SetShadowcolor(TColor value)
{
    if (value == mShadowcolor)
        return;
    mShadowcolor = value;
    Invalidate();
}

void TGSuperText::SetBorderStyle(TBorderStyle value)
{
    if (value == mBorderStyle)
        return;
    mBorderStyle = value;
    // A border keeps the box from shrinking to its text.
    mLayoutDirty = true;
    Invalidate();
    changed();
}

void TGSuperText::SetControlTransparent(bool value)
{
    if (value == mControlTransparent)
        return;
    mControlTransparent = value;
    mLayoutDirty = true;
    Invalidate();
}

void TGSuperText::SetBGColor(TColor value)
{
    if (value == mBGColor)
        return;
    mBGColor = value;
    Invalidate();
    changed();
}

void TGSuperText::SetCaption(const QString &value)
{
    if (value == mCaption)
        return;
    mCaption = value;
    mLayoutDirty = true;
    Invalidate();
    changed();
}

void TGSuperText::SetFillDirection(TFillDirection value)
{
    if (value == mFillDirection || value < GradientFill::gdUp || value > GradientFill::gdRight)
        return;
    mFillDirection = value;
    mGradientDirty = true;
    Invalidate();
}

void TGSuperText::SetGradientToColor(TColor value)
{
    if (value == mGradientToColor)
        return;
    mGradientToColor = value;
    mGradientDirty = true;
    Invalidate();
}

void TGSuperText::SetGradientFromColor(TColor value)
{
    if (value == mGradientFromColor)
        return;
    mGradientFromColor = value;
    changed();
    mGradientDirty = true;
    Invalidate();
}

void TGSuperText::SetImage(const QImage &value)
{
    mImage->setImage(value);
}

void TGSuperText::SetOutlineColor(TColor value)
{
    if (value == mOutlineColor)
        return;
    mOutlineColor = value;
    Invalidate();
}

void TGSuperText::SetOutlineStyle(TPenStyle value)
{
    if (value == mOutlineStyle)
        return;
    mOutlineStyle = value;
    Invalidate();
}

void TGSuperText::SetOutlineWidth(int value)
{
    if (value == mOutlineWidth)
        return;
    mOutlineWidth = value;
    Invalidate();
}

void TGSuperText::SetSurfaceType(TSurfaceType value)
{
    if (value == mSurfaceType || value < stBrushTransparent || value > stGradientFill)
        return;
    mSurfaceType = value;
    Invalidate();
    if (value != stBrushImage)
        mImage->clear();
    if (value == stGradientFill)
        mGradientDirty = true;
    // Unfilled text always keeps an outline.
    if (value == stBrushPattern && mOutlineStyle == psClear)
        SetOutlineStyle(psSolid);
}

void TGSuperText::ApplyFont(const TFont &font)
{
    mFont->Assign(font);
    mLayoutDirty = true;
}

void TGSuperText::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    mLayoutDirty = true;
    mGradientDirty = true;
    if (Width() <= 0 || Height() <= 0)
        SetBounds(Left(), Top(), std::max(1, Width()), std::max(1, Height()));
}

// ---- copying ------------------------------------------------------------------------------

void TGSuperText::CopyTextFrom(const TGSuperText &other)
{
    SetCaption(other.Caption());
    mFont->Assign(*other.Font());
    SetControlTransparent(other.ControlTransparent());
    SetBGColor(other.BGColor());
    SetBorderStyle(other.BorderStyle());
    SetCaption(other.Caption());
    SetGradientFromColor(other.GradientFromColor());
    SetFillDirection(other.FillDirection());
    SetGradientToColor(other.GradientToColor());
    SetImage(other.Image()->image());
    SetOutlineColor(other.OutlineColor());
    SetOutlineStyle(other.OutlineStyle());
    SetOutlineWidth(other.OutlineWidth());
    SetShadowcolor(other.Shadowcolor());
    SetShadowDepth(other.ShadowDepth());
    SetShadowOrientation(other.ShadowOrientation());
    SetSurfaceType(other.SurfaceType());
    setWidth(other.Width());
    setHeight(other.Height());
}

void TGSuperText::ApplyTextFrom(const TGSuperText &sample)
{
    SetGradientFromColor(sample.GradientFromColor());
    SetFillDirection(sample.FillDirection());
    SetGradientToColor(sample.GradientToColor());
    SetImage(sample.Image()->image());
    SetOutlineColor(sample.OutlineColor());
    SetOutlineStyle(sample.OutlineStyle());
    SetOutlineWidth(sample.OutlineWidth());
    SetShadowcolor(sample.Shadowcolor());
    SetShadowDepth(sample.ShadowDepth());
    SetShadowOrientation(sample.ShadowOrientation());
    SetSurfaceType(sample.SurfaceType());
    SetLastBitmapFileNameandPath(sample.LastBitmapFileNameandPath());
    mFont->setColor(sample.Font()->color());
    ApplyFont(*sample.Font());
    SetCaption(sample.Caption());
    mGradientDirty = true;
    mLayoutDirty = true;
    {
        ScreenCanvas screen;
        Layout(screen.canvas());
    }
    Invalidate();
    NotifyChanged();
}

// ---- layout ---------------------------------------------------------------------------------

QString TGSuperText::SelectFont(Canvas &canvas) const
{
    return SymbolFontMap::selectFont(canvas, *mFont, ScaleFactor(), mCaption);
}

QString TGSuperText::fittedText(Canvas &canvas, int room, QString caption) const
{
    // Cut the stored caption, not the text as drawn: a symbol may be drawn
    // with two characters.
    const bool wingDings = SymbolFontMap::isWingDings(mFont->name());
    auto shown = [wingDings](const QString &s) { return wingDings ? SymbolFontMap::toDisplay(s) : s; };
    QString text = shown(caption);
    while (!caption.isEmpty() && canvas.TextWidth(text) > room) {
        caption.chop(1);
        text = shown(caption);
    }
    return text;
}

void TGSuperText::Layout(Canvas &canvas)
{
    if (!mLayoutDirty || mInLayout)
        return;
    mInLayout = true;
    const int sdx = scaled(mShadowOffset.x(), ScaleFactor());
    const int sdy = scaled(mShadowOffset.y(), ScaleFactor());
    const QString text = SelectFont(canvas);
    const int b = canvas.TextHeight(text);
    const int c = canvas.TextWidth(text + QLatin1Char(' '));
    const int ox = sdx < 0 ? -sdx : 0;
    const int oy = sdy < 0 ? -sdy : 0;

    // The box fits the text as drawn at the current zoom.
    if (Width() <= 5)
        fitBounds(Left(), Top(), c, Height());
    const int f = std::abs(sdy) + b;
    if (f * 1.2 < Height() && mControlTransparent && mBorderStyle == bsNone)
        fitBounds(Left(), Top(), Width(), truncTowardZero(f * 1.2));
    if (Height() < f)
        fitBounds(Left(), Top(), Width(), f);

    mTextBox = {ox + 5, oy, Width(), b + oy};
    mShadowBox = mTextBox.shifted(sdx, sdy);
    mTextOrigin = QPoint(mTextBox.left, mTextBox.top);
    mShadowOrigin = QPoint(mTextBox.left + sdx, mShadowBox.top);
    // Resizing above asked for a new layout; this one has the final box.
    mLayoutDirty = false;
    mInLayout = false;
}

const QImage &TGSuperText::GradientBitmap()
{
    if (mGradientDirty || mGradient.width() != Width() || mGradient.height() != Height()) {
        mGradient = GradientFill::render(mFillDirection, mGradientFromColor, mGradientToColor, Width(), Height());
        mGradientDirty = false;
    }
    return mGradient;
}

bool TGSuperText::FitToText()
{
    ScreenCanvas screen;
    Canvas &canvas = screen.canvas();
    // The caption measured in the unscaled font.
    const QSize extent = canvas.TextExtent(SymbolFontMap::selectFont(canvas, *mFont, 1.0f, mCaption));
    const int a = extent.width(), b = extent.height();

    mLayoutDirty = true;
    Layout(canvas);
    const int c = std::max(mTextBox.left, mShadowBox.left);
    const int d = std::max(mTextBox.top, mShadowBox.top);
    SetBounds(Left(), Top(), truncTowardZero(c + a * 1.2), truncTowardZero((b + d) * 1.2));
    if (Height() < b)
        setHeight(truncTowardZero(b * 1.5));
    if (Width() < a)
        setWidth(truncTowardZero(a * 1.5));
    mLayoutDirty = true;
    Invalidate();
    return a <= Width() - c;
}

// ---- screen ------------------------------------------------------------------------------------

void TGSuperText::Paint(Canvas &canvas, const PaintContext &context)
{
    if (mInPaint)
        return;
    mInPaint = true;
    if (Width() < 5 || Height() < 5)
        mLayoutDirty = true;
    Layout(canvas);
    const int e = std::max(mTextBox.left, mShadowBox.left);
    SelectFont(canvas);
    TPen *pen = canvas.Pen();
    TBrush *brush = canvas.Brush();
    brush->setPattern(QImage());
    pen->setMode(pmCopy);

    if (!mControlTransparent || mBorderStyle == bsSingle) {
        brush->setColor(mBGColor);
        brush->setStyle(mControlTransparent ? bsClear : bsSolid);
        pen->setColor(clBlack);
        pen->setWidth(1);
        pen->setStyle(mBorderStyle == bsSingle ? psSolid : psClear);
        canvas.Rectangle(0, 0, Width(), Height());
    }
    brush->setStyle(bsClear);

    const QString text = FittedText(canvas, Width() - e);
    if (text.isEmpty()) {
        // An object without text shows where it is.
        if (context.showPlaceholders) {
            pen->setColor(clBlack);
            pen->setWidth(1);
            pen->setStyle(psSolid);
            canvas.Rectangle(0, 0, Width(), Height());
            canvas.MoveTo(0, 0);
            canvas.LineTo(Width(), Height());
            canvas.MoveTo(Width(), 0);
            canvas.LineTo(0, Height());
        }
        mInPaint = false;
        return;
    }

    // Fills the whole box through the letters of a path.
    auto fillThrough = [&](const QPainterPath &letters, const std::function<void()> &fill) {
        canvas.SaveClip();
        canvas.IntersectClipPath(letters);
        fill();
        canvas.RestoreClip();
    };

    if (showsShadow()) {
        fillThrough(canvas.TextPath(mShadowOrigin.x(), mShadowOrigin.y(), text), [&] {
            brush->setColor(mShadowcolor);
            brush->setStyle(bsSolid);
            canvas.FillRect(0, 0, Width(), Height());
        });
    }

    const QPainterPath letters = canvas.TextPath(mTextOrigin.x(), mTextOrigin.y(), text);
    if (mSurfaceType != stBrushPattern) {
        fillThrough(letters, [&] {
            if (mSurfaceType == stBrushTransparent) {
                brush->setColor(mFont->color());
                brush->setStyle(bsSolid);
                canvas.FillRect(0, 0, Width(), Height());
                return;
            }
            const QImage &bitmap = mSurfaceType == stBrushImage ? mImage->image() : GradientBitmap();
            if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0)
                return;
            const QSize tile = SurfaceFill::screenTileSize(bitmap, mSurfaceType == stBrushImage, ScaleFactor());
            SurfaceFill::paintTiles(canvas, bitmap, tile, Width(), Height());
        });
    }

    if (mOutlineStyle != psClear && mOutlineWidth >= 1) {
        brush->setStyle(bsClear);
        pen->setStyle(mOutlineStyle);
        pen->setColor(mOutlineColor);
        pen->setWidth(mOutlineWidth);
        canvas.StrokePath(letters);
    }
    mInPaint = false;
}

// ---- paper ----------------------------------------------------------------------------------------

void TGSuperText::printTextPath(TBaseReport &report, double x, double y, const QString &text)
{
    report.setTextBKMode(bkTransparent);
    report.BeginPath();
    report.GotoXY(x, y + 0.88 * report.LineHeight());
    // The top of the text cell at y.
    report.setLineTop(y);
    report.PrintText(text);
    report.EndPath();
}

void TGSuperText::PrintTo(TBaseReport &report, double xOff, double yOff)
{
    const double p = ScreenInfo::pixelsPerInch();
    const int ppx = report.PixelsPerInchX(), ppy = report.PixelsPerInchY();
    const double sx = ppx / p, sy = ppy / p;
    auto x = [&](double px) { return xOff + (Left() + px) / p; };
    auto y = [&](double py) { return yOff + (Top() + py) / p; };

    // The layout and the cut of the text in screen pixels, as on the panel.
    mLayoutDirty = true;
    QString text;
    // The designed box, while a filled field has widened it.
    std::optional<QRect> designBox;
    const auto restore = qScopeGuard([this, &designBox] {
        if (!designBox)
            return;
        fitBounds(designBox->x(), designBox->y(), designBox->width(), designBox->height());
        mLayoutDirty = true;
    });
    {
        ScreenCanvas screen;
        Canvas &canvas = screen.canvas();
        Layout(canvas);
        const int e = std::max(mTextBox.left, mShadowBox.left);
        SelectFont(canvas);
        const QString caption = substitutedLine(mCaption);
        if (caption != mCaption) {
            // What a data file fills in is never cut: the box widens to
            // the whole text for this label.
            const int whole = canvas.TextWidth(fittedText(canvas, std::numeric_limits<int>::max(), caption));
            if (whole > Width() - e) {
                designBox = BoundsRect();
                fitBounds(Left(), Top(), e + whole, Height());
                mLayoutDirty = true;
                Layout(canvas);
                SelectFont(canvas);
            }
        }
        text = fittedText(canvas, Width() - e, caption);
    }

    QString face, unused;
    SymbolFontMap::forDisplay(mFont->name(), QString(), &face, &unused);
    report.SetFont(face, mFont->size());
    const TFontStyles style = mFont->style();
    report.SetFontBold(style.testFlag(fsBold));
    report.SetFontItalic(style.testFlag(fsItalic));
    report.SetFontUnderline(style.testFlag(fsUnderline));

    if (!mControlTransparent || mBorderStyle == bsSingle) {
        if (mControlTransparent)
            report.SetBrush(clWhite, bsClear);
        else
            report.SetBrush(mBGColor, bsSolid);
        report.SetPen(clBlack, mBorderStyle == bsSingle ? psSolid : psClear, 1, pmCopy);
        report.Rectangle(x(0), y(0), x(Width()), y(Height()));
    }
    report.SetBrush(clWhite, bsClear);
    if (text.isEmpty())
        return;

    // Fill rectangles reach 0.03 inch further left and up, so that the first
    // pixels of the letters survive the printer's rounding.
    if (mShadowDepth > 0 && mShadowOrientation != sdNone) {
        report.SetFontColor(mShadowcolor);
        const TDeviceRect area = report.CreateRect(x(mShadowBox.left) - 0.03, y(mShadowBox.top) - 0.03,
                                                   x(mShadowBox.right), y(mShadowBox.bottom));
        printTextPath(report, x(mShadowOrigin.x()), y(mShadowOrigin.y()), text);
        report.SelectClipPath();
        report.SetBrush(mShadowcolor, bsSolid);
        report.FillRect(area);
        report.ClipOff();
    }

    report.SetFontColor(mFont->color());
    const TDeviceRect area = report.CreateRect(x(0) - 0.03, y(0) - 0.03, x(Width()), y(Height()));
    if (mSurfaceType != stBrushPattern) {
        printTextPath(report, x(mTextOrigin.x()), y(mTextOrigin.y()), text);
        report.SelectClipPath();
        // The object's own device rectangle (from the paper's corner): tiles
        // and bands are laid from it, as on screen from the box's corner.
        const int dl = truncTowardZero(Left() * sx) + truncTowardZero(ppx * xOff);
        const int dt = truncTowardZero(Top() * sy) + truncTowardZero(ppy * yOff);
        const int dw = roundHalfEven(Width() * sx);
        const int dh = roundHalfEven(Height() * sy);
        switch (mSurfaceType) {
        case stBrushTransparent:
            report.SetBrush(mFont->color(), bsSolid);
            report.FillRect(area);
            break;
        case stBrushImage:
            if (!mImage->isEmpty()) {
                // One tile more up and left covers the extra 0.03 inch.
                const QSize tile = SurfaceFill::printTileSize(mImage->image(), sx, sy);
                const TGPanelHost *host = panel();
                const bool asOne = host && host->previewMode() && SurfaceFill::screenColorCount() <= 256;
                SurfaceFill::printTiles(report, mImage->image(), dl - tile.width(), dt - tile.height(),
                                        dw + tile.width(), dh + tile.height(), sx, sy, asOne);
            }
            break;
        case stGradientFill: {
            const int unprintableLeft = truncTowardZero(report.UnprintableLeft() * ppx);
            const int unprintableTop = truncTowardZero(report.UnprintableTop() * ppy);
            const QRect bands(dl - unprintableLeft, dt - unprintableTop, dw, dh);
            // The colours run across the object as on screen; the end bands
            // reach a quarter inch beyond it, where the clip cuts them.
            const QRect cover(area.left, area.top, area.width() + 1 + truncTowardZero(0.25 * ppx),
                              area.height() + 1 + truncTowardZero(0.25 * ppy));
            SurfaceFill::printGradient(report, mFillDirection, mGradientFromColor, mGradientToColor, bands, cover);
            break;
        }
        case stBrushPattern:
            break;
        }
        report.ClipOff();
    }

    if (mOutlineStyle != psClear && mOutlineWidth > 0) {
        report.SetBrush(mFont->color(), bsClear);
        report.SetPen(mOutlineColor, mOutlineStyle, -mOutlineWidth, pmCopy);
        printTextPath(report, x(mTextOrigin.x()), y(mTextOrigin.y()), text);
        report.StrokePath();
    }
}

// ---- commands and menu --------------------------------------------------------------------------

bool TGSuperText::ChooseFont()
{
    if (!LabelDialogs::chooseFont)
        return false;
    TFont chosen;
    chosen.Assign(*mFont);
    if (!LabelDialogs::chooseFont(chosen))
        return false;
    mFont->Assign(chosen);
    mLayoutDirty = true;
    return true;
}

bool TGSuperText::ChooseBGColor()
{
    if (!LabelDialogs::chooseColor)
        return false;
    TColor color = mBGColor;
    if (!LabelDialogs::chooseColor(color))
        return false;
    SetBGColor(color);
    NotifyChanged();
    SetControlTransparent(false);
    Invalidate();
    return true;
}

void TGSuperText::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Font"), [this] { ChooseFont(); });
    mTransparentItem = menu.add(QStringLiteral("Transparent"), [this] {
        SetControlTransparent(!mControlTransparent);
        NotifyChanged();
    });
    menu.add(QStringLiteral("Background Color"), [this] { ChooseBGColor(); });
    mBorderItem = menu.add(QStringLiteral("Border"),
                           [this] { SetBorderStyle(mBorderStyle == bsSingle ? bsNone : bsSingle); });
    menu.add(QStringLiteral("Properties"), [this] { ObjectEditors::edit(this); });
    menu.aboutToOpen = [this] { UpdateMenuChecks(); };
    UpdateMenuChecks();
}

void TGSuperText::UpdateMenuChecks()
{
    PopupMenu &menu = ObjectMenu();
    if (mBorderItem >= 0)
        menu.entry(mBorderItem).checked = mBorderStyle == bsSingle;
    if (mTransparentItem >= 0)
        menu.entry(mTransparentItem).checked = mControlTransparent;
}

} // namespace sw
