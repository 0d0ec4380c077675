// libFuzzer target: any bytes as a bitmap: a .BMP file as the label file
// stores it, a .DIB or .RLE file (with or without its file header, plain
// or run-length encoded), and a packed bitmap as metafiles carry it.
#include "FuzzApplication.h"

#include "metafile/DibReader.h"
#include "objects/TSmartImage.h"
#include "platform/TPicture.h"

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    TPicture picture;
    picture.setGraphic(TPicture::Kind::Bitmap, bytes);
    TSmartImage::DecodeData(bytes, TSmartImage::fcDib);
    TSmartImage::DecodeData(bytes, TSmartImage::fcRle);
    const ByteCursor packed(bytes.constData(), bytes.size());
    DibReader::read(packed);
    DibReader::read(packed, DibReader::DIB_PAL_COLORS);
    // The header and the pixels apart, as enhanced metafiles keep them.
    const qsizetype split = qMin<qsizetype>(40, bytes.size());
    DibReader::readWithAlpha(packed.slice(0, split), packed.slice(split, bytes.size() - split));
    DibReader::readBitmap16(packed);
    return 0;
}
