#pragma once
// A right click on a widget as the platform reports it, and the pop-up
// menu it opened (nullptr for none).
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

namespace sw::test {

inline QMenu *rightClick(QWidget *widget)
{
    const QPoint at(3, 3);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &click);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

} // namespace sw::test
