// The design panel's mouse, keyboard and popup-menu handling.
#include "surface/TGBasePanel.h"

#include "objects/TGGraphicControl.h"
#include "platform/ScreenCursor.h"
#include "surface/TGHandle.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <climits>

namespace sw {

TGGraphicControl *TGBasePanel::objectAt(const QPoint &p) const
{
    for (int i = mObjects.size() - 1; i >= 0; --i)
        if (mObjects.at(i)->hitTest(p))
            return mObjects.at(i);
    return nullptr;
}

bool TGBasePanel::handleTakes(const QPoint &p) const
{
    // The handle lies over the selection like a window of its own: it takes
    // the events inside its box, and all of them while it holds the capture.
    return mHandle->hasCapture() || (mHandle->isVisible() && mHandle->bounds().contains(p));
}

void TGBasePanel::mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p,
                            const QPoint &screen)
{
    UserAction action(*this);
    if (mHandle->isVisible() && mHandle->bounds().contains(p)) {
        mHandle->mouseDown(button, shift, p - mHandle->bounds().topLeft(), screen);
        return;
    }
    // Objects next (top-most first); their handler may send the press back
    // to the panel's own surface.
    if (TGGraphicControl *o = objectAt(p)) {
        if (o->OnMouseDown) {
            o->OnMouseDown(o, button, shift, p.x() - o->Left(), p.y() - o->Top());
            return;
        }
    }
    panelMouseDown(button, shift, p, screen);
}

void TGBasePanel::panelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p,
                                 const QPoint &screen)
{
    Q_UNUSED(shift)
    if (button == Qt::LeftButton) {
        mRubberBandRect = QRect(p, p);
        mRubberStart = p;
        mRubberBand = true;
        ScreenCursor::set(ScreenCursor::HandPoint);
        invalidate();
    } else {
        showPanelMenu(screen);
    }
}

void TGBasePanel::showPanelMenu(const QPoint &screen)
{
    updateMenu();
    mMenu.popup(screen);
}

void TGBasePanel::passMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p,
                                const QPoint &screen)
{
    panelMouseDown(button, shift, p, screen);
}

void TGBasePanel::passMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p)
{
    panelMouseUp(button, shift, p);
}

void TGBasePanel::handleMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p)
{
    Q_UNUSED(button)
    if (!mPointing || !shift.testFlag(Qt::ShiftModifier))
        return;
    // Shift-click on a selected object deselects it.
    QList<TGGraphicControl *> keep = mHandle->Selection();
    mHandle->ClearSelection();
    QCoreApplication::processEvents();
    keep.erase(std::remove_if(keep.begin(), keep.end(),
                              [&p](TGGraphicControl *o) {
                                  return p.x() >= o->Left() && p.x() <= o->Left() + o->Width()
                                      && p.y() >= o->Top() && p.y() <= o->Top() + o->Height();
                              }),
               keep.end());
    for (TGGraphicControl *o : keep)
        if (mObjects.contains(o))
            mHandle->Select(o);
}

void TGBasePanel::handleMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p)
{
    panelMouseUp(button, shift, p);
}

void TGBasePanel::handleDoubleClick(const QPoint &p, const QPoint &screen)
{
    if (mHandle->Count() > 1)
        return;
    for (TGGraphicControl *o : mHandle->Selection()) {
        if (!o->BoundsRect().adjusted(-2, -2, 2, 2).contains(p))
            continue;
        if (o->OnEditRequest)
            o->OnEditRequest(this);
        else
            o->ShowPopup(screen.x(), screen.y());
        return;
    }
}

void TGBasePanel::mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, const QPoint &p)
{
    UserAction action(*this);
    if (mRubberBand) {
        mRubberBandRect = QRect(mRubberStart, p);
        invalidate();
        return;
    }
    if (handleTakes(p)) {
        mHandle->mouseMove(buttons, shift, p - mHandle->bounds().topLeft());
        return;
    }
    if (!mPointing)
        ScreenCursor::set(ScreenCursor::Drag);
    else if (objectAt(p))
        ScreenCursor::set(ScreenCursor::HandPoint);
    else
        ScreenCursor::set(ScreenCursor::Default);
}

void TGBasePanel::mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p)
{
    UserAction action(*this);
    if (!mRubberBand && handleTakes(p)) {
        mHandle->mouseUp(button, shift, p - mHandle->bounds().topLeft());
        return;
    }
    panelMouseUp(button, shift, p);
}

