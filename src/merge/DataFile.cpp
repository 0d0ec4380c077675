#include "merge/DataFile.h"

#include "merge/DataFileError.h"
#include "merge/FieldTemplate.h"

#include <QLocale>

#include <limits>

namespace sw {

DataFile DataFile::check(const QString &fileName, const RecordVisitor &each)
{
    CsvReader reader(fileName);
    DataFile file;
    file.fileName = fileName;
    file.columns = reader.columns();
    file.separator = reader.separator();
    file.encoding = reader.encoding();
    QStringList record;
    while (reader.next(record)) {
        if (file.records == 0)
            file.firstRecord = record;
        if (file.records == std::numeric_limits<int>::max())
            throw DataFileError(QStringLiteral("The data file %1 holds more records than can be printed")
                                    .arg(reader.displayName()));
        ++file.records;
        if (each)
            each(reader, record);
    }
    if (file.records == 0)
        throw DataFileError(QStringLiteral("The data file %1 names its columns but holds no records to print")
                                .arg(reader.displayName()));
    return file;
}

QString DataFile::recordsText(int records)
{
    return QStringLiteral("%1 record%2").arg(QLocale(QLocale::English).toString(records), records == 1 ? "" : "s");
}

QStringList DataFile::referableColumns() const
{
    QStringList out;
    for (const QString &c : columns)
        if (FieldTemplate::canReference(c))
            out.append(c);
    return out;
}

} // namespace sw
