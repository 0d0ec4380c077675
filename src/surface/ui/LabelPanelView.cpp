#include "surface/ui/LabelPanelView.h"

#include "objects/ui/FontDialog.h"
#include "surface/TGBasePanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace sw {

LabelPanelView::LabelPanelView(TGBasePanel *panel, QWidget *parent)
    : QWidget(parent)
    , mPanel(panel)
{
    setObjectName(QStringLiteral("LabelPanel"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The right button opens the objects' and the panel's own menus.
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(panel, &TGBasePanel::repaintRequested, this, qOverload<>(&QWidget::update));
    connect(panel, &TGBasePanel::sizeChanged, this, &LabelPanelView::followSize);
    connect(panel, &QObject::destroyed, this, [this] { mPanel = nullptr; });
    panel->MapToScreen = [this](const QPoint &p) { return mapToGlobal(p); };
    panel->FontRequest = [this](TFont &font) { return FontDialog::getFont(this, font); };
    followSize();
}

void LabelPanelView::followSize()
{
    if (mPanel)
        setFixedSize(mPanel->Width(), mPanel->Height());
}

void LabelPanelView::paintEvent(QPaintEvent *)
{
    if (!mPanel)
        return;
    // The panel paints through an off-screen picture copied in one go.
    const QImage picture = mPanel->render();
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

void LabelPanelView::mousePressEvent(QMouseEvent *event)
{
    if (mPanel)
        mPanel->mouseDown(event->button(), event->modifiers(), event->position().toPoint(),
                          event->globalPosition().toPoint());
}

void LabelPanelView::mouseMoveEvent(QMouseEvent *event)
{
    if (mPanel)
        mPanel->mouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void LabelPanelView::mouseReleaseEvent(QMouseEvent *event)
{
    if (mPanel)
        mPanel->mouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

void LabelPanelView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (mPanel)
        mPanel->doubleClick(event->position().toPoint(), event->globalPosition().toPoint());
}

void LabelPanelView::keyPressEvent(QKeyEvent *event)
{
    if (mPanel)
        mPanel->viewKeyDown(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}

void LabelPanelView::keyReleaseEvent(QKeyEvent *event)
{
    // Auto-repeat sends releases between presses; the nudge ends only when
    // the key is really let go.
    if (mPanel && !event->isAutoRepeat())
        mPanel->keyUp(event->key(), event->modifiers());
    QWidget::keyReleaseEvent(event);
}

void LabelPanelView::leaveEvent(QEvent *event)
{
    if (mPanel)
        mPanel->mouseLeave();
    QWidget::leaveEvent(event);
}

bool LabelPanelView::focusNextPrevChild(bool)
{
    // The panel wants every key, Tab included.
    return false;
}

} // namespace sw
