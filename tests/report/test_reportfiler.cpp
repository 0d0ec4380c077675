// The recorded stream: what a filer records replays as the same pixels as
// drawing directly, positions keep to the sheet whatever the recording
// device's border, and damaged streams are refused without crashing.
#include "ReportTestUtil.h"

#include "platform/MessageService.h"
#include "platform/Rounding.h"
#include "report/TFilePrinter.h"
#include "report/TReportFiler.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

QString messageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const EReportPrinter &e) {
        return e.message();
    }
    return QString();
}

QImage sampleBitmap()
{
    QImage bitmap(3, 2, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                            qRgb(255, 255, 0), qRgb(0, 0, 0), qRgb(0, 255, 255)};
    for (int i = 0; i < 6; ++i)
        bitmap.setPixel(i % 3, i / 3, colours[i]);
    return bitmap;
}

// One of everything label printing uses.
void drawSample(TBaseReport &r)
{
    r.SetPen(clBlue, psSolid, -2, pmCopy);
    r.SetBrush(clYellow, bsSolid);
    r.Rectangle(0.5, 0.5, 1.5, 1.0);
    r.SetBrush(clRed, bsDiagCross);
    r.Ellipse(2.0, 0.5, 3.0, 1.25);
    r.SetBrush(clWhite, bsClear);
    r.RoundRect(3.5, 0.5, 4.5, 1.0, 0.25, 0.25);
    r.SetPen(clGreen, psDash, 0, pmCopy);
    r.MoveTo(0.5, 2.0);
    r.LineTo(4.0, 2.5);
    r.SetPen(clBlack, psSolid, 1, pmCopy);
    r.SetBrush(clLime, bsSolid);
    r.Polygon({QPoint(r.UnitsToDeviceX(5.0), r.UnitsToDeviceY(2.0)), QPoint(r.UnitsToDeviceX(6.0), r.UnitsToDeviceY(2.0)),
               QPoint(r.UnitsToDeviceX(5.5), r.UnitsToDeviceY(2.75))});
    r.SetBrush(clBlack, bsSolid);
    r.FillRect(r.CreateRect(5.0, 0.5, 5.5, 0.75));
    r.PrintBitmapRect(5.0, 1.0, 6.5, 1.5, sampleBitmap());

    r.CreateEllipseRegion(0.5, 3.0, 2.0, 4.0);
    r.SelectRegion();
    r.SetBrush(clNavy, bsSolid);
    r.FillRect(r.CreateRect(0.5, 3.0, 2.0, 4.0));
    r.ClipOff();
    r.DeleteRegion();

    r.SetFont(QStringLiteral("Arial"), 14);
    r.SetFontColor(clMaroon);
    r.SetBrush(clWhite, bsClear);
    r.TextRect(r.CreateRect(2.5, 3.0, 4.0, 3.25), 2.5, 3.0, QStringLiteral("Text rect"));
    r.SetFontRotation(90);
    r.GotoXY(5.0, 4.5);
    r.PrintText(QStringLiteral("Turned"));
    r.SetFont(QStringLiteral("Times New Roman"), 18);
    r.SetFontItalic(true);
    r.GotoXY(0.5, 5.0);
    r.PrintText(QStringLiteral("Plain text"));

    r.SetFont(QStringLiteral("Arial"), 48);
    r.SetFontBold(true);
    r.BeginPath();
    r.GotoXY(0.5, 6.5);
    r.PrintText(QStringLiteral("Clip"));
    r.EndPath();
    r.SelectClipPath();
    r.SetBrush(clPurple, bsSolid);
    r.FillRect(r.CreateRect(0.5, 5.5, 3.0, 7.0));
    r.ClipOff();
}

// Records `draw` on one page each, measured against `device`.
QByteArray record(TReportDevice *device, const std::function<void(TBaseReport &)> &draw, int pages = 1,
                  TAccuracyMethod accuracy = amAppearance)
{
    QBuffer buffer;
    TReportFiler filer(device);
    filer.StreamMode = smUser;
    filer.setStream(&buffer);
    filer.AccuracyMethod = accuracy;
    filer.Title = QStringLiteral("Quillmark");
    filer.BeginDoc();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            filer.NewPage();
        draw(filer);
    }
    filer.EndDoc();
    return buffer.data();
}

// A stream with one page whose commands are written by `body`.
QByteArray handMadeStream(const std::function<void(TStreamWriter &)> &body, double paperWidth = 8.5)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    {
        TStreamWriter w(&buffer);
        w.byte(rpcode::StreamHeader);
        w.u16(1);
        w.u16(1);
        w.u16(9999);
        w.f32(paperWidth);
        w.f32(11);
        for (int i = 0; i < 4; ++i)
            w.f32(0);
        w.byte(poPortrait);
        w.u16(265);
        w.byte(0);
        w.byte(0);
        for (int v : {1, 1, 0, 0})
            w.u16(v);
        w.string(QString());
        w.byte(rpcode::PageBegin);
        w.u32(0);
        w.u32(0);
        w.u16(1);
        w.f32(8.5);
        w.f32(11);
        body(w);
        w.byte(rpcode::PageEnd);
    }
    return buffer.data();
}

} // namespace

