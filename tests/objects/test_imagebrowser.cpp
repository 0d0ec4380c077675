// The "Load Image File " window driven offscreen: the file list's mask,
// the preview of each kind of file (metafiles drawn), the option boxes,
// what OK and Cancel do to the image object, and the folder it opens in.
#include "FakePanelHost.h"
#include "MetafileWriter.h"

#include "objects/ObjectEditors.h"
#include "objects/TGImage.h"
#include "objects/ui/TGImageBrowser.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QTest>

#include <gtest/gtest.h>

using namespace sw;

namespace {

class ImageBrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(qRgb(200, 10, 10));
        image.save(path("red.bmp"), "BMP");
        image.save(path("SHOUT.BMP"), "BMP");
        image.save(path("photo.jpg"), "JPG");
        image.save(path("logo.png"), "PNG");
        writeFile("notes.txt", QByteArray("not a picture"));
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        for (int i = 0; i < 16; ++i)
            icon.setPixel(i, i, qRgba(0, 0, 255, 255));
        icon.save(path("cross.ico"), "ICO");
        writeFile("broken.bmp", QByteArray("BM") + QByteArray(60, '\x7f'));
        writeFile("broken.jpg", QByteArray("\xff\xd8\xff garbage"));
        writeFile("clip.wmf", sw::test::sampleWmf());
        writeFile("clip.EMF", sw::test::sampleEmf());
        ProgramFolder::setPath(dir.path());
    }
    void TearDown() override { ProgramFolder::setPath(QString()); }

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    void writeFile(const char *name, const QByteArray &data)
    {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(data);
    }

    QTemporaryDir dir;
    ScriptedMessageHandler messages;
    ScopedMessageHandler scope{&messages};
};

} // namespace

TEST_F(ImageBrowserTest, ListsPictureFilesWhateverTheCase)
{
    TGImageBrowser browser;
    EXPECT_EQ(browser.windowTitle(), QStringLiteral("Load Image File "));
    browser.setDirectory(dir.path());
    EXPECT_EQ(browser.listedFiles(),
              (QStringList{QStringLiteral("broken.bmp"), QStringLiteral("broken.jpg"), QStringLiteral("clip.EMF"),
                           QStringLiteral("clip.wmf"), QStringLiteral("cross.ico"), QStringLiteral("logo.png"),
                           QStringLiteral("photo.jpg"), QStringLiteral("red.bmp"), QStringLiteral("SHOUT.BMP")}));
    EXPECT_FALSE(browser.selectFile(path("notes.txt")));
    EXPECT_TRUE(browser.selectedFile().isEmpty());
}

TEST_F(ImageBrowserTest, TheTreeShowsADeepFolderOnceItsParentsAreRead)
{
    // Many folders above and beside it, read in the background: the tree
    // still ends up showing it, with its name.
    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("side%1").arg(i, 2, 10, QLatin1Char('0'))));
    const QString deep = dir.filePath(QStringLiteral("side39/a/b/c/d/e/pictures"));
    ASSERT_TRUE(QDir().mkpath(deep));
    TGImageBrowser browser;
    browser.show();
    browser.setDirectory(deep);
    auto *tree = browser.findChild<QTreeView *>(QStringLiteral("DirectoryListBox1"));
    ASSERT_NE(tree, nullptr);
    // Its row in view, and its name starting in the left half.
    const auto shown = [tree] {
        const QModelIndex current = tree->currentIndex();
        const QRect cell = tree->visualRect(current);
        const QRect view = tree->viewport()->rect();
        return current.data().toString() == QStringLiteral("pictures") && cell.top() >= 0
               && cell.bottom() <= view.bottom() && cell.left() >= 0 && cell.left() < view.width() / 2;
    };
    const auto where = [tree] {
        const QRect cell = tree->visualRect(tree->currentIndex());
        return QStringLiteral("current %1, cell %2,%3 %4x%5, view %6x%7")
            .arg(tree->currentIndex().data().toString())
            .arg(cell.x())
            .arg(cell.y())
            .arg(cell.width())
            .arg(cell.height())
            .arg(tree->viewport()->width())
            .arg(tree->viewport()->height())
            .toStdString();
    };
    EXPECT_TRUE(QTest::qWaitFor(shown, 10000)) << where();

    // The view narrowing before the user touches the tree (a scroll bar
    // appearing, the window laid out again) still leaves the folder shown.
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tree->setMaximumHeight(tree->height() - 3 * tree->visualRect(tree->currentIndex()).height());
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(QTest::qWaitFor(shown, 10000)) << where();
}

