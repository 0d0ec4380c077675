#pragma once
// The substitution a merged print run hands the label objects: it fills
// the fields of a text from the current record. Each distinct text is
// parsed once; a text without "${" passes through untouched.
//
//   MergeFields fields(reader.columns());
//   object->SetPrintSubstitution(fields.substitution());
//   while (reader.next(record)) { fields.setRecord(record); ... print ... }
#include "merge/FieldTemplate.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

namespace sw {

class MergeFields
{
public:
    explicit MergeFields(const QStringList &columns);

    const QStringList &columns() const { return mColumns; }
    // The record the texts are filled from (kept by reference: it must
    // live until the next call; none means every field is empty).
    void setRecord(const QStringList &record) { mRecord = &record; }

    // The text filled from the current record.
    QString fill(const QString &text);
    // fill() as a function for the objects; it refers to this object.
    std::function<QString(const QString &)> substitution();

    // The fields of the texts that name no column, as written, each once.
    QStringList unknownFields(const QStringList &texts);

private:
    const FieldTemplate &templateOf(const QString &text);

    QStringList mColumns;
    const QStringList *mRecord = nullptr;
    QStringList mNoRecord;
    QHash<QString, FieldTemplate> mTemplates;
};

} // namespace sw
