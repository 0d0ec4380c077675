#pragma once
// The design panel: the surface, shaped like one label, on which the label
// objects live. It owns the objects (its children, in z-order, back-most
// first) and the selection handle, paints background, art, outline, grid,
// objects and grips, routes mouse and key input, zooms, and reports every
// change of the design through LabelChangedEvent.
//
// It is GUI-free: a window (LabelPanelView) shows it and feeds it input,
// and the print-preparation window keeps a hidden one holding a copy of the
// design to print from.
#include "objects/PopupMenu.h"
#include "objects/TGPanelHost.h"
#include "layouts/LabelShape.h"
#include "platform/TFont.h"
#include "platform/TPicture.h"

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <memory>

namespace sw {

class Canvas;
class TBaseReport;
class TGHandle;

class TGBasePanel : public QObject, public TGPanelHost
{
    Q_OBJECT
    Q_PROPERTY(bool Pointing READ Pointing WRITE setPointing)
    Q_PROPERTY(bool DrawOutline READ DrawOutline WRITE setDrawOutline)
    Q_PROPERTY(bool Printing READ Printing WRITE setPrinting)
    Q_PROPERTY(bool ShowGrid READ ShowGrid WRITE setShowGrid)
    Q_PROPERTY(bool SnapToGrid READ SnapToGrid WRITE setSnapToGrid)

public:
    enum TGridSize { gs4x4, gs8x8 };
    Q_ENUM(TGridSize)

    // The re-fit request objects post when their bounds change.
    static const QEvent::Type RefitEventType;
    // Finishes a change made outside any user action.
    static const QEvent::Type FinishChangeEventType;

    explicit TGBasePanel(QObject *owner = nullptr);
    ~TGBasePanel() override;

    // --- published state --------------------------------------------------
    bool Pointing() const { return mPointing; }
    void setPointing(bool v) { mPointing = v; }
    bool DrawOutline() const { return mDrawOutline; }
    void setDrawOutline(bool v);
    const TPicture &Picture() const { return mPicture; }
    void setPicture(const TPicture &p);
    const TPicture &ColorPicture() const { return mColorPicture; }
    void setColorPicture(const TPicture &p);
    bool Printing() const { return mPrinting; }
    void setPrinting(bool v) { mPrinting = v; }
    TLabelShapeType Shape() const { return mShape; }
    void setShape(TLabelShapeType s);
    TGridSize GridSize() const { return mGridSize; }
    void setGridSize(TGridSize g);
    bool ShowGrid() const { return mShowGrid; }
    void setShowGrid(bool v);
    bool SnapToGrid() const;
    void setSnapToGrid(bool v);
    bool PreviewMode() const { return mPreviewMode; }
    void setPreviewMode(bool v) { mPreviewMode = v; }
    bool previewMode() const override { return mPreviewMode; }

    // The font given to new text objects (the default font of the program).
    TFont &Font() { return *mFont; }

    // --- size and zoom -----------------------------------------------------
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    // The size at the current zoom; outside a zoom it also sets the size at
    // 1.0 (divided by ScaleFactor, rounded half to even).
    void setSize(int width, int height);
    // The label's size at zoom 1.0, which every zoom derives the size from.
    int unitWidth() const { return mUnitWidth; }
    int unitHeight() const { return mUnitHeight; }
    float ScaleFactor() const { return mScaleFactor; }
    // Zooms the panel and every object to `factor`; their sizes follow
    // from those at 1.0, so no zoom ever changes the design.
    void SetZoom(float factor);
    bool zoomInProgress() const { return mZoomInProgress; }

    // --- objects -----------------------------------------------------------
    TGHandle &handle() { return *mHandle; }
    const TGHandle &handle() const { return *mHandle; }
    // Makes the panel the object's parent and puts it on top.
    void addObject(TGGraphicControl *object) override;
    QObject *hostObject() override { return this; }
    void ClearObjects();
    // Before saving: deletes the objects that lie wholly outside the label
    // and those without area; each deletion is a change of the design.
    void PurgeObjects();
    void KeepObjectsInside();
    void AttachObject(TGGraphicControl *object);
    void PlaceObject(TGGraphicControl *object, const QRect &r);
    // "Special" + N for the first N in 1..1000 naming no object of the
    // panel; empty when all are taken.
    QString UniqueObjectName() const;
    virtual void CreateObjectInRect(const QRect &r) { Q_UNUSED(r) }
    virtual void ObjectAdded() override {}