TEST_F(ImageBrowserTest, PreviewsEachKindAsABitmap)
{
    TGImageBrowser browser;
    ASSERT_TRUE(browser.selectFile(path("SHOUT.BMP")));
    EXPECT_EQ(browser.selectedFile(), path("SHOUT.BMP"));
    EXPECT_EQ(browser.PreviewPicture().kind(), TPicture::Kind::Bitmap);
    EXPECT_FALSE(browser.Image1()->pixmap().isNull());

    ASSERT_TRUE(browser.selectFile(path("photo.jpg")));
    EXPECT_EQ(browser.PreviewPicture().kind(), TPicture::Kind::Bitmap);
    EXPECT_EQ(browser.PreviewPicture().size(), QSize(30, 20));

    // PNG, today's usual format, also arrives as a bitmap.
    ASSERT_TRUE(browser.selectFile(path("logo.png")));
    EXPECT_EQ(browser.PreviewPicture().kind(), TPicture::Kind::Bitmap);
    EXPECT_EQ(browser.PreviewPicture().image().pixel(5, 5), qRgb(200, 10, 10));

    // An icon becomes a bitmap, its transparent parts white.
    ASSERT_TRUE(browser.selectFile(path("cross.ico")));
    EXPECT_EQ(browser.PreviewPicture().kind(), TPicture::Kind::Bitmap);
    EXPECT_EQ(browser.PreviewPicture().image().pixel(3, 3), qRgb(0, 0, 255));
    EXPECT_EQ(browser.PreviewPicture().image().pixel(3, 4), qRgb(255, 255, 255));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ImageBrowserTest, PreviewsMetafilesAsDrawings)
{
    TGImageBrowser browser;
    // The samples' yellow rounded box and green metric square.
    const struct
    {
        const char *name;
        QPoint at;
        QRgb color;
    } cases[] = {{"clip.wmf", {80, 40}, qRgb(255, 230, 0)}, {"clip.EMF", {150, 30}, qRgb(0, 150, 0)}};
    for (const auto &c : cases) {
        ASSERT_TRUE(browser.selectFile(path(c.name)));
        EXPECT_EQ(browser.PreviewPicture().kind(), TPicture::Kind::Metafile) << c.name;
        const QImage shown = browser.Image1()->pixmap().toImage();
        EXPECT_EQ(shown.size(), QSize(192, 144)) << c.name; // 2 x 1.5 inches on the screen
        EXPECT_EQ(shown.pixel(c.at), c.color) << c.name;
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ImageBrowserTest, UnreadableFilesLeaveThePreviewEmpty)
{
    TGImageBrowser browser;
    ASSERT_TRUE(browser.selectFile(path("red.bmp")));
    ASSERT_TRUE(browser.selectFile(path("broken.bmp")));
    EXPECT_TRUE(browser.PreviewPicture().isEmpty());
    EXPECT_TRUE(browser.Image1()->pixmap().isNull());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Error loading file!")});

    // Other kinds are reported by the loader in words of their own.
    ASSERT_TRUE(browser.selectFile(path("red.bmp")));
    ASSERT_TRUE(browser.selectFile(path("broken.jpg")));
    EXPECT_TRUE(browser.PreviewPicture().isEmpty());
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_TRUE(messages.texts()[1].contains(QLatin1String("broken.jpg")));

    // So are today's formats and icons: a damaged PNG or icon is no silent
    // empty preview.
    writeFile("damaged.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    writeFile("damaged.ico", QByteArray("\0\0\1\0\1\0\x10\x10", 8));
    browser.setDirectory(dir.path());
    for (const char *name : {"damaged.png", "damaged.ico"}) {
        ASSERT_TRUE(browser.selectFile(path("red.bmp")));
        const qsizetype before = messages.messages.size();
        ASSERT_TRUE(browser.selectFile(path(name)));
        EXPECT_TRUE(browser.PreviewPicture().isEmpty()) << name;
        ASSERT_EQ(messages.messages.size(), before + 1) << name;
        EXPECT_EQ(messages.texts().last(), QStringLiteral("The picture in \"%1\" could not be read: the file is "
                                                          "damaged or is not a picture of a kind this program can "
                                                          "read.")
                                               .arg(QLatin1String(name)));
    }
}

TEST_F(ImageBrowserTest, OptionBoxesExcludeEachOther)
{
    TGImageBrowser browser;
    browser.CBStretch()->setChecked(true);
    browser.CBAutoSize()->setChecked(true);
    EXPECT_FALSE(browser.CBStretch()->isChecked());
    browser.CBStretch()->setChecked(true);
    EXPECT_FALSE(browser.CBAutoSize()->isChecked());
    browser.CBStretch()->setChecked(false);
    EXPECT_FALSE(browser.CBAutoSize()->isChecked()); // both may be clear

    ASSERT_TRUE(browser.selectFile(path("red.bmp")));
    browser.CBAutoSize()->setChecked(true);
    EXPECT_EQ(browser.Image1()->size(), QSize(30, 20));
}

TEST_F(ImageBrowserTest, OkGivesTheObjectThePictureAndCancelChangesNothing)
{
    TGImageBrowser::install();
    FakePanelHost panel;
    TGImage *image = panel.adopt(new TGImage);
    image->Loaded();
    image->SetBounds(0, 0, 50, 50);
    const QString before = QDir::currentPath();

    auto answer = [](const QString &file, bool autoSize, bool ok) {
        QTimer::singleShot(0, [=] {
            auto *browser = qobject_cast<TGImageBrowser *>(QApplication::activeModalWidget());
            ASSERT_NE(browser, nullptr);
            EXPECT_TRUE(browser->selectFile(file));
            browser->CBAutoSize()->setChecked(autoSize);
            ok ? browser->accept() : browser->reject();
        });
    };

    answer(path("red.bmp"), false, false);
    EXPECT_FALSE(ObjectEditors::edit(image));
    EXPECT_TRUE(image->Picture()->isEmpty());
    EXPECT_TRUE(image->Stretch());

    panel.resetCounts();
    answer(path("red.bmp"), true, true);
    EXPECT_TRUE(image->ObjectMenu().trigger(QStringLiteral("Load Image From Disk")));
    EXPECT_EQ(image->Picture()->kind(), TPicture::Kind::Bitmap);
    EXPECT_EQ(image->Picture()->image().pixel(0, 0), qRgb(200, 10, 10));
    EXPECT_TRUE(image->AutoSize());
    EXPECT_FALSE(image->Stretch());
    EXPECT_EQ(image->BoundsRect(), QRect(0, 0, 30, 20));
    EXPECT_GE(panel.changes, 1);

    // OK on a file that could not be read empties the picture.
    answer(path("broken.bmp"), false, true);
    EXPECT_TRUE(ObjectEditors::edit(image));
    EXPECT_TRUE(image->Picture()->isEmpty());
    EXPECT_FALSE(image->AutoSize());
    EXPECT_FALSE(image->Stretch());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Error loading file!")});
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST_F(ImageBrowserTest, OpensInTheFolderLastUsedAtFirstTheHomeFolder)
{
    {
        TGImageBrowser browser;
        EXPECT_EQ(browser.directory(), QDir::homePath());
        // A new window shows no scroll bars until a picture needs them.
        browser.show();
        EXPECT_FALSE(browser.ScrollBox1()->verticalScrollBar()->isVisible());
        EXPECT_FALSE(browser.ScrollBox1()->horizontalScrollBar()->isVisible());
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("art")));
    const QString art = dir.filePath(QStringLiteral("art"));
    QFile::copy(path("red.bmp"), art + QStringLiteral("/red.bmp"));

    TGImage image;
    image.Loaded();
    auto answer = [](const QString &folder, const QString &file, bool ok) {
        QTimer::singleShot(0, [=] {
            auto *browser = qobject_cast<TGImageBrowser *>(QApplication::activeModalWidget());
            ASSERT_NE(browser, nullptr);
            browser->setDirectory(folder);
            if (!file.isEmpty()) {
                EXPECT_TRUE(browser->selectFile(file));
            }
            ok ? browser->accept() : browser->reject();
        });
    };
    answer(art, art + QStringLiteral("/red.bmp"), true);
    EXPECT_TRUE(TGImageBrowser::Browse(image));
    EXPECT_EQ(TGImageBrowser().directory(), art);
    // Kept in the configuration file for the next run.
    EXPECT_EQ(IniFile(ProgramFolder::filePath(QStringLiteral("SK.INI"))).readString(QStringLiteral("Misc"),
                                                                                      QStringLiteral("ImageFolder")),
              art);
    // Cancelling, or OK without a file, keeps the folder of the last picture.
    answer(dir.path(), path("red.bmp"), false);
    EXPECT_FALSE(TGImageBrowser::Browse(image));
    answer(dir.path(), QString(), true);
    EXPECT_TRUE(TGImageBrowser::Browse(image));
    EXPECT_EQ(TGImageBrowser().directory(), art);
    // A folder that is gone: the home folder again.
    ASSERT_TRUE(QDir(art).removeRecursively());
    EXPECT_EQ(TGImageBrowser().directory(), QDir::homePath());
}

TEST_F(ImageBrowserTest, ASystemFolderIsShownWithoutBlockingButNeverOpenedIn)
{
    // Remembered from an earlier run, /proc gives way to the documents folder.
    IniFile(ProgramFolder::filePath(QStringLiteral("SK.INI")))
        .writeString(QStringLiteral("Misc"), QStringLiteral("ImageFolder"), QStringLiteral("/proc"));
    TGImageBrowser browser;
    EXPECT_EQ(browser.directory(), QDir(dir.path()).absolutePath());

    // Gone to by hand, it is listed without reading its files (/proc/kmsg
    // keeps a reader with the right to open it waiting for good).
    auto *folders = browser.findChild<QFileSystemModel *>();
    ASSERT_NE(folders, nullptr);
    bool listed = false;
    QObject::connect(folders, &QFileSystemModel::directoryLoaded, &browser,
                     [&](const QString &path) { listed = listed || path == QLatin1String("/proc"); });
    browser.show();
    browser.setDirectory(QStringLiteral("/proc"));
    auto *tree = browser.findChild<QTreeView *>(QStringLiteral("DirectoryListBox1"));
    ASSERT_NE(tree, nullptr);
    tree->expand(folders->index(QStringLiteral("/proc")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed; }, 10000));
    EXPECT_EQ(browser.directory(), QStringLiteral("/proc"));
}
