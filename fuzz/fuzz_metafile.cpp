// libFuzzer target: any bytes as a metafile. Reading the header and playing
// the records onto an image (raster operations carried out) and onto a
// recording (a device without them, as a PDF is) must end in a picture or
// nothing, never in a crash, a hang, a leak or a read outside the data.
#include "FuzzApplication.h"

#include "metafile/MetafilePlayer.h"

#include <QImage>
#include <QPainter>
#include <QPicture>

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    MetafilePlayer::inspect(bytes);
    QImage image(96, 72, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        MetafilePlayer::draw(&painter, QRectF(0, 0, 96, 72), bytes);
    }
    QPicture picture;
    {
        QPainter painter(&picture);
        MetafilePlayer::draw(&painter, QRectF(10, 10, 50, 30), bytes);
    }
    return 0;
}
