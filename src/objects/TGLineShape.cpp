#include "objects/TGLineShape.h"

#include "objects/LabelDialogs.h"
#include "objects/LineThicknessMenu.h"
#include "objects/TGPanelHost.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"
#include "report/TBaseReport.h"

namespace sw {

TGLineShape::TGLineShape(QObject *owner)
    : TGGraphicControl(owner)
    , mPen(new TPen(this))
{
    connect(mPen, &TPen::changed, this, [this] { Invalidate(); });
    const bool wasLoading = isLoading();
    setLoading(true);
    SetBounds(Left(), Top(), 10, 10);
    setLoading(wasLoading);
}

TGLineShape::~TGLineShape() = default;

void TGLineShape::SetLineStyle(TLineStyle value)
{
    if (value == mLineStyle)
        return;
    mLineStyle = value;
    Invalidate();
}

int TGLineShape::ScreenPenWidth() const
{
    if (ScaleFactor() == 1.0f)
        return mPen->width();
    return roundHalfEven(mPen->width() * static_cast<double>(ScaleFactor()));
}

void TGLineShape::Paint(Canvas &canvas, const PaintContext &context)
{
    Q_UNUSED(context)
    TPen *pen = canvas.Pen();
    pen->Assign(*mPen);
    const int w = ScreenPenWidth();
    pen->setWidth(w);
    const int h = w / 2;
    // The line is inset by half the pen width along its own axis, so that a
    // wide line stays inside the bounds; LineTo leaves out the end point.
    switch (mLineStyle) {
    case stHorizontal:
        canvas.MoveTo(h, h);
        canvas.LineTo(Width() + h - w + 1, h);
        break;
    case stVertical:
        canvas.MoveTo(h, h);
        canvas.LineTo(h, h + Height() - w + 1);
        break;
    case stAngleSlopingUp:
        canvas.MoveTo(Width(), 0);
        canvas.LineTo(0, Height());
        break;
    case stAngleSlopingDown:
        canvas.MoveTo(0, 0);
        canvas.LineTo(Width(), Height());
        break;
    }
}

void TGLineShape::PrintTo(TBaseReport &report, double xOff, double yOff)
{
    const double p = ScreenInfo::pixelsPerInch();
    // The pixel width is printed as that many hundredths of an inch.
    report.SetPen(mPen->color(), mPen->style(), -mPen->width(), pmCopy);
    const int h = mPen->width() / 2;
    const double xl = Left() / p + xOff;
    const double xr = (Left() + Width()) / p + xOff;
    const double yt = (Top() + h) / p + yOff;
    const double yb = (Top() + Height() + h) / p + yOff;
    switch (mLineStyle) {
    case stHorizontal:
        report.MoveTo(xl, yt);
        report.LineTo(xr, yt);
        break;
    case stVertical:
        report.MoveTo(xl, yt);
        report.LineTo(xl, yb);
        break;
    case stAngleSlopingUp:
        report.MoveTo(xl, yb);
        report.LineTo(xr, yt);
        break;
    case stAngleSlopingDown:
        report.MoveTo(xl, yt);
        report.LineTo(xr, yb);
        break;
    }
}

bool TGLineShape::ChooseColor()
{
    TColor color = mPen->color();
    if (!LabelDialogs::chooseColor || !LabelDialogs::chooseColor(color))
        return false;
    NotifyChanged();
    mPen->setColor(color);
    Invalidate();
    return true;
}

void TGLineShape::StretchToEdges()
{
    TGPanelHost *host = panel();
    if (!host)
        return;
    // The bounds change reports itself through BoundsChanged.
    if (mLineStyle == stHorizontal)
        SetBounds(0, Top(), host->panelWidth(), Height());
    else if (mLineStyle == stVertical)
        SetBounds(Left(), 0, Width(), host->panelHeight());
    Invalidate();
}

void TGLineShape::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    auto styles = std::make_shared<PopupMenu>();
    auto style = [this](TLineStyle s) {
        return [this, s] {
            NotifyChanged();
            SetLineStyle(s);
        };
    };
    styles->add(QStringLiteral("Horizontal"), style(stHorizontal));
    styles->add(QStringLiteral("Vertical"), style(stVertical));
    styles->add(QStringLiteral("Angled Sloping Up"), style(stAngleSlopingUp));
    styles->add(QStringLiteral("Angled Sloping Down"), style(stAngleSlopingDown));
    for (int i = 0; i < styles->count(); ++i)
        styles->entry(i).tag = i; // the TLineStyle ordinal
    mStyleItem = menu.add(QStringLiteral("Style"));
    menu.entry(mStyleItem).submenu = styles;
    menu.add(QStringLiteral("Color"), [this] { ChooseColor(); });
    mThicknessItem = menu.add(QStringLiteral("Line Thickness"));
    menu.entry(mThicknessItem).submenu = LineThicknessMenu::make([this](int width) {
        mPen->setWidth(width);
        NotifyChanged();
    });
    // Shown only while the line sits on a panel; the panel's tool builds the
    // menu before it places the line, so this is decided as the menu opens.
    mStretchSeparator = menu.addSeparator();
    mStretchItem = menu.add(QStringLiteral("Stretch To Edges"), [this] { StretchToEdges(); });
    menu.aboutToOpen = [this] { UpdateMenuChecks(); };
    UpdateMenuChecks();
}

void TGLineShape::UpdateMenuChecks()
{
    PopupMenu &menu = ObjectMenu();
    if (mStyleItem >= 0) {
        PopupMenu &styles = *menu.entry(mStyleItem).submenu;
        for (int i = 0; i < styles.count(); ++i)
            styles.entry(i).checked = styles.entry(i).tag == mLineStyle;
    }
    if (mThicknessItem >= 0)
        LineThicknessMenu::check(*menu.entry(mThicknessItem).submenu, mPen->width());
    if (mStretchItem >= 0) {
        const bool onPanel = panel() != nullptr;
        menu.entry(mStretchSeparator).visible = onPanel;
        menu.entry(mStretchItem).visible = onPanel;
    }
}

} // namespace sw
