// libFuzzer target: any bytes as RTF. Reading must end in a document, never
// in a crash, a hang or a leak; the document must write as RTF that reads
// back to the same text, and must lay out and paint at any zoom.
#include "FuzzApplication.h"

#include "platform/Canvas.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/TWPRTFTextIo.h"
#include "richtext/TWPRichText.h"

#include <QImage>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TWPRichText control;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    TWPRTFTextIo *text = control.RtfText();
    text->setRtf(bytes);
    // Stored as it was read.
    if (text->rtf() != bytes)
        abort();

    const QString read = text->document()->toRawText();
    const QByteArray written = RtfWriter(96).write(*text->document());
    QTextDocument again;
    RtfReader(96).read(written, again);
    if (again.toRawText() != read) {
        fprintf(stderr, "written RTF reads back differently\n");
        abort();
    }

    QImage image(190, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(&image);
    for (const int zoom : {50, 150}) {
        control.setZooming(zoom);
        control.PaintPage(canvas, 0, 1, 0, 50, 190, 0);
    }
    return 0;
}
