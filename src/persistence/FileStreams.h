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

} // namespace sw
