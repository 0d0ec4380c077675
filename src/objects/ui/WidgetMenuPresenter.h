#pragma once
// Shows the core's popup menus as real menus.
namespace sw {

class WidgetMenuPresenter
{
public:
    // Installs the presenter for every PopupMenu of the program.
    static void install();
};

} // namespace sw
