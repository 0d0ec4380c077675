#include "printing/TestSheet.h"

#include "layouts/LabelShape.h"
#include "platform/GraphicsTypes.h"
#include "printing/PrintRequest.h"
#include "printing/SheetComposer.h"
#include "report/TBaseReport.h"

#include <algorithm>

namespace sw {

namespace {

constexpr double kStep = PrinterFineTuning::Step; // one scale step, 1/32 inch
constexpr double kMinorTick = 1.0 / 16;
constexpr double kMajorTick = 1.0 / 8;
// The 0 tick also reaches this far over the scale's line, so that it stands
// out from the numbered ticks.
constexpr double kZeroOverhang = 1.0 / 16;
constexpr double kNumberGap = 1.0 / 64;
// Where the scales cross the label's edges, from the corner: clear of a
// rounded corner (the design panel's corners are a quarter inch across) and
// of each other. A round label has its edges at the middle of its sides.
constexpr double kAcrossInset = 3.0 / 16;
constexpr double kDownInset = 3.0 / 4;
constexpr double kRoundCorner = 0.25;
constexpr double kCrossArm = 1.0 / 8;
const QString kFont = QStringLiteral("Arial");

} // namespace

TestSheet::TestSheet(const TLabelLayout &layout, const PrinterFineTuning &tuning)
    : mGeometry(layout, tuning)
{
}

int TestSheet::positionCount() const
{
    PrintRequest request;
    request.layout = mGeometry.layout();
    return request.positionCount();
}

QPoint TestSheet::lastPosition() const
{
    const int count = positionCount();
    if (count < 1)
        return QPoint(-1, -1);
    const int across = mGeometry.layout().NumAcross;
    return QPoint((count - 1) % across, (count - 1) / across);
}

void TestSheet::print(TBaseReport &report) const
{
    SheetComposer::selectPaper(report, mGeometry.layout().PaperCode);
    report.Title = QStringLiteral("Printer test sheet");
    report.OnPrint = [this](TBaseReport &r) { draw(r); };
    report.OnPrintPage = nullptr;
    report.OnBeforePrint = nullptr;
    report.OnAfterPrint = nullptr;
    report.OnNewPage = nullptr;
    try {
        report.Execute();
    } catch (...) {
        report.OnPrint = nullptr;
        throw;
    }
    report.OnPrint = nullptr;
}

bool TestSheet::onSheetX(double x) const
{
    const double width = mGeometry.layout().PageWidth;
    return width <= 0 || (x >= 0 && x <= width);
}

bool TestSheet::onSheetY(double y) const
{
    const double height = mGeometry.layout().PageHeight;
    return height <= 0 || (y >= 0 && y <= height);
}

void TestSheet::draw(TBaseReport &report) const
{
    const TLabelLayout &l = mGeometry.layout();
    const int count = positionCount();
    if (count < 1)
        return;
    report.SetBrush(clBlack, bsClear);
    report.SetPen(clBlack, psSolid, 0, pmCopy); // the device's thinnest line
    report.SetFont(kFont, NumberSize);

    for (int i = 0; i < count; ++i) {
        const QRectF label = mGeometry.labelRect(i % l.NumAcross, i / l.NumAcross);
        drawOutline(report, label);
        const QPointF c = label.center();
        const double arm = std::min({kCrossArm, label.width() / 2, label.height() / 2});
        report.MoveTo(c.x() - arm, c.y());
        report.LineTo(c.x() + arm, c.y());
        report.MoveTo(c.x(), c.y() - arm);
        report.LineTo(c.x(), c.y() + arm);
    }

    const bool round = shapeForCode(l.ShapeCode) == TLabelShapeType::lsEllipse;
    const double across = round ? l.LabelHeight / 2 : std::min(kAcrossInset, l.LabelHeight / 2);
    const double down = round ? l.LabelWidth / 2 : std::min(kDownInset, l.LabelWidth / 2);
    const QRectF first = mGeometry.labelRect(0, 0);
    drawScaleAcross(report, first.left(), first.top() + across, Side::After);
    drawScaleDown(report, first.left() + down, first.top(), Side::After);
    const QPoint lastPos = lastPosition();
    const QRectF last = mGeometry.labelRect(lastPos.x(), lastPos.y());
    drawScaleAcross(report, last.right(), last.bottom() - across, Side::Before);
    drawScaleDown(report, last.right() - down, last.bottom(), Side::Before);

    // The caption goes on a label away from the scales.
    if (count >= 3)
        drawCaption(report, mGeometry.labelRect((count / 2) % l.NumAcross, (count / 2) / l.NumAcross));
}

void TestSheet::drawOutline(TBaseReport &report, const QRectF &label) const
{
    switch (shapeForCode(mGeometry.layout().ShapeCode).value_or(TLabelShapeType::lsRectangle)) {
    case TLabelShapeType::lsEllipse:
        report.Ellipse(label.left(), label.top(), label.right(), label.bottom());
        break;
    case TLabelShapeType::lsRoundRect:
        report.RoundRect(label.left(), label.top(), label.right(), label.bottom(), kRoundCorner, kRoundCorner);
        break;
    case TLabelShapeType::lsRectangle:
        report.Rectangle(label.left(), label.top(), label.right(), label.bottom());
        break;
    }
}

void TestSheet::drawScaleAcross(TBaseReport &report, double zeroX, double y, Side ticks) const
{
    if (!onSheetY(y))
        return;
    const double s = ticks == Side::After ? 1 : -1;
    const double span = ScaleSteps * kStep;
    const double width = mGeometry.layout().PageWidth;
    const double from = width > 0 ? std::max(zeroX - span, 0.0) : zeroX - span;
    const double to = width > 0 ? std::min(zeroX + span, width) : zeroX + span;
    if (from < to) {
        report.MoveTo(from, y);
        report.LineTo(to, y);
    }
    // Numbers sit just past the numbered ticks: the top of the font's cell
    // below a scale whose ticks hang down, its bottom above one whose ticks
    // stand up.
    const double baseline = ticks == Side::After ? y + kMajorTick + kNumberGap + report.AscentHeight()
                                                 : y - kMajorTick - kNumberGap - report.DescentHeight();
    for (int k = -ScaleSteps; k <= ScaleSteps; ++k) {
        const double x = zeroX + k * kStep;
        if (!onSheetX(x))
            continue;
        const bool numbered = k % NumberEvery == 0;
        report.MoveTo(x, k == 0 ? y - s * kZeroOverhang : y);
        report.LineTo(x, y + s * (numbered ? kMajorTick : kMinorTick));
        if (numbered) {
            report.setYPos(baseline);
            report.PrintCenter(QString::number(k), x);
        }
    }
}

void TestSheet::drawScaleDown(TBaseReport &report, double x, double zeroY, Side ticks) const
{
    if (!onSheetX(x))
        return;
    const double s = ticks == Side::After ? 1 : -1;
    const double span = ScaleSteps * kStep;
    const double height = mGeometry.layout().PageHeight;
    const double from = height > 0 ? std::max(zeroY - span, 0.0) : zeroY - span;
    const double to = height > 0 ? std::min(zeroY + span, height) : zeroY + span;
    if (from < to) {
        report.MoveTo(x, from);
        report.LineTo(x, to);
    }
    // Each number is centred on its tick: the middle of the font's cell
    // (ascent above the baseline, descent below) on the tick's line.
    const double centring = (report.AscentHeight() - report.DescentHeight()) / 2;
    const double textX = x + s * (kMajorTick + kNumberGap);
    for (int k = -ScaleSteps; k <= ScaleSteps; ++k) {
        const double y = zeroY + k * kStep;
        if (!onSheetY(y))
            continue;
        const bool numbered = k % NumberEvery == 0;
        report.MoveTo(k == 0 ? x - s * kZeroOverhang : x, y);
        report.LineTo(x + s * (numbered ? kMajorTick : kMinorTick), y);
        if (numbered) {
            report.setYPos(y + centring);
            if (ticks == Side::After)
                report.PrintLeft(QString::number(k), textX);
            else
                report.PrintRight(QString::number(k), textX);
        }
    }
}

void TestSheet::drawCaption(TBaseReport &report, const QRectF &label) const
{
    const TLabelLayout &l = mGeometry.layout();
    const PrinterFineTuning &t = mGeometry.tuning();
    const QPointF c = label.center();
    const double arm = std::min({kCrossArm, label.width() / 2, label.height() / 2});

    report.CreateRectRegion(label.left(), label.top(), label.right(), label.bottom());
    report.SelectRegion();
    // Above the cross-hair: what the sheet is; below it: what it was
    // printed with, which the readings are relative to.
    report.SetFont(kFont, 6);
    const double line = report.AscentHeight() + report.DescentHeight();
    double baseline = c.y() - arm - kNumberGap - report.DescentHeight();
    if (!l.LayoutName.isEmpty()) {
        report.setYPos(baseline);
        report.PrintCenter(l.LayoutName, c.x());
        baseline -= line;
    }
    report.SetFontBold(true);
    report.setYPos(baseline);
    report.PrintCenter(QStringLiteral("Printer test sheet"), c.x());

    report.SetFont(kFont, 6);
    baseline = c.y() + arm + kNumberGap + report.AscentHeight();
    report.setYPos(baseline);
    report.PrintCenter(QStringLiteral("Fine tuning in 1/32 inch: top %1, left %2,")
                           .arg(t.TopMarginNudge)
                           .arg(t.LeftMarginNudge),
                       c.x());
    report.setYPos(baseline + line);
    report.PrintCenter(QStringLiteral("vertical spacing %1, horizontal spacing %2")
                           .arg(t.VerticalSpacing)
                           .arg(t.HorizontalSpacing),
                       c.x());
    report.DeleteRegion();
    report.ClipOff();
    report.SetFont(kFont, NumberSize);
}

} // namespace sw
