#include "objects/ui/WidgetMenuPresenter.h"

#include "objects/PopupMenu.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace sw {

namespace {
// Fills qmenu from menu, submenus included; every action carries the index
// of its entry's command in `actions`. Entries of a submenu run as commands
// of the top menu under their parent entry's caption.
void fill(QMenu &qmenu, PopupMenu &menu, QList<std::function<void()>> &actions, PopupMenu *top = nullptr,
          const QString &topCaption = QString())
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
            fill(*sub, *e.submenu, actions, top ? top : &menu, top ? topCaption : e.caption);
            continue;
        }
        QAction *a = qmenu.addAction(e.caption);
        a->setEnabled(e.enabled);
        if (e.checked) {
            a->setCheckable(true);
            a->setChecked(true);
        }
        a->setData(static_cast<int>(actions.size()));
        if (!e.enabled)
            actions.append(std::function<void()>());
        else if (top)
            actions.append(top->command(topCaption, e.action));
        else
            actions.append(menu.command(e.caption, e.action));
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
