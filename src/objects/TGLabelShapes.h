#pragma once
// A closed outline - rectangle, rounded rectangle or ellipse - filling the
// object's bounds, outlined with Pen and filled with Brush. Every setting is
// changed from the popup menu; there is no properties window.
//
// The six shape values draw in three kinds: stRectangle and stSquare a
// rectangle, stRoundRect and stRoundSquare a rounded rectangle, stEllipse
// and stCircle an ellipse. The "square" values do not force square bounds.
#include "objects/TGGraphicControl.h"
#include "platform/TBrush.h" // complete for the meta-object of Brush and Pen
#include "platform/TPen.h"

#include <QRect>

namespace sw {

class TGLabelShapes : public TGGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(sw::TBrush *Brush READ Brush)
    Q_PROPERTY(sw::TPen *Pen READ Pen)
    Q_PROPERTY(int RoundPerc READ RoundPerc WRITE SetRoundPerc)
    Q_PROPERTY(sw::TGLabelShapes::TShapeType Shape READ Shape WRITE SetShape)
    Q_CLASSINFO("default:RoundPerc", "25")
    Q_CLASSINFO("default:Shape", "stRectangle")

public:
    // Ordinals are the stored values.
    enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
    Q_ENUM(TShapeType)

    // 25 x 25 pixels until the panel gives it the dragged bounds.
    explicit TGLabelShapes(QObject *owner = nullptr);
    ~TGLabelShapes() override;

    // True sets Brush.Style to bsClear, False to bsSolid.
    bool Transparent() const { return mTransparent; }
    void SetTransparent(bool value);
    // Owned; a change of either repaints the object.
    TBrush *Brush() const { return mBrush; }
    TPen *Pen() const { return mPen; }
    // Copy every field of the value into the owned object.
    void SetBrush(const TBrush &value) { mBrush->Assign(value); }
    void SetPen(const TPen &value) { mPen->Assign(value); }
    // Corner size of the rounded kinds, in per cent of the longer side.
    int RoundPerc() const { return mRoundPerc; }
    void SetRoundPerc(int value);
    TShapeType Shape() const { return mShape; }
    void SetShape(TShapeType value);

    // The canvas pen width at the current ScaleFactor: Pen.Width at 1.0,
    // else Round(Pen.Width x ScaleFactor), raised to 1 when that is not
    // positive while Pen.Width is.
    int ScreenPenWidth() const;
    // The pixels the figure's outline runs through on screen, in object
    // coordinates: inset by half the pen width so that a wide outline stays
    // inside the bounds.
    QRect DrawRect() const;
    // Width (= height) of the corner ellipse on screen, in pixels.
    int CornerSize() const;

    // Popup commands; each returns true when something changed.
    // "Background Color": the colour dialog; on OK the brush takes the
    // colour and the shape becomes opaque.
    bool ChooseBackgroundColor();
    // "Line Color".
    bool ChooseLineColor();

    void Loaded() override;
    void UpdateMenuChecks() override;
    void Paint(Canvas &canvas, const PaintContext &context) override;
    void PrintTo(TBaseReport &report, double xOff, double yOff) override;

private:
    enum Kind { RectangleKind, RoundRectKind, EllipseKind };
    Kind kind() const;

    TPen *mPen = nullptr;
    TBrush *mBrush = nullptr;
    bool mTransparent = false;
    TShapeType mShape = stRectangle;
    int mRoundPerc = 25;
    int mTransparentItem = -1;
    int mThicknessItem = -1;
};

} // namespace sw
