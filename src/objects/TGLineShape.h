#pragma once
// A straight line across the object's bounds: horizontal along the top,
// vertical down the left side, or along one of the two diagonals. Every
// setting is changed from the popup menu; there is no properties window.
#include "objects/TGGraphicControl.h"
#include "platform/TPen.h" // complete for the meta-object of Pen

namespace sw {

class TGLineShape : public TGGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(sw::TGLineShape::TLineStyle LineStyle READ LineStyle WRITE SetLineStyle)
    Q_PROPERTY(sw::TPen *Pen READ Pen)
    Q_CLASSINFO("default:LineStyle", "stHorizontal")

public:
    // Ordinals are the stored values.
    enum TLineStyle { stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown };
    Q_ENUM(TLineStyle)

    // 10 x 10 pixels until the panel gives it the dragged bounds.
    explicit TGLineShape(QObject *owner = nullptr);
    ~TGLineShape() override;

    TLineStyle LineStyle() const { return mLineStyle; }
    void SetLineStyle(TLineStyle value);
    // Owned; a change repaints the line.
    TPen *Pen() const { return mPen; }
    void SetPen(const TPen &value) { mPen->Assign(value); }

    // The canvas pen width at the current ScaleFactor: Pen.Width at 1.0,
    // else Round(Pen.Width x ScaleFactor), which may be 0 (the thinnest line).
    int ScreenPenWidth() const;

    // Popup commands.
    // "Color": the colour dialog; true on OK.
    bool ChooseColor();
    // "Stretch To Edges": a horizontal line spans the panel's width, a
    // vertical one its height; a diagonal keeps its bounds. Only on a panel.
    void StretchToEdges();

    void Loaded() override;
    void UpdateMenuChecks() override;
    void Paint(Canvas &canvas, const PaintContext &context) override;
    void PrintTo(TBaseReport &report, double xOff, double yOff) override;

private:
    TPen *mPen = nullptr;
    TLineStyle mLineStyle = stHorizontal;
    int mStyleItem = -1;
    int mThicknessItem = -1;
    int mStretchSeparator = -1;
    int mStretchItem = -1;
};

} // namespace sw
