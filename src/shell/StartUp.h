#pragma once
// The program's start: one instance per user, the old configuration file
// name, the application object, the message boxes and the main window.

namespace sw {

// Gives an older configuration file "sk2.ini" in the program's folder the
// name "sk.ini". True when renamed; false (nothing changed) when there is
// no such file or the new name is taken.
bool renameOldConfigFile();

// Installs the window layer's services the core calls through hooks:
// popup menus, the label objects' editing windows and dialogs, and help.
void installWindowServices();

// Runs the program until its main window closes; the process's exit code.
// A second start hands over to the running instance and returns 0 at once.
int runStickwell(int argc, char **argv);

} // namespace sw