    // --- printing ----------------------------------------------------------
    virtual void PrintObjects(TBaseReport &report, double x, double y);
    void ResetObjectsForPrinting();
    void AdvanceObjects();
    bool HasComplexObjects() const;

    // --- events ------------------------------------------------------------
    std::function<void(const QRect &r)> DroppedObjectEvent;
    std::function<void(QObject *sender)> LabelChangedEvent;
    // Asks the user for a font, preset with the given one; true on OK. The
    // window layer installs a font dialog; without it "Font" does nothing.
    std::function<bool(TFont &font)> FontRequest;

    // --- files -------------------------------------------------------------
    QString ClipboardFileName() const { return mClipboardFileName; }
    QString TempFileName() const { return mTempFileName; }
    // The panel that owns the scratch files deletes them when it goes; only
    // the design panel of the main window does. Panels that print a copy of
    // the design leave the user's clipboard alone.
    bool ownsScratchFiles() const { return mOwnsScratchFiles; }
    void setOwnsScratchFiles(bool v) { mOwnsScratchFiles = v; }

    // --- painting ------------------------------------------------------------
    // Paints the whole panel (background, art, outline, grid, objects,
    // grips, rubber band) on a canvas of the panel's size.
    void paint(Canvas &canvas);
    // The same into a new image of the panel's size.
    QImage render();
    // Panel rectangles are QRect(left, top, right - left, bottom - top) of the
    // band the user drew.
    // Steps 1-5 of painting only: white, art, colour picture, outline, grid.
    void paintBackground(Canvas &canvas);

