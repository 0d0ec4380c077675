#include "report/TFontCache.h"

#include "platform/TFont.h"

#include <QFontMetrics>

namespace sw {

bool TDeviceFontKey::operator==(const TDeviceFontKey &o) const
{
    return name == o.name && pitch == o.pitch && height == o.height && bold == o.bold
           && underline == o.underline && italic == o.italic && strikeout == o.strikeout
           && rotation == o.rotation;
}

TDeviceFont::TDeviceFont(const TDeviceFontKey &k, const QFont &f, QPaintDevice *device)
    : key(k), font(f), metrics(f, device)
{
    // Integer metrics, as the canvas places text cells by them.
    const QFontMetrics whole(f, device);
    ascent = whole.ascent();
    descent = whole.descent();
}

double TDeviceFont::advance(const QString &text) const
{
    const auto known = mAdvances.constFind(text);
    if (known != mAdvances.constEnd())
        return *known;
    if (mAdvances.size() >= MaxRemembered)
        mAdvances.clear();
    const double width = metrics.horizontalAdvance(text);
    mAdvances.insert(text, width);
    return width;
}

const TDeviceFont &TFontCache::get(const TDeviceFontKey &key, QPaintDevice *device)
{
    for (auto it = mFonts.begin(); it != mFonts.end(); ++it) {
        if (it->key == key) {
            if (it != mFonts.begin())
                mFonts.splice(mFonts.begin(), mFonts, it);
            return mFonts.front();
        }
    }
    TFontStyles style;
    if (key.bold)
        style |= fsBold;
    if (key.italic)
        style |= fsItalic;
    if (key.underline)
        style |= fsUnderline;
    if (key.strikeout)
        style |= fsStrikeOut;
    const QFont font = TFont::makeQFont(key.name, key.height, style, key.pitch);
    mFonts.emplace_front(key, font, device);
    while (int(mFonts.size()) > Capacity)
        mFonts.pop_back();
    return mFonts.front();
}

} // namespace sw
