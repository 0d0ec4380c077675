// Writes label files with every kind of object into a folder, as seeds for
// the label-file fuzzer.
#include "MetafileWriter.h"

#include "objects/TGCounterLabel.h"
#include "objects/TGImage.h"
#include "objects/TGPLabel.h"
#include "objects/TGSymbolLabel.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/TFont.h"
#include "surface/TGStickwellPanel32.h"

#include <QDir>
#include <QGuiApplication>

using namespace sw;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 1;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    TGStickwellPanel32 panel;
    panel.setSize(254, 96);
    TGLabelObjectFiler().WriteLabelFile(panel, dir.filePath("empty.sk"), TLabelLayout::defaultLayout());

    auto *text = new TGPLabel;
    text->SetCaption(QStringLiteral("Seed"));
    text->SetAngle(90);
    text->Font()->setStyle(fsBold | fsItalic);
    text->Loaded();
    panel.PlaceObject(text, QRect(5, 5, 60, 20));
    auto *counter = new TGCounterLabel;
    counter->setProperty("TextBefore", QStringLiteral("No. "));
    counter->setProperty("LeadingZeros", 4);
    counter->Loaded();
    panel.PlaceObject(counter, QRect(70, 5, 60, 20));
    auto *symbol = new TGSymbolLabel;
    symbol->Loaded();
    panel.PlaceObject(symbol, QRect(140, 5, 30, 30));
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.RightHalfOffset = 0.125;
    TGLabelObjectFiler().WriteLabelFile(panel, dir.filePath("objects.sk"), layout);

    // A small picture, so that the fuzzer sees a picture's data.
    QImage pixels(4, 3, QImage::Format_RGB32);
    pixels.fill(qRgb(10, 120, 200));
    auto *image = new TGImage;
    image->Loaded();
    image->Picture()->setImage(pixels);
    image->SetBorderStyle(bsSingle);
    panel.PlaceObject(image, QRect(180, 5, 40, 30));
    TGLabelObjectFiler().WriteLabelFile(panel, dir.filePath("image.sk"), layout);

    // Metafile pictures, so that it sees the metafiles' records too.
    for (const QByteArray &metafile : {test::sampleWmf(), test::sampleEmf()}) {
        auto *clip = new TGImage;
        clip->Loaded();
        clip->Picture()->loadFromData(metafile);
        panel.PlaceObject(clip, QRect(4, 40, 96, 48));
    }
    TGLabelObjectFiler().WriteLabelFile(panel, dir.filePath("metafiles.sk"), layout);
    return 0;
}
