#pragma once
// The program's folder: where the configuration file, the scratch files and
// the clipboard file live. It is the executable's folder when that folder is
// writable (a build tree or a portable unpack), otherwise the per-user data
// folder "<XDG data home>/stickwell", created when missing. Read-only data
// shipped with the program (template file, help, textures) is looked up by
// dataFilePath(), which also searches beside an installed executable.
//
// The program's files come from a platform whose file names ignore case, so
// names here do too: "SK.INI", "sk.ini" and "Sk.Ini" are one file.

#include <QString>

namespace sw {

class ProgramFolder
{
public:
    // The folder, ending in '/'. Chosen once per run (or set by setPath).
    static QString path();
    // Makes `folder` the program's folder for the rest of the run (tests);
    // an empty string returns to the default choice.
    static void setPath(const QString &folder);
    // The default choice: executableDir when it is a writable folder, else
    // userDataDir, which is created when missing. Both without trailing '/'.
    static QString choose(const QString &executableDir, const QString &userDataDir);

    // The path of file `name` in the program's folder. When a file exists
    // whose name equals `name` ignoring case, its path is returned (the
    // exact spelling wins when several exist); otherwise the path with
    // `name` spelled as given.
    static QString filePath(const QString &name);
    // A data file shipped with the program: the first existing of the
    // program's folder, the executable's folder and
    // "<executable's folder>/../share/stickwell", matched ignoring case.
    // When none exists, filePath(name).
    static QString dataFilePath(const QString &name);
    // Renames file `from` to `to` within the program's folder, names
    // matched ignoring case. Fails, changing nothing, when `from` does not
    // exist or when `to` exists already (in any spelling) as another file.
    // Renaming a file to another spelling of its own name succeeds.
    static bool renameFile(const QString &from, const QString &to);

    // filePath() within any folder: `folder` with or without trailing '/'.
    static QString findInFolder(const QString &folder, const QString &name);
};

} // namespace sw
