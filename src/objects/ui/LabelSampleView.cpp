#include "objects/ui/LabelSampleView.h"

#include "objects/TGGraphicControl.h"
#include "platform/Canvas.h"

#include <QPainter>
#include <QScrollArea>

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

QScrollArea *LabelSampleView::onWhiteGround(TGGraphicControl *object, int size, QWidget *parent,
                                            LabelSampleView **view)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    auto *ground = new QWidget;
    ground->setAutoFillBackground(true);
    QPalette white = ground->palette();
    white.setColor(QPalette::Window, Qt::white);
    ground->setPalette(white);
    ground->setMinimumSize(size + 20, size + 20);
    scroll->setWidgetResizable(true);
    auto *sample = new LabelSampleView(object, ground);
    sample->setFixedSize(size, size);
    sample->move(10, 10);
    scroll->setWidget(ground);
    if (view)
        *view = sample;
    return scroll;
}

void LabelSampleView::showAsOnPaper(QWidget *widget, TColor ink)
{
    QPalette paper = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        paper.setColor(group, QPalette::Window, Qt::white);
        paper.setColor(group, QPalette::Base, Qt::white);
        paper.setColor(group, QPalette::WindowText, toQColor(ink));
        paper.setColor(group, QPalette::Text, toQColor(ink));
    }
    widget->setPalette(paper);
}

} // namespace sw
