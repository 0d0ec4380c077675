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
    // Runs the action of the first entry with this caption; false when there
    // is no such entry or it is disabled.
    bool trigger(const QString &caption);
    void clear() { mEntries.clear(); }

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
};

} // namespace sw
