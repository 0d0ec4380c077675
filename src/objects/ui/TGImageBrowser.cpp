#include "objects/ui/TGImageBrowser.h"

#include "objects/ObjectEditors.h"
#include "objects/TGImage.h"
#include "objects/TSmartImage.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/PictureFileChooser.h"
#include "platform/Canvas.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenCursor.h"
#include "platform/TPicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeView>
#include <QVBoxLayout>

namespace sw {

namespace {

const QString kErrorLoading = QStringLiteral("Error loading file!");
// Where the configuration file keeps the folder pictures were last loaded from.
const QString kIniFile = QStringLiteral("SK.INI");
const QString kIniSection = QStringLiteral("Misc");
const QString kIniFolderKey = QStringLiteral("ImageFolder");

bool isMetafileExtension(const QString &ext)
{
    return ext == QLatin1String(".WMF") || ext == QLatin1String(".EMF");
}

// What the preview shows for a picture: its image, or a metafile drawn at
// its own size (a new image's size when the metafile does not tell it).
QPixmap previewPixmap(const TPicture &picture)
{
    switch (picture.kind()) {
    case TPicture::Kind::Bitmap:
    case TPicture::Kind::Icon:
        return QPixmap::fromImage(picture.image());
    case TPicture::Kind::Metafile: {
        QSize size = picture.size();
        if (size.width() <= 0 || size.height() <= 0 || size.width() > 4096 || size.height() > 4096)
            size = QSize(105, 105);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            Canvas canvas(&image);
            canvas.StretchDraw(0, 0, size.width(), size.height(), picture);
        }
        return QPixmap::fromImage(image);
    }
    case TPicture::Kind::None:
        break;
    }
    return QPixmap();
}

} // namespace

TGImageBrowser::TGImageBrowser(QWidget *parent)
    : QDialog(parent)
    , mChooser(new PictureFileChooser(Mask(), this))
    , mScroll(new QScrollArea(this))
    , mImage(new QLabel)
    , mStretch(new QCheckBox(QStringLiteral("Stretch"), this))
    , mAutoSize(new QCheckBox(QStringLiteral("AutoSize"), this))
    , mSmartImage(new TSmartImage(this))
    , mPreview(new TPicture(this))
{
    setWindowTitle(QStringLiteral("Load Image File "));
    setFont(QFont(QStringLiteral("Arial"), 8));
    mScroll->setObjectName(QStringLiteral("ScrollBox1"));
    mImage->setObjectName(QStringLiteral("Image1"));
    mStretch->setObjectName(QStringLiteral("CBStretch"));
    mAutoSize->setObjectName(QStringLiteral("CBAutoSize"));
    mStretch->setToolTip(QStringLiteral("Stretch image to max display size"));
    mAutoSize->setToolTip(QStringLiteral("AutoSize TImage"));

    mImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mImage->setBackgroundRole(QPalette::Base);
    mImage->resize(218, 203);
    mScroll->setWidget(mImage);

    auto *options = new QGroupBox(QStringLiteral(" Options "), this);
    auto *optionsLayout = new QHBoxLayout(options);
    optionsLayout->addWidget(mStretch);
    optionsLayout->addWidget(mAutoSize);

    auto *folderColumn = new QVBoxLayout;
    folderColumn->addWidget(mChooser->drives());
    folderColumn->addWidget(mChooser->tree(), 1);
    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(mScroll, 1);
    previewColumn->addWidget(options);
    auto *buttons = new DialogButtons(this, HelpTopic);
    buttons->okButton()->setObjectName(QStringLiteral("OKButton"));
    previewColumn->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(folderColumn, 3);
    layout->addWidget(mChooser->files(), 2);
    layout->addLayout(previewColumn, 4);
    setFixedSize(592, 300);

    connect(mChooser, &PictureFileChooser::fileChosen, this, [this](const QString &path) { loadPreview(path); });
    connect(mStretch, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked)
            mAutoSize->setChecked(false);
        applyPreviewMode();
    });
    connect(mAutoSize, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked)
            mStretch->setChecked(false);
        applyPreviewMode();
    });
    connect(mPreview, &TPicture::changed, this, [this] { showPreview(); });

    applyPreviewMode();
    setDirectory(StartFolder());
    ScreenCursor::set(ScreenCursor::Default);
}

TGImageBrowser::~TGImageBrowser() = default;

