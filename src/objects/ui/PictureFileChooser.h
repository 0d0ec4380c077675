#pragma once
// The folder-and-file part the picture windows share: a drive list, a
// folder tree and the list of the chosen folder's files that match a mask
// (without regard to case). The windows place the three widgets in their
// own layouts and react to fileChosen().
#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QTimer;
class QTreeView;
class QWidget;

namespace sw {

class PictureFileChooser : public QObject
{
    Q_OBJECT

public:
    // The widgets are children of parent, named DriveComboBox1,
    // DirectoryListBox1 and FileListBox1.
    PictureFileChooser(const QStringList &mask, QWidget *parent);

    QComboBox *drives() const { return mDrives; }
    QTreeView *tree() const { return mTree; }
    QListWidget *files() const { return mFiles; }

    // Shows the folder in the tree and its matching files in the list. The
    // tree keeps scrolling to it while the folders above it are still being
    // read, until the user scrolls, clicks or types there.
    void setDirectory(const QString &path);
    QString directory() const { return mDirectory; }
    QStringList listedFiles() const;
    // Selects the file as a click in the list would, showing its folder
    // first; fileChosen() follows. False when the list does not show it.
    bool selectFile(const QString &path);
    // Full path of the selected file; empty when none is selected.
    QString selectedFile() const;

Q_SIGNALS:
    // A file of the list was selected (also again by selectFile).
    void fileChosen(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void emitSelected();
    void revealDirectory();
    void revealLater();

    QStringList mMask;
    QComboBox *mDrives;
    QFileSystemModel *mFolders;
    QTreeView *mTree;
    QListWidget *mFiles;
    QTimer *mReveal;
    QString mDirectory;
    bool mSettingDirectory = false;
    bool mRevealPending = false;
};

} // namespace sw