TEST(ReportFiler, ReplayDrawsWhatDirectDrawingDraws)
{
    auto direct = imageReport(96);
    direct->BeginDoc();
    drawSample(*direct);
    direct->EndDoc();

    TImageDevice measure(96, 96);
    const QByteArray stream = record(&measure, drawSample);
    const QImage replayed = TFilePrinter::RenderPage(stream, 1, 100, 96);

    const QImage expected = direct->PageImage(0);
    ASSERT_EQ(replayed.size(), expected.size());
    EXPECT_GT(inkCount(expected), 10000);
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            differing += expected.pixel(x, y) != replayed.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

TEST(ReportFiler, ReplayIgnoresTheRecordingDevicesBorder)
{
    // Recorded against 300 pixels per inch with a quarter-inch border,
    // replayed for the preview at 96 with none: marks keep their inches.
    TImageDevice printer(300, 300);
    printer.setUnprintableBorder(QMarginsF(0.25, 0.25, 0.25, 0.25));
    const QByteArray stream = record(&printer, [](TBaseReport &r) {
        EXPECT_EQ(r.UnitsToDeviceX(1.0), 225);
        r.SetPen(clBlack, psSolid, 1, pmCopy);
        r.Rectangle(1.0, 1.0, 2.0, 2.0);
        r.SetBrush(clBlack, bsSolid);
        r.Polygon({QPoint(225, 825), QPoint(525, 825), QPoint(225, 1125)}); // (1, 3) (2, 3) (1, 4) inches
    });
    const QImage page = TFilePrinter::RenderPage(stream, 1, 100, 96);
    EXPECT_EQ(page.size(), QSize(816, 1056));
    EXPECT_EQ(inkBounds(page, QRect(0, 0, 816, 250)), QRect(QPoint(96, 96), QPoint(191, 191)));
    EXPECT_EQ(inkBounds(page, QRect(0, 250, 816, 300)), QRect(QPoint(96, 288), QPoint(192, 384)));

    const QImage zoomed = TFilePrinter::RenderPage(stream, 1, 50, 96);
    EXPECT_EQ(zoomed.size(), QSize(408, 528));
    EXPECT_EQ(inkBounds(zoomed, QRect(0, 0, 408, 125)), QRect(QPoint(48, 48), QPoint(95, 95)));
}

TEST(ReportFiler, TextBlocksKeepThePrintersLineLengths)
{
    // At 7 points the screen font is relatively narrower than the printer's,
    // so the replay must stretch the text to the recorded width.
    TImageDevice printer(300, 300);
    auto draw = [](const QString &text) {
        return [text](TBaseReport &r) {
            r.SetFont(QStringLiteral("Arial"), 7);
            r.GotoXY(1.0, 1.0);
            r.PrintText(text);
        };
    };
    auto screen = imageReport(96);
    screen->SetFont(QStringLiteral("Arial"), 7);
    TReportFiler measure(&printer);
    measure.SetFont(QStringLiteral("Arial"), 7);

    for (const QString &text : {QStringLiteral("one two three four five six seven"), QStringLiteral("ABCDEFGHIJKLMNOPQRS")}) {
        SCOPED_TRACE(text.toStdString());
        const double recorded = measure.TextWidth(text);
        const int target = roundHalfEven((1.0 + recorded) * 96);
        const int natural = roundHalfEven((1.0 + screen->TextWidth(text)) * 96);
        ASSERT_GT(qAbs(target - natural), 3) << "the fonts should differ enough to show the stretch";

        const QImage page = TFilePrinter::RenderPage(record(&printer, draw(text), 1, amPositioning), 1, 100, 96);
        const QRect ink = inkBounds(page);
        EXPECT_NEAR(ink.left(), 96, 2);
        EXPECT_NEAR(ink.right() + 1, target, 2);
    }
}

TEST(ReportFiler, PagesStateAndLongTexts)
{
    const QString longText(400, QLatin1Char('W'));
    QByteArray pageTwoSize;
    TImageDevice measure(96, 96);
    const QByteArray stream = record(&measure, [&](TBaseReport &r) {
        r.SetFont(QStringLiteral("Arial"), 8);
        r.GotoXY(0.5, 1.0);
        r.PrintText(longText); // longer than a length byte can say
    }, 3);

    QBuffer buffer;
    buffer.setData(stream);
    TImageDevice device(96, 96);
    TFilePrinter printer(&device);
    printer.setStream(&buffer);
    printer.Start();
    EXPECT_EQ(printer.PageCount(), 3);
    EXPECT_EQ(printer.RecordedTitle(), QStringLiteral("Quillmark"));
    EXPECT_DOUBLE_EQ(printer.RecordedPaperSize().width(), 8.5);
    printer.Execute();
    ASSERT_EQ(device.pageCount(), 3);
    const QRect ink = inkBounds(device.page(2));
    EXPECT_GT(ink.width(), 700); // all 400 letters, cut by the page edge
    EXPECT_EQ(ink.right(), 815);
}

TEST(ReportFiler, StateIsRecordedOnlyWhenItChanges)
{
    auto once = [](TBaseReport &r) {
        r.SetPen(clRed, psDot, -3, pmCopy);
        r.Rectangle(0, 0, 1, 1);
    };
    auto repeated = [](TBaseReport &r) {
        r.SetPen(clRed, psDot, -3, pmCopy);
        r.Rectangle(0, 0, 1, 1);
        r.SetPen(clRed, psDot, -3, pmCopy);
        r.SetFont(QStringLiteral("Arial"), 10); // the report's default font
    };
    EXPECT_EQ(record(nullptr, once).size(), record(nullptr, repeated).size());
}

TEST(ReportFiler, StreamModesAndMessages)
{
    ScriptedMessageHandler messages;
    ScopedMessageHandler scope(&messages);

    TReportFiler filer;
    filer.StreamMode = smUser;
    EXPECT_EQ(messageOf([&] { filer.BeginDoc(); }), QStringLiteral("StreamMode is smUser but Stream is nil"));

    filer.StreamMode = smFile;
    filer.FileName = QStringLiteral("/nonexistent-folder/preview.rpt");
    filer.BeginDoc();
    EXPECT_FALSE(filer.Printing());
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Error initializing stream \"/nonexistent-folder/preview.rpt\"")});

    filer.StreamMode = smMemory;
    filer.BeginDoc();
    EXPECT_EQ(messageOf([&] { filer.CopyRect(TDeviceRect{0, 0, 10, 10}, QImage(4, 4, QImage::Format_RGB32), QRect(0, 0, 4, 4)); }),
              QStringLiteral("CopyRect() not supported in file mode."));
    filer.Rectangle(1, 1, 2, 2);
    filer.EndDoc();
    EXPECT_GT(inkCount(TFilePrinter::RenderPage(qobject_cast<QBuffer *>(filer.Stream())->data(), 1, 25, 96)), 0);
}

