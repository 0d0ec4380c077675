#pragma once
// The device fonts a report has made, most recently used first, so that
// switching back and forth between a few fonts does not build and measure
// them again. Keyed by everything that makes a device font different.
#include "platform/GraphicsTypes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <list>

class QPaintDevice;

namespace sw {

struct TDeviceFontKey
{
    QString name;
    TFontPitch pitch = fpDefault;
    int height = 0; // device pixels, negative: character height
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikeout = false;
    int rotation = 0; // degrees, 0..359

    bool operator==(const TDeviceFontKey &o) const;
};

struct TDeviceFont
{
    TDeviceFontKey key;
    QFont font;               // unrotated; rotation is applied when drawing
    QFontMetricsF metrics;    // on the measuring device
    int ascent = 0;           // device pixels
    int descent = 0;

    TDeviceFont(const TDeviceFontKey &k, const QFont &f, QPaintDevice *device);

    // metrics.horizontalAdvance(text), remembered: a run measures the same
    // few texts on every label, and each measurement shapes the text anew.
    double advance(const QString &text) const;

private:
    static constexpr int MaxRemembered = 512;
    mutable QHash<QString, double> mAdvances;
};

class TFontCache
{
public:
    static constexpr int Capacity = 10;

    // The font for `key`, made and measured on `device` when not cached.
    // The reference is valid until the next call or clear().
    const TDeviceFont &get(const TDeviceFontKey &key, QPaintDevice *device);
    // Forgets every font (the measuring device changed).
    void clear() { mFonts.clear(); }
    int size() const { return int(mFonts.size()); }

private:
    std::list<TDeviceFont> mFonts;
};

} // namespace sw
