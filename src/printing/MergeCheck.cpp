#include "printing/MergeCheck.h"

#include "merge/DataFileError.h"
#include "merge/MergeFields.h"
#include "objects/TGGraphicControl.h"
#include "printing/PrintSubstitution.h"
#include "surface/TGBasePanel.h"

#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include <memory>

namespace sw {

MergeCheck::MergeCheck(TGBasePanel &panel, const QString &dataFile)
{
    const QList<TGGraphicControl *> objects = panel.labelObjects();
    std::unique_ptr<MergeFields> fields;
    std::unique_ptr<PrintSubstitution> substitution; // goes before the fields it refers to
    QSet<QString> seen;
    int recordNumber = 0;
    const auto checkRecord = [&](const CsvReader &reader, const QStringList &record) {
        if (!fields) {
            fields = std::make_unique<MergeFields>(reader.columns());
            substitution = std::make_unique<PrintSubstitution>(panel, fields->substitution());
        }
        fields->setRecord(record);
        ++recordNumber;
        for (TGGraphicControl *object : objects) {
            const QString problem = object->PrintProblem();
            if (problem.isEmpty() || seen.contains(problem))
                continue;
            seen.insert(problem);
            if (mProblems.size() < MaxListed)
                mProblems.append(QStringLiteral("Record %1 (line %2): %3")
                                     .arg(recordNumber)
                                     .arg(reader.recordLine())
                                     .arg(problem));
            else
                ++mUnlisted;
        }
    };
    try {
        mFile = DataFile::check(dataFile, checkRecord);
    } catch (const DataFileError &e) {
        mError = e.message();
        mProblems.clear();
        return;
    }
    QStringList texts;
    for (TGGraphicControl *object : objects)
        texts += object->SubstitutedTexts();
    mUnknown = MergeFields(mFile.columns).unknownFields(texts);
}

QString MergeCheck::unknownFieldsWarning() const
{
    if (mUnknown.isEmpty())
        return QString();
    QString list = mUnknown.first();
    for (int i = 1; i < mUnknown.size(); ++i)
        list += (i + 1 == mUnknown.size() ? QStringLiteral(" and ") : QStringLiteral(", ")) + mUnknown.at(i);
    return QStringLiteral("The data file %1 has no column for %2: %3 as written.")
        .arg(QFileInfo(mFile.fileName).fileName(), list,
             mUnknown.size() == 1 ? QStringLiteral("it prints") : QStringLiteral("they print"));
}

QStringList MergeCheck::problems() const
{
    QStringList all = mProblems;
    if (mUnlisted > 0)
        all.append(QStringLiteral("... and %1 more").arg(QLocale(QLocale::English).toString(mUnlisted)));
    return all;
}

QString MergeCheck::message() const
{
    return problems().join(QLatin1Char('\r'));
}

QString MergeCheck::question() const
{
    return message() + QStringLiteral("\r\rPrint the labels, leaving these objects out where they cannot be printed?");
}

} // namespace sw
