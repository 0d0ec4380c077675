#pragma once
// Special-effect lettering: one line of large text whose letters are cut
// out of a fill - the font's colour, a tiled texture or a two-colour
// gradient - outlined with any pen and given a drop shadow, optionally on a
// coloured background box with a black border.
//
// The letters are glyph outlines (a path at the object's scale), so every
// fill is cut exactly to them on screen and on paper, and a PDF keeps them
// as vector outlines. Text that does not fit the box is cut from the end;
// it never wraps.
//
// The layout (where the text and its shadow go, and a transparent
// borderless box shrinking to its text) is computed lazily behind
// LayoutDirty; the gradient is cached at the object's size. All geometry is
// in the object's own pixels, (0, 0) at its top-left corner.
#include "objects/GradientFill.h"
#include "objects/TBitmap.h" // complete for the meta-object of Image
#include "objects/TGGraphicControl.h"
#include "platform/GraphicsTypes.h"
#include "platform/TColor.h"
#include "platform/TFont.h" // complete for the meta-object of Font

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QString>

namespace sw {

class TGSuperText : public TGGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(int ShadowDepth READ ShadowDepth WRITE SetShadowDepth)
    Q_PROPERTY(sw::TGSuperText::TShadowOrientation ShadowOrientation READ ShadowOrientation WRITE SetShadowOrientation)
    Q_PROPERTY(int Shadowcolor READ Shadowcolor WRITE SetShadowcolor)
    Q_PROPERTY(sw::graphics::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool ControlTransparent READ ControlTransparent WRITE SetControlTransparent)
    Q_PROPERTY(int BGColor READ BGColor WRITE SetBGColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(sw::TFont *Font READ Font)
    Q_PROPERTY(sw::GradientFill::TFillDirection FillDirection READ FillDirection WRITE SetFillDirection)
    Q_PROPERTY(int GradientToColor READ GradientToColor WRITE SetGradientToColor)
    Q_PROPERTY(int GradientFromColor READ GradientFromColor WRITE SetGradientFromColor)
    Q_PROPERTY(sw::TBitmap *Image READ Image)
    Q_PROPERTY(int OutlineColor READ OutlineColor WRITE SetOutlineColor)
    Q_PROPERTY(sw::graphics::TPenStyle OutlineStyle READ OutlineStyle WRITE SetOutlineStyle)
    Q_PROPERTY(int OutlineWidth READ OutlineWidth WRITE SetOutlineWidth)
    Q_PROPERTY(sw::TGSuperText::TSurfaceType SurfaceType READ SurfaceType WRITE SetSurfaceType)
    Q_PROPERTY(QString LastBitmapFileNameandPath READ LastBitmapFileNameandPath WRITE SetLastBitmapFileNameandPath)
    Q_CLASSINFO("default:ShadowDepth", "0")
    Q_CLASSINFO("default:ShadowOrientation", "sdDownRight")
    Q_CLASSINFO("type:Shadowcolor", "TColor")
    Q_CLASSINFO("default:Shadowcolor", "clGray")
    Q_CLASSINFO("type:BGColor", "TColor")
    Q_CLASSINFO("default:Caption", "")
    Q_CLASSINFO("type:GradientToColor", "TColor")
    Q_CLASSINFO("type:GradientFromColor", "TColor")
    Q_CLASSINFO("type:OutlineColor", "TColor")
    Q_CLASSINFO("default:LastBitmapFileNameandPath", "")

public:
    static constexpr int HelpTopic = 40014;

    // Ordinals are the stored values.
    enum TShadowOrientation { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
    Q_ENUM(TShadowOrientation)
    // What fills the letters. The user knows them as "Normal" (the font's
    // colour), "Transparent" (no fill: outline only), "Texture" and
    // "Gradient Fill".
    enum TSurfaceType { stBrushTransparent, stBrushPattern, stBrushImage, stGradientFill };
    Q_ENUM(TSurfaceType)
    using TFillDirection = GradientFill::TFillDirection;

    // Left, top, right, bottom in object pixels; right and bottom exclusive.
    struct Box
    {
        int left = 0, top = 0, right = 0, bottom = 0;
        Box shifted(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
        bool operator==(const Box &o) const
        {
            return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
        }
    };

    // "Text" in 48-point Times New Roman, black, filled with a gradient from
    // blue at the left to yellow at the right; no shadow depth, no
    // background, 142 x 33 pixels.
    explicit TGSuperText(QObject *owner = nullptr);
    ~TGSuperText() override;

    // --- published ------------------------------------------------------------
    // Pixels; not range-checked (the properties window offers 0 to 10).
    int ShadowDepth() const { return mShadowDepth; }
    void SetShadowDepth(int value);
    TShadowOrientation ShadowOrientation() const { return mShadowOrientation; }
    void SetShadowOrientation(TShadowOrientation value);
    TColor Shadowcolor() const { return mShadowcolor; }
    void SetShadowcolor(TColor value);
    // bsSingle frames the box in black.
    TBorderStyle BorderStyle() const { return mBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // False paints the box in BGColor behind the letters.
    bool ControlTransparent() const { return mControlTransparent; }
    void SetControlTransparent(bool value);
    TColor BGColor() const { return mBGColor; }
    void SetBGColor(TColor value);
    QString Caption() const { return mCaption; }
    void SetCaption(const QString &value);
    // Owned; size in points at scale 1.0. Its colour fills "Normal" text.
    TFont *Font() const { return mFont; }
    TFillDirection FillDirection() const { return mFillDirection; }
    void SetFillDirection(TFillDirection value);
    TColor GradientToColor() const { return mGradientToColor; }
    void SetGradientToColor(TColor value);
    TColor GradientFromColor() const { return mGradientFromColor; }
    void SetGradientFromColor(TColor value);
    // The texture, owned. SetImage copies; a null image empties it.
    TBitmap *Image() const { return mImage; }
    void SetImage(const QImage &value);
    TColor OutlineColor() const { return mOutlineColor; }
    void SetOutlineColor(TColor value);
    TPenStyle OutlineStyle() const { return mOutlineStyle; }
    void SetOutlineStyle(TPenStyle value);
    // Pixels on screen (never scaled), hundredths of an inch on paper; 0
    // draws no outline.
    int OutlineWidth() const { return mOutlineWidth; }
    void SetOutlineWidth(int value);
    // Any surface but the texture discards the texture; unfilled text turns
    // a clear outline solid, so that it always shows.
    TSurfaceType SurfaceType() const { return mSurfaceType; }
    void SetSurfaceType(TSurfaceType value);
    QString LastBitmapFileNameandPath() const { return mLastBitmapFile; }
    void SetLastBitmapFileNameandPath(const QString &value) { mLastBitmapFile = value; }

    // --- layout (valid after Layout) ---------------------------------------------
    // (dx, dy) of the shadow from orientation and depth, at scale 1.0.
    QPoint ShadowOffset() const { return mShadowOffset; }
    bool LayoutDirty() const { return mLayoutDirty; }
    void setLayoutDirty() { mLayoutDirty = true; }
    Box TextBox() const { return mTextBox; }
    Box ShadowBox() const { return mShadowBox; }
    QPoint TextOrigin() const { return mTextOrigin; }
    QPoint ShadowOrigin() const { return mShadowOrigin; }
    // Whether the shadow is drawn: a depth of at least 1 and a direction.
    bool showsShadow() const { return mShadowDepth >= 1 && mShadowOrientation != sdNone; }

    // Recomputes the layout with the canvas's text metrics when LayoutDirty
    // is set; a box 5 pixels wide or less takes the text's width, and one
    // too low for the text grows to it; a transparent borderless box
    // shrinks to 1.2 times the text and its shadow. Leaves the canvas font
    // set as SelectFont does.
    void Layout(Canvas &canvas);
    // Sets the canvas font to Font, its size scaled by ScaleFactor, and
    // returns the caption as drawn (WingDings codes become the symbols the
    // display face draws; the face is replaced too).
    QString SelectFont(Canvas &canvas) const;
    // The caption as drawn, cut from the end until it is no wider than
    // `room` pixels in the canvas font.
    QString FittedText(Canvas &canvas, int room) const;

    // The gradient, Width x Height, as painted; rebuilt when out of date.
    const QImage &GradientBitmap();

    // --- commands ----------------------------------------------------------------------
    // The look of other through the setters, then its Width and Height
    // (the properties window loads its sample so).
    void CopyTextFrom(const TGSuperText &other);
    // What OK in the properties window does: the sample's look, texture
    // file, font and caption (not its size), a fresh layout and a change
    // report.
    void ApplyTextFrom(const TGSuperText &sample);
    // Sizes the box to the caption: 1.2 times the text and its margins.
    // True when the whole caption fits.
    bool FitToText();
    // "Font"; true on OK.
    bool ChooseFont();
    // "Background Color": on OK the colour becomes BGColor and the box
    // opaque; true on OK.
    bool ChooseBGColor();

    // --- TGGraphicControl --------------------------------------------------------------
    void Loaded() override;
    void UpdateMenuChecks() override;
    void BoundsChanged() override;
    void ApplyFont(const TFont &font) override;
    void Paint(Canvas &canvas, const PaintContext &context) override;
    void PrintTo(TBaseReport &report, double xOff, double yOff) override;

private:
    void changed();
    void fontChanged();
    void shadowChanged();
    void printTextPath(TBaseReport &report, double x, double y, const QString &text);

    int mShadowDepth = 0;
    TShadowOrientation mShadowOrientation = sdDownRight;
    TColor mShadowcolor = clGray;
    TBorderStyle mBorderStyle = bsNone;
    bool mControlTransparent = true;
    TColor mBGColor = clWhite;
    QString mCaption;
    TFont *mFont;
    TFillDirection mFillDirection = GradientFill::gdRight;
    TColor mGradientToColor = clYellow;
    TColor mGradientFromColor = clBlue;
    TBitmap *mImage;
    TColor mOutlineColor = clBlack;
    TPenStyle mOutlineStyle = psSolid;
    int mOutlineWidth = 1;
    TSurfaceType mSurfaceType = stGradientFill;
    QString mLastBitmapFile;

    QPoint mShadowOffset;
    Box mTextBox, mShadowBox;
    QPoint mTextOrigin, mShadowOrigin;
    bool mLayoutDirty = true;
    bool mInLayout = false;
    bool mInPaint = false;
    QImage mGradient;
    bool mGradientDirty = true;
    int mTransparentItem = -1;
    int mBorderItem = -1;
};

} // namespace sw
