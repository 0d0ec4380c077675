#pragma once
// The recently used label files: at most maxEntries() full file names, most
// recent first, shown at the end of a menu (a separator, then "&1 <name>",
// "&2 <name>" ...). Clicking an entry removes it from the list and then
// reports its name through fileClicked(). Kept in the configuration file
// under one section as "F0", "F1", ...; not written automatically.
#include <QAction>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace sw {

class IniFile;

class MRUList : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultMaxEntries = 5;

    explicit MRUList(QObject *parent = nullptr);
    ~MRUList() override;

    // The menu the entries are appended to (not owned; nullptr detaches).
    void setMenu(QMenu *menu);
    QMenu *menu() const { return mMenu; }
    int maxEntries() const { return mMaxEntries; }
    // At least 1; entries beyond the new limit are dropped.
    void setMaxEntries(int count);
    // The configuration section, "MRU" unless changed.
    QString section() const { return mSection; }
    void setSection(const QString &section) { mSection = section; }

    const QStringList &files() const { return mFiles; }
    bool isEmpty() const { return mFiles.isEmpty(); }

    // Puts `fileName` first: moved up when present, else inserted and the
    // names beyond the limit dropped. Empty names are ignored.
    void AddFile(const QString &fileName);
    // Puts `fileName` back at `index` (clamped to the list); nothing when it
    // is listed already or empty.
    void InsertFile(int index, const QString &fileName);
    void RemoveFile(const QString &fileName);
    void Clear();

    // Replaces the list with the section's values in file order (empty
    // values and repeats skipped, at most maxEntries()).
    void Load(const IniFile &ini);
    // Erases the section, then writes "F0" for the first entry, "F1" for the
    // next ... False when the file could not be written.
    bool Save(IniFile &ini) const;

    // The menu caption of the entry at `index` (0-based): "&1 <name>", with
    // ampersands in the name doubled so that they show as written.
    static QString caption(int index, const QString &fileName);

Q_SIGNALS:
    // An entry was clicked; it has already been removed from the list and
    // was at `index` (0-based), so that it can be put back when the file is
    // not opened after all.
    void fileClicked(const QString &fileName, int index);
    void changed();

private:
    void rebuildMenu();
    void entryTriggered(const QString &fileName);

    QStringList mFiles;
    int mMaxEntries = DefaultMaxEntries;
    QString mSection = QStringLiteral("MRU");
    QPointer<QMenu> mMenu;
    QList<QPointer<QAction>> mActions; // separator and entries in the menu
};

} // namespace sw
