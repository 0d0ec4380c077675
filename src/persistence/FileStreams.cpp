#include "persistence/FileStreams.h"

#include "persistence/StreamErrors.h"

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

} // namespace sw
