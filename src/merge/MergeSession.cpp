#include "merge/MergeSession.h"

#include "merge/DataFileError.h"
#include "platform/IniFile.h"

#include <QFileInfo>

namespace sw {

namespace {

const QString Section = QStringLiteral("Data Files");

QString fullPath(const QString &file)
{
    return file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
}

} // namespace

std::optional<DataFile> &MergeSession::current()
{
    static std::optional<DataFile> file;
    return file;
}

const std::optional<DataFile> &MergeSession::dataFile()
{
    return current();
}

QStringList MergeSession::columns()
{
    return current() ? current()->referableColumns() : QStringList();
}

void MergeSession::setDataFile(const DataFile &file)
{
    current() = file;
}

void MergeSession::clear()
{
    current().reset();
}

QString MergeSession::remembered(const IniFile &ini, const QString &designFile)
{
    const QString design = fullPath(designFile);
    return design.isEmpty() ? QString() : ini.readString(Section, design);
}

bool MergeSession::remember(IniFile &ini, const QString &designFile, const QString &dataFile)
{
    const QString design = fullPath(designFile);
    if (design.isEmpty())
        return true;
    const QString data = fullPath(dataFile);
    const QStringList designs = ini.readSection(Section);
    // Already the most recent entry, with this file: nothing to write.
    if (!designs.isEmpty() && designs.last() == design && ini.readString(Section, design) == data)
        return true;
    // The most recent design is the section's last key.
    if (!ini.deleteKey(Section, design))
        return false;
    if (data.isEmpty())
        return true;
    if (!ini.writeString(Section, design, data))
        return false;
    for (int i = 0; i < designs.size() + 1 - MaxRemembered; ++i)
        if (designs.at(i) != design && !ini.deleteKey(Section, designs.at(i)))
            return false;
    return true;
}

QString MergeSession::restoreFor(const IniFile &ini, const QString &designFile)
{
    clear();
    const QString data = remembered(ini, designFile);
    if (data.isEmpty())
        return QString();
    try {
        setDataFile(DataFile::check(data));
    } catch (const DataFileError &e) {
        // Moved, deleted or spoilt since: the design opens without it, and
        // the user hears why.
        return e.message();
    }
    return QString();
}

} // namespace sw
