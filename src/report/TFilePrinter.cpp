#include "report/TFilePrinter.h"

#include "platform/TPicture.h"
#include "report/TImageDevice.h"

#include <QBuffer>
#include <QFile>
#include <QPicture>

namespace sw {

namespace {

constexpr double kMaxPaperInches = 100;
constexpr double kMaxFontPoints = 2000;
constexpr double kMaxPenInches = 100;
constexpr double kMaxScalePercent = 10000;

} // namespace

TFilePrinter::TFilePrinter(TReportDevice *device)
    : TCanvasReport(device)
{
}

TFilePrinter::~TFilePrinter() = default;

// ---- reading the stream --------------------------------------------------------------

void TFilePrinter::loadData()
{
    if (StreamMode == smFile) {
        QFile file(FileName);
        if (!file.open(QIODevice::ReadOnly))
            throw EReportPrinter(QString::fromLatin1(rpmsg::StreamInitError) + QLatin1Char('"') + FileName
                                 + QLatin1Char('"'));
        mData = file.readAll();
        return;
    }
    if (!mStream)
        throw EReportPrinter(QString::fromLatin1(rpmsg::StreamIsNil));
    if (!mStream->isOpen())
        mStream->open(QIODevice::ReadOnly);
    if (!mStream->isReadable() || !mStream->seek(0))
        throw EReportPrinter(QString::fromLatin1(rpmsg::StreamInitError) + QStringLiteral("\"(stream)\""));
    mData = mStream->readAll();
}

void TFilePrinter::Start()
{
    mStarted = false;
    mPages.clear();
    loadData();

    TStreamReader in(mData);
    if (in.byte() != rpcode::StreamHeader)
        TStreamReader::damaged();
    const int count = in.u16();
    mStreamFirstPage = in.u16();
    mStreamLastPage = in.u16();
    const double width = in.f32();
    const double height = in.f32();
    if (!(width > 0) || !(height > 0) || width > kMaxPaperInches || height > kMaxPaperInches)
        TStreamReader::damaged();
    mPaperSize = QSizeF(width, height);
    for (int i = 0; i < 4; ++i)
        in.f32(); // the recorder's unprintable border: not applied on replay
    mOrientation = static_cast<TOrientation>(in.enumByte(poDefault));
    in.u16(); // printer paper data
    in.byte();
    in.byte();
    for (int i = 0; i < 4; ++i)
        in.u16();
    mTitle = in.string();

    qint64 pos = in.pos();
    for (int i = 0; i < count; ++i) {
        in.seek(pos);
        if (in.byte() != rpcode::PageBegin)
            TStreamReader::damaged();
        in.u32(); // previous page
        const qint64 next = in.u32();
        mPages.append(pos);
        if (i + 1 < count) {
            // Links only ever point forward, so a damaged link cannot loop.
            if (next <= pos || next >= in.size())
                TStreamReader::damaged();
            pos = next;
        }
    }
    mStarted = true;
}

// ---- replaying -------------------------------------------------------------------------------

void TFilePrinter::Execute()
{
    if (!mStarted)
        Start();
    BeginDoc();
    if (!Printing())
        return;
    try {
        for (int i = 1; i <= PageCount() && !Aborted(); ++i) {
            if (i > 1)
                NewPage();
            PrintPage(i);
        }
    } catch (...) {
        try {
            EndDoc();
        } catch (...) {
        }
        throw;
    }
    EndDoc();
}

void TFilePrinter::PrintPage(int index)
{
    if (!Printing())
        throw EReportPrinter(QString::fromLatin1(rpmsg::NotPrinting));
    if (index < 1 || index > PageCount())
        TStreamReader::damaged();
    // Recorded positions are inches from the sheet's corner.
    setUnits(unInch);
    OriginX = OriginY = 0;

    const qint64 limit = index < PageCount() ? mPages.at(index) : mData.size();
    TStreamReader in(mData);
    in.seek(mPages.at(index - 1));
    in.byte(); // page begin, checked by Start
    in.u32();
    in.u32();
    in.u16(); // page number
    in.f32(); // page size
    in.f32();
    for (;;) {
        const int code = in.byte();
        if (code == rpcode::PageEnd)
            break;
        replayCommand(in, code);
        if (in.pos() > limit)
            TStreamReader::damaged();
    }
}

QVector<QPoint> TFilePrinter::readDevicePoints(TStreamReader &in)
{
    const int count = in.u16() + 1;
    if (qint64(count) * 8 > in.size() - in.pos())
        TStreamReader::damaged();
    QVector<QPoint> points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QPointF p = in.point();
        points.append(QPoint(UnitsToDeviceX(p.x()), UnitsToDeviceY(p.y())));
    }
    return points;
}

