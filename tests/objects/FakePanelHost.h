#pragma once
// A stand-in for the design panel that counts what objects ask of it:
// change reports, re-fit requests and repaints.
#include "objects/TGGraphicControl.h"
#include "objects/TGPanelHost.h"

#include <QObject>

namespace sw {

class FakePanelHost : public QObject, public TGPanelHost
{
public:
    int changes = 0;
    int refits = 0;
    int repaints = 0;
    bool printing = false;
    QList<TGGraphicControl *> objects;

    // Makes the panel the object's parent.
    template <class T>
    T *adopt(T *object)
    {
        object->setParent(this);
        objects.append(object);
        return object;
    }
    void resetCounts() { changes = refits = repaints = 0; }

    int panelWidth() const override { return 400; }
    int panelHeight() const override { return 300; }
    bool isPrinting() const override { return printing; }
    bool isPointing() const override { return true; }
    void NotifyLabelChanged() override { ++changes; }
    void postRefit() override { ++refits; }
    void invalidate() override { ++repaints; }
    QObject *hostObject() override { return this; }
    void addObject(TGGraphicControl *object) override { adopt(object); }
    QList<TGGraphicControl *> labelObjects() const override { return objects; }
    void bringToFront(TGGraphicControl *) override {}
    void sendToBack(TGGraphicControl *) override {}
    int selectionIndexOf(const TGGraphicControl *) const override { return -1; }
    int selectionCount() const override { return 0; }
    TColor handleColor() const override { return clBlack; }
    TColor handleSecondaryColor() const override { return clGray; }
    void select(TGGraphicControl *) override {}
    void deselect(TGGraphicControl *) override {}
    void clearSelection() override {}
    void ObjectClipboardCommand(TGGraphicControl *, int) override {}
    TGGraphicControl *cloneObject(TGGraphicControl *) override { return nullptr; }
    void ObjectAdded() override {}
    void AttachAllObjects() override {}
};

} // namespace sw
