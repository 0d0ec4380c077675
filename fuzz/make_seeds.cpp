// Writes label files with every kind of object into a folder, as seeds for
// the label-file fuzzer, and (given a second folder) RTF documents as seeds
// for the RTF reader's fuzzer.
#include "MetafileWriter.h"

#include "objects/TGCounterLabel.h"
#include "objects/TGImage.h"
#include "objects/TGPLabel.h"
#include "objects/TGPRichBaseLabel.h"
#include "objects/TGSymbolLabel.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/TFont.h"
#include "surface/TGStickwellPanel32.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

using namespace sw;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3)
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

    // Rich text, as our writer and as other programs write it.
    const QByteArray documents[] = {
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 "
        "Times New Roman;}}\n{\\colortbl;\\red255\\green0\\blue0;\\red255\\green255\\blue0;}\n\\pard\\li720\\fi-360"
        "\\sb120\\sa240\\plain\\f0\\fs20 {\\plain\\f0\\fs20 Dear }{\\plain\\f1\\fs28\\b Jane}{\\plain\\f0\\fs20"
        "\\i\\cf1\\highlight2 good}{\\plain\\f0\\fs20\\ul\\strike\\super x\\sub y \\'e9\\'80\\u321?\\tab\\line"
        "\\~\\-\\_\\{\\}\\\\}\\par\n\\pard\\qc\\plain\\f1\\fs28 {\\plain\\f1\\fs28 Happy}\\par\n\\pard\\qr "
        "r\\par\n\\pard\\qj j\\par\n}",
        "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset238 Arial;}{\\f1\\fcharset128 MS Mincho;}{\\f2"
        "\\fcharset161 Greek;}}{\\stylesheet{\\s0 Normal;}}{\\info{\\title t}}{\\*\\generator g;}\\f0 \\'a3\\f1 "
        "\\'93\\'fa\\f2 \\'e1\\uc2\\u26085\\'93\\'fa{\\header h}{\\footnote n}{\\pict\\bin3 }{}}{\\field{\\*"
        "\\fldinst HYPERLINK}{\\fldrslt link}}{\\upr{a}{\\*\\ud{\\u945?}}}{\\listtext 1.\\tab}\\v hidden\\v0\\page"
        "\\sect\\cell\\row\\mac\\pc}",
    };
    if (argc == 3) {
        const QDir rtfDir(QString::fromLocal8Bit(argv[2]));
        int n = 0;
        for (const QByteArray &rtf : documents) {
            QFile file(rtfDir.filePath(QStringLiteral("doc%1.rtf").arg(n++)));
            if (file.open(QIODevice::WriteOnly))
                file.write(rtf);
        }
    }
    auto *rich = new TGPRichBaseLabel(&panel);
    rich->Loaded();
    rich->RTFText()->setRtf(documents[0]);
    rich->SetTransparent(false);
    rich->SetBGColor(clYellow);
    panel.PlaceObject(rich, QRect(5, 40, 190, 40));
    TGLabelObjectFiler().WriteLabelFile(panel, dir.filePath("richtext.sk"), layout);
    return 0;
}
