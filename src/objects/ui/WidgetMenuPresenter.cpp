#include "objects/ui/WidgetMenuPresenter.h"

#include "objects/PopupMenu.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace sw {

namespace {
// Fills qmenu from menu, submenus included; every action carries the index
// of its entry's action in `actions`.
void fill(QMenu &qmenu, PopupMenu &menu, QList<std::function<void()>> &actions)
{
    for (int i = 0; i < menu.count(); ++i) {
        const MenuEntry &e = menu.entry(i);
        if (!e.visible)
            continue;
        if (e.isSeparator()) {
            qmenu.addSeparator();
            continue;
        }
        if (e.submenu) {
            QMenu *sub = qmenu.addMenu(e.caption);
            sub->setEnabled(e.enabled);
            fill(*sub, *e.submenu, actions);
            continue;
        }
        QAction *a = qmenu.addAction(e.caption);
        a->setEnabled(e.enabled);
        if (e.checked) {
            a->setCheckable(true);
            a->setChecked(true);
        }
        a->setData(static_cast<int>(actions.size()));
        actions.append(e.enabled ? e.action : std::function<void()>());
    }
}

void present(PopupMenu &menu, const QPoint &screenPos)
{
    QMenu qmenu;
    QList<std::function<void()>> actions;
    fill(qmenu, menu, actions);
    QAction *chosen = qmenu.exec(screenPos);
    if (!chosen)
        return;
    // Run the action after the menu is gone; the action may free the menu's
    // owner, so it runs from the copy taken while filling.
    const auto action = actions.value(chosen->data().toInt());
    if (action)
        action();
}
} // namespace

void WidgetMenuPresenter::install()
{
    PopupMenu::setPresenter(present);
}

} // namespace sw
