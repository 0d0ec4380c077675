// Printing the text labels: what a label asks of the report, recorded by a
// report that draws nothing.
#include "objects/PaintContext.h"
#include "objects/TGCounterLabel.h"
#include "objects/TGPLabel.h"
#include "objects/TGSymbolLabel.h"
#include "platform/Canvas.h"
#include "platform/ScreenInfo.h"
#include "platform/TFont.h"
#include "report/TBaseReport.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

using namespace sw;

namespace {

struct Call
{
    QString op;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // inches (Rectangle) or the text origin
    TDeviceRect clip;                      // TextRect
    QString text;
    TColor fontColor = 0;
    int rotation = 0;
    QString fontName;
    double fontSize = 0;
    bool bold = false, italic = false;
    TBrushStyle brush = bsSolid;
    TColor brushColor = 0;
    TPenStyle pen = psSolid;
};

// A report on the screen's resolution that records the drawing calls with
// the state they were made in.
class RecordingReport : public TBaseReport
{
public:
    QList<Call> calls;

    QList<Call> ops(const QString &op) const
    {
        QList<Call> r;
        for (const Call &c : calls)
            if (c.op == op)
                r.append(c);
        return r;
    }

protected:
    Call state(const QString &op)
    {
        Call c;
        c.op = op;
        c.fontColor = FontColor();
        c.rotation = FontRotation();
        c.fontName = FontName();
        c.fontSize = FontSize();
        c.bold = FontBold();
        c.italic = FontItalic();
        c.brush = BrushStyle();
        c.brushColor = BrushColor();
        c.pen = PenStyle();
        return c;
    }

    bool deviceReady() const override { return true; }
    bool openDocument() override { return true; }
    void startPage() override {}
    void endPage() override {}
    void closeDocument() override {}
    void doPrintText(const QString &, double, double, TTextAlign) override {}
    void doRectangle(double x1, double y1, double x2, double y2) override
    {
        Call c = state(QStringLiteral("Rectangle"));
        c.x1 = x1, c.y1 = y1, c.x2 = x2, c.y2 = y2;
        calls.append(c);
    }
    void doRoundRect(double, double, double, double, double, double) override {}
    void doEllipse(double, double, double, double) override {}
    void doMoveTo(double, double) override {}
    void doLineTo(double, double) override {}
    void doPolygon(const QVector<QPoint> &) override {}
    void doPolyline(const QVector<QPoint> &) override {}
    void doFillRect(const TDeviceRect &) override {}
    void doTextRect(const TDeviceRect &rect, double x, double y, const QString &text) override
    {
        Call c = state(QStringLiteral("TextRect"));
        c.clip = rect;
        c.x1 = x, c.y1 = y;
        c.text = text;
        calls.append(c);
    }
    void doPrintBitmapRect(double, double, double, double, const QImage &) override {}
    void doStretchDraw(const TDeviceRect &, const TPicture &) override {}
    void doStretchDraw(const TDeviceRect &, const QPicture &) override {}
    void doCopyRect(const TDeviceRect &, const QImage &, const QRect &) override {}
    void doCreateRectRegion(double, double, double, double) override {}
    void doCreateRoundRectRegion(double, double, double, double, double, double) override {}
    void doCreateEllipseRegion(double, double, double, double) override {}
    void doCreatePolygonRegion(const QVector<QPoint> &) override {}
    void doSelectRegion() override {}
    void doDeleteRegion() override {}
    void doClipOff() override {}
    void doPathCommand(int) override {}
};

struct LabelPrint : ::testing::Test
{
    RecordingReport report;
    void SetUp() override { report.BeginDoc(); }
    void TearDown() override { report.EndDoc(); }
    static double px(int pixels) { return pixels / double(ScreenInfo::pixelsPerInch()); }
};

} // namespace

