#pragma once
// A pen: colour, raster mode, line style and width in pixels. Each field is
// stored only when it differs from its default (clBlack, pmCopy, psSolid, 1).
#include "platform/GraphicsTypes.h"
#include "platform/TColor.h"

#include <QObject>

namespace sw {

class TPen : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(sw::graphics::TPenMode Mode READ mode WRITE setMode)
    Q_PROPERTY(sw::graphics::TPenStyle Style READ style WRITE setStyle)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_CLASSINFO("type:Color", "TColor")
    Q_CLASSINFO("default:Color", "clBlack")
    Q_CLASSINFO("default:Mode", "pmCopy")
    Q_CLASSINFO("default:Style", "psSolid")
    Q_CLASSINFO("default:Width", "1")

public:
    explicit TPen(QObject *parent = nullptr);

    TColor color() const { return mColor; }
    void setColor(TColor color);
    TPenMode mode() const { return mMode; }
    void setMode(TPenMode mode);
    TPenStyle style() const { return mStyle; }
    void setStyle(TPenStyle style);
    // Pixels; 0 draws the thinnest line. Negative values are kept as given.
    int width() const { return mWidth; }
    void setWidth(int width);

    // Copies all four fields; one changed() when anything differs.
    void Assign(const TPen &source);
    bool sameAs(const TPen &other) const;

Q_SIGNALS:
    void changed();

private:
    TColor mColor = clBlack;
    TPenMode mMode = pmCopy;
    TPenStyle mStyle = psSolid;
    int mWidth = 1;
};

} // namespace sw
