#include "platform/OutputFile.h"

#include <QFile>
#include <QFileInfo>

namespace sw {

QString OutputFile::problem(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("No file name");
    if (QFileInfo(path).isDir())
        return QStringLiteral("Is a directory");
    QFile file(path);
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    file.close();
    if (!existed)
        file.remove();
    return QString();
}

} // namespace sw
