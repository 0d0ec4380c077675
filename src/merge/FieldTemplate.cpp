#include "merge/FieldTemplate.h"

namespace sw {

FieldTemplate::FieldTemplate(const QString &text, const QStringList &columns)
{
    QString literal;
    const auto flush = [&] {
        if (!literal.isEmpty())
            mParts.append({literal, -1});
        literal.clear();
    };
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (QStringView(text).mid(i).startsWith(QLatin1String("$${"))) {
            literal += QLatin1String("${");
            i += 3;
            continue;
        }
        if (!QStringView(text).mid(i).startsWith(QLatin1String("${"))) {
            literal += text.at(i++);
            continue;
        }
        const qsizetype close = text.indexOf(QLatin1Char('}'), i + 2);
        if (close < 0) {
            literal += QStringView(text).mid(i);
            break;
        }
        const QString written = text.mid(i, close - i + 1);
        const int column = columnOf(text.mid(i + 2, close - i - 2), columns);
        if (column < 0) {
            literal += written;
            if (!mUnknown.contains(written))
                mUnknown.append(written);
        } else {
            flush();
            mParts.append({QString(), column});
        }
        i = close + 1;
    }
    flush();
}

int FieldTemplate::columnOf(const QString &name, const QStringList &columns)
{
    const QString wanted = name.trimmed();
    if (wanted.isEmpty())
        return -1;
    for (int c = 0; c < columns.size(); ++c)
        if (columns.at(c).compare(wanted, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

bool FieldTemplate::canReference(const QString &column)
{
    return !column.isEmpty() && column == column.trimmed() && !column.contains(QLatin1Char('}'));
}

QString FieldTemplate::fill(const QStringList &record) const
{
    QString out;
    for (const Part &part : mParts) {
        if (part.column < 0)
            out += part.text;
        else if (part.column < record.size())
            out += record.at(part.column);
    }
    return out;
}

} // namespace sw
