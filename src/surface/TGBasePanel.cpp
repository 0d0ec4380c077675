#include "surface/TGBasePanel.h"

#include "objects/TGGraphicControl.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/Canvas.h"
#include "platform/ProgramFolder.h"
#include "platform/Rounding.h"
#include "richtext/TWPRichText.h"
#include "surface/TGHandle.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <climits>

namespace sw {

const QEvent::Type TGBasePanel::RefitEventType = static_cast<QEvent::Type>(QEvent::registerEventType());
const QEvent::Type TGBasePanel::FinishChangeEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

TGBasePanel::TGBasePanel(QObject *owner)
    : QObject(owner)
    , mHandle(std::make_unique<TGHandle>(this))
    , mFont(std::make_unique<TFont>())
{
    mClipboardFileName = ProgramFolder::scratchFilePath(QStringLiteral("Clipbrd.tmp"));
    mTempFileName = ProgramFolder::scratchFilePath(QStringLiteral("TempFile.tmp"));
    buildMenu();
    // Rich-text labels paint through their form's master control. A panel
    // on a window uses the window's; one that is on no window (the panel
    // the command-line printer and the tests read files onto) is its own
    // form and keeps its own.
    if (!owner)
        TWPRichText::createMaster(this);
}

TGBasePanel::~TGBasePanel()
{
    // The scratch files belong to this run only; failures are of no concern.
    if (mOwnsScratchFiles) {
        if (QFile::exists(mClipboardFileName))
            QFile::remove(mClipboardFileName);
        if (QFile::exists(mTempFileName))
            QFile::remove(mTempFileName);
    }
    mHandle->ClearSelection();
    const QList<TGGraphicControl *> objects = mObjects;
    mObjects.clear();
    qDeleteAll(objects);
}

// --- published state ---------------------------------------------------------

void TGBasePanel::setDrawOutline(bool v)
{
    if (v == mDrawOutline)
        return;
    mDrawOutline = v;
    invalidate();
}

void TGBasePanel::setPicture(const TPicture &p)
{
    mPicture.Assign(p);
    invalidate();
}

void TGBasePanel::setColorPicture(const TPicture &p)
{
    mColorPicture.Assign(p);
    invalidate();
}

void TGBasePanel::setShape(TLabelShapeType s)
{
    if (s == mShape)
        return;
    mShape = s;
    invalidate();
}

void TGBasePanel::setGridSize(TGridSize g)
{
    if (g == mGridSize)
        return;
    mGridSize = g;
    const int step = g == gs4x4 ? 4 : 8;
    mHandle->setGridX(step);
    mHandle->setGridY(step);
    invalidate();
}

void TGBasePanel::setShowGrid(bool v)
{
    if (v == mShowGrid)
        return;
    mShowGrid = v;
    invalidate();
}

bool TGBasePanel::SnapToGrid() const
{
    return mHandle->SnapToGrid();
}

void TGBasePanel::setSnapToGrid(bool v)
{
    mHandle->setSnapToGrid(v);
    if (v) {
        const int step = mGridSize == gs4x4 ? 4 : 8;
        mHandle->setGridX(step);
        mHandle->setGridY(step);
    }
}

// --- size and zoom -------------------------------------------------------------

void TGBasePanel::setSize(int width, int height)
{
    if (width == mWidth && height == mHeight)
        return;
    mWidth = width;
    mHeight = height;
    if (!mZoomInProgress) {
        const double s = mScaleFactor;
        mUnitWidth = mScaleFactor == 1.0f ? width : roundHalfEven(width / s);
        mUnitHeight = mScaleFactor == 1.0f ? height : roundHalfEven(height / s);
    }
    Q_EMIT sizeChanged();
    invalidate();
}

void TGBasePanel::SetZoom(float factor)
{
    if (factor == mScaleFactor)
        return;
    mZoomInProgress = true;
    mScaleFactor = factor;
    setSize(roundHalfEven(mUnitWidth * static_cast<double>(factor)),
            roundHalfEven(mUnitHeight * static_cast<double>(factor)));
    for (TGGraphicControl *o : QList<TGGraphicControl *>(mObjects))
        o->SetScale(factor);
    QCoreApplication::processEvents();
    mZoomInProgress = false;
    Q_EMIT zoomed();
}

// --- objects --------------------------------------------------------------------

void TGBasePanel::addObject(TGGraphicControl *object)
{
    if (!object || mObjects.contains(object))
        return;
    object->setParent(this);
    mObjects.append(object);
    connect(object, &QObject::destroyed, this, [this, object] {
        mObjects.removeOne(object);
        mHandle->Deselect(object);
    });
    invalidate();
}

void TGBasePanel::removeObject(TGGraphicControl *object)
{
    mHandle->Deselect(object);
    mObjects.removeOne(object);
    delete object;
    invalidate();
}

void TGBasePanel::ClearObjects()
{
    mHandle->ClearSelection();
    while (!mObjects.isEmpty())
        removeObject(mObjects.last());
}

void TGBasePanel::PurgeObjects()
{
    UserAction action(*this, QStringLiteral("Remove Objects Outside Label"));
    mHandle->ClearSelection();
    for (int i = mObjects.size() - 1; i >= 0; --i) {
        TGGraphicControl *o = mObjects.at(i);
        const bool outside = o->Left() >= mWidth || o->Top() >= mHeight || o->Left() + o->Width() <= 0
            || o->Top() + o->Height() <= 0;
        if (outside || o->Width() < 1 || o->Height() < 1) {
            NotifyLabelChanged();
            removeObject(o);
        }
    }
}

void TGBasePanel::KeepObjectsInside()
{
    mHandle->ClearSelection();
    for (int i = mObjects.size() - 1; i >= 0; --i) {
        TGGraphicControl *o = mObjects.at(i);
        if (o->Top() > mHeight - 10)
            o->setTop(mHeight - 10);
        if (o->Left() > mWidth - 20)
            o->setLeft(mWidth - 20);
    }
}

void TGBasePanel::AttachObject(TGGraphicControl *object)
{
    object->ObjectMenu().setCommandRunner(commandRunner());
    object->OnMouseDown = [this](TGGraphicControl *sender, Qt::MouseButton b, Qt::KeyboardModifiers s, int x, int y) {
        ObjectMouseDown(sender, b, s, x, y);
    };
    object->OnMouseUp = [this](TGGraphicControl *sender, Qt::MouseButton b, Qt::KeyboardModifiers s, int x, int y) {
        mouseUp(b, s, QPoint(x + sender->Left(), y + sender->Top()));
    };
    object->OnMouseMove = [this](TGGraphicControl *sender, Qt::MouseButton b, Qt::KeyboardModifiers s, int x, int y) {
        mouseMove(b, s, QPoint(x + sender->Left(), y + sender->Top()));
    };
    object->OnDblClick = [this, object](QObject *) {
        // Double-click on an object not covered by the handle: its menu.
        const QPoint screen = toScreen(QPoint(object->Left(), object->Top()));
        object->ShowPopup(screen.x(), screen.y());
    };
}

void TGBasePanel::AttachAllObjects()
{
    for (TGGraphicControl *o : mObjects) {
        AttachObject(o);
        o->setScaleFactorDirect(mScaleFactor);
    }
}

void TGBasePanel::PlaceObject(TGGraphicControl *object, const QRect &r)
{
    object->setVisible(false);
    addObject(object);
    object->setObjectName(UniqueObjectName());
    object->setTop(r.top());
    object->setLeft(r.left());
    object->setWidth(r.width());
    object->setHeight(r.height());
    if (object->Width() < 10)
        object->setWidth(10);
    if (object->Height() < 15)
        object->setHeight(15);
    AttachObject(object);
    object->setScaleFactorDirect(mScaleFactor);
    object->setVisible(true);
    NotifyLabelChanged();
    QCoreApplication::processEvents();
}

QString TGBasePanel::UniqueObjectName() const
{
    QSet<QString> taken;
    for (const TGGraphicControl *o : mObjects)
        taken.insert(o->objectName().toLower());
    for (int n = 1; n <= 1000; ++n) {
        const QString candidate = QStringLiteral("Special%1").arg(n);
        if (!taken.contains(candidate.toLower()))
            return candidate;
    }
    return QString();
}

void TGBasePanel::bringToFront(TGGraphicControl *object)
{
    if (mObjects.removeOne(object)) {
        mObjects.append(object);
        invalidate();
    }
}

void TGBasePanel::sendToBack(TGGraphicControl *object)
{
    if (mObjects.removeOne(object)) {
        mObjects.prepend(object);
        invalidate();
    }
}

// --- printing ------------------------------------------------------------------

void TGBasePanel::PrintObjects(TBaseReport &report, double x, double y)
{
    for (TGGraphicControl *o : QList<TGGraphicControl *>(mObjects))
        o->PrintTo(report, x, y);
}

void TGBasePanel::ResetObjectsForPrinting()
{
    for (TGGraphicControl *o : QList<TGGraphicControl *>(mObjects))
        o->ResetSequence();
}

void TGBasePanel::AdvanceObjects()
{
    for (TGGraphicControl *o : QList<TGGraphicControl *>(mObjects))
        o->NextLabel();
}

bool TGBasePanel::HasComplexObjects() const
{
    for (int i = mObjects.size() - 1; i >= 0; --i) {
        const QMetaObject *mo = mObjects.at(i)->metaObject();
        for (; mo; mo = mo->superClass()) {
            const QByteArray name(mo->className());
            if (name.endsWith("TSuperShape") || name.endsWith("TGSuperText"))
                return true;
        }
    }
    return false;
}

// --- host services ----------------------------------------------------------------

void TGBasePanel::NotifyLabelChanged()
{
    if (mZoomInProgress || mChangeReportsBlocked)
        return;
    if (LabelChangedEvent)
        LabelChangedEvent(this);
    if (mActionDepth > 0) {
        mActionChanged = true;
    } else if (!mFinishPosted) {
        mFinishPosted = true;
        QCoreApplication::postEvent(this, new QEvent(FinishChangeEventType));
    }
}

void TGBasePanel::postRefit()
{
    QCoreApplication::postEvent(this, new QEvent(RefitEventType));
}

bool TGBasePanel::event(QEvent *e)
{
    if (e->type() == RefitEventType) {
        mHandle->Refit();
        return true;
    }
    if (e->type() == FinishChangeEventType) {
        mFinishPosted = false;
        // Seen inside an action (its dialog's event loop): the action
        // takes the change in.
        if (mActionDepth > 0)
            mActionChanged = true;
        else
            Q_EMIT actionFinished(QString(), false);
        return true;
    }
    return QObject::event(e);
}

void TGBasePanel::invalidate()
{
    Q_EMIT repaintRequested();
}

int TGBasePanel::selectionIndexOf(const TGGraphicControl *object) const
{
    return mHandle->IndexOf(object);
}

int TGBasePanel::selectionCount() const
{
    return mHandle->Count();
}

TColor TGBasePanel::handleColor() const
{
    return mHandle->Color();
}

TColor TGBasePanel::handleSecondaryColor() const
{
    return mHandle->SecondaryColor();
}

void TGBasePanel::select(TGGraphicControl *object)
{
    mHandle->Select(object);
}

void TGBasePanel::deselect(TGGraphicControl *object)
{
    mHandle->Deselect(object);
}

void TGBasePanel::clearSelection()
{
    mHandle->ClearSelection();
}

// --- clipboard --------------------------------------------------------------------

namespace {
// The step a clipboard command makes: 0 cut, 1 copy, 2 paste, 3 delete.
QString clipboardStepName(int code)
{
    static const char *const names[] = {"Cut", "Copy", "Paste", "Delete"};
    return code >= 0 && code <= 3 ? QLatin1String(names[code]) : QString();
}
} // namespace

void TGBasePanel::ClipboardCommand(int code)
{
    UserAction action(*this, clipboardStepName(code));
    switch (code) {
    case 0:
    case 1:
        TGLabelObjectFiler().WriteSelection(mHandle->Selection(), mClipboardFileName);
        if (code == 0)
            ClipboardCommand(3);
        break;
    case 2: {
        const qint64 now = TGHandle::now();
        if (!mPasted)
            mLastPasteTick = now;
        else if (now - mLastPasteTick < 1000)
            return;
        mPasted = true;
        TGLabelObjectFiler().ReadObjects(*this, mClipboardFileName);
        AttachAllObjects();
        NotifyLabelChanged();
        QCoreApplication::processEvents();
        mLastPasteTick = TGHandle::now();
        break;
    }
    case 3:
        for (int i = mHandle->Count() - 1; i >= 0; --i) {
            TGGraphicControl *o = mHandle->SelectedObject(i);
            if (!o)
                continue;
            NotifyLabelChanged();
            removeObject(o);
        }
        break;
    default:
        break;
    }
}

void TGBasePanel::ObjectClipboardCommand(TGGraphicControl *object, int code)
{
    UserAction action(*this, clipboardStepName(code));
    if (mHandle->IndexOf(object) >= 0) {
        ClipboardCommand(code);
        return;
    }
    if (code == 0 || code == 1)
        TGLabelObjectFiler().WriteObject(object, mClipboardFileName);
    if (code == 0 || code == 3) {
        NotifyLabelChanged();
        removeObject(object);
    }
}

TGGraphicControl *TGBasePanel::cloneObject(TGGraphicControl *object)
{
    return TGLabelObjectFiler().CloneObject(object, *this);
}

// --- user actions ------------------------------------------------------------------

TGBasePanel::UserAction::UserAction(TGBasePanel &panel, const QString &name)
    : mPanel(&panel)
{
    if (panel.mActionDepth++ == 0) {
        panel.mActionName.clear();
        panel.mActionBurst = false;
        panel.mActionChanged = false;
    }
    if (!name.isEmpty())
        panel.nameAction(name);
}

TGBasePanel::UserAction::~UserAction()
{
    if (!mPanel || --mPanel->mActionDepth > 0 || !mPanel->mActionChanged)
        return;
    mPanel->mActionChanged = false;
    Q_EMIT mPanel->actionFinished(mPanel->mActionName, mPanel->mActionBurst);
}

void TGBasePanel::nameAction(const QString &name, bool burst)
{
    if (mActionDepth == 0 || !mActionName.isEmpty())
        return;
    mActionName = name;
    mActionBurst = burst;
}

bool TGBasePanel::blockChangeReports(bool block)
{
    const bool was = mChangeReportsBlocked;
    mChangeReportsBlocked = block;
    return was;
}

PopupMenu::CommandRunner TGBasePanel::commandRunner()
{
    QPointer<TGBasePanel> self(this);
    return [self](const QString &caption, const std::function<void()> &command) {
        if (!self) {
            command();
            return;
        }
        UserAction action(*self, caption);
        command();
    };
}

void TGBasePanel::replaceObjects(const QList<TGGraphicControl *> &objects)
{
    mHandle->ClearSelection();
    for (TGGraphicControl *o : QList<TGGraphicControl *>(mObjects))
        if (!objects.contains(o))
            removeObject(o);
    for (TGGraphicControl *o : objects) {
        if (mObjects.contains(o))
            continue;
        addObject(o);
        AttachObject(o);
    }
    mObjects = objects;
    invalidate();
}

} // namespace sw

