#pragma once
// A label file with one text label on the default 3 x 10 address layout,
// for the tests that print saved designs.
#include "objects/TGPLabel.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/TFont.h"
#include "surface/TGStickwellPanel32.h"

#include <QRect>
#include <QString>

namespace sw::test {

inline void writeTextDesign(const QString &file, const QString &caption, const QRect &bounds, int points)
{
    TGStickwellPanel32 panel;
    panel.setSize(254, 96);
    auto *label = new TGPLabel;
    label->SetCaption(caption);
    label->Font()->setName(QStringLiteral("Arial"));
    label->Font()->setSize(points);
    label->Font()->setColor(clBlack);
    label->Loaded();
    panel.PlaceObject(label, bounds);
    TGLabelObjectFiler().WriteLabelFile(panel, file, TLabelLayout::defaultLayout());
}

} // namespace sw::test
