#pragma once
// The selection of the design panel and the handle that moves and resizes
// it. The handle is an element of the panel (not a window): the panel
// paints it and hands it the mouse events that fall on it.
#include "platform/TColor.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>

namespace sw {

class TGGraphicControl;
class TGBasePanel;

class TGHandle : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE setColor)
    Q_PROPERTY(int SecondaryColor READ SecondaryColor WRITE setSecondaryColor)
    Q_PROPERTY(bool Locked READ isLocked WRITE setLocked)

public:
    explicit TGHandle(TGBasePanel *panel);

    TColor Color() const { return mColor; }
    void setColor(TColor c);
    TColor SecondaryColor() const { return mSecondaryColor; }
    void setSecondaryColor(TColor c);
    bool isLocked() const { return mLocked; }
    void setLocked(bool v) { mLocked = v; }

    // Grid steps now in force (1 = no snapping) and the remembered ones.
    int GridX() const { return mGridX; }
    int GridY() const { return mGridY; }
    void setGridX(int v);
    void setGridY(int v);
    bool SnapToGrid() const { return mGridX > 1 || mGridY > 1; }
    void setSnapToGrid(bool on);

    void Select(TGGraphicControl *object);
    void Deselect(TGGraphicControl *object);
    void ClearSelection();
    int IndexOf(const TGGraphicControl *object) const { return mSelection.indexOf(const_cast<TGGraphicControl *>(object)); }
    int Count() const { return mSelection.size(); }
    TGGraphicControl *SelectedObject(int i) const { return i >= 0 && i < mSelection.size() ? mSelection.at(i) : nullptr; }
    const QList<TGGraphicControl *> &Selection() const { return mSelection; }
    void Refit();

    // Z-order commands on the selection; refused while locked.
    void BringSelectionToFront();
    void SendSelectionToBack();

    // Bounds of the handle on the panel, visible only with a selection.
    QRect bounds() const { return mBounds; }
    bool isVisible() const { return mVisible; }
    bool isEnabled() const { return mEnabled; }
    // Moves the handle: every selected object that is not Locked moves by
    // the handle's displacement and grows by its growth.
    void SetBounds(int left, int top, int width, int height);

    // Mouse and keys, in handle-local coordinates (the panel routes them
    // here while the pointer is over the handle or the handle holds the
    // mouse capture).
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p, const QPoint &screen);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, const QPoint &p);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p);
    void doubleClick(const QPoint &p, const QPoint &screen);
    // Arrow keys nudge; every key then goes on to the panel.
    void keyDown(int key, Qt::KeyboardModifiers shift);
    void keyUp(int key, Qt::KeyboardModifiers shift);
    void leave();

    // True from Select until the next release: mouse events go to the
    // handle wherever the pointer is.
    bool hasCapture() const { return mCapture; }
    bool isDragging() const { return mDragging; }
    bool isNudging() const { return mNudging; }
    int Zone() const { return mZone; }
    // The XOR outline the panel draws while dragging or nudging, in panel
    // coordinates as (left, top, right, bottom) given as a QRect with
    // exclusive right/bottom edges; null when there is none.
    QRect outline() const;

    // Millisecond clock for the drag-start and quick-click rules (and the
    // panel's rule against pasting twice within a second); tests replace
    // it.
    using Clock = std::function<qint64()>;
    static void setClock(Clock clock);
    static qint64 now();

private:
    void fitBox(int extra);
    QPoint clampToPanel(const QPoint &p) const;
    QRect newBounds(const QPoint &p) const;
    void computeZone(const QPoint &p);

    TGBasePanel *mPanel;
    QList<TGGraphicControl *> mSelection;
    TColor mColor = clBlack;
    TColor mSecondaryColor = clGray;
    bool mLocked = false;
    int mGridX = 1, mGridY = 1;
    int mRememberedX = 8, mRememberedY = 8;
    QRect mBounds{0, 0, 24, 24};
    bool mVisible = false;
    bool mEnabled = false;
    bool mCapture = false;
    qint64 mMouseDownTick = 0;
    QPoint mDragStart;
    int mZone = 0;
    bool mDragging = false;
    bool mNudging = false;
    QRect mNudgeRect;      // left, top, right, bottom as x1, y1, x2, y2 (inclusive)
    QRect mOutlineBounds;  // left, top, width, height; null = none
    bool mDoubleClicked = false;
    bool mInSetBounds = false;
};

} // namespace sw