void TGBasePanel::panelMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p)
{
    Q_UNUSED(button)
    if (mRubberBand) {
        // Normalise as the rubber band does: a band drawn up or left ends at
        // the start point.
        int left = mRubberStart.x(), top = mRubberStart.y(), right = p.x(), bottom = p.y();
        if (right < left) {
            right = left;
            left = p.x();
        }
        if (bottom < top) {
            bottom = top;
            top = p.y();
        }
        mRubberBand = false;
        invalidate();
        // Panel rectangles are (left, top, right - left, bottom - top).
        const QRect tr(left, top, right - left, bottom - top);
        if (mPointing) {
            SelectObjectsInRect(tr, shift.testFlag(Qt::ShiftModifier));
            invalidate();
        } else {
            CreateObjectInRect(tr);
            if (DroppedObjectEvent)
                DroppedObjectEvent(tr);
        }
    }
    if (mPointing)
        ScreenCursor::set(ScreenCursor::Default);
}

void TGBasePanel::doubleClick(const QPoint &p, const QPoint &screen)
{
    UserAction action(*this);
    if (mHandle->isVisible() && mHandle->bounds().contains(p)) {
        mHandle->doubleClick(p - mHandle->bounds().topLeft(), screen);
        return;
    }
    if (TGGraphicControl *o = objectAt(p)) {
        if (o->OnDblClick)
            o->OnDblClick(this);
        else
            o->ShowPopup(screen.x(), screen.y());
    }
}

void TGBasePanel::mouseLeave()
{
    if (mHandle->isDragging())
        return;
    ScreenCursor::set(mPointing ? ScreenCursor::Default : ScreenCursor::Drag);
}

void TGBasePanel::SelectObjectsInRect(const QRect &r, bool shift)
{
    QList<TGGraphicControl *> list;
    if (shift)
        list = mHandle->Selection();
    mHandle->ClearSelection();
    // TRect semantics: (left, top, right, bottom), right and bottom
    // exclusive; touching counts as intersecting.
    const int l = r.x(), t = r.y(), rr = r.x() + r.width(), b = r.y() + r.height();
    for (int i = mObjects.size() - 1; i >= 0; --i) {
        TGGraphicControl *o = mObjects.at(i);
        const bool hit = o->Left() < std::max(rr, l + 1) && o->Left() + o->Width() > l
            && o->Top() < std::max(b, t + 1) && o->Top() + o->Height() > t;
        if (!hit)
            continue;
        if (shift && list.contains(o))
            list.removeOne(o);
        else if (!list.contains(o))
            list.append(o);
    }
    for (TGGraphicControl *o : list)
        mHandle->Select(o);
}

void TGBasePanel::ObjectMouseDown(TGGraphicControl *sender, Qt::MouseButton button,
                                  Qt::KeyboardModifiers shift, int x, int y)
{
    const QPoint p(x + sender->Left(), y + sender->Top());
    if (!mPointing || sender->Unselectable()) {
        panelMouseDown(button, shift, p, toScreen(p));
        return;
    }
    if (!shift.testFlag(Qt::ShiftModifier))
        mHandle->ClearSelection();
    mHandle->Select(sender);
    invalidate();
    if (mHandle->Count() == 1 && button == Qt::RightButton)
    {
        const QPoint screen = toScreen(p);
        sender->ShowPopup(screen.x(), screen.y());
    }
}

void TGBasePanel::viewKeyDown(int key, Qt::KeyboardModifiers shift)
{
    UserAction action(*this);
    // With a selection the handle has the focus: it nudges and passes every
    // key on to KeyDown.
    if (mHandle->Count() > 0)
        mHandle->keyDown(key, shift);
    else
        KeyDown(key, shift);
}

void TGBasePanel::keyUp(int key, Qt::KeyboardModifiers shift)
{
    UserAction action(*this);
    mHandle->keyUp(key, shift);
}

void TGBasePanel::KeyDown(int key, Qt::KeyboardModifiers shift)
{
    UserAction action(*this);
    if (shift.testFlag(Qt::ControlModifier)) {
        if (key == Qt::Key_C)
            ClipboardCommand(1);
        else if (key == Qt::Key_V)
            ClipboardCommand(2);
        else if (key == Qt::Key_X)
            ClipboardCommand(0);
    } else if (key == Qt::Key_Delete) {
        ClipboardCommand(3);
    }
}

// --- the panel's popup menu ---------------------------------------------------------

