#pragma once
// A single line of text, unturned or turned by 90, 180 or 270 degrees
// counter-clockwise, with an optional "3D" look: a shadow copy and a
// highlight copy of the text, each shifted by a depth in a direction and
// drawn in its own colour behind the main text. Optional opaque background
// and one-pixel black border. The base of the text, counter and symbol
// labels.
//
// The layout (margins, the three copies' clip rectangles and origins, and
// the automatic sizing of the box's thickness to the text) is computed
// lazily: every change that affects it sets NeedsLayout, and the next paint
// or print recomputes it. All computed geometry is in the object's own
// pixels, (0, 0) at its top-left corner.
#include "objects/TGGraphicControl.h"
#include "platform/GraphicsTypes.h"
#include "platform/TColor.h"
#include "platform/TFont.h" // complete for the meta-object of the Font property

#include <QPoint>
#include <QString>

#include <memory>

namespace sw {

class ScreenCanvas;

class TGBaseLabel : public TGGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(sw::graphics::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(int DepthHighlight READ DepthHighlight WRITE SetDepthHighlight)
    Q_PROPERTY(int DepthShadow READ DepthShadow WRITE SetDepthShadow)
    Q_PROPERTY(sw::TGBaseLabel::THighlightDirection DirectionHighlight READ DirectionHighlight WRITE SetDirectionHighlight)
    Q_PROPERTY(sw::TGBaseLabel::TShadowDirection DirectionShadow READ DirectionShadow WRITE SetDirectionShadow)
    Q_PROPERTY(int colorHighlight READ colorHighlight WRITE SetcolorHighlight)
    Q_PROPERTY(int colorShadow READ colorShadow WRITE SetcolorShadow)
    Q_PROPERTY(int Angle READ Angle WRITE SetAngle)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(sw::TFont *Font READ Font)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(sw::graphics::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_CLASSINFO("default:Alignment", "taLeftJustify")
    Q_CLASSINFO("default:DepthHighlight", "0")
    Q_CLASSINFO("default:DepthShadow", "0")
    Q_CLASSINFO("default:DirectionHighlight", "hdUpLeft")
    Q_CLASSINFO("default:DirectionShadow", "sdDownRight")
    Q_CLASSINFO("type:colorHighlight", "TColor")
    Q_CLASSINFO("default:colorHighlight", "clAqua")
    Q_CLASSINFO("type:colorShadow", "TColor")
    Q_CLASSINFO("default:colorShadow", "clGray")
    Q_CLASSINFO("default:Angle", "0")
    Q_CLASSINFO("default:Caption", "")
    Q_CLASSINFO("type:BackColor", "TColor")

public:
    // Ordinals are the stored values.
    enum THighlightDirection { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };
    Q_ENUM(THighlightDirection)
    enum TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
    Q_ENUM(TShadowDirection)

    // Left, top, right, bottom in object pixels; right and bottom exclusive,
    // as the canvas takes them.
    struct Rect
    {
        int left = 0, top = 0, right = 0, bottom = 0;
        Rect shifted(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
        bool operator==(const Rect &o) const
        {
            return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
        }
    };

    explicit TGBaseLabel(QObject *owner = nullptr);
    ~TGBaseLabel() override;

    // --- published ---------------------------------------------------------
    TAlignment Alignment() const { return mAlignment; }
    void SetAlignment(TAlignment value);
    int DepthHighlight() const { return mDepthHighlight; }
    void SetDepthHighlight(int value);
    int DepthShadow() const { return mDepthShadow; }
    void SetDepthShadow(int value);
    THighlightDirection DirectionHighlight() const { return mDirectionHighlight; }
    void SetDirectionHighlight(THighlightDirection value);
    TShadowDirection DirectionShadow() const { return mDirectionShadow; }
    void SetDirectionShadow(TShadowDirection value);
    TColor colorHighlight() const { return mColorHighlight; }
    void SetcolorHighlight(TColor value);
    TColor colorShadow() const { return mColorShadow; }
    void SetcolorShadow(TColor value);
    // 0, 90, 180 or 270 degrees counter-clockwise; other values are ignored.
    // Turning between across and upright swaps Width and Height.
    int Angle() const { return mAngle; }
    void SetAngle(int value);
    QString Caption() const { return mCaption; }
    void SetCaption(const QString &value);
    // Owned by the label; size in points at scale 1.0. Every change of it
    // re-lays the text out and reports the change.
    TFont *Font() const { return mFont; }
    bool Transparent() const { return mTransparent; }
    void SetTransparent(bool value);
    TColor BackColor() const { return mBackColor; }
    void SetBackColor(TColor value);
    TBorderStyle BorderStyle() const { return mBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

    // --- computed layout (valid after Layout) ----------------------------------
    bool NeedsLayout() const { return mNeedsLayout; }
    void setNeedsLayout() { mNeedsLayout = true; }
    QPoint Margin() const { return mMargin; }
    QPoint ShadowOffset() const { return mShadowOffset; }
    QPoint HighlightOffset() const { return mHighlightOffset; }
    Rect MainRect() const { return mMainRect; }
    Rect ShadowRect() const { return mShadowRect; }
    Rect HighlightRect() const { return mHighlightRect; }
    QPoint MainOrigin() const { return mMainOrigin; }
    QPoint ShadowOrigin() const { return mShadowOrigin; }
    QPoint HighlightOrigin() const { return mHighlightOrigin; }
    // Whether the shadow and highlight copies are drawn: only with a depth
    // above 0 and a direction, on screen and on paper alike.
    bool showsShadow() const { return mDepthShadow > 0 && mDirectionShadow != sdNone; }
    bool showsHighlight() const { return mDepthHighlight > 0 && mDirectionHighlight != hdNone; }

    // Recomputes the layout with the canvas's text metrics when NeedsLayout
    // is set (and may then resize the box); clears NeedsLayout. Leaves the
    // canvas font set to the label's, unturned.
    void Layout(Canvas &canvas);
    // Sets the canvas font to Font, its size scaled by ScaleFactor, and
    // returns the text to draw: the caption, with WingDings codes turned
    // into the symbols the display face draws (the face is replaced too).
    QString SelectFont(Canvas &canvas) const;

    // The caption a print draws: the caption through the print
    // substitution, a line break in a field's value printing as a space.
    virtual QString PrintedCaption() const;

    // Widens and heightens the box (never shrinks it) so that the caption
    // fits; only at angle 0.
    void GrowToFit();

    // --- commands ---------------------------------------------------------------
    // "Font": the font dialog; on OK the chosen font becomes Font. True on OK.
    virtual bool ChooseFont();
    // "3D Effects"; true on OK.
    bool Edit3DEffects();
    // "Background Color"; true on OK.
    bool ChooseBackColor();

    // --- TGGraphicControl ----------------------------------------------------------
    void Loaded() override;
    void Paint(Canvas &canvas, const PaintContext &context) override;
    void BoundsChanged() override;
    void UpdateMenuChecks() override;
    void ApplyFont(const TFont &font) override;
    void PrintTo(TBaseReport &report, double xOff, double yOff) override;
    QStringList SubstitutedTexts() const override { return {mCaption}; }

protected:
    // True while the object is being read from a stream: setters then only
    // store.
    bool reading() const { return isLoading(); }
    // NotifyChanged unless reading.
    void changed();
    // Whether the layout sizes the box's thickness to the text; the symbol
    // label fits its box itself.
    virtual bool autoSizes() const { return true; }
    // Whether the box grows whenever its caption would be cut: a caption
    // nobody typed (a counter's, whose number gets longer as it prints)
    // must show whole. A caption filled from a data file always does.
    virtual bool showsWholeCaption() const { return false; }
    // Appends "-" and the "Rotation" submenu.
    void addRotationMenu();

private:
    void fontChanged();
    void updateOffsets();
    // Layout for a given text (the caption, or the caption a print draws).
    void layoutText(Canvas &canvas, const QString &caption);
    // Lengthens the box along the text when the text (tw wide with its
    // trailing space, in the canvas font) does not fit between the margins
    // (mx, my): across to the width the text would get if it had been typed,
    // upright to the length the layout gives it. The edge where the text
    // is anchored stays where it is.
    void growToShow(Canvas &canvas, const QString &text, int tw, int mx, int my);

    TBorderStyle mBorderStyle = bsNone;
    int mBorderItem = -1;
    QPoint mMargin;
    QPoint mMainOrigin, mShadowOrigin, mHighlightOrigin;
    QPoint mShadowOffset, mHighlightOffset;
    int mDepthHighlight = 0;
    int mDepthShadow = 0;
    THighlightDirection mDirectionHighlight = hdUpLeft;
    TShadowDirection mDirectionShadow = sdDownRight;
    TColor mColorHighlight = clAqua;
    TColor mColorShadow = clGray;
    int mAngle = 0;
    TAlignment mAlignment = taLeftJustify;
    int mAlignmentItem = -1;
    int mTransparentItem = -1;
    Rect mShadowRect, mHighlightRect, mMainRect;
    bool mNeedsLayout = true;
    // The screen resolution and scale the layout was last made at for
    // paper; 0 when it was made on another canvas (a zoomed panel's).
    int mPrintLayoutPpi = 0;
    float mPrintLayoutScale = 0;
    QString mPrintLayoutCaption;
    // The canvas printing lays out on, made once (at mPrintLayoutPpi).
    std::unique_ptr<ScreenCanvas> mPrintCanvas;
    bool mTransparent = true;
    TColor mBackColor = clWhite;
    QString mCaption;
    TFont *mFont = nullptr;
};

} // namespace sw
