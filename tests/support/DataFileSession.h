#pragma once
// For the windows' "Insert field" tests: a data file of the given columns
// (one record, never read from disk) made the session's, as choosing it in
// print preparation would.
#include "merge/DataFile.h"
#include "merge/MergeSession.h"

#include <QString>
#include <QStringList>

namespace sw::test {

inline void chooseDataFile(const QString &fileName, const QStringList &columns)
{
    DataFile file;
    file.fileName = fileName;
    file.columns = columns;
    file.records = 1;
    MergeSession::setDataFile(file);
}

} // namespace sw::test
