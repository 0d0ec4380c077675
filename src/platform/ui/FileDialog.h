#pragma once
// The program's file window: Qt's own, which never starts in a system
// folder (ProgramFolder::dialogStart) and tells files apart by their names
// alone (NameOnlyIconProvider), so that no folder shown in it can block the
// program.
#include <QFileDialog>

namespace sw {

class FileDialog : public QFileDialog
{
    Q_OBJECT

public:
    // Starts at `wanted`, a folder or a file in one (that file selected).
    // Where `wanted` may not be shown, the window starts in the documents
    // folder, with the file name of `wanted` kept when it names a file.
    FileDialog(QWidget *parent, const QString &caption, const QString &wanted, const QString &filter);

    // The start `wanted` gives: itself, or the documents folder with the
    // file name kept.
    static QString startFor(const QString &wanted);
};

} // namespace sw
