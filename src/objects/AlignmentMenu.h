#pragma once
// The "Alignment" submenu the text objects share: "Left", "Center",
// "Right", with the object's alignment checked.
#include "objects/PopupMenu.h"
#include "platform/GraphicsTypes.h"

#include <functional>
#include <memory>

namespace sw {

namespace AlignmentMenu {

inline std::shared_ptr<PopupMenu> make(const std::function<void(TAlignment)> &choose)
{
    auto menu = std::make_shared<PopupMenu>();
    const TAlignment order[] = {taLeftJustify, taCenter, taRightJustify};
    const char *captions[] = {"Left", "Center", "Right"};
    for (int i = 0; i < 3; ++i) {
        const TAlignment a = order[i];
        const int index = menu->add(QString::fromLatin1(captions[i]), [choose, a] { choose(a); });
        menu->entry(index).tag = int(a);
    }
    return menu;
}

// Checks the entry of the alignment, and only that one.
inline void check(PopupMenu &menu, TAlignment alignment)
{
    for (int i = 0; i < menu.count(); ++i)
        menu.entry(i).checked = menu.entry(i).tag == int(alignment);
}

} // namespace AlignmentMenu
} // namespace sw
