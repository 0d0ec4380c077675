#pragma once
// Device-independent bitmaps (a bitmap header, its colours and its pixel
// rows, as metafiles and .DIB files hold them) made into images.
//
// Every size in a header is checked against the data before anything is
// allocated: a bitmap larger than MaxPixels, with fewer pixel bytes than its
// header promises, or of a kind not listed below reads as a null image.
// Decoded images are shared through a small cache keyed by the bitmap's
// bytes, so the same bitmap drawn many times (a metafile on every label of
// a sheet) is one image, which a PDF then embeds once.
#include "metafile/ByteCursor.h"

#include <QByteArray>
#include <QImage>

namespace sw {

class DibReader
{
public:
    // Largest number of pixels a bitmap may have.
    static constexpr qint64 MaxPixels = qint64(16) * 1024 * 1024;
    // The colour table holds palette indexes instead of colours.
    static constexpr quint32 DIB_PAL_COLORS = 1;

    // A packed bitmap: header, colour table and pixels in one run.
    // Headers of 12 (core), 40, 52, 56, 108 and 124 bytes; 1, 4, 8, 16, 24
    // and 32 bits per pixel; plain, RLE4, RLE8 and bit-field pixels, and
    // JPEG or PNG data in place of pixels.
    static QImage read(const ByteCursor &packed, quint32 colorUsage = 0);
    // The header with its colour table, and the pixels, held apart.
    static QImage read(const ByteCursor &header, const ByteCursor &bits, quint32 colorUsage = 0);
    // A 32-bit bitmap whose fourth bytes are alpha (premultiplied), as a
    // transparent image; any other bitmap as read() gives it.
    static QImage readWithAlpha(const ByteCursor &header, const ByteCursor &bits);
    // Whether the header's rows run from the top (a negative height).
    static bool isTopDown(const ByteCursor &header);
    // A 16-bit device-dependent bitmap: width, height, bytes per row,
    // planes, bits per pixel (1, 24 or 32), then rows top to bottom. A
    // monochrome one comes out as Format_Mono with 0 black and 1 white.
    static QImage readBitmap16(const ByteCursor &bitmap);

    // The packed bitmap with the 14-byte file header a .BMP file starts
    // with, so that a bitmap reader takes it; the data unchanged when it
    // already has one or its header is not one of a bitmap.
    static QByteArray withFileHeader(const QByteArray &packed);

    // The image with every pixel of the colour `key` made transparent;
    // shared like the decoded bitmaps.
    static QImage keyedOut(const QImage &image, QRgb key);
    // A picture put in through its mask as one transparent image: the
    // picture where the mask is not white (black included), elsewhere the
    // picture's colours but black, as AND with the mask then OR or XOR with
    // the picture leave them. The mask is stretched to the picture's size.
    static QImage throughMask(const QImage &picture, const QImage &mask);
};

} // namespace sw
