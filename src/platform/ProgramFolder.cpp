#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace sw {

namespace {

ProgramFolder::Folders gFolders; // chosen or set; empty config: not yet chosen

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString madeFolder(const QString &folder)
{
    QDir().mkpath(folder);
    return folder;
}

const ProgramFolder::Folders &current()
{
    if (gFolders.config.isEmpty())
        gFolders = ProgramFolder::folders(QCoreApplication::applicationDirPath());
    return gFolders;
}

QString shareFolder(const QString &executableDir)
{
    return QDir::cleanPath(executableDir + QStringLiteral("/../share/stickwell"));
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

ProgramFolder::Folders ProgramFolder::folders(const QString &executableDir)
{
    Folders f;
    const QString share = shareFolder(executableDir);
    if (QFileInfo(share).isDir()) {
        const QString app = QStringLiteral("/stickwell/");
        f.installed = true;
        f.config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + app;
        f.scratch = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + app;
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        f.documents = withSlash(QFileInfo(documents).isDir() ? documents : QDir::homePath());
        f.data = withSlash(share);
        return f;
    }
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    f.config = f.scratch = f.documents = f.data = choose(executableDir, dataHome + QStringLiteral("/stickwell"));
    return f;
}

QString ProgramFolder::path()
{
    return madeFolder(current().config);
}

void ProgramFolder::setPath(const QString &folder)
{
    gFolders = Folders();
    if (!folder.isEmpty())
        gFolders.config = gFolders.scratch = gFolders.documents = gFolders.data = withSlash(folder);
}

QString ProgramFolder::scratchPath()
{
    return madeFolder(current().scratch);
}

QString ProgramFolder::documentsPath()
{
    return current().documents;
}

QString ProgramFolder::dialogStart(const QString &wanted)
{
    if (wanted.isEmpty())
        return documentsPath();
    const auto system = [](const QString &path) {
        for (const char *root : {"/proc", "/sys", "/dev"}) {
            const QLatin1String r(root);
            if (path == r || (path.startsWith(r) && path.at(r.size()) == QLatin1Char('/')))
                return true;
        }
        return false;
    };
    const QString path = QDir::cleanPath(QFileInfo(wanted).absoluteFilePath());
    if (system(path))
        return documentsPath();
    // A link elsewhere may lead there ("/var/run/x" to "/proc/..."): the
    // part of the path that exists is followed to where it really is.
    QFileInfo existing(path);
    while (!existing.exists() && !existing.isRoot())
        existing.setFile(existing.absolutePath());
    if (system(existing.canonicalFilePath()))
        return documentsPath();
    return wanted;
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

QString ProgramFolder::scratchFilePath(const QString &name)
{
    return findInFolder(scratchPath(), name);
}

QString ProgramFolder::dataFilePath(const QString &name)
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList folders = current().installed ? QStringList{path(), current().data}
                                                    : QStringList{path(), exeDir, shareFolder(exeDir)};
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
