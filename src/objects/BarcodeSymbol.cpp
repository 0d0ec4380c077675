#include "objects/BarcodeSymbol.h"

#include <zint.h>

#include <QMap>

#include <algorithm>
#include <cmath>
#include <memory>

namespace sw {

namespace {

int encoderSymbology(TBarcodeSymbology symbology)
{
    switch (symbology) {
    case bcCode128: return BARCODE_CODE128;
    case bcEAN13: return BARCODE_EANX;
    case bcUPCA: return BARCODE_UPCA;
    case bcCode39: return BARCODE_CODE39;
    case bcITF14: return BARCODE_ITF14;
    case bcQRCode: return BARCODE_QRCODE;
    case bcDataMatrix: return BARCODE_DATAMATRIX;
    case bcPDF417: return BARCODE_PDF417;
    }
    return BARCODE_CODE128;
}

bool allDigits(const QString &s)
{
    return std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// The first character (a whole code point) that fails the test, quoted;
// empty when every one passes.
template <class Accept>
QString firstRefused(const QString &data, Accept accept)
{
    for (const char32_t c : data.toUcs4())
        if (!accept(c))
            return QStringLiteral("\"%1\"").arg(QString::fromUcs4(&c, 1));
    return QString();
}

// A GS1 number (EAN-13, UPC-A, ITF-14): `length` digits of data and an
// optional check digit, which must be right. Returns the problem, or
// empty with the digits the encoder takes (it adds the check digit itself).
QString checkGs1(TBarcodeSymbology symbology, const QString &data, int length, QString *forEncoder)
{
    if (!allDigits(data) || (data.size() != length && data.size() != length + 1))
        return QStringLiteral("%1 needs %2 or %3 digits").arg(symbologyName(symbology)).arg(length).arg(length + 1);
    const QString body = data.left(length);
    if (data.size() == length + 1) {
        const int check = BarcodeSymbol::gs1CheckDigit(body);
        if (data.at(length).digitValue() != check)
            return QStringLiteral("check digit should be %1").arg(check);
    }
    *forEncoder = body;
    return QString();
}

// What the symbology refuses in the data, before the encoder sees it, in
// the user's words; empty when the encoder may try. The encoder is not
// left to judge these: it would quietly change some data (Code 39 turns
// small letters into capitals, a short EAN-13 becomes an add-on code).
QString checkData(TBarcodeSymbology symbology, const QString &data, QString *forEncoder)
{
    *forEncoder = data;
    if (data.isEmpty())
        return QStringLiteral("No data to encode");
    QString refused;
    switch (symbology) {
    case bcEAN13:
        return checkGs1(symbology, data, 12, forEncoder);
    case bcUPCA:
        return checkGs1(symbology, data, 11, forEncoder);
    case bcITF14:
        return checkGs1(symbology, data, 13, forEncoder);
    case bcCode39:
        refused = firstRefused(data, [](char32_t c) {
            return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || c == U' ' || c == U'-' || c == U'.'
                || c == U'$' || c == U'/' || c == U'+' || c == U'%';
        });
        break;
    case bcCode128:
        refused = firstRefused(data, [](char32_t c) { return c <= 0xFF; });
        break;
    case bcQRCode:
    case bcDataMatrix:
    case bcPDF417:
        break;
    }
    if (!refused.isEmpty())
        return QStringLiteral("%1 cannot encode %2").arg(symbologyName(symbology), refused);
    return QString();
}

// The encoder's own refusal, without its message number.
QString encoderProblem(TBarcodeSymbology symbology, int result, const char *message)
{
    if (result == ZINT_ERROR_TOO_LONG)
        return QStringLiteral("Too much data for %1").arg(symbologyName(symbology));
    QString text = QString::fromUtf8(message);
    const int colon = text.indexOf(QLatin1String(": "));
    if (text.startsWith(QLatin1String("Error ")) && colon > 0)
        text = text.mid(colon + 2);
    return QStringLiteral("%1: %2").arg(symbologyName(symbology), text);
}

struct SymbolDeleter
{
    void operator()(zint_symbol *s) const { ZBarcode_Delete(s); }
};

// The value that occurs most often (first of equals), for finding the
// main bars' top and bottom among guard bars and bearers.
double mostCommon(const QVector<double> &values)
{
    QMap<qint64, int> counts;
    for (double v : values)
        ++counts[std::llround(v * 1000)];
    qint64 best = 0;
    int bestCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    return best / 1000.0;
}

} // namespace

int BarcodeSymbol::gs1CheckDigit(const QString &digits)
{
    // Weights 3 and 1 alternate from the digit next to the check digit.
    int sum = 0;
    int weight = 3;
    for (int i = digits.size() - 1; i >= 0; --i) {
        sum += digits.at(i).digitValue() * weight;
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

BarcodeSymbol BarcodeSymbol::encode(TBarcodeSymbology symbology, const QString &data)
{
    BarcodeSymbol symbol(symbology);
    QString forEncoder;
    symbol.mError = checkData(symbology, data, &forEncoder);
    if (!symbol.isValid())
        return symbol;

    std::unique_ptr<zint_symbol, SymbolDeleter> z(ZBarcode_Create());
    if (!z) {
        symbol.mError = QStringLiteral("Not enough memory to encode the barcode");
        return symbol;
    }
    z->symbology = encoderSymbology(symbology);
    z->input_mode = UNICODE_MODE;
    z->output_options |= BARCODE_QUIET_ZONES;
    z->show_hrt = 1;
    // The vector output measures 2 x scale units per module: one unit each.
    z->scale = 0.5f;
    const QByteArray bytes = forEncoder.toUtf8();
    int result = ZBarcode_Encode(z.get(), reinterpret_cast<const unsigned char *>(bytes.constData()),
                                 int(bytes.size()));
    if (result < ZINT_ERROR)
        result = ZBarcode_Buffer_Vector(z.get(), 0);
    if (result >= ZINT_ERROR || !z->vector) {
        symbol.mError = encoderProblem(symbology, result, z->errtxt);
        return symbol;
    }

    symbol.mWidth = z->vector->width;
    symbol.mHeight = z->vector->height;
    for (const zint_vector_rect *r = z->vector->rectangles; r; r = r->next)
        symbol.mBars.append(Bar{r->x, r->y, r->width, r->height});
    if (!isTwoDimensional(symbology)) {
        symbol.mHumanReadable = QString::fromUtf8(reinterpret_cast<const char *>(z->text));
        for (const zint_vector_string *s = z->vector->strings; s; s = s->next) {
            // The encoder's alignment: 0 centre, 1 left (start), 2 right (end).
            const TextAlign align = s->halign == 1   ? TextAlign::Left
                                    : s->halign == 2 ? TextAlign::Right
                                                     : TextAlign::Centre;
            const QString text = QString::fromUtf8(reinterpret_cast<const char *>(s->text), s->length);
            symbol.mTexts.append(Text{s->x, align, text});
        }
    }
    // The vector height includes the encoder's own text line, whose size
    // place() replaces with the font's; the width is what counts for it.
    return symbol;
}

BarcodeSymbol::Placement BarcodeSymbol::place(const QRect &box, int textHeight, bool wholeDots,
                                              double dotAspect) const
{
    if (!isValid() || mWidth <= 0 || mHeight <= 0 || box.width() <= 0 || box.height() <= 0 || dotAspect <= 0)
        return Placement();
    return isTwoDimensional(mSymbology) ? placeMatrix(box, wholeDots, dotAspect)
                                        : placeLinear(box, textHeight, wholeDots, dotAspect);
}

BarcodeSymbol::Placement BarcodeSymbol::placeMatrix(const QRect &box, bool wholeDots, double dotAspect) const
{
    Placement p;
    // Square modules on paper: a module is `m` dots across and m x
    // dotAspect dots down.
    double m = std::min(box.width() / mWidth, box.height() / (mHeight * dotAspect));
    double mh = m * dotAspect;
    double x0 = box.left() + (box.width() - mWidth * m) / 2;
    double y0 = box.top() + (box.height() - mHeight * mh) / 2;
    if (wholeDots) {
        m = std::max(1.0, std::floor(m));
        mh = std::max(1.0, std::round(m * dotAspect));
        x0 = box.left() + std::floor((box.width() - mWidth * m) / 2);
        y0 = box.top() + std::floor((box.height() - mHeight * mh) / 2);
    }
    p.module = m;
    for (const Bar &b : mBars) {
        const int l = int(std::lround(x0 + b.x * m)), r = int(std::lround(x0 + (b.x + b.width) * m));
        const int t = int(std::lround(y0 + b.y * mh)), bottom = int(std::lround(y0 + (b.y + b.height) * mh));
        p.bars.append(QRect(l, t, r - l, bottom - t));
    }
    return p;
}

BarcodeSymbol::Placement BarcodeSymbol::placeLinear(const QRect &box, int textHeight, bool wholeDots,
                                                    double dotAspect) const
{
    Placement p;
    double m = box.width() / mWidth;
    double x0 = box.left();
    if (wholeDots) {
        m = std::max(1.0, std::floor(m));
        x0 = box.left() + std::floor((box.width() - mWidth * m) / 2);
    }
    p.module = m;
    const double mh = m * dotAspect;

    // The bars stretch to fill the height; what lies above or below the
    // main bars (bearer bars, the guard bars of EAN and UPC, which reach
    // down beside the digits) keeps its size in modules.
    QVector<double> tops, bottoms;
    for (const Bar &b : mBars) {
        tops.append(b.y);
        bottoms.append(b.y + b.height);
    }
    const double mainTop = mostCommon(tops);
    const double mainBottom = mostCommon(bottoms);
    double guardBelow = 0, bearerBelow = 0;
    constexpr double kSlack = 1e-3; // the encoder's positions are floats
    for (const Bar &b : mBars) {
        const double below = b.y + b.height - mainBottom;
        if (b.y >= mainBottom - kSlack)
            bearerBelow = std::max(bearerBelow, below);
        else
            guardBelow = std::max(guardBelow, below);
    }
    const bool withText = textHeight > 0 && !mTexts.isEmpty();
    const double gap = withText ? std::max(1.0, std::round(mh / 2)) : 0;
    const double above = mainTop * mh;
    const double below = std::max(guardBelow * mh, bearerBelow * mh + (withText ? gap + textHeight : 0));
    const double stretch = std::max(mh, box.height() - above - below);
    const double barsHeight = std::max(1e-9, mainBottom - mainTop);
    auto down = [&](double y) {
        if (y <= mainTop + kSlack)
            return box.top() + y * mh;
        if (y <= mainBottom + kSlack)
            return box.top() + above + (y - mainTop) / barsHeight * stretch;
        return box.top() + above + stretch + (y - mainBottom) * mh;
    };
    for (const Bar &b : mBars) {
        const int l = int(std::lround(x0 + b.x * m)), r = int(std::lround(x0 + (b.x + b.width) * m));
        const int t = int(std::lround(down(b.y))), bottom = int(std::lround(down(b.y + b.height)));
        p.bars.append(QRect(l, t, r - l, bottom - t));
    }
    if (withText) {
        p.textTop = int(std::lround(box.top() + above + stretch + bearerBelow * mh + gap));
        for (const Text &t : mTexts)
            p.texts.append(Placement::Line{int(std::lround(x0 + t.x * m)), t.align, t.text});
    }
    return p;
}

} // namespace sw
