#include "objects/PopupMenu.h"

namespace sw {

namespace {
PopupMenu::Presenter &presenter()
{
    static PopupMenu::Presenter p;
    return p;
}
} // namespace

int PopupMenu::add(const QString &caption, std::function<void()> action)
{
    MenuEntry e;
    e.caption = caption;
    e.action = std::move(action);
    mEntries.push_back(std::move(e));
    return count() - 1;
}

int PopupMenu::indexOf(const QString &caption) const
{
    for (int i = 0; i < count(); ++i)
        if (mEntries[static_cast<size_t>(i)].caption == caption)
            return i;
    return -1;
}

bool PopupMenu::trigger(const QString &caption)
{
    const int i = indexOf(caption);
    if (i < 0)
        return false;
    // The command runs from copies: it may rebuild or free the menu it
    // belongs to.
    MenuEntry &e = entry(i);
    if (!e.enabled || !e.visible || !e.action)
        return false;
    command(e.caption, e.action)();
    return true;
}

void PopupMenu::setCommandRunner(CommandRunner runner)
{
    mRunner = std::move(runner);
    for (MenuEntry &e : mEntries) {
        if (!e.submenu)
            continue;
        if (!mRunner) {
            e.submenu->setCommandRunner({});
            continue;
        }
        e.submenu->setCommandRunner([runner = mRunner, caption = e.caption](const QString &,
                                                                          const std::function<void()> &action) {
            runner(caption, action);
        });
    }
}

std::function<void()> PopupMenu::command(const QString &caption, std::function<void()> action) const
{
    if (!action)
        return {};
    if (!mRunner)
        return action;
    return [runner = mRunner, caption, action = std::move(action)] { runner(caption, action); };
}

void PopupMenu::popup(const QPoint &screenPos)
{
    if (aboutToOpen)
        aboutToOpen();
    if (presenter())
        presenter()(*this, screenPos);
}

void PopupMenu::setPresenter(Presenter p)
{
    presenter() = std::move(p);
}

} // namespace sw
