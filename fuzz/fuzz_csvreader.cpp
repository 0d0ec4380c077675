// libFuzzer target: any bytes as a merge data file. Reading must end in
// records or in a DataFileError, never in a crash, a hang or another
// exception; every record has one field per column, and filling a text
// that names every column (in any case) from it works.
#include "merge/CsvReader.h"
#include "merge/DataFileError.h"
#include "merge/MergeFields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

using namespace sw;

namespace {

QString dataFileName()
{
    static const QString name =
        QDir::temp().filePath(QStringLiteral("fuzz_csvreader-%1.csv").arg(QCoreApplication::applicationPid()));
    return name;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(dataFileName());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    try {
        CsvReader reader(dataFileName());
        const QStringList columns = reader.columns();
        MergeFields fields(columns);
        QString text = QStringLiteral("$${");
        for (const QString &column : columns)
            text += QStringLiteral("${") + column.toUpper() + QStringLiteral("}|");
        QStringList record;
        int records = 0;
        while (reader.next(record)) {
            if (record.size() != columns.size()) {
                fprintf(stderr, "record %d has %d fields for %d columns\n", records + 1, int(record.size()),
                        int(columns.size()));
                abort();
            }
            if (reader.recordLine() < 2)
                abort();
            fields.setRecord(record);
            fields.fill(text);
            ++records;
        }
    } catch (const DataFileError &) {
        // A refusal with its message is a good end.
    }
    return 0;
}
