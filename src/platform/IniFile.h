#pragma once
// A Windows-style initialisation file ("[Section]" lines followed by
// "Key=Value" lines) read and written with private-profile semantics:
// section and key names match without regard to case, values are trimmed of
// surrounding blanks (and of one pair of enclosing quotes) on reading, and a
// write changes only the one line it concerns, so unknown sections, keys,
// comments (lines starting with ';'), blank lines and their order survive.
//
// A missing file reads as empty and is created by the first write. Every
// write saves the whole file atomically (a temporary file renamed over the
// old one). The file is parsed once and parsed again only when its contents
// on disk change, so several objects on the same file never overwrite each
// other's changes with stale contents.
//
// Text is read as UTF-8, or as Latin-1 when it is not valid UTF-8, and
// written as UTF-8. Line endings of an existing file ("\r\n" or "\n") are
// kept; a new file gets "\n".

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace sw {

class IniFile
{
public:
    // fileName: the full path of the file; it need not exist.
    explicit IniFile(const QString &fileName);

    QString fileName() const { return mFileName; }

    // The value of section/key, or defaultValue when the key is missing. A
    // key present with an empty value reads as the empty string.
    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) const;
    // The value as a decimal integer (optional sign); defaultValue when the
    // key is missing or its value is not a number in int range.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // A Boolean kept as an integer: any number other than 0 is true; a
    // missing key or a value that is not a number gives defaultValue.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // The keys of the section in file order (empty when the section is missing).
    QStringList readSection(const QString &section) const;
    // Key and value of every key line of the section, in file order.
    QList<QPair<QString, QString>> readSectionValues(const QString &section) const;
    // The section names in file order, each once, spelled as in the file.
    QStringList readSections() const;
    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;

    // Each write returns false, leaving the file as it was, when the file
    // cannot be saved or when a name or value cannot be stored in this
    // format (a line break anywhere; '=' in a key or ']' in a section name;
    // an empty name; a key starting with ';' or '['). A missing section or
    // key is added; an existing one keeps its spelling.
    bool writeString(const QString &section, const QString &key, const QString &value);
    // Written in decimal.
    bool writeInteger(const QString &section, const QString &key, int value);
    // Written as "1" or "0".
    bool writeBool(const QString &section, const QString &key, bool value);

    // Removes the section's header and its keys (true also when there was
    // no such section; false only when the file cannot be saved).
    bool eraseSection(const QString &section);
    // Removes the key's line (true also when there was no such key).
    bool deleteKey(const QString &section, const QString &key);

private:
    enum class LineKind { Other, Section, Key };
    struct Line
    {
        QString text; // as in the file, without line ending
        LineKind kind = LineKind::Other;
        QString name; // section or key name, trimmed
        QString value; // key value, trimmed and unquoted
    };

    static Line parseLine(const QString &text);
    // Re-reads the file when its contents differ from the parsed ones.
    void refresh() const;
    // Index of the first header line of the section, or -1.
    int findSection(const QString &section) const;
    // Index one past the section's last line that belongs to it, i.e. its
    // last key line (or its header when it has no keys) plus one.
    int sectionKeysEnd(int header) const;
    int findKey(int header, const QString &key) const;
    bool save();

    QString mFileName;
    mutable QByteArray mRaw; // file contents the lines were parsed from
    mutable bool mLoaded = false;
    mutable bool mCrLf = false;
    mutable bool mUnreadable = false;
    mutable QList<Line> mLines;
};

} // namespace sw