TDeviceRect TFilePrinter::readDeviceRect(TStreamReader &in)
{
    const QPointF a = in.point();
    const QPointF b = in.point();
    return CreateRect(a.x(), a.y(), b.x(), b.y());
}

QImage TFilePrinter::readBitmap(TStreamReader &in)
{
    GraphicKind kind;
    const QByteArray bytes = in.graphic(&kind);
    if (kind != GraphicKind::Bitmap)
        return QImage();
    return QImage::fromData(bytes); // null when the bytes do not decode
}

void TFilePrinter::readState(TStreamReader &in, int code)
{
    switch (code) {
    case rpcode::BrushColor:
        SetBrush(in.i32(), BrushStyle(), BrushPattern());
        break;
    case rpcode::BrushStyle:
        SetBrush(BrushColor(), static_cast<TBrushStyle>(in.enumByte(bsDiagCross)), BrushPattern());
        break;
    case rpcode::BrushBitmap:
        if (in.enumByte(1) == 1)
            SetBrush(BrushColor(), BrushStyle(), readBitmap(in));
        else
            SetBrush(BrushColor(), BrushStyle(), QImage());
        break;
    case rpcode::FontName:
        setFontNameDirect(in.string());
        break;
    case rpcode::FontColor:
        SetFontColor(in.i32());
        break;
    case rpcode::FontPitch:
        SetFontPitch(static_cast<TFontPitch>(in.enumByte(fpFixed)));
        break;
    case rpcode::FontSize: {
        const double points = in.f32() * 72.0;
        in.f32(); // width of the reference text: the block commands keep widths already
        if (!(points > 0) || points > kMaxFontPoints)
            TStreamReader::damaged();
        setFontSizeDirect(points);
        break;
    }
    case rpcode::FontBold: SetFontBold(in.byte() != 0); break;
    case rpcode::FontUnderline: SetFontUnderline(in.byte() != 0); break;
    case rpcode::FontItalic: SetFontItalic(in.byte() != 0); break;
    case rpcode::FontStrikeout: SetFontStrikeout(in.byte() != 0); break;
    case rpcode::FontSuperscript: SetFontSuperscript(in.byte() != 0); break;
    case rpcode::FontSubscript: SetFontSubscript(in.byte() != 0); break;
    case rpcode::FontRotation:
        SetFontRotation(in.i16());
        break;
    case rpcode::FontAlign:
        setAlignment(in.enumByte(taCenter));
        break;
    case rpcode::PenColor:
        setPenInches(in.i32(), PenStyle(), PenWidthInches(), PenMode());
        break;
    case rpcode::PenMode:
        setPenInches(PenColor(), PenStyle(), PenWidthInches(), static_cast<TPenMode>(in.enumByte(pmNotXor)));
        break;
    case rpcode::PenStyle:
        setPenInches(PenColor(), static_cast<TPenStyle>(in.enumByte(psInsideFrame)), PenWidthInches(), PenMode());
        break;
    case rpcode::PenWidth: {
        const double inches = in.f32();
        if (inches < 0 || inches > kMaxPenInches)
            TStreamReader::damaged();
        setPenInches(PenColor(), PenStyle(), inches, PenMode());
        break;
    }
    case rpcode::BKMode:
        setTextBKMode(static_cast<TBKMode>(in.enumByte(bkOpaque)));
        break;
    case rpcode::BKColor:
        setBKColor(in.i32());
        break;
    case rpcode::ScaleX:
    case rpcode::ScaleY: {
        const double v = in.f32();
        if (!(v > 0) || v > kMaxScalePercent)
            TStreamReader::damaged();
        if (code == rpcode::ScaleX)
            setScales(v, ScaleY());
        else
            setScales(ScaleX(), v);
        break;
    }
    default:
        TStreamReader::damaged();
    }
}

