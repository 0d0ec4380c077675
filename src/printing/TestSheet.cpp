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

bool TestSheet::onSheet(double at, double extent)
{
    return extent <= 0 || (at >= 0 && at <= extent);
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

    // The scales across cross the side edges `fromTop` in from the corner,
    // the scales down cross the top and bottom edges `fromSide` in.
    const bool round = shapeForCode(l.ShapeCode) == TLabelShapeType::lsEllipse;
    const double fromTop = round ? l.LabelHeight / 2 : std::min(kAcrossInset, l.LabelHeight / 2);
    const double fromSide = round ? l.LabelWidth / 2 : std::min(kDownInset, l.LabelWidth / 2);
    const QRectF first = mGeometry.labelRect(0, 0);
    drawScale(report, QPointF(first.left(), first.top() + fromTop), Qt::Horizontal, Side::After);
    drawScale(report, QPointF(first.left() + fromSide, first.top()), Qt::Vertical, Side::After);
    const QPoint lastPos = lastPosition();
    const QRectF last = mGeometry.labelRect(lastPos.x(), lastPos.y());
    drawScale(report, QPointF(last.right(), last.bottom() - fromTop), Qt::Horizontal, Side::Before);
    drawScale(report, QPointF(last.right() - fromSide, last.bottom()), Qt::Vertical, Side::Before);

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

void TestSheet::drawScale(TBaseReport &report, const QPointF &zero, Qt::Orientation direction, Side ticks) const
{
    // Positions along the scale and across it; a scale across the sheet
    // runs along x.
    const bool across = direction == Qt::Horizontal;
    const double start = across ? zero.x() : zero.y();
    const double line = across ? zero.y() : zero.x();
    const double length = across ? mGeometry.layout().PageWidth : mGeometry.layout().PageHeight;
    if (!onSheet(line, across ? mGeometry.layout().PageHeight : mGeometry.layout().PageWidth))
        return;
    const auto drawLine = [&report, across](double along1, double off1, double along2, double off2) {
        report.MoveTo(across ? along1 : off1, across ? off1 : along1);
        report.LineTo(across ? along2 : off2, across ? off2 : along2);
    };
    const double s = ticks == Side::After ? 1 : -1;
    const double span = ScaleSteps * kStep;
    const double from = length > 0 ? std::max(start - span, 0.0) : start - span;
    const double to = length > 0 ? std::min(start + span, length) : start + span;
    if (from < to)
        drawLine(from, line, to, line);

    // Numbers sit just past the numbered ticks. Under a scale across, the
    // top of the font's cell is there, over one its bottom; beside a scale
    // down, the cell's middle (ascent above the baseline, descent below) is
    // on the tick's line.
    const double numberAt = line + s * (kMajorTick + kNumberGap);
    const double acrossBaseline = ticks == Side::After ? numberAt + report.AscentHeight()
                                                       : numberAt - report.DescentHeight();
    const double centring = (report.AscentHeight() - report.DescentHeight()) / 2;
    for (int k = -ScaleSteps; k <= ScaleSteps; ++k) {
        const double along = start + k * kStep;
        if (!onSheet(along, length))
            continue;
        const bool numbered = k % NumberEvery == 0;
        drawLine(along, k == 0 ? line - s * kZeroOverhang : line, along, line + s * (numbered ? kMajorTick : kMinorTick));
        if (!numbered)
            continue;
        const QString number = QString::number(k);
        if (across) {
            report.setYPos(acrossBaseline);
            report.PrintCenter(number, along);
        } else {
            report.setYPos(along + centring);
            if (ticks == Side::After)
                report.PrintLeft(number, numberAt);
            else
                report.PrintRight(number, numberAt);
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
