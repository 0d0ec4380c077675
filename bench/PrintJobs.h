#pragma once
// The four print jobs the printing benchmark times and the printed-output
// test pins: (a) a word and an outline, (b) an address of three lines,
// (c) text, an ellipse and a picture, (d) a counter and an outline. Each is
// a design written as a label file on the stock it is given.
#include "layouts/TLabelLayout.h"
#include "objects/TGCounterLabel.h"
#include "objects/TGImage.h"
#include "objects/TGLabelShapes.h"
#include "objects/TGMultiLineLabel.h"
#include "objects/TGPLabel.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/TFont.h"
#include "surface/TGStickwellPanel32.h"

#include <QImage>
#include <QString>

#include <cmath>
#include <functional>
#include <vector>

namespace sw::bench {

struct PrintJob
{
    char id;
    QString what;
    double goalSeconds; // for 1000 sheets
    std::function<void(TGStickwellPanel32 &)> fill;
};

namespace detail {

inline void arial(TFont *font, int points)
{
    font->setName(QStringLiteral("Arial"));
    font->setSize(points);
    font->setColor(clBlack);
}

inline TGLabelShapes *outline(TGLabelShapes::TShapeType shape)
{
    auto *s = new TGLabelShapes;
    s->SetShape(shape);
    s->SetTransparent(true);
    s->Loaded();
    return s;
}

inline TGPLabel *text(const QString &caption, int points)
{
    auto *t = new TGPLabel;
    t->SetCaption(caption);
    arial(t->Font(), points);
    t->Loaded();
    return t;
}

// A 200 x 200 photograph-like picture: smooth colour with fine noise, so
// that it neither compresses to nothing nor is mostly one colour.
inline QImage picture()
{
    QImage image(200, 200, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int n = int((noise >> 16) & 15);
            image.setPixel(x, y, qRgb((x + n) % 256, (y + n) % 256, (x + y) / 2 % 256));
        }
    return image;
}

} // namespace detail

inline const std::vector<PrintJob> &printJobs()
{
    using namespace detail;
    static const std::vector<PrintJob> all = {
        {'a', QStringLiteral("\"Ticket\" in Arial 18 + rectangle outline"), 0.7,
         [](TGStickwellPanel32 &panel) {
             panel.PlaceObject(text(QStringLiteral("Ticket"), 18), QRect(24, 24, 120, 36));
             panel.PlaceObject(outline(TGLabelShapes::stRectangle), QRect(6, 6, 240, 84));
         }},
        {'b', QStringLiteral("three text lines, Arial 10 (address)"), 1.3,
         [](TGStickwellPanel32 &panel) {
             auto *lines = new TGMultiLineLabel;
             lines->SetItems({QStringLiteral("Margaret Holloway"), QStringLiteral("27 Larkspur Crescent"),
                              QStringLiteral("Bristol BS6 7TJ")});
             arial(lines->Font(), 10);
             lines->Loaded();
             panel.PlaceObject(lines, QRect(18, 16, 200, 60));
         }},
        {'c', QStringLiteral("text, ellipse, 200 x 200 picture"), 1.2,
         [](TGStickwellPanel32 &panel) {
             panel.PlaceObject(text(QStringLiteral("Garden"), 14), QRect(12, 30, 110, 30));
             panel.PlaceObject(outline(TGLabelShapes::stEllipse), QRect(6, 8, 130, 80));
             auto *image = new TGImage;
             image->Picture()->setImage(picture());
             image->SetStretch(true);
             image->Loaded();
             panel.PlaceObject(image, QRect(150, 4, 88, 88));
         }},
        {'d', QStringLiteral("counter \"Ticket N\" + rectangle"), 0.8,
         [](TGStickwellPanel32 &panel) {
             auto *counter = new TGCounterLabel;
             counter->SetTextBefore(QStringLiteral("Ticket "));
             arial(counter->Font(), 18);
             counter->Loaded();
             panel.PlaceObject(counter, QRect(24, 24, 160, 36));
             panel.PlaceObject(outline(TGLabelShapes::stRectangle), QRect(6, 6, 240, 84));
         }},
    };
    return all;
}

inline const PrintJob &printJob(char id)
{
    for (const PrintJob &job : printJobs())
        if (job.id == id)
            return job;
    return printJobs().front();
}

// Writes the job's design on `stock` as the label file `file`.
inline void writePrintJob(const PrintJob &job, const TLabelLayout &stock, const QString &file)
{
    TGStickwellPanel32 panel;
    panel.setSize(int(std::lround(stock.LabelWidth * 96)), int(std::lround(stock.LabelHeight * 96)));
    job.fill(panel);
    TGLabelObjectFiler().WriteLabelFile(panel, file, stock);
}

} // namespace sw::bench
