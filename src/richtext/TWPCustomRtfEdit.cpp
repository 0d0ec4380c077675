#include "richtext/TWPCustomRtfEdit.h"

#include "platform/Canvas.h"
#include "richtext/TWPRTFTextIo.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPalette>
#include <QTextDocument>

#include <algorithm>

namespace sw {

TWPCustomRtfEdit::TWPCustomRtfEdit(QObject *parent)
    : QObject(parent)
    , mText(new TWPRTFTextIo(this))
{
}

TWPCustomRtfEdit::~TWPCustomRtfEdit() = default;

void TWPCustomRtfEdit::setZoomPercent(int percent)
{
    mZooming = std::clamp(percent, 1, 1000);
}

void TWPCustomRtfEdit::PaintPage(Canvas &canvas, int x, int mode, int page, int height, int width, int y)
{
    Q_UNUSED(mode)
    QPainter *painter = canvas.painter();
    if (!painter || width <= 0 || height <= 0 || page < 0)
        return;
    const double zoom = mZooming / 100.0;
    QTextDocument *doc = mText->document();
    const double pageWidth = width / zoom;
    const double pageHeight = height / zoom;
    doc->setTextWidth(pageWidth);

    painter->save();
    painter->translate(x, y);
    painter->setClipRect(QRect(0, 0, width, height), Qt::IntersectClip);
    if (!(mPaintOptions & poTextOnly))
        painter->fillRect(QRect(0, 0, width, height), toQColor(mColor));
    painter->scale(zoom, zoom);
    const double top = page * pageHeight;
    painter->translate(0, -top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(0, top, pageWidth, pageHeight);
    doc->documentLayout()->draw(painter, context);
    painter->restore();
}

void TWPCustomRtfEdit::Refresh()
{
    Q_EMIT refreshRequested();
}

} // namespace sw
