// Text of the metafile drawing context: fonts realised from their logical
// description, 8-bit text decoded by the font's character set, and text
// laid out by the alignment flags and spacing arrays.
#include "metafile/GdiRenderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringDecoder>

#include <cmath>

namespace sw {

using namespace gdi;

namespace {

// Largest font size realised directly, in pixels; larger text is scaled.
constexpr int kMaxPixelSize = 2048;

const char *encodingOf(quint8 charSet)
{
    switch (charSet) {
    case SYMBOL_CHARSET: return nullptr; // the symbol font's own codes, kept as Latin-1
    case 77: return "macintosh";
    case 128: return "Shift_JIS";
    case 129:
    case 130: return "windows-949";
    case 134: return "GBK";
    case 136: return "Big5";
    case 161: return "windows-1253";
    case 162: return "windows-1254";
    case 163: return "windows-1258";
    case 177: return "windows-1255";
    case 178: return "windows-1256";
    case 186: return "windows-1257";
    case 204: return "windows-1251";
    case 222: return "windows-874";
    case 238: return "windows-1250";
    case 255: return "IBM437";
    default: return "windows-1252"; // ANSI and default
    }
}

} // namespace

QString GdiRenderer::decodeText(const QByteArray &bytes) const
{
    if (const char *name = encodingOf(mState.font.charSet)) {
        QStringDecoder decoder(name);
        if (decoder.isValid()) {
            const QString text = decoder.decode(bytes);
            if (!decoder.hasError())
                return text;
        }
    }
    return QString::fromLatin1(bytes);
}

QFont GdiRenderer::realizeFont(double *stretchX, double *extraScale) const
{
    const LogFont &f = mState.font;
    const QTransform t = logicalToReference();
    const double sy = std::hypot(t.m21(), t.m22());
    const double sx = std::hypot(t.m11(), t.m12());
    QFont font(f.faceName.isEmpty() ? QStringLiteral("Arial") : f.faceName);
    font.setWeight(QFont::Weight(qBound(1, f.weight > 0 ? f.weight : 400, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setKerning(false);

    double em;
    if (f.height < 0) {
        em = -f.height * sy;
    } else if (f.height > 0) {
        // A positive height is the whole character cell.
        QFont probe = font;
        probe.setPixelSize(1000);
        const QFontMetricsF m(probe);
        const double cell = m.ascent() + m.descent();
        em = f.height * sy * (cell > 0 ? 1000.0 / cell : 1.0);
    } else {
        em = 12.0 * mDpiY / 72.0; // the default font's size
    }
    if (!(em > 0) || !std::isfinite(em))
        em = 1;
    em = qMin(em, 1e6);
    const int pixels = qBound(1, int(std::lround(em)), kMaxPixelSize);
    font.setPixelSize(pixels);
    *extraScale = em / pixels;

    *stretchX = 1;
    if (f.width != 0) {
        const double natural = QFontMetricsF(font).averageCharWidth() * *extraScale;
        const double wanted = std::fabs(f.width) * sx;
        if (natural > 0 && std::isfinite(wanted))
            *stretchX = qBound(0.01, wanted / natural, 100.0);
    }
    return font;
}

void GdiRenderer::textOut(const QPointF &point, const QString &source, const QVector<double> &dx, quint32 options,
                          const QRectF &rect)
{
    const QTransform toRef = logicalToReference();
    const bool updateCp = mState.textAlign & TA_UPDATECP;
    const QPointF origin = updateCp ? mState.position : point;
    QPainterPath rectPath;
    if (!rect.isNull())
        rectPath.addRect(rect.normalized());
    const QPainterPath rectRef = toRef.map(rectPath);

    if ((options & ETO_OPAQUE) && !rectRef.isEmpty() && !mRecording) {
        applyClip();
        mPainter->setWorldTransform(mReferenceToBase * mBase);
        mPainter->fillPath(rectRef, mState.bkColor);
    }
    // Glyph numbers belong to the font the metafile was made with, which
    // this system does not have: such text is left out.
    const QString text = (options & ETO_GLYPH_INDEX) ? QString() : source;
    if (text.isEmpty())
        return;

    double stretchX = 1, extra = 1;
    const QFont font = realizeFont(&stretchX, &extra);
    const QFontMetricsF metrics(font);
    const double toFont = 1.0 / (extra * stretchX); // reference units along the baseline to font units
    const double scale = lengthScale();

    const bool spaced = !dx.isEmpty() || mState.charExtra != 0 || (mState.breakCount > 0 && mState.breakExtra != 0);
    QVector<double> advances(text.size());
    double total = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        double a;
        if (!dx.isEmpty()) {
            a = dx.value(i) * scale * toFont;
        } else {
            a = metrics.horizontalAdvance(text.at(i)) + mState.charExtra * scale * toFont;
            if (text.at(i) == QLatin1Char(' ') && mState.breakCount > 0)
                a += mState.breakExtra / mState.breakCount * scale * toFont;
        }
        if (!std::isfinite(a))
            a = 0;
        advances[i] = a;
        total += a;
    }
    if (!spaced)
        total = metrics.horizontalAdvance(text);

    double x0 = 0;
    switch (mState.textAlign & TA_HORIZONTAL_MASK) {
    case TA_RIGHT: x0 = -total; break;
    case TA_CENTER: x0 = -total / 2; break;
    default: break;
    }
    double y0 = metrics.ascent(); // TA_TOP: the reference point is the cell's top
    if ((mState.textAlign & TA_VERTICAL_MASK) == TA_BASELINE)
        y0 = 0;
    else if ((mState.textAlign & TA_VERTICAL_MASK) == TA_BOTTOM)
        y0 = -metrics.descent();

    // The escapement turns the text on the page; a world transform that
    // rotates turns it with everything else.
    const double worldAngle = std::atan2(mState.world.m12(), mState.world.m11()) * 180.0 / 3.14159265358979323846;
    const QPointF o = toRef.map(origin);
    QTransform textToRef = QTransform::fromScale(stretchX * extra, extra);
    textToRef *= QTransform().rotate(-mState.font.escapement / 10.0 + worldAngle);
    textToRef *= QTransform::fromTranslate(o.x(), o.y());

    // Pieces of text with their pen positions, in font units.
    QVector<QPair<double, QString>> pieces;
    if (spaced) {
        double x = x0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            const QString piece = text.mid(i, pair ? 2 : 1);
            pieces.append({x, piece});
            x += advances[i] + (pair ? advances[i + 1] : 0);
            if (pair)
                ++i;
        }
    } else {
        pieces.append({x0, text});
    }

    if (mRecording) {
        QPainterPath glyphs;
        for (const auto &piece : pieces)
            glyphs.addText(QPointF(piece.first, y0), font, piece.second);
        mPath.addPath(textToRef.map(glyphs));
    } else {
        applyClip();
        mPainter->save();
        if ((options & ETO_CLIPPED) && !rectRef.isEmpty()) {
            mPainter->setWorldTransform(mReferenceToBase * mBase);
            mPainter->setClipPath(rectRef, Qt::IntersectClip);
        }
        mPainter->setWorldTransform(textToRef * mReferenceToBase * mBase);
        mPainter->setRenderHint(QPainter::Antialiasing, true);
        mPainter->setRenderHint(QPainter::TextAntialiasing, true);
        if (mState.bkMode == OPAQUE && !(options & ETO_OPAQUE))
            mPainter->fillRect(QRectF(x0, y0 - metrics.ascent(), total, metrics.ascent() + metrics.descent()),
                               mState.bkColor);
        mPainter->setFont(font);
        mPainter->setPen(mState.textColor);
        for (const auto &piece : pieces)
            mPainter->drawText(QPointF(piece.first, y0), piece.second);
        mPainter->restore();
    }

    if (updateCp) {
        // Left-aligned text moves the position to its end, right-aligned
        // text to its start; centred text leaves it.
        const quint32 h = mState.textAlign & TA_HORIZONTAL_MASK;
        const double end = h == TA_RIGHT ? x0 : h == TA_CENTER ? 0 : x0 + total;
        bool invertible = false;
        const QTransform refToLogical = toRef.inverted(&invertible);
        if (invertible)
            mState.position = refToLogical.map(textToRef.map(QPointF(end, 0)));
    }
}

} // namespace sw
