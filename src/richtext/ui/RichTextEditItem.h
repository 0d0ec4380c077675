#pragma once
// The editable text of the rich-text view: the document laid out on a page
// of the object's size at 100 %, edited with mouse and keys. Clipboard keys
// go through RichTextClipboard; every edit, caret move or selection change
// is announced through cursorChanged.
#include <QGraphicsTextItem>

namespace sw {

class RichTextEditItem : public QGraphicsTextItem
{
    Q_OBJECT

public:
    explicit RichTextEditItem(QGraphicsItem *parent = nullptr);

    void copy();
    void cut();
    void paste();

    // The page, in object pixels at 100 %: a click anywhere on it places
    // the caret, also below the last line.
    void setPageSize(const QSizeF &size);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    bool contains(const QPointF &point) const override;
    // Without the selection and focus frames: the page is the label.
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

Q_SIGNALS:
    void cursorChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QSizeF mPageSize;
};

} // namespace sw
