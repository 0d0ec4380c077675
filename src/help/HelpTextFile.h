#pragma once
// The help texts of one window as a reviewable, translatable text file
// (UTF-8), one file per window:
//
//   # A comment: a line that starts with '#'.
//   [ControlName]
//   The text of the control's entry. Its lines are joined with spaces;
//   an empty line starts a new paragraph.
//
//   [OtherControl] 1048
//   An entry whose link opens help context 1048 instead of the
//   control's own.
//
//   [ThirdControl]
//   ->OtherControl
//
// An entry runs from its "[Name]" line to the next one. A text "->Name"
// shows the help of the entry Name. Names are the controls' object names;
// each may appear once, and every entry needs a text.
#include "help/TODSHelpText.h"

#include <QString>

namespace sw {

class HelpTextFile
{
public:
    // Parses source into texts (which it replaces). On failure returns
    // false with a message naming the line, and leaves texts empty.
    static bool parse(const QString &source, TODSHelpText &texts, QString *error = nullptr);

    // The file of the window called windowName: the translation for locale
    // under root/<locale name>/ (then root/<language>/) when there is one,
    // else root/<windowName>.txt. Empty when there is none. root is a
    // folder or a resource path (":/help/texts").
    static QString pathFor(const QString &root, const QString &windowName, const QString &localeName);

    // Reads and parses the file at path; false with a message when it
    // cannot be read or parsed.
    static bool load(const QString &path, TODSHelpText &texts, QString *error = nullptr);

    // The help texts shipped with the program (":/help/texts").
    static QString builtInRoot();
};

} // namespace sw
