#include "platform/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace sw {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasLineBreak(const QString &s)
{
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
}

bool validSection(const QString &section)
{
    const QString name = section.trimmed();
    return !name.isEmpty() && !hasLineBreak(name) && !name.contains(QLatin1Char(']'));
}

bool validKey(const QString &key)
{
    const QString name = key.trimmed();
    return !name.isEmpty() && !hasLineBreak(name) && !name.contains(QLatin1Char('='))
           && !name.startsWith(QLatin1Char(';')) && !name.startsWith(QLatin1Char('['));
}

QString decode(const QByteArray &data)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(data);
    if (utf8.hasError())
        return QString::fromLatin1(data);
    return text;
}

} // namespace

IniFile::IniFile(const QString &fileName)
    : mFileName(fileName)
{
}

IniFile::Line IniFile::parseLine(const QString &text)
{
    Line line;
    line.text = text;
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('['))) {
        const int close = t.indexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = LineKind::Section;
            line.name = t.mid(1, close - 1).trimmed();
        }
        return line;
    }
    if (t.startsWith(QLatin1Char(';')))
        return line;
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return line;
    line.kind = LineKind::Key;
    line.name = t.left(eq).trimmed();
    QString value = t.mid(eq + 1).trimmed();
    // One pair of matching enclosing quotes is not part of the value.
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    line.value = value;
    return line;
}

void IniFile::refresh() const
{
    QByteArray data;
    QFile file(mFileName);
    if (file.open(QIODevice::ReadOnly))
        data = file.readAll();
    // A file that exists but cannot be read must not be replaced by a
    // write holding only the new key.
    mUnreadable = file.exists() && !file.isOpen();
    if (mLoaded && data == mRaw)
        return;

    mRaw = data;
    mLoaded = true;
    mCrLf = data.contains("\r\n");
    mLines.clear();
    QStringList texts = decode(data).split(QLatin1Char('\n'));
    if (!texts.isEmpty() && texts.back().isEmpty())
        texts.removeLast(); // the final line ending, not an empty line
    for (QString &text : texts) {
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        mLines.append(parseLine(text));
    }
}

int IniFile::findSection(const QString &section) const
{
    const QString name = section.trimmed();
    for (int i = 0; i < mLines.size(); ++i) {
        if (mLines[i].kind == LineKind::Section && sameName(mLines[i].name, name))
            return i;
    }
    return -1;
}

int IniFile::sectionKeysEnd(int header) const
{
    int end = header + 1;
    for (int i = header + 1; i < mLines.size() && mLines[i].kind != LineKind::Section; ++i) {
        if (mLines[i].kind == LineKind::Key)
            end = i + 1;
    }
    return end;
}

int IniFile::findKey(int header, const QString &key) const
{
    const QString name = key.trimmed();
    for (int i = header + 1; i < mLines.size() && mLines[i].kind != LineKind::Section; ++i) {
        if (mLines[i].kind == LineKind::Key && sameName(mLines[i].name, name))
            return i;
    }
    return -1;
}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    refresh();
    const int header = findSection(section);
    const int index = header < 0 ? -1 : findKey(header, key);
    return index < 0 ? defaultValue : mLines[index].value;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList IniFile::readSection(const QString &section) const
{
    QStringList keys;
    for (const auto &entry : readSectionValues(section))
        keys.append(entry.first);
    return keys;
}

QList<QPair<QString, QString>> IniFile::readSectionValues(const QString &section) const
{
    refresh();
    QList<QPair<QString, QString>> values;
    const int header = findSection(section);
    if (header < 0)
        return values;
    for (int i = header + 1; i < mLines.size() && mLines[i].kind != LineKind::Section; ++i) {
        if (mLines[i].kind == LineKind::Key)
            values.append({mLines[i].name, mLines[i].value});
    }
    return values;
}

QStringList IniFile::readSections() const
{
    refresh();
    QStringList names;
    for (const Line &line : std::as_const(mLines)) {
        if (line.kind == LineKind::Section && !names.contains(line.name, Qt::CaseInsensitive))
            names.append(line.name);
    }
    return names;
}

bool IniFile::sectionExists(const QString &section) const
{
    refresh();
    return findSection(section) >= 0;
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    refresh();
    const int header = findSection(section);
    return header >= 0 && findKey(header, key) >= 0;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    if (!validSection(section) || !validKey(key) || hasLineBreak(value))
        return false;
    refresh();
    const QList<Line> before = mLines;

    int header = findSection(section);
    if (header < 0) {
        // A new section goes at the end, set off by a blank line.
        if (!mLines.isEmpty() && !mLines.back().text.trimmed().isEmpty())
            mLines.append(parseLine(QString()));
        mLines.append(parseLine(QLatin1Char('[') + section.trimmed() + QLatin1Char(']')));
        header = mLines.size() - 1;
    }
    const int index = findKey(header, key);
    if (index >= 0)
        mLines[index] = parseLine(mLines[index].name + QLatin1Char('=') + value);
    else
        mLines.insert(sectionKeysEnd(header), parseLine(key.trimmed() + QLatin1Char('=') + value));

    if (save())
        return true;
    mLines = before;
    return false;
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::eraseSection(const QString &section)
{
    refresh();
    const QList<Line> before = mLines;
    // Every copy of the section goes, or a later duplicate would show its
    // old keys as soon as the first one is erased.
    for (int header = findSection(section); header >= 0; header = findSection(section)) {
        // Comments and blank lines after the last key belong to what
        // follows, so they stay.
        mLines.erase(mLines.begin() + header, mLines.begin() + sectionKeysEnd(header));
        // Don't let erase-and-rewrite cycles pile up blank lines.
        const bool blankBefore = header > 0 && mLines[header - 1].text.trimmed().isEmpty();
        const bool blankAfter = header >= mLines.size() || mLines[header].text.trimmed().isEmpty();
        if (blankBefore && blankAfter)
            mLines.removeAt(header - 1);
    }
    if (mLines.size() == before.size())
        return true;
    if (save())
        return true;
    mLines = before;
    return false;
}

bool IniFile::deleteKey(const QString &section, const QString &key)
{
    refresh();
    const int header = findSection(section);
    if (header < 0)
        return true;
    const QList<Line> before = mLines;
    for (int index = findKey(header, key); index >= 0; index = findKey(header, key))
        mLines.removeAt(index);
    if (mLines.size() == before.size())
        return true;
    if (save())
        return true;
    mLines = before;
    return false;
}

bool IniFile::save()
{
    if (mUnreadable)
        return false;
    const QString eol = mCrLf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text;
    for (const Line &line : std::as_const(mLines))
        text += line.text + eol;
    const QByteArray data = text.toUtf8();

    QSaveFile file(mFileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    mRaw = data;
    return true;
}

} // namespace sw
