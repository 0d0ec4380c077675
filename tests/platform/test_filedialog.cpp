// The program's file window: where it starts, and that nothing it shows
// makes it read a file.
#include "platform/ProgramFolder.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/NameOnlyIconProvider.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace sw;

namespace {

class FileDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ProgramFolder::setPath(dir.path());
    }
    void TearDown() override { ProgramFolder::setPath(QString()); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FileDialogTest, StartsInTheDocumentsFolderInsteadOfASystemFolder)
{
    const QString documents = ProgramFolder::documentsPath();
    EXPECT_EQ(FileDialog::startFor(QStringLiteral("/proc/x.pdf")), documents + "x.pdf");
    EXPECT_EQ(FileDialog::startFor(QStringLiteral("/proc/self")), documents);
    EXPECT_EQ(FileDialog::startFor(QStringLiteral("/sys/")), documents);
    EXPECT_EQ(FileDialog::startFor(QString()), documents);
    const QString ordinary = dir.filePath(QStringLiteral("labels.pdf"));
    EXPECT_EQ(FileDialog::startFor(ordinary), ordinary);

    FileDialog dialog(nullptr, QStringLiteral("Save"), QStringLiteral("/proc/x.pdf"), QString());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.directory().absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    EXPECT_EQ(dialog.selectedFiles().value(0), dir.filePath(QStringLiteral("x.pdf")));
}

TEST_F(FileDialogTest, FileTypesComeFromNamesNotContents)
{
    // A PDF without a name that says so: its contents would tell, but the
    // provider never reads them.
    for (const char *name : {"labels", "labels.pdf"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< >>\nendobj\n");
    }
    const NameOnlyIconProvider icons;
    const QString pdfType = icons.type(QFileInfo(dir.filePath(QStringLiteral("labels.pdf"))));
    EXPECT_TRUE(pdfType.contains(QLatin1String("PDF"))) << qPrintable(pdfType);
    EXPECT_NE(icons.type(QFileInfo(dir.filePath(QStringLiteral("labels")))), pdfType);
    EXPECT_EQ(icons.type(QFileInfo(dir.path())), QFileIconProvider().type(QFileInfo(dir.path())));
}

TEST_F(FileDialogTest, ShowingProcDoesNotBlock)
{
    // /proc/kmsg is a file that a reader with the right to open it (root)
    // waits on for good; the window must list /proc without opening it.
    FileDialog dialog(nullptr, QStringLiteral("Open"), dir.path(), QString());
    auto *model = dialog.findChild<QFileSystemModel *>();
    ASSERT_NE(model, nullptr);
    bool listed = false;
    QObject::connect(model, &QFileSystemModel::directoryLoaded, &dialog, [&](const QString &path) {
        if (path == QLatin1String("/proc")) {
            listed = true;
            dialog.reject();
        }
    });
    QTimer::singleShot(0, &dialog, [&] { dialog.setDirectory(QStringLiteral("/proc")); });
    dialog.exec();
    EXPECT_TRUE(listed);
}