void TGBasePanel::buildMenu()
{
    mMenu.clear();
    mMenu.add(QStringLiteral("Bring To Front"), [this] {
        if (mHandle->Count() == 0 || mHandle->isLocked())
            return;
        mHandle->BringSelectionToFront();
        NotifyLabelChanged();
    });
    mMenu.add(QStringLiteral("Send To Back"), [this] {
        if (mHandle->Count() == 0 || mHandle->isLocked())
            return;
        mHandle->SendSelectionToBack();
        mHandle->ClearSelection();
        NotifyLabelChanged();
    });
    mMenu.addSeparator();
    mMenu.add(QStringLiteral("Cut"), [this] { ClipboardCommand(0); });
    mMenu.add(QStringLiteral("Copy"), [this] { ClipboardCommand(1); });
    mMenu.add(QStringLiteral("Paste"), [this] { ClipboardCommand(2); });
    mMenu.addSeparator();
    mMenu.add(QStringLiteral("Delete"), [this] { ClipboardCommand(3); });
    mMenu.addSeparator();
    mMenu.add(QStringLiteral("Align Left"), [this] { alignSelection(0); });
    mMenu.add(QStringLiteral("Align Right"), [this] { alignSelection(1); });
    mMenu.add(QStringLiteral("Align Tops"), [this] { alignSelection(2); });
    mMenu.add(QStringLiteral("Align Bottoms"), [this] { alignSelection(3); });
    mMenu.addSeparator();
    mMenu.add(QStringLiteral("Center Vertically"), [this] { alignSelection(4); });
    mMenu.add(QStringLiteral("Center Horizontally"), [this] { alignSelection(5); });
    mMenu.addSeparator();
    mMenu.add(QStringLiteral("Lock All"), [this] {
        for (TGGraphicControl *o : mObjects)
            if (!o->Locked())
                o->SetLocked(true);
    });
    mMenu.add(QStringLiteral("Unlock All"), [this] {
        for (TGGraphicControl *o : mObjects)
            if (o->Locked())
                o->SetLocked(false);
    });
    mMenu.addSeparator();
    mMenu.add(QStringLiteral("Mark All Selectable"), [this] {
        for (TGGraphicControl *o : mObjects)
            o->SetUnselectable(false);
    });
    mMenu.add(QStringLiteral("Mark All Unselectable"), [this] {
        for (TGGraphicControl *o : QList<TGGraphicControl *>(mObjects))
            o->SetUnselectable(true);
    });
    mMenu.add(QStringLiteral("Select All"), [this] {
        mHandle->ClearSelection();
        for (TGGraphicControl *o : mObjects)
            mHandle->Select(o);
        invalidate();
    });
    mMenu.addSeparator();
    mMenu.add(QStringLiteral("Font"), [this] {
        if (mHandle->Count() == 0 || !FontRequest)
            return;
        TFont chosen;
        chosen.Assign(*mFont);
        if (!FontRequest(chosen))
            return;
        for (TGGraphicControl *o : mHandle->Selection())
            o->ApplyFont(chosen);
        invalidate();
    });
    mMenu.aboutToOpen = [this] { updateMenu(); };
    mMenu.setCommandRunner(commandRunner());
}

void TGBasePanel::updateMenu()
{
    const bool any = mHandle->Count() > 0;
    for (const char *caption : {"Bring To Front", "Send To Back", "Cut", "Copy", "Delete", "Align Left",
                                "Align Right", "Align Tops", "Align Bottoms", "Center Vertically",
                                "Center Horizontally", "Font"}) {
        const int i = mMenu.indexOf(QString::fromLatin1(caption));
        if (i >= 0)
            mMenu.entry(i).enabled = any;
    }
    mMenu.entry(mMenu.indexOf(QStringLiteral("Paste"))).enabled = QFile::exists(mClipboardFileName);
    // The handle counts as a child of the panel: more than one child means at
    // least one object.
    const bool haveObjects = !mObjects.isEmpty();
    mMenu.entry(mMenu.indexOf(QStringLiteral("Lock All"))).enabled = haveObjects;
    mMenu.entry(mMenu.indexOf(QStringLiteral("Unlock All"))).enabled = haveObjects;
}

void TGBasePanel::alignSelection(int how)
{
    const QList<TGGraphicControl *> sel = mHandle->Selection();
    if (sel.isEmpty())
        return;
    if (how <= 3)
        NotifyLabelChanged();
    int v = 0;
    switch (how) {
    case 0:
        v = INT_MAX;
        for (auto *o : sel)
            v = std::min(v, o->Left());
        v = std::min(v, mWidth);
        for (auto *o : sel)
            o->setLeft(v);
        break;
    case 1:
        v = 0;
        for (auto *o : sel)
            v = std::max(v, o->Left() + o->Width());
        for (auto *o : sel)
            o->setLeft(v - o->Width());
        break;
    case 2:
        v = INT_MAX;
        for (auto *o : sel)
            v = std::min(v, o->Top());
        v = std::min(v, mHeight);
        for (auto *o : sel)
            o->setTop(v);
        break;
    case 3:
        v = 0;
        for (auto *o : sel)
            v = std::max(v, o->Top() + o->Height());
        for (auto *o : sel)
            o->setTop(v - o->Height());
        break;
    case 4:
        for (auto *o : sel)
            o->setTop(mHeight / 2 - o->Height() / 2);
        break;
    case 5:
        for (auto *o : sel)
            o->setLeft(mWidth / 2 - o->Width() / 2);
        break;
    }
    invalidate();
}

} // namespace sw
