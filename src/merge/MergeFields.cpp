#include "merge/MergeFields.h"

namespace sw {

namespace {
// A design holds few texts; the limit only keeps a run over changing texts
// (a counter's caption, say) from growing without end.
constexpr int MaxTemplates = 1000;
} // namespace

MergeFields::MergeFields(const QStringList &columns)
    : mColumns(columns)
{
}

const FieldTemplate &MergeFields::templateOf(const QString &text)
{
    auto it = mTemplates.constFind(text);
    if (it != mTemplates.constEnd())
        return *it;
    if (mTemplates.size() >= MaxTemplates)
        mTemplates.clear();
    return *mTemplates.insert(text, FieldTemplate(text, mColumns));
}

QString MergeFields::fill(const QString &text)
{
    if (!FieldTemplate::mayHoldFields(text))
        return text;
    return templateOf(text).fill(mRecord ? *mRecord : mNoRecord);
}

std::function<QString(const QString &)> MergeFields::substitution()
{
    return [this](const QString &text) { return fill(text); };
}

QStringList MergeFields::unknownFields(const QStringList &texts)
{
    QStringList unknown;
    for (const QString &text : texts) {
        if (!FieldTemplate::mayHoldFields(text))
            continue;
        for (const QString &field : templateOf(text).unknownFields())
            if (!unknown.contains(field))
                unknown.append(field);
    }
    return unknown;
}

} // namespace sw