TEST_F(LabelPrint, OpaqueBorderedLabelPrintsBackgroundTextAndFrame)
{
    TGPLabel l;
    l.SetBounds(48, 24, 142, 33);
    l.SetTransparent(false);
    l.SetBackColor(clYellow);
    l.SetBorderStyle(bsSingle);
    l.Font()->setStyle(fsBold | fsItalic | fsStrikeOut);
    l.Font()->setColor(clNavy);
    l.PrintTo(report, 1.0, 2.0);

    const QList<Call> rects = report.ops(QStringLiteral("Rectangle"));
    ASSERT_EQ(rects.size(), 2);
    // The background is one pixel smaller each way than the frame.
    const double left = 1.0 + px(48), top = 2.0 + px(24);
    EXPECT_DOUBLE_EQ(rects[0].x1, left);
    EXPECT_DOUBLE_EQ(rects[0].y1, top);
    EXPECT_DOUBLE_EQ(rects[0].x2, 1.0 + px(48 + l.Width() - 1));
    EXPECT_DOUBLE_EQ(rects[0].y2, 2.0 + px(24 + l.Height() - 1));
    EXPECT_EQ(rects[0].brush, bsSolid);
    EXPECT_EQ(rects[0].brushColor, clYellow);
    EXPECT_EQ(rects[0].pen, psClear);
    EXPECT_DOUBLE_EQ(rects[1].x2, 1.0 + px(48 + l.Width()));
    EXPECT_DOUBLE_EQ(rects[1].y2, 2.0 + px(24 + l.Height()));
    EXPECT_EQ(rects[1].brush, bsClear);
    EXPECT_EQ(rects[1].pen, psSolid);

    // Depths of 0: only the main text, in the font colour, without a
    // background of its own.
    const QList<Call> texts = report.ops(QStringLiteral("TextRect"));
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].text, QStringLiteral("Text"));
    EXPECT_EQ(texts[0].fontColor, clNavy);
    EXPECT_EQ(texts[0].fontName, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(texts[0].fontSize, 10);
    EXPECT_TRUE(texts[0].bold);
    EXPECT_TRUE(texts[0].italic);
    EXPECT_EQ(texts[0].brush, bsClear);
    EXPECT_DOUBLE_EQ(texts[0].x1, left + px(l.MainOrigin().x()));
    EXPECT_DOUBLE_EQ(texts[0].y1, top + px(l.MainOrigin().y()));
    // The clip reaches 0.03 inch further left and up than MainRect.
    EXPECT_EQ(texts[0].clip,
              report.CreateRect(left + px(l.MainRect().left) - 0.03, top + px(l.MainRect().top) - 0.03,
                                left + px(l.MainRect().right), top + px(l.MainRect().bottom)));
    EXPECT_EQ(report.FontRotation(), 0);
}

TEST_F(LabelPrint, ThreeDCopiesPrintOnlyWithDepthAndDirection)
{
    TGPLabel l;
    l.SetDepthShadow(2);
    l.SetDepthHighlight(1);
    l.SetDirectionHighlight(TGBaseLabel::hdNone);
    l.SetAngle(90);
    l.PrintTo(report, 0, 0);
    const QList<Call> texts = report.ops(QStringLiteral("TextRect"));
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0].fontColor, clGray);
    EXPECT_EQ(texts[1].fontColor, clBlack);
    EXPECT_EQ(texts[0].rotation, 90);
    EXPECT_DOUBLE_EQ(texts[0].x1, px(l.ShadowOrigin().x()));
    EXPECT_DOUBLE_EQ(texts[0].y1, px(l.ShadowOrigin().y()));
    EXPECT_TRUE(report.ops(QStringLiteral("Rectangle")).isEmpty()); // transparent, no border
    EXPECT_EQ(report.FontRotation(), 0);

    report.calls.clear();
    l.SetDirectionHighlight(TGBaseLabel::hdUp);
    l.PrintTo(report, 0, 0);
    const QList<Call> all = report.ops(QStringLiteral("TextRect"));
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[1].fontColor, clAqua);
}

TEST_F(LabelPrint, CountersPrintTheNumberNextLabelMovedTo)
{
    TGCounterLabel c;
    c.SetStartingnumber(99);
    c.SetLeadingZeros(3);
    c.ResetSequence();
    for (int i = 0; i < 3; ++i) {
        c.PrintTo(report, 0, 0);
        c.NextLabel();
    }
    QStringList printed;
    for (const Call &t : report.ops(QStringLiteral("TextRect")))
        printed << t.text;
    EXPECT_EQ(printed, (QStringList{"099", "100", "101"}));
}

