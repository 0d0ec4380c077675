#pragma once
// Where the program keeps its files. Two layouts:
//
// - Run from a build tree (or a portable unpack), everything lives in the
//   program's folder: the executable's folder when it is writable, else
//   "<XDG data home>/stickwell". Configuration file, scratch files, the
//   clipboard file, shipped data, and the folder the file dialogs open in.
// - Installed (an executable in "<prefix>/bin" with "<prefix>/share/
//   stickwell" beside it), the user's files follow the XDG base
//   directories: the configuration file in "<XDG config home>/stickwell"
//   (this is then path()), scratch and clipboard files in "<XDG cache
//   home>/stickwell", both created when missing; shipped data (template
//   file, textures, sample designs) is read from "<prefix>/share/
//   stickwell"; file dialogs open in the user's documents folder.
//
// The program's files come from a platform whose file names ignore case, so
// names here do too: "SK.INI", "sk.ini" and "Sk.Ini" are one file.

#include <QString>

namespace sw {

class ProgramFolder
{
public:
    // The folders of one layout, each ending in '/'.
    struct Folders
    {
        QString config;    // the configuration file (path())
        QString scratch;   // scratch files and the clipboard file
        QString documents; // where the file dialogs start
        QString data;      // read-only data shipped with the program
        bool installed = false;
    };
    // The layout for an executable in `executableDir`: installed when
    // "<executableDir>/../share/stickwell" is a folder. Folders are not
    // created here.
    static Folders folders(const QString &executableDir);

    // The folder of the configuration file, ending in '/'. Chosen once per
    // run (or set by setPath) and created when missing.
    static QString path();
    // Makes `folder` the folder of every file of the program for the rest
    // of the run (tests); an empty string returns to the default choice.
    static void setPath(const QString &folder);
    // The folder for scratch files and the clipboard file, ending in '/';
    // created when missing.
    static QString scratchPath();
    // Where the open and save dialogs start, ending in '/'.
    static QString documentsPath();
    // Where a file dialog asked to start at `wanted` (a folder, or a file in
    // one) may start: `wanted` itself, or documentsPath() when `wanted` is
    // empty or lies, by its name or through links, under /proc, /sys or
    // /dev. A file dialog there can block for good reading a device or a
    // kernel file to learn its type.
    static QString dialogStart(const QString &wanted);
    // The default choice: executableDir when it is a writable folder, else
    // userDataDir, which is created when missing. Both without trailing '/'.
    static QString choose(const QString &executableDir, const QString &userDataDir);

    // The path of file `name` in the program's folder. When a file exists
    // whose name equals `name` ignoring case, its path is returned (the
    // exact spelling wins when several exist); otherwise the path with
    // `name` spelled as given.
    static QString filePath(const QString &name);
    // filePath() in the scratch folder.
    static QString scratchFilePath(const QString &name);
    // A data file shipped with the program, matched ignoring case: the
    // first existing of path(), the executable's folder and "<executable's
    // folder>/../share/stickwell"; installed, of path() and the share
    // folder. When none exists, filePath(name).
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
