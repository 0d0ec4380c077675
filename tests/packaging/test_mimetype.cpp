// The label file type as the desktop's shared MIME database sees it once
// our definition is added: by name (any case), by content alone, and with
// its own icon.
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool copy(const QString &from, const QString &to)
{
    return QFile::copy(from, to);
}

bool write(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

TEST(LabelFileType, IsKnownByNameAndByContent)
{
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty()
        || !QFile::exists("/usr/share/mime/packages/freedesktop.org.xml"))
        GTEST_SKIP() << "shared-mime-info is not installed";
    QTemporaryDir dir;
    const QString packages = dir.filePath("share/mime/packages");
    ASSERT_TRUE(QDir().mkpath(packages));
    ASSERT_TRUE(copy("/usr/share/mime/packages/freedesktop.org.xml", packages + "/freedesktop.org.xml"));
    ASSERT_TRUE(copy(SOURCE_DIR "/packaging/stickwell-mime.xml", packages + "/stickwell.xml"));
    QProcess update;
    update.start("update-mime-database", {dir.filePath("share/mime")});
    ASSERT_TRUE(update.waitForFinished(60000));
    ASSERT_EQ(update.exitCode(), 0) << update.readAllStandardError().constData();

    // Only this database: the process has not looked at any before.
    qputenv("XDG_DATA_DIRS", dir.filePath("share").toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir.filePath("nothing").toLocal8Bit());
    QMimeDatabase db;
    const QMimeType label = db.mimeTypeForName("application/x-stickwell-label");
    ASSERT_TRUE(label.isValid());
    EXPECT_EQ(label.iconName(), "application-x-stickwell-label");

    const QString design = dir.filePath("design.sk");
    ASSERT_TRUE(copy(SOURCE_DIR "/examples/address-label.sk", design));
    ASSERT_TRUE(copy(design, dir.filePath("DESIGN.SK")));
    ASSERT_TRUE(copy(design, dir.filePath("design-without-extension")));
    // A design without objects: no signature, known by its name.
    ASSERT_TRUE(write(dir.filePath("empty.sk"), QByteArray("\x01\x00\x01", 3)));
    for (const char *file : {"design.sk", "DESIGN.SK", "design-without-extension", "empty.sk"})
        EXPECT_EQ(db.mimeTypeForFile(dir.filePath(file)).name(), "application/x-stickwell-label") << file;
    EXPECT_EQ(db.mimeTypeForData(QByteArray("\x01TPF0\x08TGPLabel", 14)).name(), "application/x-stickwell-label");
    EXPECT_NE(db.mimeTypeForData(QByteArray("\x01TPX0", 5)).name(), "application/x-stickwell-label");
}
