#pragma once
// The data file chosen for the design being edited. Print preparation sets
// it when the user chooses one and starts from it; the text windows list
// its columns under "Insert field". The data file last used with a design
// is remembered in the configuration file (section "Data Files": the
// design's full path as key, the data file's as value, the most recent
// last), so that opening the design again brings it back.
#include "merge/DataFile.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace sw {

class IniFile;

class MergeSession
{
public:
    static constexpr int MaxRemembered = 20;

    // None: fields print as written.
    static const std::optional<DataFile> &dataFile();
    // The columns a text can refer to; empty without a data file.
    static QStringList columns();
    static void setDataFile(const DataFile &file);
    static void clear();

    // The data file remembered for the design (full paths); empty when none.
    static QString remembered(const IniFile &ini, const QString &designFile);
    // Remembers the data file for the design, or forgets the design's when
    // dataFile is empty; the oldest go beyond MaxRemembered designs. False
    // when the configuration file cannot be written, or cannot hold the
    // name (a design whose path holds '=').
    static bool remember(IniFile &ini, const QString &designFile, const QString &dataFile);
    // Makes the data file remembered for the design the session's, when it
    // can still be read; otherwise the session has none, the design keeps
    // the file remembered, and the reason comes back for the user (empty
    // when the file was restored or none is remembered).
    static QString restoreFor(const IniFile &ini, const QString &designFile);

private:
    static std::optional<DataFile> &current();
};

} // namespace sw
