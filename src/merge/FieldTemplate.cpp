#include "merge/FieldTemplate.h"

namespace sw {

QList<FieldTemplate::Span> FieldTemplate::spans(const QString &text)
{
    QList<Span> out;
    const QStringView view(text);
    qsizetype i = 0;
    while ((i = view.indexOf(QLatin1String("${"), i)) >= 0) {
        if (i > 0 && view.at(i - 1) == QLatin1Char('$')) {
            out.append({i - 1, 3});
            i += 2;
            continue;
        }
        const qsizetype close = view.indexOf(QLatin1Char('}'), i + 2);
        if (close < 0)
            break; // the rest is text as written
        out.append({i, close - i + 1});
        i = close + 1;
    }
    return out;
}

FieldTemplate::FieldTemplate(const QString &text, const QStringList &columns)
{
    QString literal;
    const QStringView view(text);
    qsizetype at = 0;
    for (const Span &span : spans(text)) {
        literal += view.mid(at, span.start - at);
        at = span.start + span.length;
        const QStringView written = view.mid(span.start, span.length);
        if (isEscape(written)) {
            literal += QLatin1String("${");
            continue;
        }
        const int column = columnOf(written.mid(2, written.size() - 3).toString(), columns);
        if (column < 0) {
            literal += written;
            if (!mUnknown.contains(written))
                mUnknown.append(written.toString());
            continue;
        }
        if (!literal.isEmpty())
            mParts.append({literal, -1});
        literal.clear();
        mParts.append({QString(), column});
    }
    literal += view.mid(at);
    if (!literal.isEmpty())
        mParts.append({literal, -1});
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
