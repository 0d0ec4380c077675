#pragma once
// A popup menu as data: the core builds the entries (caption, check state,
// enabled state, action) and the window layer shows them as a real menu.
// Objects and the design panel keep their menus here so that the GUI-free
// core and the tests can inspect and trigger every entry.
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace sw {

class PopupMenu;

struct MenuEntry
{
    QString caption;            // "-" marks a separator
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    int tag = 0;                        // free for the owner's use
    std::function<void()> action;
    std::shared_ptr<PopupMenu> submenu; // set for an entry that opens a submenu

    bool isSeparator() const { return caption == QLatin1String("-"); }
};

class PopupMenu
{
public:
    // Appends an entry and returns its index, which stays valid (entries are
    // only ever appended).
    int add(const QString &caption, std::function<void()> action = {});
    int addSeparator() { return add(QStringLiteral("-")); }

    MenuEntry &entry(int index) { return mEntries.at(static_cast<size_t>(index)); }
    const MenuEntry &entry(int index) const { return mEntries.at(static_cast<size_t>(index)); }
    int count() const { return static_cast<int>(mEntries.size()); }
    // Index of the first entry with this caption, or -1.
    int indexOf(const QString &caption) const;
    // Runs the action of the first entry with this caption, through the
    // command runner; false when there is no such entry or it is disabled.
    bool trigger(const QString &caption);
    // Removes the entries; the command runner stays.
    void clear() { mEntries.clear(); }

    // What the menu's owner wraps around every command chosen from it: the
    // design panel makes each one a user action named after the caption
    // (an entry of a submenu runs under its parent entry's caption). Set on
    // a menu, it also applies to the submenus it holds at that time.
    using CommandRunner = std::function<void(const QString &caption, const std::function<void()> &action)>;
    void setCommandRunner(CommandRunner runner);
    // `action` as the command `caption` of this menu: through the runner
    // when there is one. The result keeps its own copies, so it may run
    // after the menu is gone.
    std::function<void()> command(const QString &caption, std::function<void()> action) const;

    // Called just before the menu is shown, to refresh checks and enabling.
    std::function<void()> aboutToOpen;

    // Runs aboutToOpen, then hands the menu to the installed presenter at
    // the screen position. Without a presenter nothing is shown.
    void popup(const QPoint &screenPos);

    using Presenter = std::function<void(PopupMenu &menu, const QPoint &screenPos)>;
    // The window layer installs the presenter that shows real menus; tests
    // install one that records or triggers entries.
    static void setPresenter(Presenter presenter);

private:
    std::vector<MenuEntry> mEntries;
    CommandRunner mRunner;
};

} // namespace sw
