#pragma once
// The check a merged run makes before anything is printed. The data file
// is read from end to end: a problem anywhere stops the run with its
// message. The records are counted; the fields the design uses are
// compared with the file's columns (a field naming no column prints as
// written, and is reported); and for every record every object is asked
// whether it can print with that record's values (a barcode whose merged
// data its symbology refuses cannot: on that label it prints nothing).
//
// The print-preparation window shows the error, asks about the unknown
// fields and the problems; skprint stops at the error and the problems
// (unless told to leave the objects out) and warns about the fields.
#include "merge/DataFile.h"

#include <QString>
#include <QStringList>

namespace sw {

class TGBasePanel;

class MergeCheck
{
public:
    // Problems beyond this many are counted, not listed.
    static constexpr int MaxListed = 10;

    MergeCheck(TGBasePanel &panel, const QString &dataFile);

    // The data file cannot be used; nothing may be printed.
    bool failed() const { return !mError.isEmpty(); }
    const QString &error() const { return mError; }
    // The file as checked (valid unless failed()).
    const DataFile &dataFile() const { return mFile; }

    // The design's fields that name no column, as written ("${Nmae}").
    const QStringList &unknownFields() const { return mUnknown; }
    // "The data file people.csv has no column for ${Nmae}: it prints as
    // written." Empty when every field names a column.
    QString unknownFieldsWarning() const;

    // No object refuses any record.
    bool printable() const { return mProblems.isEmpty(); }
    // One sentence per object and record that cannot print ("Record 3
    // (line 4): The EAN-13 barcode ..."), the same sentence once with its
    // first record; at most MaxListed, then a line counting the rest.
    QStringList problems() const;
    // The problems, one per line ('\r' between them).
    QString message() const;
    // The message and whether to print without those objects where they
    // cannot be printed.
    QString question() const;

private:
    DataFile mFile;
    QString mError;
    QStringList mUnknown;
    QStringList mProblems;
    int mUnlisted = 0;
};

} // namespace sw
