#include "objects/TGGraphicControl.h"

#include "objects/TGPanelHost.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

namespace sw {

TGGraphicControl::TGGraphicControl(QObject *owner)
    : QObject(owner)
{
}

TGGraphicControl::~TGGraphicControl() = default;

TGPanelHost *TGGraphicControl::panel() const
{
    return TGPanelHost::of(this);
}

void TGGraphicControl::SetBounds(int left, int top, int width, int height)
{
    const QRect r(left, top, width, height);
    if (r == mBounds)
        return;
    const QRect previous = mBounds;
    Invalidate();
    mBounds = r;
    Invalidate();
    // Derived bounds (a zoom, a fit to the zoomed content) leave the
    // geometry at 1.0 alone; at 1.0 itself the two are the same.
    if (!mDeriving || mScaleFactor == 1.0f)
        followUnitBounds(previous);
    if (!isLoading())
        BoundsChanged();
}

namespace {
int toUnit(int v, float scale)
{
    return scale == 1.0f ? v : roundHalfEven(v / static_cast<double>(scale));
}
} // namespace

void TGGraphicControl::followUnitBounds(const QRect &previous)
{
    // Only the edges that moved are rounded: moving an object at 50 % must
    // not round its width as well.
    const int l = mBounds.x() != previous.x() ? toUnit(mBounds.x(), mScaleFactor) : mUnitBounds.x();
    const int t = mBounds.y() != previous.y() ? toUnit(mBounds.y(), mScaleFactor) : mUnitBounds.y();
    const int w = mBounds.width() != previous.width() ? toUnit(mBounds.width(), mScaleFactor) : mUnitBounds.width();
    const int h = mBounds.height() != previous.height() ? toUnit(mBounds.height(), mScaleFactor) : mUnitBounds.height();
    mUnitBounds = QRect(l, t, w, h);
}

void TGGraphicControl::setScaleFactorDirect(float f)
{
    if (f == mScaleFactor)
        return;
    mScaleFactor = f;
    mUnitBounds = QRect(toUnit(mBounds.x(), f), toUnit(mBounds.y(), f), toUnit(mBounds.width(), f),
                        toUnit(mBounds.height(), f));
}

void TGGraphicControl::setVisible(bool v)
{
    if (mVisible == v)
        return;
    mVisible = v;
    Invalidate();
}

void TGGraphicControl::Invalidate()
{
    if (TGPanelHost *host = panel())
        host->invalidate();
}

void TGGraphicControl::SetLocked(bool value)
{
    if (value == mLocked)
        return;
    mLocked = value;
    if (isLoading())
        return;
    if (mLockedItem >= 0 && mLockedItem < mMenu.count())
        mMenu.entry(mLockedItem).checked = value;
    NotifyChanged();
}

void TGGraphicControl::SetUnselectable(bool value)
{
    if (value == mUnselectable)
        return;
    mUnselectable = value;
    if (isLoading())
        return;
    NotifyChanged();
    if (value)
        if (TGPanelHost *host = panel())
            host->deselect(this);
}

void TGGraphicControl::NotifyChanged()
{
    TGPanelHost *host = panel();
    if (host && !host->isPrinting())
        host->NotifyLabelChanged();
}

void TGGraphicControl::BoundsChanged()
{
    if (mInBoundsChanged)
        return;
    mInBoundsChanged = true;
    const QRect current(Left(), Top(), Width(), Height());
    // The first call for an object that has not been loaded only records
    // the bounds.
    if (!mLastBoundsKnown) {
        mLastBounds = current;
        mLastBoundsKnown = true;
    }
    if (current != mLastBounds) {
        if (!mDeriving)
            NotifyChanged();
        mLastBounds = current;
        if (TGPanelHost *host = panel())
            host->postRefit();
    }
    mInBoundsChanged = false;
}

void TGGraphicControl::SetScale(float newScale)
{
    if (newScale == mScaleFactor)
        return;
    derive([this, newScale] {
        const double s = newScale;
        const QRect unit = mUnitBounds;
        mScaleFactor = newScale;
        {
            // Set the bounds without the per-change hook, then let it run once.
            QScopedValueRollback<bool> loading(mLoading, true);
            SetBounds(roundHalfEven(unit.x() * s), roundHalfEven(unit.y() * s), roundHalfEven(unit.width() * s),
                      roundHalfEven(unit.height() * s));
        }
        BoundsChanged();
    });
}

void TGGraphicControl::fitBounds(int left, int top, int width, int height)
{
    derive([=] { SetBounds(left, top, width, height); });
}

void TGGraphicControl::derive(const std::function<void()> &work)
{
    // A change made before and not yet reported (some objects report their
    // bounds at their next paint) stays to be reported.
    const bool pending = mLastBoundsKnown && mLastBounds != mBounds;
    {
        QScopedValueRollback<bool> deriving(mDeriving, true);
        work();
    }
    if (mLastBoundsKnown && !pending)
        mLastBounds = mBounds;
}

void TGGraphicControl::Loaded()
{
    mLoading = false;
    // Bounds read from a file, the clipboard or a clone are the object's
    // place: the first move after this is a change like any other.
    mLastBounds = BoundsRect();
    mLastBoundsKnown = true;
    mMenu.clear();
    mMenu.add(QStringLiteral("Bring To Front"), [this] {
        NotifyChanged();
        if (TGPanelHost *host = panel())
            host->bringToFront(this);
    });
    mMenu.add(QStringLiteral("Send To Back"), [this] {
        NotifyChanged();
        if (TGPanelHost *host = panel()) {
            host->sendToBack(this);
            host->clearSelection();
        }
    });
    mMenu.add(QStringLiteral("Cut"), [this] {
        if (TGPanelHost *host = panel()) {
            NotifyChanged();
            host->ObjectClipboardCommand(this, 0);
        }
    });
    mMenu.add(QStringLiteral("Copy"), [this] {
        if (TGPanelHost *host = panel())
            host->ObjectClipboardCommand(this, 1);
    });
    mMenu.add(QStringLiteral("Delete"), [this] {
        if (TGPanelHost *host = panel()) {
            NotifyChanged();
            host->ObjectClipboardCommand(this, 3);
        }
    });
    mMenu.add(QStringLiteral("Clone"), [this] { cloneCommand(); });
    mMenu.addSeparator();
    mLockedItem = mMenu.add(QStringLiteral("Locked"), [this] {
        mLocked = !mLocked;
        mMenu.entry(mLockedItem).checked = mLocked;
        NotifyChanged();
    });
    mMenu.entry(mLockedItem).checked = mLocked;
    mMenu.add(QStringLiteral("Unselectable"), [this] {
        mUnselectable = true;
        NotifyChanged();
        if (TGPanelHost *host = panel())
            host->deselect(this);
    });
    mMenu.addSeparator();
    mMenu.add(QStringLiteral("Center Vertically"), [this] { centre(true); });
    mMenu.add(QStringLiteral("Center Horizontally"), [this] { centre(false); });
    mMenuBuilt = true;
}

void TGGraphicControl::centre(bool vertically)
{
    TGPanelHost *host = panel();
    if (!host)
        return;
    // div truncates toward zero, like C++ integer division.
    if (vertically)
        setTop(host->panelHeight() / 2 - Height() / 2);
    else
        setLeft(host->panelWidth() / 2 - Width() / 2);
    NotifyChanged();
    QCoreApplication::processEvents();
    host->invalidate();
}

void TGGraphicControl::cloneCommand()
{
    TGPanelHost *host = panel();
    if (!host)
        return;
    if (!host->cloneObject(this))
        return;
    QCoreApplication::processEvents();
    // The panel may have been cleared while events ran.
    host = panel();
    if (!host)
        return;
    TGGraphicControl *copy = NewestOfMyClass();
    if (!copy || copy == this)
        return;
    copy->setTop(Top() + 25);
    host->bringToFront(copy);
    host->ObjectAdded();
    if (host->selectionIndexOf(this) >= 0) {
        host->deselect(this);
        host->select(copy);
    }
    host->AttachAllObjects();
    NotifyChanged();
}

void TGGraphicControl::Paint(Canvas &canvas, const PaintContext &context)
{
    Q_UNUSED(canvas)
    Q_UNUSED(context)
}

void TGGraphicControl::DrawSelectionGrips(Canvas &canvas) const
{
    TGPanelHost *host = panel();
    if (!host || host->selectionIndexOf(this) < 0)
        return;
    const bool single = host->selectionCount() == 1;
    canvas.Brush()->setStyle(bsSolid);
    canvas.Brush()->setColor(single ? host->handleColor() : host->handleSecondaryColor());
    const int l = Left() - 2, t = Top() - 2, r = Left() + Width() + 2, b = Top() + Height() + 2;
    auto square = [&canvas](int x1, int y1, int x2, int y2) { canvas.FillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1))); };
    square(l, t, l + 5, t + 5);
    square(r - 5, t, r, t + 5);
    square(r - 5, b - 5, r, b);
    square(l, b - 5, l + 5, b);
    if (single) {
        const int w = truncTowardZero((r - l) * 0.5);
        const int h = truncTowardZero((b - t) * 0.5);
        square(l + w - 2, t, l + w + 3, t + 5);
        square(l + w - 2, b - 5, l + w + 3, b);
        square(l, t + h - 2, l + 5, t + h + 3);
        square(r - 5, t + h - 2, r, t + h + 3);
    }
}

void TGGraphicControl::ShowPopup(int screenX, int screenY)
{
    if (!mMenuBuilt)
        return;
    mMenu.popup(QPoint(screenX, screenY));
}

TGGraphicControl *TGGraphicControl::NewestOfMyClass() const
{
    TGPanelHost *host = panel();
    if (!host)
        return nullptr;
    const QList<TGGraphicControl *> objects = host->labelObjects();
    for (auto it = objects.crbegin(); it != objects.crend(); ++it)
        if ((*it)->metaObject()->inherits(metaObject()))
            return *it;
    return nullptr;
}

bool TGGraphicControl::hitTest(const QPoint &p) const
{
    return mVisible && p.x() >= Left() && p.y() >= Top() && p.x() < Left() + Width()
        && p.y() < Top() + Height();
}

QString TGGraphicControl::TrimLeading(const QString &s)
{
    int i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

QString TGGraphicControl::TrimTrailing(const QString &s)
{
    int n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

QString TGGraphicControl::TrimSpaces(const QString &s)
{
    return TrimLeading(TrimTrailing(s));
}

QString TGGraphicControl::substitutedLine(const QString &text) const
{
    if (!mSubstitute)
        return text;
    QString line = mSubstitute(text);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

} // namespace sw
