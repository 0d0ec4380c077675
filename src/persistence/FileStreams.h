#pragma once
// Files for the component stream, opened the way label, clipboard and
// template files are: read-only for reading, created or truncated for
// writing.
#include <QFile>
#include <QString>

#include <memory>

namespace sw {

// Throws EFOpenError "Cannot open file %s" (the name as given).
std::unique_ptr<QFile> openFileStream(const QString &fileName);
// Throws EFCreateError "Cannot create file %s".
std::unique_ptr<QFile> createFileStream(const QString &fileName);

// Why `fileName` cannot be read as a file, in the system's words ("No such
// file or directory", "Permission denied", "Is a directory"); empty when
// it is a regular file that opens for reading.
QString unreadableReason(const QString &fileName);

} // namespace sw
