#include "objects/ui/LabelSampleView.h"

#include "objects/TGGraphicControl.h"
#include "platform/Canvas.h"

#include <QPainter>

namespace sw {

LabelSampleView::LabelSampleView(TGGraphicControl *object, QWidget *parent)
    : QWidget(parent)
    , mObject(object)
{
    mObject->setParent(this);
    setMinimumSize(120, 60);
}

void LabelSampleView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    mObject->SetBounds(0, 0, width(), height());
}

QImage LabelSampleView::render()
{
    QImage image(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(&image);
    PaintContext context;
    context.pixelsPerInch = canvas.pixelsPerInch();
    mObject->Paint(canvas, context);
    return image;
}

void LabelSampleView::paintEvent(QPaintEvent *)
{
    const QImage image = render();
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

} // namespace sw