void TFilePrinter::replayCommand(TStreamReader &in, int code)
{
    switch (code) {
    case rpcode::Ellipse:
    case rpcode::Rectangle:
    case rpcode::CreateRectRegion:
    case rpcode::CreateEllipseRegion: {
        const QPointF a = in.point();
        const QPointF b = in.point();
        if (code == rpcode::Ellipse)
            Ellipse(a.x(), a.y(), b.x(), b.y());
        else if (code == rpcode::Rectangle)
            Rectangle(a.x(), a.y(), b.x(), b.y());
        else if (code == rpcode::CreateRectRegion)
            CreateRectRegion(a.x(), a.y(), b.x(), b.y());
        else
            CreateEllipseRegion(a.x(), a.y(), b.x(), b.y());
        break;
    }
    case rpcode::RoundRect:
    case rpcode::CreateRoundRectRegion: {
        const QPointF a = in.point();
        const QPointF b = in.point();
        const double cw = in.f32();
        const double ch = in.f32();
        if (code == rpcode::RoundRect)
            RoundRect(a.x(), a.y(), b.x(), b.y(), cw, ch);
        else
            CreateRoundRectRegion(a.x(), a.y(), b.x(), b.y(), cw, ch);
        break;
    }
    case rpcode::FillRect:
        FillRect(readDeviceRect(in));
        break;
    case rpcode::LineTo:
    case rpcode::MoveTo: {
        const QPointF p = in.point();
        if (code == rpcode::LineTo)
            LineTo(p.x(), p.y());
        else
            MoveTo(p.x(), p.y());
        break;
    }
    case rpcode::Polygon:
        Polygon(readDevicePoints(in));
        break;
    case rpcode::Polyline:
        Polyline(readDevicePoints(in));
        break;
    case rpcode::CreatePolygonRegion:
        CreatePolygonRegion(readDevicePoints(in));
        break;
    case rpcode::CopyMode:
        in.byte(); // every bitmap is copied as it is
        break;
    case rpcode::PrintBitmapRect: {
        const QImage image = readBitmap(in);
        const QPointF a = in.point();
        const QPointF b = in.point();
        PrintBitmapRect(a.x(), a.y(), b.x(), b.y(), image);
        break;
    }
    case rpcode::StretchDraw: {
        GraphicKind kind;
        const QByteArray bytes = in.graphic(&kind);
        const TDeviceRect rect = readDeviceRect(in);
        if (kind == GraphicKind::Metafile && bytes.startsWith("QPIC")) {
            QPicture picture;
            picture.setData(bytes.constData(), uint(bytes.size()));
            StretchDraw(rect, picture);
        } else if (kind != GraphicKind::Other) {
            TPicture picture;
            const TPicture::Kind pk = kind == GraphicKind::Bitmap ? TPicture::Kind::Bitmap
                                      : kind == GraphicKind::Icon ? TPicture::Kind::Icon
                                                                  : TPicture::Kind::Metafile;
            if (picture.setGraphic(pk, bytes))
                StretchDraw(rect, picture);
        }
        break;
    }
    case rpcode::TextRect: {
        const TDeviceRect rect = readDeviceRect(in);
        const QPointF p = in.point();
        TextRect(rect, p.x(), p.y(), in.string());
        break;
    }
    case rpcode::PrintLeft:
    case rpcode::PrintCenter:
    case rpcode::PrintRight: {
        const double baseline = in.f32();
        const QString text = in.string();
        const double x = in.f32();
        setYPos(baseline);
        if (code == rpcode::PrintLeft)
            PrintLeft(text, x);
        else if (code == rpcode::PrintCenter)
            PrintCenter(text, x);
        else
            PrintRight(text, x);
        break;
    }
    case rpcode::TextBlock: {
        const double baseline = in.f32();
        const QString text = in.string();
        const double x = in.f32();
        const double width = in.f32();
        setYPos(baseline);
        drawTextBlock(text, x, baseline, width);
        break;
    }
    case rpcode::SelectRegion: SelectRegion(); break;
    case rpcode::DeleteRegion: DeleteRegion(); break;
    case rpcode::ClipOff: ClipOff(); break;
    case rpcode::BeginPath: BeginPath(); break;
    case rpcode::EndPath: EndPath(); break;
    case rpcode::SelectClipPath: SelectClipPath(); break;
    case rpcode::StrokePath: StrokePath(); break;
    case rpcode::StrokeAndFillPath: StrokeAndFillPath(); break;
    default:
        readState(in, code);
    }
}

// ---- preview pages ---------------------------------------------------------------------------------

QImage TFilePrinter::RenderPage(const QByteArray &stream, int index, double zoomPercent, int ppi)
{
    QByteArray data = stream;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);

    TImageDevice device(ppi, ppi);
    TFilePrinter printer(&device);
    printer.setStream(&buffer);
    printer.Start();
    if (index < 1 || index > printer.PageCount())
        TStreamReader::damaged();
    device.setPaperSize(printer.RecordedPaperSize());
    device.setImageScale(zoomPercent / 100.0);
    printer.readDeviceState();
    printer.setZoomFactor(zoomPercent);
    printer.BeginDoc();
    try {
        printer.PrintPage(index);
    } catch (...) {
        printer.AbortReport();
        printer.EndDoc();
        throw;
    }
    printer.EndDoc();
    return device.page(0);
}

} // namespace sw
