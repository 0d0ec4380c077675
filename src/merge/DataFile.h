#pragma once
// A data file read from end to end before it is used: every record is
// parsed (so that a problem anywhere stops a run before anything is
// printed), counted and let go; only the column names and the first record
// are kept.
#include "merge/CsvReader.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace sw {

struct DataFile
{
    QString fileName;
    QStringList columns;
    int records = 0;
    QStringList firstRecord;
    QChar separator = QLatin1Char(',');
    CsvReader::Encoding encoding = CsvReader::Encoding::Utf8;

    // Reads the file, calling `each` (when given) with every record and the
    // reader (its columns, the record's line). Throws DataFileError, also
    // for a file with column names but no records.
    using RecordVisitor = std::function<void(const CsvReader &reader, const QStringList &record)>;
    static DataFile check(const QString &fileName, const RecordVisitor &each = {});

    // "1 record", "30,000 records".
    static QString recordsText(int records);
    // The columns a text can refer to, in file order.
    QStringList referableColumns() const;
};

} // namespace sw
