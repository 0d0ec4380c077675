#pragma once
// The base of every label object: a lightweight element of the design panel
// with integer bounds in panel pixels at its own ScaleFactor. It has no
// window; the panel paints it, hit-tests it and hands it its mouse events.
//
// Persisted state is exactly the published properties below plus those of
// each subclass, in declaration order (the component stream writes them in
// that order). Defaults are declared as in platform/PropertyInfo.h.
#include "objects/PaintContext.h"
#include "objects/PopupMenu.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace sw {

class Canvas;
class TBaseReport;
class TFont;
class TGPanelHost;

class TGGraphicControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE setTag)
    Q_PROPERTY(int Left READ storedLeft WRITE setLeft)
    Q_PROPERTY(int Top READ storedTop WRITE setTop)
    Q_PROPERTY(int Width READ storedWidth WRITE setWidth)
    Q_PROPERTY(int Height READ storedHeight WRITE setHeight)
    Q_PROPERTY(short Cursor READ Cursor WRITE setCursor)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(bool Locked READ Locked WRITE SetLocked)
    Q_PROPERTY(bool Unselectable READ Unselectable WRITE SetUnselectable)
    Q_CLASSINFO("default:Tag", "0")
    Q_CLASSINFO("default:Cursor", "0")
    Q_CLASSINFO("default:Hint", "")

public:
    using MouseEvent = std::function<void(TGGraphicControl *sender, Qt::MouseButton button,
                                          Qt::KeyboardModifiers shift, int x, int y)>;
    using NotifyEvent = std::function<void(QObject *sender)>;

    explicit TGGraphicControl(QObject *owner = nullptr);
    ~TGGraphicControl() override;

    // Bounds in panel pixels at ScaleFactor. The geometry at zoom 1.0
    // (unitBounds) is what files hold and what a zoom derives the bounds
    // from, so that zooming in and out never moves or resizes an object.
    int Tag() const { return mTag; }
    void setTag(int v) { mTag = v; }
    int Left() const { return mBounds.x(); }
    int Top() const { return mBounds.y(); }
    int Width() const { return mBounds.width(); }
    int Height() const { return mBounds.height(); }
    void setLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void setTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void setWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void setHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    // Sets all four at once; a change calls BoundsChanged unless loading.
    // Outside a zoom, the edges that changed become the geometry at 1.0
    // (divided by ScaleFactor and rounded once, half to even).
    virtual void SetBounds(int left, int top, int width, int height);
    QRect BoundsRect() const { return mBounds; }
    // The bounds at zoom 1.0.
    QRect unitBounds() const { return mUnitBounds; }
    // What the stream writes as Left, Top, Width and Height: the bounds, or
    // while `on` the bounds at zoom 1.0 whatever the zoom, for copies of
    // the design that must not depend on it (the edit history's). Reading
    // such a copy gives an object at 1.0; SetScale then zooms it.
    void setStreamsUnitBounds(bool on) { mStreamsUnitBounds = on; }
    short Cursor() const { return mCursor; }
    void setCursor(short v) { mCursor = v; }
    QString Hint() const { return mHint; }
    void setHint(const QString &v) { mHint = v; }
    bool Locked() const { return mLocked; }
    void SetLocked(bool value);
    bool Unselectable() const { return mUnselectable; }
    void SetUnselectable(bool value);

    bool isVisible() const { return mVisible; }
    void setVisible(bool v);

    float ScaleFactor() const { return mScaleFactor; }
    // Copies the panel's factor without touching the bounds: they are taken
    // as bounds at that factor (an object read from a file or the clipboard
    // onto a zoomed panel), and the geometry at 1.0 follows from them.
    void setScaleFactorDirect(float f);
    // Derives the bounds at newScale from the geometry at 1.0 (each edge
    // rounded half to even), then lets BoundsChanged see them. A zoom is
    // never a change of the design: nothing is reported.
    void SetScale(float newScale);

    // True while the object is being read from a stream (the stream marks it
    // with the dynamic property "swLoading") or set up before Loaded; while
    // set, setters store values without side effects.
    bool isLoading() const { return mLoading || property("swLoading").toBool(); }
    void setLoading(bool v) { mLoading = v; }

    // Set-up after creation or reading: builds ObjectMenu and takes the
    // bounds as they stand as known, so that every later change of them is
    // reported. Subclasses call the base first and then append their own
    // entries.
    Q_INVOKABLE virtual void Loaded();

    // Paints the object on a canvas whose origin is the object's top-left
    // corner, clipped to its bounds.
    virtual void Paint(Canvas &canvas, const PaintContext &context);
    // Draws the selection squares on the panel's canvas (panel coordinates)
    // when the object is part of the panel's selection.
    void DrawSelectionGrips(Canvas &panelCanvas) const;

    virtual void BoundsChanged();
    virtual void UpdateMenuChecks() {}
    virtual void ApplyFont(const TFont &font) {}
    void FontChanged() {}
    virtual void NextLabel() {}
    virtual void ResetSequence() {}
    // Draws the object on the report in inches, with the label's corner at
    // (xOff, yOff) on the page.
    virtual void PrintTo(TBaseReport &report, double xOff, double yOff) {}
    // Why the object cannot be printed as it stands, in a sentence that
    // names it for the user; empty when it can. Print runs ask every object
    // before they start (printing/PrintCheck).
    virtual QString PrintProblem() const { return QString(); }
    // A per-label change of the object's text for printing (merge fields):
    // objects whose printed text may hold field references pass it through
    // the function in PrintTo and PrintProblem, leaving their stored text
    // as it is. An empty function prints the text as stored.
    using TextSubstitution = std::function<QString(const QString &)>;
    void SetPrintSubstitution(const TextSubstitution &substitute) { mSubstitute = substitute; }
    bool hasPrintSubstitution() const { return bool(mSubstitute); }
    // The stored texts the object passes through the substitution (none by
    // default): what a merged run looks into for the fields a design uses.
    virtual QStringList SubstitutedTexts() const { return {}; }

    void NotifyChanged();
    void ShowPopup(int screenX, int screenY);
    PopupMenu &ObjectMenu() { return mMenu; }
    bool hasMenu() const { return mMenuBuilt; }
    TGGraphicControl *NewestOfMyClass() const;

    // Requests a repaint of the object's area on the panel.
    void Invalidate();
    TGPanelHost *panel() const;

    // Events the panel attaches (object-local coordinates).
    MouseEvent OnMouseDown, OnMouseMove, OnMouseUp;
    NotifyEvent OnDblClick;
    NotifyEvent OnEditRequest;

    static QString TrimLeading(const QString &s);
    static QString TrimTrailing(const QString &s);
    static QString TrimSpaces(const QString &s);

    // Hit test in panel coordinates; subclasses may narrow it.
    virtual bool hitTest(const QPoint &panelPoint) const;

