#include "persistence/FileStreams.h"

#include "persistence/StreamErrors.h"

#include <QFileInfo>

namespace sw {

std::unique_ptr<QFile> openFileStream(const QString &fileName)
{
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly))
        throw EFOpenError(StreamMessages::openError(fileName));
    return file;
}

std::unique_ptr<QFile> createFileStream(const QString &fileName)
{
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EFCreateError(StreamMessages::createError(fileName));
    return file;
}

QString unreadableReason(const QString &fileName)
{
    const QFileInfo info(fileName);
    // QFile opens a folder for reading without complaint.
    if (info.isDir())
        return QStringLiteral("Is a directory");
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return QString();
}

} // namespace sw
