// libFuzzer target: any bytes as an icon, read as the label file stores
// one and as the image browser makes a bitmap of one.
#include "FuzzApplication.h"

#include "objects/TSmartImage.h"
#include "platform/TPicture.h"

#include <QBuffer>
#include <QImageReader>

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    TPicture picture;
    picture.setGraphic(TPicture::Kind::Icon, bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    const QImage icon = reader.read();
    if (!icon.isNull())
        TSmartImage::IconToBitmap(icon);
    return 0;
}
