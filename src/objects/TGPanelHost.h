#pragma once
// What a label object may ask of the design panel it sits on. The panel
// (surface layer) implements it; objects find it through their QObject
// parent, and every request is skipped when an object has no panel parent
// (for instance while it sits in a dialog's sample area).
#include "platform/TColor.h"

#include <QList>
#include <QObject>

namespace sw {

class TGGraphicControl;
class PopupMenu;

class TGPanelHost
{
public:
    virtual ~TGPanelHost() = default;

    // Size of the panel's surface in pixels at the current zoom.
    virtual int panelWidth() const = 0;
    virtual int panelHeight() const = 0;
    // True while the panel prints: object changes are then not reported.
    virtual bool isPrinting() const = 0;
    // True while the panel prints a preview run.
    virtual bool previewMode() const { return false; }
    // True while the selection tool is active.
    virtual bool isPointing() const = 0;
    // Raises the panel's change event (unless a zoom is in progress).
    virtual void NotifyLabelChanged() = 0;
    // Posts the re-fit request; the panel fits the selection handle around
    // the selection once the current event has been handled.
    virtual void postRefit() = 0;
    // Repaints the whole panel, or one area of it.
    virtual void invalidate() = 0;

    // The panel as a QObject: the parent of its objects.
    virtual QObject *hostObject() = 0;
    // Puts an object on the panel, on top of the others (the object becomes
    // a QObject child of hostObject()).
    virtual void addObject(TGGraphicControl *object) = 0;
    // Label objects on the panel in z-order, back-most first.
    virtual QList<TGGraphicControl *> labelObjects() const = 0;
    virtual void bringToFront(TGGraphicControl *object) = 0;
    virtual void sendToBack(TGGraphicControl *object) = 0;

    // The selection held by the panel's selection handle.
    virtual int selectionIndexOf(const TGGraphicControl *object) const = 0;
    virtual int selectionCount() const = 0;
    virtual TColor handleColor() const = 0;
    virtual TColor handleSecondaryColor() const = 0;
    virtual void select(TGGraphicControl *object) = 0;
    virtual void deselect(TGGraphicControl *object) = 0;
    virtual void clearSelection() = 0;

    // Cut (0), copy (1) or delete (3) one object, or the whole selection
    // when the object is part of it.
    virtual void ObjectClipboardCommand(TGGraphicControl *object, int code) = 0;
    // Writes the object to memory and reads it back as a new object on the
    // panel; returns the copy or nullptr when cloning is not available.
    virtual TGGraphicControl *cloneObject(TGGraphicControl *object) = 0;
    virtual void ObjectAdded() = 0;
    virtual void AttachAllObjects() = 0;

    static TGPanelHost *of(const QObject *object)
    {
        return object ? dynamic_cast<TGPanelHost *>(object->parent()) : nullptr;
    }
};

} // namespace sw
