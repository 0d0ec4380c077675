#include "help/TODSHelpText.h"

#include <QDataStream>
#include <QIODevice>
#include <QSet>

namespace sw {

namespace {

const QString kHelpData = QStringLiteral("HelpData");
// The stored length counts the terminating zero and has 16 bits.
constexpr int kMaxTextBytes = 0xFFFF - 1;

} // namespace

TODSHelpText::TODSHelpText(QObject *parent)
    : TStringList(parent)
{
    // Lines set through the list itself (the stream reads "Strings" first)
    // keep one entry slot each.
    connect(this, &TStringList::changed, this, [this] { mEntries.resize(count()); });
}

const TODSHelpData *TODSHelpText::entry(int index) const
{
    if (index < 0 || index >= mEntries.size() || !mEntries.at(index))
        return nullptr;
    return &*mEntries.at(index);
}

void TODSHelpText::setEntry(int index, const std::optional<TODSHelpData> &entry)
{
    if (index >= 0 && index < mEntries.size())
        mEntries[index] = entry;
}

void TODSHelpText::addEntry(const QString &name, const TODSHelpData &entry)
{
    add(name);
    mEntries.last() = entry;
}

void TODSHelpText::Assign(const TODSHelpText &source)
{
    if (&source == this)
        return;
    TStringList::Assign(source);
    mEntries = source.mEntries;
}

const TODSHelpData *TODSHelpText::find(const QString &name) const
{
    for (int i = 0; i < count(); ++i) {
        const TODSHelpData *data = entry(i);
        if (data && data->hasText() && at(i) == name)
            return data;
    }
    return nullptr;
}

const TODSHelpData *TODSHelpText::resolve(const QString &name) const
{
    QSet<QString> visited;
    QString current = name;
    while (!visited.contains(current)) {
        visited.insert(current);
        const TODSHelpData *data = find(current);
        if (!data || !data->isRedirection())
            return data;
        current = data->redirectionTarget();
    }
    return nullptr;
}

QByteArray TODSHelpText::helpData() const
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // The count is 16-bit: a longer list stores the entries of its first
    // 32767 lines, and reads back with the rest empty.
    const int lines = std::min(count(), 0x7FFF);
    out << qint16(lines);
    for (int i = 0; i < lines; ++i) {
        const TODSHelpData *e = entry(i);
        out << quint8(e ? 1 : 0);
        if (!e)
            continue;
        out << e->Reserved16;
        if (e->TextBytes.isNull()) {
            out << quint16(0);
        } else {
            const QByteArray text = e->TextBytes.left(kMaxTextBytes);
            out << quint16(text.size() + 1);
            out.writeRawData(text.constData(), int(text.size()));
            out << quint8(0);
        }
        out << e->Reserved8 << e->Context;
    }
    return data;
}

bool TODSHelpText::setHelpData(const QByteArray &data)
{
    QDataStream in(data);
    in.setByteOrder(QDataStream::LittleEndian);
    qint16 stored = 0;
    in >> stored;
    if (in.status() != QDataStream::Ok || stored < 0 || stored > count())
        return false;
    QList<std::optional<TODSHelpData>> entries(count());
    for (int i = 0; i < stored; ++i) {
        quint8 flag = 0;
        in >> flag;
        if (flag > 1)
            return false;
        if (flag == 0)
            continue;
        TODSHelpData e;
        quint16 length = 0;
        in >> e.Reserved16 >> length;
        if (length > 0) {
            QByteArray text(length, Qt::Uninitialized);
            if (in.readRawData(text.data(), length) != length)
                return false;
            // The text ends at its terminating zero.
            const qsizetype zero = text.indexOf('\0');
            e.TextBytes = zero < 0 ? text : text.left(zero);
            if (e.TextBytes.isNull())
                e.TextBytes = QByteArray("");
        }
        in >> e.Reserved8 >> e.Context;
        if (in.status() != QDataStream::Ok)
            return false;
        entries[i] = e;
    }
    if (!in.atEnd())
        return false;
    mEntries = entries;
    return true;
}

QByteArray TODSHelpText::definedBinary(const QString &name) const
{
    return name == kHelpData ? helpData() : QByteArray();
}

bool TODSHelpText::setDefinedBinary(const QString &name, const QByteArray &data)
{
    return name == kHelpData && setHelpData(data);
}

} // namespace sw
