// make_examples <folder>: writes the sample designs shipped in examples/.
// Each is drawn on a panel as the program would hold it, saved, then read
// and saved once more, so that the file is exactly what the program writes
// for a design it opened (objects named "Component" + N).
//
// Built on demand: cmake --build build --target make_examples
#include "layouts/LayoutWorkingCopy.h"
#include "layouts/PanelSizing.h"
#include "layouts/TLabelLayout.h"
#include "objects/TGCounterLabel.h"
#include "objects/TGImage.h"
#include "objects/TGLabelShapes.h"
#include "objects/TGLineShape.h"
#include "objects/TGMultiLineLabel.h"
#include "objects/TGPLabel.h"
#include "objects/TGPRichBaseLabel.h"
#include "objects/TSuperShape.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/ScreenInfo.h"
#include "platform/TBrush.h"
#include "platform/TFont.h"
#include "platform/TPen.h"
#include "platform/TPicture.h"
#include "platform/TStringList.h"
#include "richtext/TWPRTFTextIo.h"
#include "surface/SavedDesign.h"
#include "surface/TGStickwellPanel32.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

using namespace sw;

namespace {

TLabelLayout layout(const char *name, double height, double width, int across, int down, double top,
                    double left, double hPitch, double vPitch, const char *shape, const char *category)
{
    TLabelLayout l = TLabelLayout::defaultLayout();
    l.LayoutName = QLatin1String(name);
    l.LabelHeight = height;
    l.LabelWidth = width;
    l.NumAcross = across;
    l.NumDown = down;
    l.TopMargin = top;
    l.LeftMargin = left;
    l.HorizPitch = hPitch;
    l.VertPitch = vPitch;
    l.ShapeCode = QLatin1String(shape);
    l.ProductCategory = QLatin1String(category);
    // As the program saves it: through its single-precision working copy.
    return LayoutWorkingCopy::fromLayout(l).toLayout();
}

void setFont(TFont *font, const char *name, int points, TColor color, TFontStyles style = {})
{
    font->setName(QLatin1String(name));
    font->setSize(points);
    font->setColor(color);
    font->setStyle(style);
}

TGPLabel *text(TGStickwellPanel32 &panel, const QString &caption, const QRect &r, int points,
               TFontStyles style = {}, TColor color = clBlack, TAlignment alignment = taLeftJustify)
{
    auto *label = new TGPLabel;
    label->SetCaption(caption);
    setFont(label->Font(), "Arial", points, color, style);
    label->SetAlignment(alignment);
    label->SetTransparent(true);
    label->Loaded();
    panel.PlaceObject(label, r);
    return label;
}

// A head-and-shoulders portrait in soft colours, as a badge's photo.
QImage portrait()
{
    QImage image(72, 88, QImage::Format_RGB32);
    image.fill(QColor(0xd6, 0xe6, 0xf5));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3c, 0x5a, 0x80));
    p.drawEllipse(QRectF(8, 58, 56, 52));
    p.setBrush(QColor(0xe8, 0xb8, 0x94));
    p.drawEllipse(QRectF(22, 18, 28, 34));
    p.setBrush(QColor(0x5a, 0x3a, 0x22));
    QPainterPath hair;
    hair.moveTo(21, 34);
    hair.cubicTo(18, 8, 54, 8, 51, 34);
    hair.cubicTo(48, 22, 26, 22, 21, 34);
    p.drawPath(hair);
    return image;
}

struct Example
{
    const char *file;
    TLabelLayout layout;
    void (*draw)(TGStickwellPanel32 &panel);
};

void addressLabel(TGStickwellPanel32 &panel)
{
    text(panel, QStringLiteral("Robin Meadows"), QRect(18, 10, 200, 20), 11, fsBold);
    auto *address = new TGMultiLineLabel;
    address->Items()->setStrings({QStringLiteral("Flat 3, 42 Harbour Lane"), QStringLiteral("Portsmouth"),
                                  QStringLiteral("PO1 3AX")});
    setFont(address->Font(), "Arial", 10, clBlack);
    address->Loaded();
    panel.PlaceObject(address, QRect(18, 32, 200, 54));
    auto *rule = new TGLineShape;
    rule->Pen()->setColor(clNavy);
    rule->Pen()->setWidth(2);
    rule->Loaded();
    panel.PlaceObject(rule, QRect(8, 10, 4, 76));
    rule->SetLineStyle(TGLineShape::stVertical);
}

void numberedTicket(TGStickwellPanel32 &panel)
{
    auto *frame = new TGLabelShapes;
    frame->SetShape(TGLabelShapes::stRoundRect);
    frame->SetRoundPerc(12);
    frame->Pen()->setColor(clMaroon);
    frame->Pen()->setWidth(3);
    frame->Brush()->setColor(TColor(0xE6F0FF)); // a pale cream ground
    frame->Loaded();
    panel.PlaceObject(frame, QRect(8, 8, 320, 176));
    text(panel, QStringLiteral("SPRING FAIR"), QRect(24, 24, 290, 40), 24, fsBold, clMaroon, taCenter);
    text(panel, QStringLiteral("Admit one - Saturday 10 May, from 10 am"), QRect(24, 74, 290, 20), 10, {}, clBlack,
         taCenter);
    auto *counter = new TGCounterLabel;
    counter->SetTextBefore(QStringLiteral("No. "));
    counter->SetStartingnumber(1);
    counter->SetLeadingZeros(4);
    setFont(counter->Font(), "Courier New", 16, clBlack, fsBold);
    counter->SetAlignment(taCenter);
    counter->SetTransparent(true);
    counter->Loaded();
    panel.PlaceObject(counter, QRect(88, 120, 160, 30));
}

