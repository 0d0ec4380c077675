#include "platform/TStringList.h"

namespace sw {

TStringList::TStringList(QObject *parent)
    : QObject(parent)
{
}

void TStringList::setStrings(const QStringList &strings)
{
    if (mStrings == strings)
        return;
    mStrings = strings;
    Q_EMIT changed();
}

void TStringList::add(const QString &line)
{
    mStrings.append(line);
    Q_EMIT changed();
}

void TStringList::clear()
{
    if (mStrings.isEmpty())
        return;
    mStrings.clear();
    Q_EMIT changed();
}

QString TStringList::text() const
{
    QString result;
    for (const QString &line : mStrings) {
        result += line;
        result += QLatin1String("\r\n");
    }
    return result;
}

void TStringList::setText(const QString &text)
{
    QStringList lines;
    int start = 0;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    setStrings(lines);
}

void TStringList::Assign(const TStringList &source)
{
    if (&source != this)
        setStrings(source.mStrings);
}

} // namespace sw
