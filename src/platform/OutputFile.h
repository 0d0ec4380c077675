#pragma once
// A file the user asked the program to write, checked before any work is
// done so that a path that cannot be written is reported in the system's
// words.
#include <QString>

namespace sw {

class OutputFile
{
public:
    // Why `path` cannot be written ("Permission denied", "No such file or
    // directory", "Is a directory"); empty when it can. Opening to find out
    // leaves an existing file's contents alone, and a file made only to
    // find out is removed again.
    static QString problem(const QString &path);
};

} // namespace sw
