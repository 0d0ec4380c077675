#pragma once
// A stand-in panel that label objects are read onto before they go on the
// design panel, so that a file that fails half-way never touches the
// design. It only keeps the objects (owning them until taken) and answers
// every other request with "nothing".
#include "objects/TGPanelHost.h"

#include <QList>
#include <QObject>

namespace sw {

class ScratchPanel : public QObject, public TGPanelHost
{
    Q_OBJECT

public:
    // Width and height are what objects see as the panel's size. The
    // owner is the window the objects will go to: they are set up as on
    // that window (rich-text labels find its master control).
    ScratchPanel(int width, int height, QObject *owner = nullptr);
    ~ScratchPanel() override;

    // Hands the objects over (back-most first); the caller gives them a new
    // parent. The scratch panel is empty afterwards.
    QList<TGGraphicControl *> takeObjects();

    int panelWidth() const override { return mWidth; }
    int panelHeight() const override { return mHeight; }
    bool isPrinting() const override { return false; }
    bool isPointing() const override { return true; }
    void NotifyLabelChanged() override {}
    void postRefit() override {}
    void invalidate() override {}
    QObject *hostObject() override { return this; }
    void addObject(TGGraphicControl *object) override;
    QList<TGGraphicControl *> labelObjects() const override { return mObjects; }
    void bringToFront(TGGraphicControl *) override {}
    void sendToBack(TGGraphicControl *) override {}
    int selectionIndexOf(const TGGraphicControl *) const override { return -1; }
    int selectionCount() const override { return 0; }
    TColor handleColor() const override;
    TColor handleSecondaryColor() const override;
    void select(TGGraphicControl *) override {}
    void deselect(TGGraphicControl *) override {}
    void clearSelection() override {}
    void ObjectClipboardCommand(TGGraphicControl *, int) override {}
    TGGraphicControl *cloneObject(TGGraphicControl *) override { return nullptr; }
    void ObjectAdded() override {}
    void AttachAllObjects() override {}

private:
    QList<TGGraphicControl *> mObjects;
    int mWidth;
    int mHeight;
};

} // namespace sw
