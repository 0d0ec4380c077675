#include "objects/ui/TGBrushImageBrowser.h"

#include "objects/TSmartImage.h"
#include "objects/TSuperShape.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/LabelSampleView.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenCursor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QImageReader>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace sw {

TGBrushImageBrowser::TGBrushImageBrowser(const TSuperShape &sample, const QString &lastFile, QWidget *parent)
    : QDialog(parent)
    , mDrives(new QComboBox(this))
    , mFolders(new QFileSystemModel(this))
    , mTree(new QTreeView(this))
    , mFiles(new QListWidget(this))
    , mExample(new TSuperShape)
    , mSmartImage(new TSmartImage(this))
{
    setWindowTitle(QStringLiteral("Load Texture Image"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    mDrives->setObjectName(QStringLiteral("DriveComboBox1"));
    mTree->setObjectName(QStringLiteral("DirectoryListBox1"));
    mFiles->setObjectName(QStringLiteral("FileListBox1"));
    mSmartImage->setObjectName(QStringLiteral("SmartImage1"));
    mExample->setObjectName(QStringLiteral("ExampleSuperShape"));

    for (const QFileInfo &drive : QDir::drives())
        mDrives->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));
    mFolders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    mFolders->setRootPath(QString());
    mTree->setModel(mFolders);
    mTree->setHeaderHidden(true);
    for (int column = 1; column < mFolders->columnCount(); ++column)
        mTree->hideColumn(column);

    // The example on a white ground, 75 x 75.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    auto *ground = new QWidget;
    ground->setAutoFillBackground(true);
    QPalette white = ground->palette();
    white.setColor(QPalette::Window, Qt::white);
    ground->setPalette(white);
    ground->setMinimumSize(95, 95);
    scroll->setWidgetResizable(true);
    mView = new LabelSampleView(mExample, ground);
    mView->setFixedSize(75, 75);
    mView->move(10, 10);
    scroll->setWidget(ground);
    mExample->CopyShapeFrom(sample);
    mExample->SetBounds(0, 0, 75, 75);
    connect(mExample->Image(), &TBitmap::changed, mView, qOverload<>(&QWidget::update));

    auto *folderColumn = new QVBoxLayout;
    folderColumn->addWidget(mDrives);
    folderColumn->addWidget(mTree, 1);
    auto *sampleColumn = new QVBoxLayout;
    sampleColumn->addWidget(scroll, 1);
    auto *buttons = new DialogButtons(this, HelpTopic);
    buttons->okButton()->setObjectName(QStringLiteral("OKButton"));
    auto *whatsThis = new QToolButton(this);
    whatsThis->setText(QStringLiteral("?"));
    whatsThis->setToolTip(QStringLiteral("What's this?"));
    connect(whatsThis, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    buttons->insertWidget(0, whatsThis);
    sampleColumn->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(folderColumn, 3);
    layout->addWidget(mFiles, 2);
    layout->addLayout(sampleColumn, 3);
    setFixedSize(596, 286);

    connect(mDrives, &QComboBox::textActivated, this, [this](const QString &drive) { setDirectory(drive); });
    connect(mTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!mSettingDirectory && current.isValid())
                    setDirectory(mFolders->filePath(current));
            });
    connect(mFolders, &QFileSystemModel::directoryLoaded, this, [this] {
        const QModelIndex index = mFolders->index(mDirectory);
        for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
            mTree->expand(up);
        mTree->scrollTo(index);
    });
    connect(mFiles, &QListWidget::currentRowChanged, this, [this] {
        const QString path = selectedFile();
        if (!path.isEmpty())
            loadTexture(path);
        mFiles->setFocus();
    });

    ScreenCursor::set(ScreenCursor::Default);
    if (lastFile.isEmpty() || !QFileInfo(lastFile).isFile() || !selectFile(lastFile))
        setDirectory(TextureFolder());
}

TGBrushImageBrowser::~TGBrushImageBrowser() = default;

QStringList TGBrushImageBrowser::Mask()
{
    return {QStringLiteral("*.BMP"), QStringLiteral("*.DIB"), QStringLiteral("*.JPG"),
            QStringLiteral("*.JIF"), QStringLiteral("*.PCX"), QStringLiteral("*.RLE"),
            QStringLiteral("*.TGA"), QStringLiteral("*.ICO")};
}

QString TGBrushImageBrowser::TextureFolder()
{
    return ProgramFolder::dataFilePath(QStringLiteral("textures"));
}

void TGBrushImageBrowser::setDirectory(const QString &path)
{
    const QString dir = QDir(path).absolutePath();
    if (!QFileInfo(dir).isDir())
        return;
    mSettingDirectory = true;
    mDirectory = dir;
    const QModelIndex index = mFolders->index(dir);
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        mTree->expand(up);
    mTree->setCurrentIndex(index);
    mTree->scrollTo(index);
    mSettingDirectory = false;

    const QSignalBlocker block(mFiles);
    mFiles->clear();
    // QDir matches the patterns without regard to case.
    mFiles->addItems(QDir(dir).entryList(Mask(), QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase));
}

QStringList TGBrushImageBrowser::listedFiles() const
{
    QStringList names;
    for (int i = 0; i < mFiles->count(); ++i)
        names << mFiles->item(i)->text();
    return names;
}

bool TGBrushImageBrowser::selectFile(const QString &path)
{
    const QFileInfo info(path);
    if (QDir(info.absolutePath()).absolutePath() != mDirectory)
        setDirectory(info.absolutePath());
    const QList<QListWidgetItem *> found = mFiles->findItems(info.fileName(), Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    const int row = mFiles->row(found.first());
    if (row == mFiles->currentRow())
        loadTexture(selectedFile());
    else
        mFiles->setCurrentRow(row);
    return true;
}

QString TGBrushImageBrowser::selectedFile() const
{
    const QListWidgetItem *item = mFiles->currentItem();
    if (!item || mDirectory.isEmpty())
        return QString();
    return QDir(mDirectory).filePath(item->text());
}

void TGBrushImageBrowser::loadTexture(const QString &path)
{
    const QString ext = QLatin1Char('.') + QFileInfo(path).suffix().toUpper();
    QImage texture;
    if (ext == QLatin1String(".BMP")) {
        if (!texture.load(path, "BMP")) {
            mExample->SetImage(QImage());
            MessageService::error(QStringLiteral("Error loading file!"));
            return;
        }
    } else if (ext == QLatin1String(".ICO")) {
        QImageReader reader(path, "ico");
        const QImage icon = reader.read();
        if (!icon.isNull())
            texture = TSmartImage::IconToBitmap(icon);
    } else {
        // The loader reports its own failures and leaves its picture empty.
        mSmartImage->LoadFromFile(path);
        QCoreApplication::processEvents();
        texture = mSmartImage->Picture()->image();
    }
    mExample->SetImage(texture);
    mView->update();
}

QImage TGBrushImageBrowser::Texture() const
{
    return mExample->Image()->image();
}

} // namespace sw
