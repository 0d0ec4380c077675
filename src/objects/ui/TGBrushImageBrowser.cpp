#include "objects/ui/TGBrushImageBrowser.h"

#include "objects/TSmartImage.h"
#include "objects/TGSuperText.h"
#include "objects/TSuperShape.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/LabelSampleView.h"
#include "objects/ui/PictureFileChooser.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenCursor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeView>
#include <QVBoxLayout>

namespace sw {

TGBrushImageBrowser::TGBrushImageBrowser(const TSuperShape &sample, const QString &lastFile, QWidget *parent)
    : TGBrushImageBrowser(new TSuperShape, parent)
{
    auto *example = static_cast<TSuperShape *>(mExample);
    example->setObjectName(QStringLiteral("ExampleSuperShape"));
    example->CopyShapeFrom(sample);
    example->SetBounds(0, 0, 75, 75);
    fitView();
    start(lastFile);
}

TGBrushImageBrowser::TGBrushImageBrowser(const TGSuperText &sample, const QString &lastFile, QWidget *parent)
    : TGBrushImageBrowser(new TGSuperText, parent)
{
    auto *example = static_cast<TGSuperText *>(mExample);
    example->setObjectName(QStringLiteral("SuperTextExample"));
    example->CopyTextFrom(sample);
    fitView();
    start(lastFile);
}

TGBrushImageBrowser::TGBrushImageBrowser(TGGraphicControl *example, QWidget *parent)
    : QDialog(parent)
    , mChooser(new PictureFileChooser(Mask(), this))
    , mExample(example)
    // Both kinds of example own their texture as their one bitmap.
    , mTexture(example->findChild<TBitmap *>(QString(), Qt::FindDirectChildrenOnly))
    , mSmartImage(new TSmartImage(this))
{
    setWindowTitle(QStringLiteral("Load Texture Image"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    mSmartImage->setObjectName(QStringLiteral("SmartImage1"));

    // The example on a white ground.
    auto *scroll = LabelSampleView::onWhiteGround(mExample, 75, this, &mView);
    connect(mTexture, &TBitmap::changed, mView, qOverload<>(&QWidget::update));

    auto *folderColumn = new QVBoxLayout;
    folderColumn->addWidget(mChooser->drives());
    folderColumn->addWidget(mChooser->tree(), 1);
    auto *sampleColumn = new QVBoxLayout;
    sampleColumn->addWidget(scroll, 1);
    auto *buttons = new DialogButtons(this, HelpTopic);
    buttons->okButton()->setObjectName(QStringLiteral("OKButton"));
    sampleColumn->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(folderColumn, 3);
    layout->addWidget(mChooser->files(), 2);
    layout->addLayout(sampleColumn, 3);
    setFixedSize(596, 286);

    connect(mChooser, &PictureFileChooser::fileChosen, this, [this](const QString &path) {
        loadTexture(path);
        mChooser->files()->setFocus();
    });

    ScreenCursor::set(ScreenCursor::Default);
}

void TGBrushImageBrowser::start(const QString &lastFile)
{
    // After the example copied the sample: the remembered file's texture
    // goes on top of the sample's.
    if (lastFile.isEmpty() || !QFileInfo(lastFile).isFile() || !selectFile(lastFile))
        setDirectory(StartFolder());
}

void TGBrushImageBrowser::fitView()
{
    const QSize size(mExample->Width(), mExample->Height());
    mView->setFixedSize(size);
    if (QWidget *ground = mView->parentWidget())
        ground->setMinimumSize(size + QSize(20, 20));
    // The view sets the example's bounds to its own size.
    mExample->SetBounds(0, 0, size.width(), size.height());
}

TSuperShape *TGBrushImageBrowser::ExampleSuperShape() const
{
    return qobject_cast<TSuperShape *>(mExample);
}

TGSuperText *TGBrushImageBrowser::SuperTextExample() const
{
    return qobject_cast<TGSuperText *>(mExample);
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

QString TGBrushImageBrowser::StartFolder()
{
    const QString own = ProgramFolder::filePath(QStringLiteral("bmbrush"));
    if (QFileInfo(own).isDir())
        return own;
    const QString shipped = TextureFolder();
    if (QFileInfo(shipped).isDir())
        return shipped;
    return ProgramFolder::path();
}

void TGBrushImageBrowser::setDirectory(const QString &path)
{
    mChooser->setDirectory(path);
}

QString TGBrushImageBrowser::directory() const
{
    return mChooser->directory();
}

QStringList TGBrushImageBrowser::listedFiles() const
{
    return mChooser->listedFiles();
}

bool TGBrushImageBrowser::selectFile(const QString &path)
{
    return mChooser->selectFile(path);
}

QString TGBrushImageBrowser::selectedFile() const
{
    return mChooser->selectedFile();
}

void TGBrushImageBrowser::loadTexture(const QString &path)
{
    const QString ext = QLatin1Char('.') + QFileInfo(path).suffix().toUpper();
    QImage texture;
    if (ext == QLatin1String(".BMP")) {
        if (!texture.load(path, "BMP")) {
            mTexture->clear();
            MessageService::error(QStringLiteral("Error loading file!"));
            return;
        }
    } else if (ext == QLatin1String(".ICO")) {
        QImageReader reader(path, "ico");
        const QImage icon = reader.read();
        if (!icon.isNull())
            texture = TSmartImage::IconToBitmap(icon);
        else
            MessageService::error(TSmartImage::UnreadableMessage(path));
    } else {
        // The loader reports its own failures and leaves its picture empty.
        mSmartImage->LoadFromFile(path);
        QCoreApplication::processEvents();
        texture = mSmartImage->Picture()->image();
    }
    mTexture->setImage(texture);
    mView->update();
}

QImage TGBrushImageBrowser::Texture() const
{
    return mTexture->image();
}

} // namespace sw