    // --- input, in panel coordinates -----------------------------------------
    virtual void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p, const QPoint &screen);
    virtual void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, const QPoint &p);
    virtual void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p);
    virtual void doubleClick(const QPoint &p, const QPoint &screen);
    // The panel's key handling: Ctrl+C/V/X and Delete.
    virtual void KeyDown(int key, Qt::KeyboardModifiers shift);
    // A key pressed in the panel's window: to the handle (nudging) when
    // something is selected, then to KeyDown.
    void viewKeyDown(int key, Qt::KeyboardModifiers shift);
    virtual void keyUp(int key, Qt::KeyboardModifiers shift);
    // The pointer left the panel.
    void mouseLeave();
    bool rubberBandActive() const { return mRubberBand; }
    QRect rubberBandRect() const { return mRubberBandRect; }
    void SelectObjectsInRect(const QRect &r, bool shift);
    void ObjectMouseDown(TGGraphicControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // Maps a panel point to the screen; the view installs it (identity
    // without a view).
    std::function<QPoint(const QPoint &panelPoint)> MapToScreen;
    QPoint toScreen(const QPoint &p) const { return MapToScreen ? MapToScreen(p) : p; }

    // The panel's own popup menu (also the handle's).
    PopupMenu &panelMenu() { return mMenu; }

    // --- TGPanelHost -----------------------------------------------------------
    int panelWidth() const override { return mWidth; }
    int panelHeight() const override { return mHeight; }
    bool isPrinting() const override { return mPrinting; }
    bool isPointing() const override { return mPointing; }
    void NotifyLabelChanged() override;
    void postRefit() override;
    void invalidate() override;
    QList<TGGraphicControl *> labelObjects() const override { return mObjects; }
    void bringToFront(TGGraphicControl *object) override;
    void sendToBack(TGGraphicControl *object) override;
    int selectionIndexOf(const TGGraphicControl *object) const override;
    int selectionCount() const override;
    TColor handleColor() const override;
    TColor handleSecondaryColor() const override;
    void select(TGGraphicControl *object) override;
    void deselect(TGGraphicControl *object) override;
    void clearSelection() override;
    void ObjectClipboardCommand(TGGraphicControl *object, int code) override;
    TGGraphicControl *cloneObject(TGGraphicControl *object) override;
    void AttachAllObjects() override;

    // Clipboard commands on the selection: 0 cut, 1 copy, 2 paste, 3 delete.
    void ClipboardCommand(int code);

    // --- user actions -----------------------------------------------------------
    // Every command of the user runs as one action: a mouse or key event on
    // the panel, a command of the panel's or an object's popup menu, a
    // command of the window that changes the design (the window opens the
    // action itself). When the outermost action ends having changed the
    // design, actionFinished carries its name, the first one given. A change
    // made outside any action finishes unnamed at the next turn of the event
    // loop. The edit history makes each finished action one step.
    class UserAction
    {
    public:
        explicit UserAction(TGBasePanel &panel, const QString &name = QString());
        ~UserAction();
        UserAction(const UserAction &) = delete;
        UserAction &operator=(const UserAction &) = delete;

    private:
        QPointer<TGBasePanel> mPanel;
    };
    // Names the running action unless it has a name already. A `burst`
    // action (a nudge) continues the step before it when that was the same
    // action on the same objects.
    void nameAction(const QString &name, bool burst = false);
    bool actionRunning() const { return mActionDepth > 0; }
    // While blocked, changes are neither reported to the window nor finish
    // an action (the edit history restoring a state); returns the previous
    // setting.
    bool blockChangeReports(bool block);
    // Makes `objects` the panel's objects in this z-order, back-most first:
    // objects not in the list are deleted, new ones are added and attached.
    // The selection is cleared; no change is reported.
    void replaceObjects(const QList<TGGraphicControl *> &objects);

Q_SIGNALS:
    // The view repaints on these.
    void repaintRequested();
    void sizeChanged();
    // SetZoom has zoomed the panel and every object.
    void zoomed();
    // A user action that changed the design has ended (see UserAction).
    void actionFinished(const QString &name, bool burst);

protected:
    bool event(QEvent *e) override;
    void removeObject(TGGraphicControl *object);
    void buildMenu();
    void updateMenu();
    // Runs every popup-menu command as a user action named after it.
    PopupMenu::CommandRunner commandRunner();
    friend class TGHandle;
    // What the handle reports to the panel (panel coordinates): a left
    // press in pointing mode (Shift-click deselects), the end of a drag, a
    // double-click, and presses it does not take (passed to the surface).
    void handleMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p);
    void handleMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p);
    void handleDoubleClick(const QPoint &p, const QPoint &screen);
    void passMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p, const QPoint &screen);
    void passMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p);
    void showPanelMenu(const QPoint &screen);
    bool handleTakes(const QPoint &p) const;
    // A press on the panel's own surface: rubber band or popup menu.
    void panelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p, const QPoint &screen);
    void panelMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p);
    // The object under a panel point, top-most first; nullptr for none.
    TGGraphicControl *objectAt(const QPoint &p) const;

    QList<TGGraphicControl *> mObjects;

private:
    void alignSelection(int how);

    std::unique_ptr<TGHandle> mHandle;
    std::unique_ptr<TFont> mFont;
    PopupMenu mMenu;
    TPicture mPicture, mColorPicture;
    bool mPointing = true;
    bool mDrawOutline = false;
    bool mPrinting = false;
    TLabelShapeType mShape = TLabelShapeType::lsRoundRect;
    TGridSize mGridSize = gs4x4;
    bool mShowGrid = false;
    bool mPreviewMode = false;
    bool mOwnsScratchFiles = false;
    bool mZoomInProgress = false;
    bool mRubberBand = false;
    bool mRefitPosted = false;
    int mActionDepth = 0;
    QString mActionName;
    bool mActionBurst = false;
    bool mActionChanged = false;
    bool mFinishPosted = false;
    bool mChangeReportsBlocked = false;
    QRect mRubberBandRect;
    QPoint mRubberStart;
    int mWidth = 338, mHeight = 188;
    int mUnitWidth = 338, mUnitHeight = 188;
    float mScaleFactor = 1.0f;
    qint64 mLastPasteTick = 0;
    bool mPasted = false;
    QString mClipboardFileName, mTempFileName;
};

} // namespace sw
