#pragma once
// Icons and type names of files told from their names alone. Qt's own
// provider looks into a file whose name says nothing (reading its first
// bytes on the user-interface thread), and some files never answer: a
// kernel log or a device in /proc or /dev blocks the reader for good, and
// the program with it, as soon as a file view shows their folder.
#include <QFileIconProvider>

namespace sw {

class NameOnlyIconProvider : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

    // One provider for every file view of the program.
    static NameOnlyIconProvider *shared();
};

} // namespace sw
