#include "report/TReportFiler.h"

#include "platform/EventPoll.h"
#include "platform/MessageService.h"
#include "platform/TPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPicture>
#include <QTemporaryFile>

namespace sw {

namespace {

// Printer paper data of the stream header when there is no printer.
constexpr uint16_t kNoPrinterPaper = 265;
constexpr int kMaxRecordedPoints = 65536;

QByteArray encodeBitmap(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

uint16_t clampU16(int v)
{
    return static_cast<uint16_t>(qBound(0, v, 65535));
}

} // namespace

TReportFiler::TReportFiler(TReportDevice *measuringDevice)
{
    setDevice(measuringDevice);
}

TReportFiler::~TReportFiler() = default;

QIODevice *TReportFiler::Stream() const
{
    return StreamMode == smUser ? mUserStream : mOwnStream.get();
}

bool TReportFiler::recording() const
{
    return mWriter && pageOpen() && !Aborted();
}

void TReportFiler::recorded()
{
    EventPoll::poll();
}

// ---- document --------------------------------------------------------------------------

bool TReportFiler::openDocument()
{
    if (!(device() && device()->isInstalled()) && !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        throw EReportPrinter(QString::fromLatin1(rpmsg::OwnerNotForm));

    QIODevice *stream = nullptr;
    QString name;
    switch (StreamMode) {
    case smUser: {
        if (!mUserStream)
            throw EReportPrinter(QString::fromLatin1(rpmsg::StreamIsNil));
        stream = mUserStream;
        if (!stream->isOpen())
            stream->open(QIODevice::ReadWrite);
        if (auto *buffer = qobject_cast<QBuffer *>(stream))
            buffer->buffer().clear();
        else if (auto *file = qobject_cast<QFileDevice *>(stream))
            file->resize(0);
        if (!stream->isWritable() || !stream->seek(0))
            stream = nullptr;
        name = QStringLiteral("(stream)");
        break;
    }
    case smMemory: {
        auto buffer = std::make_unique<QBuffer>();
        buffer->open(QIODevice::ReadWrite);
        mOwnStream = std::move(buffer);
        stream = mOwnStream.get();
        break;
    }
    case smFile: {
        name = FileName;
        auto file = std::make_unique<QFile>(FileName);
        mOwnStream.reset();
        if (!FileName.isEmpty() && file->open(QIODevice::ReadWrite | QIODevice::Truncate)) {
            mOwnStream = std::move(file);
            stream = mOwnStream.get();
        }
        break;
    }
    case smTempFile: {
        auto file = std::make_unique<QTemporaryFile>();
        mOwnStream.reset();
        if (file->open()) {
            mOwnStream = std::move(file);
            stream = mOwnStream.get();
        } else {
            name = file->fileTemplate();
        }
        break;
    }
    }
    if (!stream) {
        MessageService::error(QString::fromLatin1(rpmsg::StreamInitError) + QLatin1Char('"') + name
                              + QLatin1Char('"'));
        return false;
    }

    mWriter = std::make_unique<TStreamWriter>(stream);
    mPageCount = 0;
    mLastPageBegin = -1;
    mHeaderPos = mWriter->pos();
    TStreamWriter &w = *mWriter;
    w.byte(rpcode::StreamHeader);
    w.u16(0); // page count, set by EndDoc
    w.u16(clampU16(FirstPage()));
    w.u16(clampU16(LastPage()));
    w.f32(PaperWidth() / UnitsFactor());
    w.f32(PaperHeight() / UnitsFactor());
    w.f32(UnprintableLeft() / UnitsFactor());
    w.f32(UnprintableRight() / UnitsFactor());
    w.f32(UnprintableTop() / UnitsFactor());
    w.f32(UnprintableBottom() / UnitsFactor());
    w.byte(static_cast<uint8_t>(Orientation()));
    // Printer paper data: paper number, two reserved bytes, copies, and
    // three reserved values.
    const bool printer = device() && device()->isInstalled();
    w.u16(printer ? clampU16(PaperNumber()) : kNoPrinterPaper);
    w.byte(0);
    w.byte(0);
    w.u16(printer ? clampU16(Copies()) : 1);
    w.u16(1);
    w.u16(0);
    w.u16(0);
    w.string(Title);
    return true;
}

void TReportFiler::startPage()
{
    TStreamWriter &w = *mWriter;
    const qint64 pos = w.pos();
    if (mLastPageBegin >= 0)
        w.patchU32(mLastPageBegin + 5, static_cast<uint32_t>(pos)); // the previous page's "next" link
    w.byte(rpcode::PageBegin);
    w.u32(mLastPageBegin >= 0 ? static_cast<uint32_t>(mLastPageBegin) : 0);
    w.u32(0);
    w.u16(clampU16(CurrentPage()));
    w.f32(PaperWidth() / UnitsFactor());
    w.f32(PaperHeight() / UnitsFactor());
    mLastPageBegin = pos;
    ++mPageCount;
    writeAllState();
}

void TReportFiler::endPage()
{
    if (mWriter)
        mWriter->byte(rpcode::PageEnd);
}

void TReportFiler::closeDocument()
{
    if (!mWriter)
        return;
    mWriter->flush();
    mWriter->patchU16(mHeaderPos + 1, clampU16(mPageCount));
    mWriter.reset();
    if (auto *file = qobject_cast<QFile *>(mOwnStream.get()); file && StreamMode == smFile)
        file->flush();
}

// ---- state --------------------------------------------------------------------------------

void TReportFiler::writeAllState()
{
    mWritten = Written();
    writeBrush(true);
    writeFont(true);
    writePen(true);
    writeScale(true);
    writeBackground(true);
}

void TReportFiler::writeBrush(bool all)
{
    TStreamWriter &w = *mWriter;
    if (all || BrushColor() != mWritten.brushColor) {
        w.byte(rpcode::BrushColor);
        w.i32(BrushColor());
    }
    if (all || BrushStyle() != mWritten.brushStyle) {
        w.byte(rpcode::BrushStyle);
        w.byte(static_cast<uint8_t>(BrushStyle()));
    }
    if (all || !(BrushPattern() == mWritten.brushPattern)) {
        w.byte(rpcode::BrushBitmap);
        w.byte(BrushPattern().isNull() ? 0 : 1);
        if (!BrushPattern().isNull())
            bitmap(BrushPattern());
    }
    mWritten.brushColor = BrushColor();
    mWritten.brushStyle = BrushStyle();
    mWritten.brushPattern = BrushPattern();
}

void TReportFiler::writeFont(bool all)
{
    TStreamWriter &w = *mWriter;
    if (all || FontName() != mWritten.fontName) {
        w.byte(rpcode::FontName);
        w.string(FontName());
    }
    if (all || FontColor() != mWritten.fontColor) {
        w.byte(rpcode::FontColor);
        w.i32(FontColor());
    }
    if (all || FontPitch() != mWritten.fontPitch) {
        w.byte(rpcode::FontPitch);
        w.byte(static_cast<uint8_t>(FontPitch()));
    }
    if (all || FontSize() != mWritten.fontSize) {
        w.byte(rpcode::FontSize);
        w.f32(FontSize() / 72.0);
        w.f32(TextWidth(QString::fromLatin1(FontReferenceText)) / UnitsFactor());
    }
    const bool flags[6] = {FontBold(), FontUnderline(), FontItalic(), FontStrikeout(), FontSuperscript(), FontSubscript()};
    for (int i = 0; i < 6; ++i) {
        if (all || int(flags[i]) != mWritten.fontFlags[i]) {
            w.byte(static_cast<uint8_t>(rpcode::FontBold + i));
            w.byte(flags[i] ? 1 : 0);
        }
        mWritten.fontFlags[i] = flags[i];
    }
    if (all || FontRotation() != mWritten.fontRotation) {
        w.byte(rpcode::FontRotation);
        w.i16(static_cast<int16_t>(FontRotation()));
    }
    if (all || fontAlignment() != mWritten.fontAlign) {
        w.byte(rpcode::FontAlign);
        w.byte(static_cast<uint8_t>(fontAlignment()));
    }
    mWritten.fontName = FontName();
    mWritten.fontColor = FontColor();
    mWritten.fontPitch = FontPitch();
    mWritten.fontSize = FontSize();
    mWritten.fontRotation = FontRotation();
    mWritten.fontAlign = fontAlignment();
}

void TReportFiler::writePen(bool all)
{
    TStreamWriter &w = *mWriter;
    if (all || PenColor() != mWritten.penColor) {
        w.byte(rpcode::PenColor);
        w.i32(PenColor());
    }
    if (all || PenMode() != mWritten.penMode) {
        w.byte(rpcode::PenMode);
        w.byte(static_cast<uint8_t>(PenMode()));
    }
    if (all || PenStyle() != mWritten.penStyle) {
        w.byte(rpcode::PenStyle);
        w.byte(static_cast<uint8_t>(PenStyle()));
    }
    const float width = static_cast<float>(PenWidthInches());
    if (all || width != mWritten.penWidth) {
        w.byte(rpcode::PenWidth);
        w.f32(width);
    }
    mWritten.penColor = PenColor();
    mWritten.penMode = PenMode();
    mWritten.penStyle = PenStyle();
    mWritten.penWidth = width;
}

void TReportFiler::writeScale(bool all)
{
    TStreamWriter &w = *mWriter;
    const float sx = static_cast<float>(ScaleX());
    const float sy = static_cast<float>(ScaleY());
    if (all || sx != mWritten.scaleX) {
        w.byte(rpcode::ScaleX);
        w.f32(sx);
    }
    if (all || sy != mWritten.scaleY) {
        w.byte(rpcode::ScaleY);
        w.f32(sy);
    }
    mWritten.scaleX = sx;
    mWritten.scaleY = sy;
}

void TReportFiler::writeBackground(bool all)
{
    TStreamWriter &w = *mWriter;
    if (all || TextBKMode() != mWritten.bkMode) {
        w.byte(rpcode::BKMode);
        w.byte(static_cast<uint8_t>(TextBKMode()));
    }
    if (all || BKColor() != mWritten.bkColor) {
        w.byte(rpcode::BKColor);
        w.i32(BKColor());
    }
    mWritten.bkMode = TextBKMode();
    mWritten.bkColor = BKColor();
}

void TReportFiler::penChanged()
{
    if (recording())
        writePen(false);
}

void TReportFiler::brushChanged()
{
    if (recording())
        writeBrush(false);
}

void TReportFiler::fontChanged()
{
    if (recording())
        writeFont(false);
}

void TReportFiler::backgroundChanged()
{
    if (recording())
        writeBackground(false);
}

void TReportFiler::scaleChanged()
{
    if (recording())
        writeScale(false);
}

// ---- operands ------------------------------------------------------------------------------

void TReportFiler::unitPoint(double x, double y)
{
    mWriter->point(x / UnitsFactor() + OriginX, y / UnitsFactor() + OriginY);
}

void TReportFiler::devicePoint(int x, int y)
{
    mWriter->point(inchFromDeviceX(x), inchFromDeviceY(y));
}

void TReportFiler::devicePoints(const QVector<QPoint> &points)
{
    const int n = qMin(int(points.size()), kMaxRecordedPoints);
    mWriter->u16(static_cast<uint16_t>(n - 1));
    for (int i = 0; i < n; ++i)
        devicePoint(points.at(i).x(), points.at(i).y());
}

void TReportFiler::bitmap(const QImage &image)
{
    mWriter->graphic(GraphicKind::Bitmap, encodeBitmap(image));
}

// ---- drawing --------------------------------------------------------------------------------

void TReportFiler::doPrintText(const QString &text, double x, double baseline, TTextAlign align)
{
    TStreamWriter &w = *mWriter;
    if (align == AlignLeft && AccuracyMethod == amPositioning && FontRotation() == 0) {
        w.byte(rpcode::TextBlock);
        w.f32(baseline);
        w.string(text);
        w.f32(x);
        w.f32(TextWidth(text) / UnitsFactor());
    } else {
        w.byte(align == AlignLeft ? rpcode::PrintLeft : align == AlignCenter ? rpcode::PrintCenter : rpcode::PrintRight);
        w.f32(baseline);
        w.string(text);
        w.f32(x);
    }
    recorded();
}

void TReportFiler::doRectangle(double x1, double y1, double x2, double y2)
{
    mWriter->byte(rpcode::Rectangle);
    unitPoint(x1, y1);
    unitPoint(x2, y2);
    recorded();
}

void TReportFiler::doRoundRect(double x1, double y1, double x2, double y2, double cw, double ch)
{
    mWriter->byte(rpcode::RoundRect);
    unitPoint(x1, y1);
    unitPoint(x2, y2);
    mWriter->f32(cw / UnitsFactor());
    mWriter->f32(ch / UnitsFactor());
    recorded();
}

void TReportFiler::doEllipse(double x1, double y1, double x2, double y2)
{
    mWriter->byte(rpcode::Ellipse);
    unitPoint(x1, y1);
    unitPoint(x2, y2);
    recorded();
}

void TReportFiler::doMoveTo(double x, double y)
{
    mWriter->byte(rpcode::MoveTo);
    unitPoint(x, y);
    recorded();
}

void TReportFiler::doLineTo(double x, double y)
{
    mWriter->byte(rpcode::LineTo);
    unitPoint(x, y);
    recorded();
}

void TReportFiler::doPolygon(const QVector<QPoint> &points)
{
    mWriter->byte(rpcode::Polygon);
    devicePoints(points);
    recorded();
}

void TReportFiler::doPolyline(const QVector<QPoint> &points)
{
    mWriter->byte(rpcode::Polyline);
    devicePoints(points);
    recorded();
}

void TReportFiler::doFillRect(const TDeviceRect &rect)
{
    mWriter->byte(rpcode::FillRect);
    devicePoint(rect.left, rect.top);
    devicePoint(rect.right, rect.bottom);
    recorded();
}

void TReportFiler::doTextRect(const TDeviceRect &rect, double x, double y, const QString &text)
{
    mWriter->byte(rpcode::TextRect);
    devicePoint(rect.left, rect.top);
    devicePoint(rect.right, rect.bottom);
    unitPoint(x, y);
    mWriter->string(text);
    recorded();
}

void TReportFiler::doPrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &image)
{
    mWriter->byte(rpcode::CopyMode);
    mWriter->byte(0); // source copy
    mWriter->byte(rpcode::PrintBitmapRect);
    bitmap(image);
    unitPoint(x1, y1);
    unitPoint(x2, y2);
    recorded();
}

void TReportFiler::doStretchDraw(const TDeviceRect &rect, const TPicture &picture)
{
    GraphicKind kind;
    switch (picture.kind()) {
    case TPicture::Kind::Bitmap: kind = GraphicKind::Bitmap; break;
    case TPicture::Kind::Icon: kind = GraphicKind::Icon; break;
    case TPicture::Kind::Metafile: kind = GraphicKind::Metafile; break;
    default: return; // an empty picture draws nothing
    }
    mWriter->byte(rpcode::StretchDraw);
    mWriter->graphic(kind, picture.data());
    devicePoint(rect.left, rect.top);
    devicePoint(rect.right, rect.bottom);
    recorded();
}

void TReportFiler::doStretchDraw(const TDeviceRect &rect, const QPicture &picture)
{
    mWriter->byte(rpcode::StretchDraw);
    mWriter->graphic(GraphicKind::Metafile, QByteArray(picture.data(), int(picture.size())));
    devicePoint(rect.left, rect.top);
    devicePoint(rect.right, rect.bottom);
    recorded();
}

void TReportFiler::doCopyRect(const TDeviceRect &, const QImage &, const QRect &)
{
    throw EReportPrinter(QString::fromLatin1(rpmsg::CopyRectInFile));
}

void TReportFiler::doCreateRectRegion(double x1, double y1, double x2, double y2)
{
    mWriter->byte(rpcode::CreateRectRegion);
    unitPoint(x1, y1);
    unitPoint(x2, y2);
    recorded();
}

void TReportFiler::doCreateRoundRectRegion(double x1, double y1, double x2, double y2, double cw, double ch)
{
    mWriter->byte(rpcode::CreateRoundRectRegion);
    unitPoint(x1, y1);
    unitPoint(x2, y2);
    mWriter->f32(cw / UnitsFactor());
    mWriter->f32(ch / UnitsFactor());
    recorded();
}

void TReportFiler::doCreateEllipseRegion(double x1, double y1, double x2, double y2)
{
    mWriter->byte(rpcode::CreateEllipseRegion);
    unitPoint(x1, y1);
    unitPoint(x2, y2);
    recorded();
}

void TReportFiler::doCreatePolygonRegion(const QVector<QPoint> &points)
{
    mWriter->byte(rpcode::CreatePolygonRegion);
    devicePoints(points);
    recorded();
}

void TReportFiler::doSelectRegion()
{
    mWriter->byte(rpcode::SelectRegion);
    recorded();
}

void TReportFiler::doDeleteRegion()
{
    mWriter->byte(rpcode::DeleteRegion);
    recorded();
}

void TReportFiler::doClipOff()
{
    mWriter->byte(rpcode::ClipOff);
    recorded();
}

void TReportFiler::doPathCommand(int command)
{
    static const uint8_t codes[] = {rpcode::BeginPath, rpcode::EndPath, rpcode::SelectClipPath, rpcode::StrokePath,
                                    rpcode::StrokeAndFillPath};
    if (command < 0 || command > 4)
        return;
    mWriter->byte(codes[command]);
    recorded();
}

} // namespace sw