protected:
    // The text through the print substitution (as stored without one).
    QString substituted(const QString &text) const { return mSubstitute ? mSubstitute(text) : text; }
    // The same for a text printed on one line: a line break in a filled
    // value prints as a space.
    QString substitutedLine(const QString &text) const;

    // Bounds the object gives itself to fit its content as shown at
    // ScaleFactor (a text's height, a picture's size). They are not a change
    // of the design; at 1.0 they become the object's geometry, at any other
    // zoom only the view follows them.
    void fitBounds(int left, int top, int width, int height);

    // The entry index of "Locked" in ObjectMenu.
    int mLockedItem = -1;

private:
    void centre(bool vertically);
    void cloneCommand();
    // The geometry at 1.0 follows the edges that differ from `previous`.
    void followUnitBounds(const QRect &previous);
    // Runs `work`, which derives the bounds: nothing it does is reported as
    // a change.
    void derive(const std::function<void()> &work);

    int storedLeft() const { return storedBounds().x(); }
    int storedTop() const { return storedBounds().y(); }
    int storedWidth() const { return storedBounds().width(); }
    int storedHeight() const { return storedBounds().height(); }
    const QRect &storedBounds() const
    {
        return mStreamsUnitBounds && mScaleFactor != 1.0f ? mUnitBounds : mBounds;
    }

    int mTag = 0;
    QRect mBounds;
    short mCursor = 0;
    QString mHint;
    bool mLocked = false;
    bool mUnselectable = false;
    bool mVisible = true;
    bool mInBoundsChanged = false;
    bool mDeriving = false;
    bool mLoading = false;
    bool mMenuBuilt = false;
    bool mStreamsUnitBounds = false;
    float mScaleFactor = 1.0f;
    QRect mUnitBounds;
    // The bounds BoundsChanged last saw; unknown until Loaded or the first
    // BoundsChanged, which only records them.
    QRect mLastBounds;
    bool mLastBoundsKnown = false;
    PopupMenu mMenu;
    TextSubstitution mSubstitute;
};

} // namespace sw
