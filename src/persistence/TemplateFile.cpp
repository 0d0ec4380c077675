#include "persistence/TemplateFile.h"

#include "persistence/FileStreams.h"
#include "persistence/LayoutRecordStream.h"
#include "persistence/StreamErrors.h"
#include "persistence/TReader.h"
#include "persistence/TWriter.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>
#include <QIODevice>

#include <memory>

namespace sw {

QString TemplateLoadResult::statusText() const
{
    const QString name = fileName.isEmpty() ? templateFileName() : fileName;
    if (!error.isEmpty()) {
        return QStringLiteral("The template file %1 could not be read completely (%2); %3 templates were read.")
            .arg(name, error)
            .arg(layouts.size());
    }
    if (overflow) {
        return QStringLiteral("The template file %1 holds more than %2 templates; only the first %2 are listed.")
            .arg(name)
            .arg(layouts.size());
    }
    return QString();
}

QString templateFileName()
{
    return QStringLiteral("SKTPL.dat");
}

QString templateFilePath()
{
    return ProgramFolder::dataFilePath(templateFileName());
}

TemplateLoadResult loadTemplates(const QString &path, int capacity)
{
    const QString shownName = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile()) {
        TemplateLoadResult missing;
        missing.fileName = shownName;
        return missing;
    }
    std::unique_ptr<QFile> file;
    try {
        file = openFileStream(path);
    } catch (const EPersistenceError &e) {
        TemplateLoadResult failed;
        failed.fileFound = true;
        failed.fileName = shownName;
        failed.error = e.message();
        return failed;
    }
    return readTemplates(file.get(), capacity, shownName);
}

TemplateLoadResult readTemplates(QIODevice *device, int capacity, const QString &fileName)
{
    TemplateLoadResult result;
    result.fileFound = true;
    result.fileName = fileName;
    try {
        TReader reader(device);
        reader.ReadListBegin();
        // The table has a fixed number of slots; a longer file is read only
        // as far as they go, so nothing is ever stored beyond the table.
        while (!reader.EndOfList()) {
            if (static_cast<int>(result.layouts.size()) >= capacity) {
                result.overflow = true;
                return result;
            }
            // A template cut short by a fault is not kept.
            TLabelLayout layout;
            readLayoutRecord(reader, layout);
            result.layouts.push_back(layout);
        }
        reader.ReadListEnd();
    } catch (const EPersistenceError &e) {
        result.error = e.message();
    } catch (const std::exception &e) {
        result.error = QString::fromLocal8Bit(e.what());
    }
    return result;
}

void writeTemplates(QIODevice *device, const std::vector<TLabelLayout> &layouts)
{
    TWriter writer(device);
    writer.WriteListBegin();
    for (const TLabelLayout &layout : layouts)
        writeLayoutRecord(writer, layout);
    writer.WriteListEnd();
    writer.FlushBuffer();
}

} // namespace sw
