#pragma once
// Reads PCX pictures: 8-bit images with a 256-colour palette at the end of
// the file, and 24-bit images stored as three 8-bit planes, run-length
// encoded or plain. Every length and offset is checked against the data, so
// a truncated or corrupt file gives a null image, never a read outside it
// nor an allocation larger than the data can fill.
#include <QByteArray>
#include <QImage>

namespace sw {

class PcxReader
{
public:
    // Largest width or height accepted, and largest picture, in pixels.
    static constexpr int MaxSide = 16384;
    static constexpr qint64 MaxPixels = qint64(64) * 1024 * 1024;

    // The decoded image (Format_Indexed8 or Format_RGB32), or a null image
    // when the data is not a PCX picture of a supported kind or is damaged.
    static QImage read(const QByteArray &data);
};

} // namespace sw
