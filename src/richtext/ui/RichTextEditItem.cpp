#include "richtext/ui/RichTextEditItem.h"

#include "richtext/ui/RichTextClipboard.h"

#include <QKeyEvent>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionGraphicsItem>
#include <QTextCursor>

namespace sw {

RichTextEditItem::RichTextEditItem(QGraphicsItem *parent)
    : QGraphicsTextItem(parent)
{
    setTextInteractionFlags(Qt::TextEditorInteraction);
    setDefaultTextColor(Qt::black);
    setFlag(QGraphicsItem::ItemIsFocusable);
}

void RichTextEditItem::copy()
{
    RichTextClipboard::copy(textCursor());
}

void RichTextEditItem::cut()
{
    QTextCursor cursor = textCursor();
    RichTextClipboard::cut(cursor);
    setTextCursor(cursor);
    Q_EMIT cursorChanged();
}

void RichTextEditItem::paste()
{
    QTextCursor cursor = textCursor();
    if (RichTextClipboard::paste(cursor)) {
        setTextCursor(cursor);
        Q_EMIT cursorChanged();
    }
}

void RichTextEditItem::setPageSize(const QSizeF &size)
{
    prepareGeometryChange();
    mPageSize = size;
    setTextWidth(size.width());
}

QRectF RichTextEditItem::boundingRect() const
{
    return QGraphicsTextItem::boundingRect().united(QRectF(QPointF(0, 0), mPageSize));
}

QPainterPath RichTextEditItem::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}

bool RichTextEditItem::contains(const QPointF &point) const
{
    return boundingRect().contains(point);
}

void RichTextEditItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    QStyleOptionGraphicsItem plain(*option);
    plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QGraphicsTextItem::paint(painter, &plain, widget);
}

void RichTextEditItem::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy) {
        copy();
        event->accept();
    } else if (event == QKeySequence::Cut) {
        cut();
        event->accept();
    } else if (event == QKeySequence::Paste) {
        paste();
        event->accept();
    } else {
        QGraphicsTextItem::keyPressEvent(event);
    }
    Q_EMIT cursorChanged();
}

void RichTextEditItem::inputMethodEvent(QInputMethodEvent *event)
{
    QGraphicsTextItem::inputMethodEvent(event);
    Q_EMIT cursorChanged();
}

void RichTextEditItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsTextItem::mousePressEvent(event);
    Q_EMIT cursorChanged();
}

void RichTextEditItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsTextItem::mouseMoveEvent(event);
    Q_EMIT cursorChanged();
}

void RichTextEditItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsTextItem::mouseReleaseEvent(event);
    Q_EMIT cursorChanged();
}

void RichTextEditItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsTextItem::mouseDoubleClickEvent(event);
    Q_EMIT cursorChanged();
}

} // namespace sw