TEST(ReportFiler, TruncatedStreamsAreRefused)
{
    TImageDevice measure(96, 96);
    const QByteArray stream = record(&measure, [](TBaseReport &r) {
        r.SetBrush(clBlue, bsSolid);
        r.Rectangle(0.5, 0.5, 1.0, 1.0);
        r.PrintBitmapRect(1, 1, 2, 2, sampleBitmap());
        r.Polygon({QPoint(10, 10), QPoint(40, 10), QPoint(10, 40)});
        r.GotoXY(1, 3);
        r.PrintText(QStringLiteral("text"));
    });
    ASSERT_GT(stream.size(), 200);
    ASSERT_NO_THROW(TFilePrinter::RenderPage(stream, 1, 10, 96));
    for (int n = 0; n < stream.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_THROW(TFilePrinter::RenderPage(stream.left(n), 1, 10, 96), EReportPrinter);
    }
    EXPECT_THROW(TFilePrinter::RenderPage(stream, 2, 10, 96), EReportPrinter);
}

TEST(ReportFiler, DamagedStreamsNeverCrash)
{
    TImageDevice measure(96, 96);
    const QByteArray stream = record(&measure, drawSample);
    QRandomGenerator random(20240607);
    int refused = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = stream;
        const int at = int(random.bounded(damaged.size()));
        damaged[at] = char(random.bounded(256));
        try {
            TFilePrinter::RenderPage(damaged, 1, 10, 96);
        } catch (const EReportPrinter &) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}

TEST(ReportFiler, UnfinishedOrOverfullStreams)
{
    // A stream whose document never ended has no pages to show.
    QBuffer buffer;
    TReportFiler filer;
    filer.StreamMode = smUser;
    filer.setStream(&buffer);
    filer.BeginDoc();
    filer.Rectangle(1, 1, 2, 2);
    EXPECT_THROW(TFilePrinter::RenderPage(buffer.data(), 1, 10, 96), EReportPrinter);
    filer.EndDoc();

    // A stream that pushes a 22nd region is refused with the report's error.
    const QByteArray overfull = handMadeStream([](TStreamWriter &w) {
        for (int i = 0; i < 22; ++i) {
            w.byte(rpcode::CreateRectRegion);
            w.point(1, 1);
            w.point(2, 2);
        }
    });
    EXPECT_EQ(messageOf([&] { TFilePrinter::RenderPage(overfull, 1, 10, 96); }),
              QStringLiteral("Invalid method call.  Too many regions (at most 21 at once)."));

    // An unknown command, and a sheet no printer has.
    EXPECT_THROW(TFilePrinter::RenderPage(handMadeStream([](TStreamWriter &w) { w.byte(99); }), 1, 10, 96), EReportPrinter);
    const QByteArray fine = handMadeStream([](TStreamWriter &w) {
        w.byte(rpcode::Rectangle);
        w.point(1, 1);
        w.point(2, 2);
    });
    EXPECT_NO_THROW(TFilePrinter::RenderPage(fine, 1, 10, 96));
    const QByteArray huge = handMadeStream([](TStreamWriter &) {}, 5000);
    EXPECT_THROW(TFilePrinter::RenderPage(huge, 1, 10, 96), EReportPrinter);
}
