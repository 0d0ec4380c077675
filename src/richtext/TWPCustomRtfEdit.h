#pragma once
// The painting half of the rich-text control: a document, the zoom it is
// shown at, and PaintPage, which draws the document onto any canvas (the
// screen, an image, a printer page). GUI-free; an editing view attaches to
// it in ui/ and follows its requests (refresh, caret).
#include "platform/TColor.h"

#include <QObject>

namespace sw {

class Canvas;
class TWPRTFTextIo;

class TWPCustomRtfEdit : public QObject
{
    Q_OBJECT

public:
    // Paint option bits.
    enum PaintOption : quint8 {
        // The caller has prepared the background: PaintPage draws the text
        // only. Without it the page is first filled with the control's
        // colour.
        poTextOnly = 4,
    };

    explicit TWPCustomRtfEdit(QObject *parent = nullptr);
    ~TWPCustomRtfEdit() override;

    void setPaintOptions(quint8 options) { mPaintOptions = options; }

    // Draws one page of the document into the rectangle (x, y, width,
    // height) of the canvas, in device pixels of the canvas: the document
    // is laid out to width / zoom object pixels with word wrap and drawn at
    // the zoom, clipped to the rectangle. Page n is the n-th slice of that
    // height (page 0 is the top). Paint mode 1 is the only mode; others
    // draw the same. Nothing is drawn for an empty rectangle.
    void PaintPage(Canvas &canvas, int x, int mode, int page, int height, int width, int y);

    // Asks the attached view to show the document anew.
    void Refresh();

Q_SIGNALS:
    void refreshRequested();

protected:
    TWPRTFTextIo *document() const { return mText; }
    int zoomPercent() const { return mZooming; }
    void setZoomPercent(int percent);
    TColor background() const { return mColor; }
    void setBackground(TColor color) { mColor = color; }

private:
    TWPRTFTextIo *mText;
    int mZooming = 100;
    TColor mColor = clWhite;
    quint8 mPaintOptions = 0;
};

} // namespace sw
