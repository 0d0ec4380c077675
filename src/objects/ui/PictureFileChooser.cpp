#include "objects/ui/PictureFileChooser.h"

#include "platform/ui/NameOnlyIconProvider.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>

namespace sw {

PictureFileChooser::PictureFileChooser(const QStringList &mask, QWidget *parent)
    : QObject(parent)
    , mMask(mask)
    , mDrives(new QComboBox(parent))
    , mFolders(new QFileSystemModel(this))
    , mTree(new QTreeView(parent))
    , mFiles(new QListWidget(parent))
    , mReveal(new QTimer(this))
{
    mDrives->setObjectName(QStringLiteral("DriveComboBox1"));
    mTree->setObjectName(QStringLiteral("DirectoryListBox1"));
    mFiles->setObjectName(QStringLiteral("FileListBox1"));

    for (const QFileInfo &drive : QDir::drives())
        mDrives->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));
    mFolders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    mFolders->setIconProvider(NameOnlyIconProvider::shared());
    mFolders->setRootPath(QString());
    mTree->setModel(mFolders);
    mTree->setHeaderHidden(true);
    for (int column = 1; column < mFolders->columnCount(); ++column)
        mTree->hideColumn(column);

    connect(mDrives, &QComboBox::textActivated, this, [this](const QString &drive) { setDirectory(drive); });
    connect(mTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!mSettingDirectory && current.isValid())
                    setDirectory(mFolders->filePath(current));
            });
    // Deep folders stay readable: the tree scrolls sideways instead of
    // cutting their names.
    mTree->setIndentation(12);
    mTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    mTree->header()->setStretchLastSection(false);
    // The model reads folders in the background and sorts what it read a
    // moment later, moving rows; the view lays itself out and sizes its
    // column later still, and a scroll bar appearing narrows what it shows.
    // After each of these the current folder is shown again, once things
    // have settled, until the user scrolls or clicks the tree.
    mReveal->setSingleShot(true);
    mReveal->setInterval(0);
    connect(mReveal, &QTimer::timeout, this, &PictureFileChooser::revealDirectory);
    connect(mFolders, &QFileSystemModel::directoryLoaded, this, &PictureFileChooser::revealLater);
    connect(mFolders, &QAbstractItemModel::rowsInserted, this, &PictureFileChooser::revealLater);
    connect(mFolders, &QAbstractItemModel::layoutChanged, this, &PictureFileChooser::revealLater);
    connect(mTree->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &PictureFileChooser::revealLater);
    connect(mTree->verticalScrollBar(), &QScrollBar::rangeChanged, this, &PictureFileChooser::revealLater);
    mTree->viewport()->installEventFilter(this);
    mTree->installEventFilter(this);
    connect(mFiles, &QListWidget::currentRowChanged, this, [this] { emitSelected(); });
}

void PictureFileChooser::setDirectory(const QString &path)
{
    const QString dir = QDir(path).absolutePath();
    if (!QFileInfo(dir).isDir())
        return;
    mSettingDirectory = true;
    mDirectory = dir;
    mRevealPending = true;
    mTree->setCurrentIndex(mFolders->index(dir));
    revealDirectory();
    revealLater();
    mSettingDirectory = false;

    const QSignalBlocker block(mFiles);
    mFiles->clear();
    // QDir matches the patterns without regard to case unless told otherwise.
    mFiles->addItems(QDir(dir).entryList(mMask, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase));
}

QStringList PictureFileChooser::listedFiles() const
{
    QStringList names;
    for (int i = 0; i < mFiles->count(); ++i)
        names << mFiles->item(i)->text();
    return names;
}

bool PictureFileChooser::selectFile(const QString &path)
{
    const QFileInfo info(path);
    if (QDir(info.absolutePath()).absolutePath() != mDirectory)
        setDirectory(info.absolutePath());
    const QList<QListWidgetItem *> found = mFiles->findItems(info.fileName(), Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    const int row = mFiles->row(found.first());
    if (row == mFiles->currentRow())
        emitSelected();
    else
        mFiles->setCurrentRow(row);
    return true;
}

QString PictureFileChooser::selectedFile() const
{
    const QListWidgetItem *item = mFiles->currentItem();
    if (!item || mDirectory.isEmpty())
        return QString();
    return QDir(mDirectory).filePath(item->text());
}

void PictureFileChooser::revealDirectory()
{
    if (!mRevealPending || mDirectory.isEmpty())
        return;
    const QModelIndex index = mFolders->index(mDirectory);
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        mTree->expand(up);
    if (!index.isValid())
        return;
    mTree->scrollTo(index);
    // Across, the tree only makes sure of the column: bring the folder's
    // name in, its parent's branch line still showing at the left.
    QScrollBar *across = mTree->horizontalScrollBar();
    across->setValue(across->value() + mTree->visualRect(index).left() - mTree->indentation());
}

void PictureFileChooser::revealLater()
{
    if (mRevealPending)
        mReveal->start();
}

bool PictureFileChooser::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == mTree->viewport())
            revealLater();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        mRevealPending = false;
        mReveal->stop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void PictureFileChooser::emitSelected()
{
    const QString path = selectedFile();
    if (!path.isEmpty())
        Q_EMIT fileChosen(path);
}

} // namespace sw
