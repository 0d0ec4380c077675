#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace sw {

namespace {

QString gPath; // chosen or set folder, ending in '/'

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// The name as it exists in `dir` ignoring case, or an empty string.
QString existingSpelling(const QDir &dir, const QString &name)
{
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

} // namespace

QString ProgramFolder::choose(const QString &executableDir, const QString &userDataDir)
{
    const QFileInfo exe(executableDir);
    if (exe.isDir() && exe.isWritable())
        return withSlash(QDir::cleanPath(exe.absoluteFilePath()));
    QDir().mkpath(userDataDir);
    return withSlash(QDir::cleanPath(userDataDir));
}

QString ProgramFolder::path()
{
    if (gPath.isEmpty()) {
        const QString dataHome =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        gPath = choose(QCoreApplication::applicationDirPath(),
                       dataHome + QStringLiteral("/stickwell"));
    }
    return gPath;
}

void ProgramFolder::setPath(const QString &folder)
{
    gPath = folder.isEmpty() ? QString() : withSlash(folder);
}

QString ProgramFolder::findInFolder(const QString &folder, const QString &name)
{
    // A name with folders of its own: only its last part is matched.
    const QFileInfo info(QDir(folder).filePath(name));
    const QDir dir = info.dir();
    const QString spelling = existingSpelling(dir, info.fileName());
    return dir.filePath(spelling.isEmpty() ? info.fileName() : spelling);
}

QString ProgramFolder::filePath(const QString &name)
{
    return findInFolder(path(), name);
}

QString ProgramFolder::dataFilePath(const QString &name)
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList folders = {path(), exeDir,
                                 exeDir + QStringLiteral("/../share/stickwell")};
    for (const QString &folder : folders) {
        const QString candidate = findInFolder(folder, name);
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return filePath(name);
}

bool ProgramFolder::renameFile(const QString &from, const QString &to)
{
    const QString source = QDir::cleanPath(filePath(from));
    if (!QFileInfo::exists(source))
        return false;
    const QString target = QDir::cleanPath(filePath(to));
    const QString wanted = QDir::cleanPath(QDir(path()).filePath(to));
    if (QFileInfo::exists(target)) {
        // Another spelling of the source's own name is a change of case;
        // any other existing file makes the move fail, as a move over an
        // existing file does on a case-blind file system.
        if (QFileInfo(target).canonicalFilePath() != QFileInfo(source).canonicalFilePath())
            return false;
        if (source == wanted)
            return true;
    }
    return QFile::rename(source, wanted);
}

} // namespace sw