void nameBadge(TGStickwellPanel32 &panel)
{
    auto *band = new TSuperShape;
    band->SetShape(TSuperShape::gstRectangle);
    band->SetSurfaceType(TSuperShape::stGradientFill);
    band->SetFillDirection(GradientFill::gdRight);
    band->SetBackColor(clNavy);
    band->SetGradientToColor(TColor(0xE0A040)); // a light sky blue
    band->SetOutlineStyle(psClear);
    band->Loaded();
    panel.PlaceObject(band, QRect(0, 0, 324, 44));
    text(panel, QStringLiteral("HELLO, my name is"), QRect(12, 10, 300, 24), 14, fsBold, clWhite);
    auto *photo = new TGImage;
    photo->Picture()->setImage(portrait());
    photo->SetBorderStyle(bsSingle);
    photo->Loaded();
    panel.PlaceObject(photo, QRect(16, 60, 72, 88));
    text(panel, QStringLiteral("Sam Rivera"), QRect(100, 72, 210, 36), 22, fsBold);
    text(panel, QStringLiteral("Volunteer - Information desk"), QRect(100, 116, 210, 20), 10, fsItalic, clNavy);
}

void superShapeSticker(TGStickwellPanel32 &panel)
{
    auto *star = new TSuperShape;
    star->SetShape(TSuperShape::gstStar);
    star->SetVectors(36);
    star->SetInVectorPercent(15);
    star->SetSurfaceType(TSuperShape::stGradientFill);
    star->SetFillDirection(GradientFill::gdDown);
    star->SetBackColor(clRed);
    star->SetGradientToColor(TColor(0x0080FF)); // orange
    star->SetOutlineColor(clMaroon);
    star->SetOutlineWidth(2);
    star->SetShadowOrient(TSuperShape::soLowerRight);
    star->SetShadowDepth(6);
    star->SetShadowColor(clGray);
    star->Loaded();
    panel.PlaceObject(star, QRect(14, 14, 206, 206));
    text(panel, QStringLiteral("NEW!"), QRect(40, 90, 154, 48), 30, fsBold, clWhite, taCenter);
}

// A shipping label: the address as one rich-text block with mixed fonts.
void shippingLabel(TGStickwellPanel32 &panel)
{
    text(panel, QStringLiteral("SHIP TO"), QRect(12, 8, 120, 18), 9, fsBold, clMaroon);
    auto *address = new TGPRichBaseLabel;
    TWPRTFTextIo document;
    document.setRtf(QByteArrayLiteral(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\froman\\fcharset0 Times New Roman;}}"
        "{\\colortbl;\\red0\\green0\\blue128;}"
        "\\pard\\plain\\f0\\fs28\\b\\cf1 Harbour Books Ltd\\par"
        "\\pard\\plain\\f1\\fs22\\i Attn: Receiving, Dock 2\\par"
        "\\pard\\plain\\f0\\fs22 17 Quay Street\\line Bristol BS1 4QA\\par}"));
    address->SetRTFText(document);
    address->SetTransparent(true);
    address->SetBorderStyle(bsNone);
    panel.PlaceObject(address, QRect(12, 28, 340, 110));
    address->Loaded(); // on the panel: it paints through the panel's master

    text(panel, QStringLiteral("FRAGILE"), QRect(230, 280, 130, 26), 14, fsBold, clRed, taRightJustify);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_examples <folder>\n");
        return 1;
    }
    // Label files hold pixels at the screen's resolution; the samples are
    // made for the common 96 pixels per inch.
    ScreenInfo::overridePixelsPerInch(96);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const Example examples[] = {
        {"address-label.sk", TLabelLayout::defaultLayout(), addressLabel},
        {"numbered-ticket.sk",
         layout("Avery 5371 Business Cards", 2, 3.5, 2, 5, 0.5, 0.75, 3.5, 2, "SR", "BUSINESS CARDS"), numberedTicket},
        {"name-badge.sk", layout("Avery 5095 Name Badge", 2.3333, 3.375, 2, 4, 0.5833, 0.6875, 3.75, 2.5, "RR", "MISC LABELS"),
         nameBadge},
        {"supershape-sticker.sk", layout("Avery 5294 Round", 2.5, 2.5, 3, 4, 0.425, 0.21, 2.75, 2.515, "EL", "MISC LABELS"),
         superShapeSticker},
        {"shipping-label.sk", layout("Avery 5164 Shipping", 3.3333, 4, 2, 3, 0.5, 0.1563, 4.1875, 3.3333, "RR",
                "ADDRESS/SHIPPING LABELS"),
         shippingLabel},
    };
    for (const Example &e : examples) {
        const QString file = folder.filePath(QLatin1String(e.file));
        {
            TGStickwellPanel32 panel;
            const QSize size = panelPixelSize(LayoutWorkingCopy::fromLayout(e.layout), 96);
            panel.setSize(size.width(), size.height());
            e.draw(panel);
            TGLabelObjectFiler().WriteLabelFile(panel, file, e.layout);
        }
        SavedDesign(file).save(file);
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
