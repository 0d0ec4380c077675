#include "shell/SpinButton.h"

#include <QToolButton>

namespace sw {

SpinButton::SpinButton(QWidget *parent)
    : QWidget(parent)
    , mUp(new QToolButton(this))
    , mDown(new QToolButton(this))
{
    mUp->setObjectName(QStringLiteral("UpButton"));
    mDown->setObjectName(QStringLiteral("DownButton"));
    mUp->setArrowType(Qt::UpArrow);
    mDown->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {mUp, mDown}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(7, 7));
    }
    connect(mUp, &QToolButton::clicked, this, &SpinButton::upClick);
    connect(mDown, &QToolButton::clicked, this, &SpinButton::downClick);
}

void SpinButton::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    mUp->setGeometry(0, 0, width(), half);
    mDown->setGeometry(0, half, width(), height() - half);
}

} // namespace sw