TEST_F(LabelPrint, WingDingsSymbolsPrintInTheDisplayFace)
{
    TGSymbolLabel s;
    s.SetCaption(QString(QChar(0xFC)));
    s.PrintTo(report, 0, 0);
    const QList<Call> texts = report.ops(QStringLiteral("TextRect"));
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].text, QStringLiteral("\u2713"));
    EXPECT_EQ(texts[0].fontName, QStringLiteral("Symbola"));
    EXPECT_DOUBLE_EQ(texts[0].fontSize, 24);
}

// A label printed again and again keeps its layout between labels; every
// change that moves the text, and a zoom and paint in between, must still
// reach the paper as on a label printed for the first time.
TEST_F(LabelPrint, LabelsPrintedAgainFollowEveryChange)
{
    auto origin = [this](TGPLabel &label) {
        report.calls.clear();
        label.PrintTo(report, 0, 0);
        const QList<Call> texts = report.ops(QStringLiteral("TextRect"));
        return texts.isEmpty() ? QPointF(-1, -1) : QPointF(texts.last().x1, texts.last().y1);
    };
    auto fresh = [&](const std::function<void(TGPLabel &)> &set) {
        TGPLabel l;
        l.SetBounds(10, 10, 200, 40);
        set(l);
        return origin(l);
    };
    TGPLabel kept;
    kept.SetBounds(10, 10, 200, 40);
    origin(kept);
    const QList<std::function<void(TGPLabel &)>> changes = {
        [](TGPLabel &l) { l.SetAlignment(taRightJustify); },
        [](TGPLabel &l) { l.SetBounds(10, 10, 260, 40); },
        [](TGPLabel &l) { l.SetCaption(QStringLiteral("A longer caption")); },
        [](TGPLabel &l) { l.Font()->setSize(20); },
        [](TGPLabel &l) { l.SetDepthShadow(3); },
        [](TGPLabel &l) { l.SetDirectionShadow(TGBaseLabel::sdLeft); },
    };
    QList<std::function<void(TGPLabel &)>> applied;
    for (const auto &change : changes) {
        change(kept);
        applied.append(change);
        const QPointF expected = fresh([&](TGPLabel &l) {
            for (const auto &c : applied)
                c(l);
        });
        EXPECT_EQ(origin(kept), expected) << "after change " << applied.size();
        EXPECT_EQ(origin(kept), expected) << "printed again after change " << applied.size();
    }
    // Zoomed and painted on the panel's canvas in between.
    const QPointF before = origin(kept);
    kept.SetScale(2.0f);
    QImage screen(600, 200, QImage::Format_RGB32);
    {
        Canvas canvas(&screen);
        kept.Paint(canvas, PaintContext());
    }
    kept.SetScale(1.0f);
    EXPECT_EQ(origin(kept), before);
}

// A merged caption is new on every record: a right-aligned label ends at
// its box's right edge whatever each record's text.
TEST_F(LabelPrint, EveryMergedRecordIsLaidOutForItsOwnText)
{
    TGPLabel l;
    l.SetBounds(10, 10, 300, 40);
    l.SetAlignment(taRightJustify);
    l.SetCaption(QStringLiteral("${Name}"));
    l.PrintTo(report, 0, 0); // the box takes the text's height, as in the design
    QString name;
    l.SetPrintSubstitution([&name](const QString &text) { return QString(text).replace("${Name}", name); });
    QList<double> starts;
    for (const QString &record : {QStringLiteral("Al"), QStringLiteral("Bartholomew Featherstonehaugh"),
                                  QStringLiteral("Al")}) {
        name = record;
        report.calls.clear();
        l.PrintTo(report, 0, 0);
        const QList<Call> texts = report.ops(QStringLiteral("TextRect"));
        ASSERT_EQ(texts.size(), 1);
        EXPECT_EQ(texts[0].text, record);
        starts << texts[0].x1;
    }
    EXPECT_LT(starts[1], starts[0]); // the longer name starts further left
    EXPECT_EQ(starts[2], starts[0]);
}
