#include "report/PreviewStream.h"

#include "report/RPDefine.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

namespace sw {

const char *const FontReferenceText = "abcdefg hijklmnop qrstuv wxyz ABCDEFG HIJKLMNOP QRSTUV WXYZ 0123456789";

namespace {

constexpr double kFloatLimit = 1e4; // inches; far beyond any sheet
constexpr int kLongString = 255;

} // namespace

// ---- writer ----------------------------------------------------------------------

TStreamWriter::TStreamWriter(QIODevice *device)
    : mDevice(device), mBase(device->pos())
{
    mBuffer.reserve(BlockSize);
}

TStreamWriter::~TStreamWriter()
{
    try {
        flush();
    } catch (...) {
    }
}

void TStreamWriter::raw(const char *data, int n)
{
    mBuffer.append(data, n);
    if (mBuffer.size() >= BlockSize)
        flush();
}

void TStreamWriter::flush()
{
    if (mBuffer.isEmpty())
        return;
    if (!mDevice->seek(mBase) || mDevice->write(mBuffer) != mBuffer.size())
        throw EReportPrinter(QStringLiteral("Stream write error"));
    mBase += mBuffer.size();
    mBuffer.clear();
}

void TStreamWriter::byte(uint8_t v)
{
    raw(reinterpret_cast<const char *>(&v), 1);
}

void TStreamWriter::u16(uint16_t v)
{
    char b[2];
    qToLittleEndian<quint16>(v, b);
    raw(b, 2);
}

void TStreamWriter::u32(uint32_t v)
{
    char b[4];
    qToLittleEndian<quint32>(v, b);
    raw(b, 4);
}

void TStreamWriter::f32(double v)
{
    float f = static_cast<float>(std::isfinite(v) ? qBound(-kFloatLimit, v, kFloatLimit) : 0.0);
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    u32(bits);
}

void TStreamWriter::string(const QString &s)
{
    const QByteArray bytes = s.toUtf8();
    if (bytes.size() < kLongString) {
        byte(static_cast<uint8_t>(bytes.size()));
    } else {
        byte(kLongString);
        u32(static_cast<uint32_t>(bytes.size()));
    }
    raw(bytes.constData(), int(bytes.size()));
}

void TStreamWriter::graphic(GraphicKind kind, const QByteArray &bytes)
{
    byte(static_cast<uint8_t>(kind));
    u32(static_cast<uint32_t>(bytes.size()));
    raw(bytes.constData(), int(bytes.size()));
}

void TStreamWriter::patchU16(qint64 at, uint16_t v)
{
    flush();
    char b[2];
    qToLittleEndian<quint16>(v, b);
    if (!mDevice->seek(at) || mDevice->write(b, 2) != 2 || !mDevice->seek(mBase))
        throw EReportPrinter(QStringLiteral("Stream write error"));
}

void TStreamWriter::patchU32(qint64 at, uint32_t v)
{
    flush();
    char b[4];
    qToLittleEndian<quint32>(v, b);
    if (!mDevice->seek(at) || mDevice->write(b, 4) != 4 || !mDevice->seek(mBase))
        throw EReportPrinter(QStringLiteral("Stream write error"));
}

// ---- reader -----------------------------------------------------------------------

void TStreamReader::damaged()
{
    throw EReportPrinter(QString::fromLatin1(rpmsg::DamagedStream));
}

void TStreamReader::seek(qint64 pos)
{
    if (pos < 0 || pos > mData.size())
        damaged();
    mPos = pos;
}

const char *TStreamReader::take(qint64 n)
{
    if (n < 0 || n > mData.size() - mPos)
        damaged();
    const char *p = mData.constData() + mPos;
    mPos += n;
    return p;
}

uint8_t TStreamReader::byte()
{
    return static_cast<uint8_t>(*take(1));
}

uint16_t TStreamReader::u16()
{
    return qFromLittleEndian<quint16>(take(2));
}

uint32_t TStreamReader::u32()
{
    return qFromLittleEndian<quint32>(take(4));
}

double TStreamReader::f32()
{
    const uint32_t bits = u32();
    float f;
    std::memcpy(&f, &bits, 4);
    if (!std::isfinite(f) || std::fabs(f) > kFloatLimit)
        damaged();
    return f;
}

QPointF TStreamReader::point()
{
    const double x = f32();
    const double y = f32();
    return QPointF(x, y);
}

QString TStreamReader::string()
{
    qint64 n = byte();
    if (n == kLongString)
        n = u32();
    const char *p = take(n);
    return QString::fromUtf8(p, n);
}

int TStreamReader::enumByte(int max)
{
    const int v = byte();
    if (v > max)
        damaged();
    return v;
}

QByteArray TStreamReader::graphic(GraphicKind *kind)
{
    const int k = byte();
    if (k < 1 || k > 4)
        damaged();
    *kind = static_cast<GraphicKind>(k);
    const qint64 n = u32();
    const char *p = take(n);
    return QByteArray(p, n);
}

} // namespace sw
