#pragma once
// Hands every object of a panel the same print substitution for as long as
// it lives, and takes it back after (the function refers to state of the
// run that ends with it).
#include "objects/TGGraphicControl.h"
#include "surface/TGBasePanel.h"

#include <QList>
#include <QPointer>

namespace sw {

class PrintSubstitution
{
public:
    PrintSubstitution(TGBasePanel &panel, const TGGraphicControl::TextSubstitution &substitute)
    {
        for (TGGraphicControl *o : panel.labelObjects()) {
            o->SetPrintSubstitution(substitute);
            mObjects.append(o);
        }
    }
    ~PrintSubstitution()
    {
        for (const QPointer<TGGraphicControl> &o : mObjects)
            if (o)
                o->SetPrintSubstitution({});
    }
    PrintSubstitution(const PrintSubstitution &) = delete;
    PrintSubstitution &operator=(const PrintSubstitution &) = delete;

private:
    QList<QPointer<TGGraphicControl>> mObjects;
};

} // namespace sw