// --- painting ------------------------------------------------------------------

namespace sw {

namespace {
// The label shape's region over the panel: rectangle, rounded rectangle
// with 24 x 24 corners, or ellipse.
QRegion shapeRegion(TLabelShapeType shape, int w, int h)
{
    switch (shape) {
    case TLabelShapeType::lsRectangle:
        return Canvas::CreateRectRgn(0, 0, w, h);
    case TLabelShapeType::lsRoundRect:
        return Canvas::CreateRoundRectRgn(0, 0, w, h, 24, 24);
    case TLabelShapeType::lsEllipse:
        break;
    }
    return Canvas::CreateEllipticRgn(0, 0, w, h);
}

// The grid pattern: a green dot at column 2, row 2 of every 4 x 4 (or
// 8 x 8) cell, white elsewhere, so that AND-ing it onto the surface leaves
// everything but the dots unchanged.
QImage gridPattern(int step)
{
    QImage pattern(8, 8, QImage::Format_RGB32);
    pattern.fill(Qt::white);
    for (int y = 2; y < 8; y += step)
        for (int x = 2; x < 8; x += step)
            pattern.setPixel(x, y, qRgb(0, 0x80, 0));
    return pattern;
}
} // namespace

void TGBasePanel::paintBackground(Canvas &canvas)
{
    const int w = mWidth, h = mHeight;
    canvas.Brush()->setStyle(bsSolid);
    canvas.Brush()->setColor(clWhite);
    canvas.FillRect(0, 0, w, h);

    const QRegion region = shapeRegion(mShape, w + 1, h + 1);
    for (const TPicture *picture : {&mPicture, &mColorPicture}) {
        if (picture->isEmpty())
            continue;
        canvas.SaveClip();
        canvas.SelectClipRegion(region);
        canvas.StretchDraw(0, 0, w, h, *picture);
        canvas.RestoreClip();
        canvas.Brush()->setStyle(bsClear);
    }

    if (mDrawOutline) {
        canvas.Pen()->setStyle(psDot);
        canvas.Pen()->setWidth(1);
        canvas.Pen()->setColor(clBlack);
        canvas.Pen()->setMode(pmCopy);
        canvas.Brush()->setStyle(bsClear);
        switch (mShape) {
        case TLabelShapeType::lsRectangle:
            canvas.Rectangle(0, 0, w, h);
            break;
        case TLabelShapeType::lsRoundRect:
            canvas.RoundRect(0, 0, w, h, 24, 24);
            break;
        case TLabelShapeType::lsEllipse:
            canvas.Ellipse(0, 0, w, h);
            break;
        }
        canvas.Pen()->setStyle(psSolid);
    }

    if (mShowGrid) {
        canvas.SaveClip();
        canvas.SelectClipRegion(region);
        canvas.Brush()->setPattern(gridPattern(mGridSize == gs4x4 ? 4 : 8));
        canvas.FillRectMode(0, 0, w, h, pmMask);
        canvas.Brush()->setPattern(QImage());
        canvas.Brush()->setStyle(bsSolid);
        canvas.RestoreClip();
    }
}

void TGBasePanel::paint(Canvas &canvas)
{
    paintBackground(canvas);
    PaintContext context;
    context.pixelsPerInch = canvas.pixelsPerInch();
    for (TGGraphicControl *o : QList<TGGraphicControl *>(mObjects)) {
        if (!o->isVisible())
            continue;
        canvas.SaveClip();
        canvas.IntersectClipRect(o->Left(), o->Top(), o->Left() + o->Width(), o->Top() + o->Height());
        canvas.setOrigin(o->Left(), o->Top());
        o->Paint(canvas, context);
        canvas.setOrigin(0, 0);
        canvas.RestoreClip();
        o->DrawSelectionGrips(canvas);
    }
    // The rubber band and the handle's drag or nudge outline: XOR, white
    // dotted pen, so that they show on any background.
    const QRect outline = mRubberBand ? mRubberBandRect.normalized() : mHandle->outline();
    if (!outline.isNull()) {
        canvas.Pen()->setStyle(psDot);
        canvas.Pen()->setColor(clWhite);
        canvas.Pen()->setWidth(1);
        canvas.Pen()->setMode(pmXor);
        canvas.Brush()->setStyle(bsClear);
        canvas.Rectangle(outline.left(), outline.top(), outline.right() + 1, outline.bottom() + 1);
        canvas.Pen()->setColor(clBlack);
        canvas.Pen()->setMode(pmCopy);
        canvas.Pen()->setStyle(psSolid);
    }
}

QImage TGBasePanel::render()
{
    QImage image(std::max(1, mWidth), std::max(1, mHeight), QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(&image);
    paint(canvas);
    return image;
}

} // namespace sw
