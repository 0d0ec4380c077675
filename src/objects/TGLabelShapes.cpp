#include "objects/TGLabelShapes.h"

#include "objects/LabelDialogs.h"
#include "objects/LineThicknessMenu.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"
#include "report/TBaseReport.h"

#include <algorithm>
#include <cstdint>

namespace sw {

TGLabelShapes::TGLabelShapes(QObject *owner)
    : TGGraphicControl(owner)
    , mPen(new TPen(this))
    , mBrush(new TBrush(this))
{
    connect(mPen, &TPen::changed, this, [this] { Invalidate(); });
    connect(mBrush, &TBrush::changed, this, [this] { Invalidate(); });
    // The starting size is not a change: the first bounds check after
    // placement records the bounds.
    const bool wasLoading = isLoading();
    setLoading(true);
    SetBounds(Left(), Top(), 25, 25);
    setLoading(wasLoading);
}

TGLabelShapes::~TGLabelShapes() = default;

void TGLabelShapes::SetTransparent(bool value)
{
    if (value == mTransparent)
        return;
    mTransparent = value;
    mBrush->setStyle(value ? bsClear : bsSolid);
    Invalidate();
}

void TGLabelShapes::SetRoundPerc(int value)
{
    if (value == mRoundPerc)
        return;
    mRoundPerc = value;
    Invalidate();
}

void TGLabelShapes::SetShape(TShapeType value)
{
    if (value == mShape)
        return;
    mShape = value;
    Invalidate();
}

TGLabelShapes::Kind TGLabelShapes::kind() const
{
    switch (mShape) {
    case stRoundRect:
    case stRoundSquare:
        return RoundRectKind;
    case stEllipse:
    case stCircle:
        return EllipseKind;
    case stRectangle:
    case stSquare:
        break;
    }
    return RectangleKind;
}

// ---- screen -------------------------------------------------------------------

int TGLabelShapes::ScreenPenWidth() const
{
    const int width = mPen->width();
    if (ScaleFactor() == 1.0f)
        return width;
    int w = roundHalfEven(width * static_cast<double>(ScaleFactor()));
    // A thin outline must not vanish when zoomed out.
    if (w <= 0 && width > 0)
        w = 1;
    return w;
}

QRect TGLabelShapes::DrawRect() const
{
    const int w = ScreenPenWidth();
    const int h = w / 2;
    // From (h, h) to (Width + h - w + 1, Height + h - w + 1) exclusive.
    return QRect(h, h, Width() - w + 1, Height() - w + 1);
}

int TGLabelShapes::CornerSize() const
{
    // RoundPerc per cent of the longer side, truncated. Integer arithmetic
    // keeps exact percentages exact (29 % of 100 is 29, where 29 x 0.01 x 100
    // in binary floating point truncates to 28).
    const int64_t longer = std::max(Width(), Height());
    return static_cast<int>(static_cast<int64_t>(mRoundPerc) * longer / 100);
}

void TGLabelShapes::Paint(Canvas &canvas, const PaintContext &context)
{
    Q_UNUSED(context)
    TPen *pen = canvas.Pen();
    pen->setColor(mPen->color());
    pen->setMode(mPen->mode());
    pen->setStyle(mPen->style());
    pen->setWidth(ScreenPenWidth());
    TBrush *brush = canvas.Brush();
    brush->setPattern(QImage());
    brush->setColor(mBrush->color());
    brush->setStyle(mBrush->style());

    const QRect r = DrawRect();
    const int x1 = r.left(), y1 = r.top(), x2 = r.left() + r.width(), y2 = r.top() + r.height();
    switch (kind()) {
    case RectangleKind:
        canvas.Rectangle(x1, y1, x2, y2);
        break;
    case RoundRectKind: {
        const int c = CornerSize();
        canvas.RoundRect(x1, y1, x2, y2, c, c);
        break;
    }
    case EllipseKind:
        canvas.Ellipse(x1, y1, x2, y2);
        break;
    }
}

// ---- paper ----------------------------------------------------------------------

void TGLabelShapes::PrintTo(TBaseReport &report, double xOff, double yOff)
{
    const double p = ScreenInfo::pixelsPerInch();
    // The pixel width in hundredths of an inch (negative: a width in
    // hundredths); 0 at high screen resolutions, the thinnest line.
    report.SetPen(mPen->color(), mPen->style(), -truncTowardZero(mPen->width() / p * 100), mPen->mode());
    report.SetBrush(mBrush->color(), mBrush->style());

    const double x1 = Left() / p + xOff;
    const double y1 = Top() / p + yOff;
    const double x2 = (Left() + Width()) / p + xOff;
    const double y2 = (Top() + Height()) / p + yOff;
    switch (kind()) {
    case RectangleKind:
        report.Rectangle(x1, y1, x2, y2);
        break;
    case RoundRectKind: {
        const double longer = Height() < Width() ? x2 - x1 : y2 - y1;
        const double r = mRoundPerc * 0.01 * longer;
        report.RoundRect(x1, y1, x2, y2, r, r);
        break;
    }
    case EllipseKind:
        report.Ellipse(x1, y1, x2, y2);
        break;
    }
}

// ---- menu ---------------------------------------------------------------------------

bool TGLabelShapes::ChooseBackgroundColor()
{
    TColor color = mBrush->color();
    if (!LabelDialogs::chooseColor || !LabelDialogs::chooseColor(color))
        return false;
    mBrush->setColor(color);
    NotifyChanged();
    // Setting the colour of a transparent shape means wanting to see it.
    SetTransparent(false);
    Invalidate();
    return true;
}

bool TGLabelShapes::ChooseLineColor()
{
    TColor color = mPen->color();
    if (!LabelDialogs::chooseColor || !LabelDialogs::chooseColor(color))
        return false;
    mPen->setColor(color);
    NotifyChanged();
    Invalidate();
    return true;
}

void TGLabelShapes::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Background Color"), [this] { ChooseBackgroundColor(); });
    menu.add(QStringLiteral("Line Color"), [this] { ChooseLineColor(); });
    mThicknessItem = menu.add(QStringLiteral("Line Thickness"));
    menu.entry(mThicknessItem).submenu = LineThicknessMenu::make([this](int width) {
        mPen->setWidth(width);
        NotifyChanged();
    });
    menu.addSeparator();
    mTransparentItem = menu.add(QStringLiteral("Transparent"), [this] {
        SetTransparent(!mTransparent);
        NotifyChanged();
    });
    // Decided once: a shape changed to or from a rounded kind later keeps
    // the menu it was built with.
    if (mShape == stRoundRect || mShape == stRoundSquare) {
        menu.addSeparator();
        auto rounding = std::make_shared<PopupMenu>();
        for (int perc = 20; perc <= 80; perc += 10) {
            const int i = rounding->add(QString::number(perc) + QStringLiteral(" %"), [this, perc] {
                SetRoundPerc(perc);
                NotifyChanged();
            });
            rounding->entry(i).tag = perc;
        }
        const int item = menu.add(QStringLiteral("Degree of Rounding"));
        menu.entry(item).submenu = rounding;
    }
    menu.aboutToOpen = [this] { UpdateMenuChecks(); };
    UpdateMenuChecks();
}

void TGLabelShapes::UpdateMenuChecks()
{
    PopupMenu &menu = ObjectMenu();
    if (mTransparentItem >= 0)
        menu.entry(mTransparentItem).checked = mTransparent;
    if (mThicknessItem >= 0)
        LineThicknessMenu::check(*menu.entry(mThicknessItem).submenu, mPen->width());
}

} // namespace sw