QStringList TGImageBrowser::Mask()
{
    // The classic picture formats, and the ones most pictures come in today
    // (PNG, GIF, JPEG spelled out); all of them reach the label as bitmaps.
    return {QStringLiteral("*.BMP"), QStringLiteral("*.DIB"), QStringLiteral("*.JPG"),
            QStringLiteral("*.JIF"), QStringLiteral("*.PCX"), QStringLiteral("*.RLE"),
            QStringLiteral("*.TGA"), QStringLiteral("*.WMF"), QStringLiteral("*.ICO"),
            QStringLiteral("*.PNG"), QStringLiteral("*.GIF"), QStringLiteral("*.JPEG"),
            QStringLiteral("*.EMF")};
}

QString TGImageBrowser::StartFolder()
{
    const IniFile ini(ProgramFolder::filePath(kIniFile));
    const QString folder = ini.readString(kIniSection, kIniFolderKey);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return ProgramFolder::dialogStart(folder);
    return QDir::homePath();
}

void TGImageBrowser::RememberFolder(const QString &folder)
{
    IniFile ini(ProgramFolder::filePath(kIniFile));
    if (ini.readString(kIniSection, kIniFolderKey) != folder)
        ini.writeString(kIniSection, kIniFolderKey, folder); // a file that cannot be written is no matter here
}

void TGImageBrowser::setDirectory(const QString &path)
{
    mChooser->setDirectory(path);
}

QString TGImageBrowser::directory() const
{
    return mChooser->directory();
}

QStringList TGImageBrowser::listedFiles() const
{
    return mChooser->listedFiles();
}

bool TGImageBrowser::selectFile(const QString &path)
{
    return mChooser->selectFile(path);
}

QString TGImageBrowser::selectedFile() const
{
    return mChooser->selectedFile();
}

TPicture &TGImageBrowser::PreviewPicture() const
{
    return *mPreview;
}

void TGImageBrowser::loadPreview(const QString &path)
{
    const QString ext = QLatin1Char('.') + QFileInfo(path).suffix().toUpper();
    if (ext == QLatin1String(".BMP") || isMetafileExtension(ext)) {
        if (!mPreview->loadFromFile(path)) {
            mPreview->clear();
            MessageService::error(kErrorLoading);
        }
        return;
    }
    if (ext == QLatin1String(".ICO")) {
        QImageReader reader(path, "ico");
        const QImage icon = reader.read();
        if (icon.isNull()) {
            mPreview->clear();
            MessageService::error(TSmartImage::UnreadableMessage(path));
        } else
            mPreview->setImage(TSmartImage::IconToBitmap(icon));
        return;
    }
    mSmartImage->LoadFromFile(path);
    QCoreApplication::processEvents();
    mPreview->Assign(*mSmartImage->Picture());
}

void TGImageBrowser::showPreview()
{
    const QPixmap pixmap = previewPixmap(*mPreview);
    if (pixmap.isNull())
        mImage->clear();
    else
        mImage->setPixmap(pixmap);
    applyPreviewMode();
}

void TGImageBrowser::applyPreviewMode()
{
    if (mAutoSize->isChecked()) {
        // The preview takes the picture's size and keeps its place; the box
        // scrolls over it.
        mScroll->setWidgetResizable(false);
        mImage->setScaledContents(false);
        const QPixmap pixmap = mImage->pixmap();
        mImage->resize(pixmap.isNull() ? QSize(218, 203) : pixmap.size());
    } else {
        mScroll->setWidgetResizable(true);
        mImage->setScaledContents(mStretch->isChecked());
    }
}

void TGImageBrowser::applyTo(TGImage &image) const
{
    if (selectedFile().isEmpty())
        return;
    image.ApplyBrowsedPicture(*mPreview, mStretch->isChecked(), mAutoSize->isChecked());
}

bool TGImageBrowser::Browse(TGImage &image, QWidget *parent)
{
    const QString folder = QDir::currentPath();
    bool accepted = false;
    {
        TGImageBrowser browser(parent ? parent : QApplication::activeWindow());
        browser.CBStretch()->setChecked(image.Stretch());
        browser.CBAutoSize()->setChecked(image.AutoSize());
        accepted = browser.exec() == QDialog::Accepted;
        if (accepted && !browser.selectedFile().isEmpty())
            RememberFolder(browser.directory());
        if (accepted) {
            try {
                browser.applyTo(image);
            } catch (const std::exception &) {
                MessageService::error(kErrorLoading);
                image.Picture()->clear();
            }
        }
    }
    QDir::setCurrent(folder); // a failure here does not matter
    return accepted;
}

void TGImageBrowser::install()
{
    ObjectEditors::setEditorOf<TGImage>("TGImage", [](TGImage &image) { return Browse(image); });
}

} // namespace sw
