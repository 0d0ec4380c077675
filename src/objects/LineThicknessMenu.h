#pragma once
// The "Line Thickness" submenu the shape and line objects share: ten
// entries "1 Point" ... "10 Point", each tagged with its number of pixels.
#include "objects/PopupMenu.h"

#include <functional>
#include <memory>

namespace sw {

namespace LineThicknessMenu {

inline std::shared_ptr<PopupMenu> make(const std::function<void(int width)> &choose)
{
    auto menu = std::make_shared<PopupMenu>();
    for (int n = 1; n <= 10; ++n) {
        const int index = menu->add(QString::number(n) + QStringLiteral(" Point"), [choose, n] { choose(n); });
        menu->entry(index).tag = n;
    }
    return menu;
}

// Checks the entry whose tag equals the pen width, and only that one.
inline void check(PopupMenu &menu, int penWidth)
{
    for (int i = 0; i < menu.count(); ++i)
        menu.entry(i).checked = menu.entry(i).tag == penWidth;
}

} // namespace LineThicknessMenu
} // namespace sw
