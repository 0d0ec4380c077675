#pragma once
// The help entries of one window: a string list whose lines are control
// names, each line with its help entry or none. Stored as the list's
// "Strings" followed by the binary "HelpData" (always written):
//   int16   number of lines
//   then per line, in order:
//     uint8   1 when the line has an entry, 0 when not
//     with an entry:
//       uint16  Reserved16
//       uint16  N: the text's length + 1, or 0 for no text
//       N bytes the text and its terminating zero
//       uint8   Reserved8
//       uint32  Context
// all little-endian. Reading accepts at most as many entries as there are
// lines; anything malformed fails the read with "Invalid property value".
#include "help/TODSHelpData.h"
#include "platform/TStringList.h"

#include <QList>
#include <optional>

namespace sw {

class TODSHelpText : public TStringList
{
    Q_OBJECT
    Q_CLASSINFO("definedBinary", "HelpData")

public:
    explicit TODSHelpText(QObject *parent = nullptr);

    // The entry of the line at index, or nullptr for a line without one.
    const TODSHelpData *entry(int index) const;
    void setEntry(int index, const std::optional<TODSHelpData> &entry);
    // Appends a line with its entry.
    void addEntry(const QString &name, const TODSHelpData &entry);
    // The lines and a copy of every entry.
    void Assign(const TODSHelpText &source);

    // The entry of the first line equal to name (case-sensitive) that has a
    // text; lines without text are passed over. nullptr when none.
    const TODSHelpData *find(const QString &name) const;
    // find(), following redirections ("->OtherName") to the entry they name.
    // A chain that comes back to a name it has visited ends with nullptr,
    // as does a redirection to a name without help.
    const TODSHelpData *resolve(const QString &name) const;

    QByteArray helpData() const;
    // False, changing nothing, when data is malformed.
    bool setHelpData(const QByteArray &data);

    Q_INVOKABLE QByteArray definedBinary(const QString &name) const;
    Q_INVOKABLE bool setDefinedBinary(const QString &name, const QByteArray &data);

private:
    QList<std::optional<TODSHelpData>> mEntries;
};

} // namespace sw
