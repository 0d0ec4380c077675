#include "platform/TFont.h"

#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"

#include <QFontMetricsF>
#include <QHash>
#include <cmath>

namespace sw {

const char *const TFont::DefaultName = "MS Sans Serif";

namespace {

// The longest face name the platform font takes.
constexpr int kMaxFaceLength = 31;

// The classic face names label files use and the faces that draw them here.
const struct { const char *face; const char *substitute; } kSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans"},  {"Microsoft Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},          {"Helvetica", "Liberation Sans"},
    {"MS Serif", "Liberation Serif"},      {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},         {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
};

} // namespace

TFont::TFont(QObject *parent)
    : QObject(parent)
    , mName(QString::fromLatin1(DefaultName))
    , mPixelsPerInch(ScreenInfo::pixelsPerInch())
{
}

void TFont::setColor(TColor color)
{
    if (mColor == color)
        return;
    mColor = color;
    Q_EMIT changed();
}

void TFont::setHeight(int height)
{
    if (mHeight == height)
        return;
    mHeight = height;
    Q_EMIT changed();
}

void TFont::setName(const QString &name)
{
    if (mName == name)
        return;
    mName = name;
    Q_EMIT changed();
}

void TFont::setPitch(TFontPitch pitch)
{
    if (mPitch == pitch)
        return;
    mPitch = pitch;
    Q_EMIT changed();
}

int TFont::size() const
{
    return -mulDiv(mHeight, 72, mPixelsPerInch);
}

void TFont::setSize(int points)
{
    setHeight(-mulDiv(points, mPixelsPerInch, 72));
}

void TFont::setStyle(TFontStyles style)
{
    if (mStyle == style)
        return;
    mStyle = style;
    Q_EMIT changed();
}

void TFont::setPixelsPerInch(int ppi)
{
    if (ppi > 0)
        mPixelsPerInch = ppi;
}

void TFont::Assign(const TFont &source)
{
    if (&source == this)
        return;
    const int height = source.mPixelsPerInch == mPixelsPerInch
                           ? source.mHeight
                           : -mulDiv(source.size(), mPixelsPerInch, 72);
    const bool differs = mColor != source.mColor || mHeight != height || mName != source.mName
                         || mPitch != source.mPitch || mStyle != source.mStyle;
    mColor = source.mColor;
    mHeight = height;
    mName = source.mName;
    mPitch = source.mPitch;
    mStyle = source.mStyle;
    if (differs)
        Q_EMIT changed();
}

bool TFont::sameAs(const TFont &other) const
{
    return mColor == other.mColor && mHeight == other.mHeight && mName == other.mName
           && mPitch == other.mPitch && mStyle == other.mStyle;
}

void TFont::installSubstitutions()
{
    static const bool installed = [] {
        for (const auto &s : kSubstitutes)
            QFont::insertSubstitution(QString::fromLatin1(s.face), QString::fromLatin1(s.substitute));
        return true;
    }();
    Q_UNUSED(installed);
}

QStringList TFont::classicFaces()
{
    QStringList faces;
    for (const auto &s : kSubstitutes)
        faces << QString::fromLatin1(s.face);
    return faces;
}

int TFont::pixelSizeFor(const QString &family, int height)
{
    if (height < 0)
        return -height;
    if (height == 0)
        return -DefaultHeight;
    // A cell height: scale by the face's em-to-cell ratio, measured once per
    // face at a large size.
    static QHash<QString, double> ratios;
    auto it = ratios.find(family);
    if (it == ratios.end()) {
        QFont probe(family);
        probe.setPixelSize(1000);
        const QFontMetricsF fm(probe);
        const double cell = fm.ascent() + fm.descent();
        it = ratios.insert(family, cell > 0 ? 1000.0 / cell : 1.0);
    }
    return qMax(1, static_cast<int>(std::lround(height * it.value())));
}

QFont TFont::makeQFont(const QString &name, int height, TFontStyles style, TFontPitch pitch)
{
    installSubstitutions();
    const QString family = name.left(kMaxFaceLength);
    QFont font(family);
    font.setPixelSize(pixelSizeFor(family, height));
    font.setWeight(style.testFlag(fsBold) ? QFont::Bold : QFont::Normal);
    font.setItalic(style.testFlag(fsItalic));
    font.setUnderline(style.testFlag(fsUnderline));
    font.setStrikeOut(style.testFlag(fsStrikeOut));
    if (pitch == fpFixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    } else if (pitch == fpVariable) {
        font.setFixedPitch(false);
    }
    return font;
}

QFont TFont::toQFont() const
{
    return makeQFont(mName, mHeight, mStyle, mPitch);
}

} // namespace sw
