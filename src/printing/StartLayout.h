#pragma once
// The layout the program starts with, for tools that work on "the current
// layout" without the main window: the layout of the most recently used
// label file (the first name in the configuration file's "MRU" section)
// when that file still reads, else the default layout. Like the program, it
// holds the layout in the single-precision working copy.
#include "layouts/TLabelLayout.h"

#include <QString>

namespace sw {

class IniFile;

class StartLayout
{
public:
    // `fileName`, when given, receives the label file the layout came from,
    // or an empty string for the default layout.
    static TLabelLayout read(const IniFile &ini, QString *fileName = nullptr);
};

} // namespace sw
