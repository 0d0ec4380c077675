// A system without Qt's image-format plugins: JPEG, GIF and Targa files
// are reported as kinds this computer cannot read, not as damaged files,
// while bitmaps (read by Qt itself) and PCX (read here) still load. Its
// own program, so that no plugin is loaded before the plugin folders are
// emptied.
#include "objects/TSmartImage.h"
#include "platform/MessageService.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sw;

TEST(MissingDecoders, AreToldApartFromDamagedFiles)
{
    QTemporaryDir dir, noPlugins;
    QCoreApplication::setLibraryPaths({noPlugins.path()});
    if (QImageReader::supportedImageFormats().contains("jpeg"))
        GTEST_SKIP() << "the JPEG plugin was loaded before its folders could be emptied";
    auto file = [&](const char *name, const QByteArray &data) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(data);
        return path;
    };
    ScriptedMessageHandler messages;
    ScopedMessageHandler scope(&messages);
    TSmartImage loader;
    const struct
    {
        const char *file;
        const char *kind;
    } missing[] = {{"photo.jpg", "JPEG"}, {"scan.JIF", "JPEG"}, {"anim.gif", "GIF"}, {"art.tga", "Targa (TGA)"}};
    for (const auto &m : missing) {
        EXPECT_FALSE(TSmartImage::HasDecoder(TSmartImage::FormatCodeOf(QLatin1String(m.file))));
        EXPECT_FALSE(loader.LoadFromFile(file(m.file, QByteArray("\xff\xd8\xff\xe0 GIF89a"))));
        EXPECT_TRUE(loader.Picture()->isEmpty());
        ASSERT_FALSE(messages.texts().isEmpty());
        const QString text = messages.texts().last();
        EXPECT_TRUE(text.startsWith(QLatin1String(m.kind) + QLatin1String(" pictures cannot be read on this computer")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String("no decoder"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String(m.file)));
    }
    messages.messages.clear();
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString bmp = dir.filePath(QStringLiteral("red.dib"));
    ASSERT_TRUE(red.save(bmp, "BMP"));
    EXPECT_TRUE(TSmartImage::HasDecoder(TSmartImage::fcDib));
    EXPECT_TRUE(loader.LoadFromFile(bmp));
    EXPECT_TRUE(messages.messages.isEmpty());
}
