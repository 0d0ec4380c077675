#pragma once
// The decorative shape: one of ten outlines with a drop shadow, an outline
// in any pen style and a surface that is transparent, a solid colour, a
// tiled texture bitmap or a two-colour gradient. Edited in its properties
// window (registered as the class's editor); "Properties" on its popup menu
// opens it too.
//
// Every published property is written whatever its value. Setters store
// and repaint when the value differs; out-of-range values are ignored.
// The gradient and solid bitmaps are built on demand from the current
// settings and size, so reading a file never builds them.
#include "objects/GradientFill.h"
#include "objects/TBitmap.h" // complete for the meta-object of Image
#include "objects/TGGraphicControl.h"
#include "platform/GraphicsTypes.h"

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <QVector>

namespace sw {

class TSuperShape : public TGGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(int BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(sw::GradientFill::TFillDirection FillDirection READ FillDirection WRITE SetFillDirection)
    Q_PROPERTY(int ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(int GradientToColor READ GradientToColor WRITE SetGradientToColor)
    Q_PROPERTY(sw::TBitmap *Image READ Image)
    Q_PROPERTY(int InVectorPercent READ InVectorPercent WRITE SetInVectorPercent)
    Q_PROPERTY(int OutlineColor READ OutlineColor WRITE SetOutlineColor)
    Q_PROPERTY(sw::graphics::TPenStyle OutlineStyle READ OutlineStyle WRITE SetOutlineStyle)
    Q_PROPERTY(int OutlineWidth READ OutlineWidth WRITE SetOutlineWidth)
    Q_PROPERTY(sw::graphics::TBrushStyle Pattern READ Pattern WRITE SetPattern)
    Q_PROPERTY(int RoundPerc READ RoundPerc WRITE SetRoundPerc)
    Q_PROPERTY(int ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowDepth READ ShadowDepth WRITE SetShadowDepth)
    Q_PROPERTY(sw::TSuperShape::TShadowOrient ShadowOrient READ ShadowOrient WRITE SetShadowOrient)
    Q_PROPERTY(sw::TSuperShape::TGPShapeType Shape READ Shape WRITE SetShape)
    Q_PROPERTY(int StartingAngle READ StartingAngle WRITE SetStartingAngle)
    Q_PROPERTY(sw::TSuperShape::TSurfaceType SurfaceType READ SurfaceType WRITE SetSurfaceType)
    Q_PROPERTY(int Vectors READ Vectors WRITE SetVectors)
    Q_PROPERTY(QString LastBitmapFileNameandPath READ LastBitmapFileNameandPath WRITE SetLastBitmapFileNameandPath)
    Q_CLASSINFO("type:BackColor", "TColor")
    Q_CLASSINFO("type:ForeColor", "TColor")
    Q_CLASSINFO("type:GradientToColor", "TColor")
    Q_CLASSINFO("type:OutlineColor", "TColor")
    Q_CLASSINFO("type:ShadowColor", "TColor")
    Q_CLASSINFO("default:LastBitmapFileNameandPath", "")

public:
    static constexpr int HelpTopic = 40011;

    // Ordinals are the stored values.
    enum TGPShapeType {
        gstRectangle,
        gstRoundRect,
        gstEllipse,
        gstDiamond,
        gstStar,
        gstTriangleLeft,
        gstTriangleRight,
        gstTriangleUp,
        gstTriangleDown,
        gstPolyGon
    };
    Q_ENUM(TGPShapeType)
    enum TShadowOrient { soNone, soLowerRight, soUpperRight, soUpperLeft, soLowerLeft };
    Q_ENUM(TShadowOrient)
    enum TSurfaceType { stBrushTransparent, stBrushPattern, stBrushImage, stGradientFill };
    Q_ENUM(TSurfaceType)
    using TFillDirection = GradientFill::TFillDirection;

    // A rectangle in object pixels: right and bottom exclusive.
    struct Box
    {
        int left = 0, top = 0, right = 0, bottom = 0;
        int width() const { return right - left; }
        int height() const { return bottom - top; }
        bool operator==(const Box &o) const
        {
            return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
        }
    };

    // A five-pointed gradient star, 25 x 25 pixels until the panel gives it
    // the dragged bounds.
    explicit TSuperShape(QObject *owner = nullptr);
    ~TSuperShape() override;

    TColor BackColor() const { return mBackColor; }
    void SetBackColor(TColor value);
    TFillDirection FillDirection() const { return mFillDirection; }
    void SetFillDirection(TFillDirection value);
    // Kept and copied; it has no visible effect on screen.
    TColor ForeColor() const { return mForeColor; }
    void SetForeColor(TColor value);
    TColor GradientToColor() const { return mGradientToColor; }
    void SetGradientToColor(TColor value);
    // The texture, owned. SetImage copies; a null image empties it.
    TBitmap *Image() const { return mImage; }
    void SetImage(const QImage &value);
    // 0..100, per cent of the radius the inner star vertices lie inside.
    int InVectorPercent() const { return mInVectorPercent; }
    void SetInVectorPercent(int value);
    TColor OutlineColor() const { return mOutlineColor; }
    void SetOutlineColor(TColor value);
    // psClear: no outline.
    TPenStyle OutlineStyle() const { return mOutlineStyle; }
    void SetOutlineStyle(TPenStyle value);
    // Pixels, never scaled by ScaleFactor.
    int OutlineWidth() const { return mOutlineWidth; }
    void SetOutlineWidth(int value);
    TBrushStyle Pattern() const { return mPattern; }
    void SetPattern(TBrushStyle value);
    int RoundPerc() const { return mRoundPerc; }
    void SetRoundPerc(int value);
    TColor ShadowColor() const { return mShadowColor; }
    void SetShadowColor(TColor value);
    // Pixels; refused when above Width div 2 or Height div 2.
    int ShadowDepth() const { return mShadowDepth; }
    void SetShadowDepth(int value);
    TShadowOrient ShadowOrient() const { return mShadowOrient; }
    void SetShadowOrient(TShadowOrient value);
    // Choosing the star also restores its proportions: InVectorPercent 50
    // when it is 0, Vectors 10 when below 10, StartingAngle 90.
    TGPShapeType Shape() const { return mShape; }
    void SetShape(TGPShapeType value);
    // Degrees 0..359.
    int StartingAngle() const { return mStartingAngle; }
    void SetStartingAngle(int value);
    // Any surface but the texture discards the texture; the transparent
    // surface also drops the shadow and the pattern and turns a clear
    // outline solid.
    TSurfaceType SurfaceType() const { return mSurfaceType; }
    void SetSurfaceType(TSurfaceType value);
    // 3..60 vertices (a star's inner and outer vertices both count).
    int Vectors() const { return mVectors; }
    void SetVectors(int value);
    QString LastBitmapFileNameandPath() const { return mLastBitmapFile; }
    void SetLastBitmapFileNameandPath(const QString &value) { mLastBitmapFile = value; }

    // The appearance of other, through the setters in stored order, then
    // its Width and Height.
    void CopyShapeFrom(const TSuperShape &other);
    // What OK in the properties window does: the appearance of other
    // through the setters (not the bounds), its texture file name, then a
    // change report.
    void ApplyShapeFrom(const TSuperShape &other);

    // The gradient (Width x Height) and the solid bitmap as they are
    // painted; built when missing or out of date.
    const QImage &GradientBitmap();
    const QImage &SolidBitmap();

    // ---- geometry, in object pixels -----------------------------------------------
    // The shadow offset: Trunc(ShadowDepth x ScaleFactor) when the factor is
    // not 1.
    int ScaledShadowDepth() const;
    // The shape's rectangle R and, when there is a shadow, its rectangle H.
    Box ShapeRect() const;
    bool ShadowRect(Box *box) const;
    // Corner size of the rounded rectangle: RoundPerc per cent of the
    // object's longer side, truncated.
    int CornerSize() const;
    // True for the shapes drawn as polygons (diamond, star, triangles,
    // polygon).
    bool IsPolygonShape() const;
    // The polygon of a polygon shape built in box (empty for the others).
    QVector<QPoint> OutlinePoints(const Box &box) const;
    // The outline's pixels as a clip region (winding rule for polygons).
    QRegion OutlineRegion(const Box &box) const;

    // Tile size of a surface bitmap on screen: the bitmap's size, scaled
    // for the texture at a ScaleFactor other than 1 (never below 1).
    QSize ScreenTileSize(const QImage &bitmap) const;

    void Loaded() override;
    // A bounds change only marks the gradient out of date; the change is
    // reported to the panel at the end of the next Paint.
    void BoundsChanged() override;
    void Paint(Canvas &canvas, const PaintContext &context) override;
    void PrintTo(TBaseReport &report, double xOff, double yOff) override;

private:
    void copyAppearance(const TSuperShape &other);
    void changed();
    void gradientInputChanged();
    const QImage *surfaceBitmap();
    void drawOutline(Canvas &canvas, const Box &box);
    void printOutline(TBaseReport &report, const Box &box, double xOff, double yOff,
                      const QPoint &deviceOrigin, double sx, double sy);
    // The polygon of box in device pixels of the report.
    QVector<QPoint> devicePoints(const Box &box, const QPoint &deviceOrigin, double sx, double sy) const;

    TColor mBackColor = clRed;
    TFillDirection mFillDirection = GradientFill::gdUp;
    TColor mForeColor = clBlack;
    TColor mGradientToColor = clBlue;
    TBitmap *mImage;
    int mInVectorPercent = 50;
    TColor mOutlineColor = clBlack;
    TPenStyle mOutlineStyle = psSolid;
    int mOutlineWidth = 1;
    TBrushStyle mPattern = bsClear;
    int mRoundPerc = 25;
    TColor mShadowColor = clBlack;
    int mShadowDepth = 5;
    TShadowOrient mShadowOrient = soNone;
    TGPShapeType mShape = gstStar;
    int mStartingAngle = 90;
    TSurfaceType mSurfaceType = stGradientFill;
    int mVectors = 10;
    QString mLastBitmapFile;

    QImage mGradient;
    bool mGradientDirty = true;
    QImage mSolid;
    bool mSolidDirty = true;
};

} // namespace sw
