#include "platform/TPicture.h"
#include "platform/TStringList.h"

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace sw;

namespace {

QByteArray encode(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage sample()
{
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixel(4, 2, qRgb(255, 0, 0));
    return image;
}

// A minimal enhanced metafile header: record type 1, bounds, " EMF".
QByteArray emfHeader()
{
    QByteArray b(108, '\0');
    qToLittleEndian<quint32>(1, b.data());
    qToLittleEndian<quint32>(108, b.data() + 4);
    qToLittleEndian<qint32>(0, b.data() + 8);
    qToLittleEndian<qint32>(0, b.data() + 12);
    qToLittleEndian<qint32>(99, b.data() + 16);
    qToLittleEndian<qint32>(49, b.data() + 20);
    memcpy(b.data() + 40, " EMF", 4);
    return b;
}

} // namespace

TEST(TPicture, KeepsTheGraphicsBytesUnchanged)
{
    TPicture picture;
    EXPECT_TRUE(picture.isEmpty());
    EXPECT_TRUE(picture.graphicClassName().isEmpty());

    const QByteArray bmp = encode(sample(), "BMP") + QByteArray("\0\0", 2); // trailing slack kept too
    QSignalSpy spy(&picture, &TPicture::changed);
    ASSERT_TRUE(picture.loadFromData(bmp));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(picture.kind(), TPicture::Kind::Bitmap);
    EXPECT_EQ(picture.graphicClassName(), QLatin1String("TBitmap"));
    EXPECT_EQ(picture.data(), bmp);
    EXPECT_EQ(picture.size(), QSize(5, 3));
    EXPECT_EQ(picture.image().pixel(4, 2), qRgb(255, 0, 0));

    const QByteArray ico = encode(sample(), "ICO");
    ASSERT_TRUE(picture.loadFromData(ico));
    EXPECT_EQ(picture.graphicClassName(), QLatin1String("TIcon"));
    EXPECT_EQ(picture.data(), ico);

    const QByteArray emf = emfHeader();
    ASSERT_TRUE(picture.setGraphic(TPicture::Kind::Metafile, emf));
    EXPECT_EQ(picture.graphicClassName(), QLatin1String("TMetafile"));
    EXPECT_EQ(picture.data(), emf);
    EXPECT_EQ(picture.size(), QSize(100, 50));
    EXPECT_TRUE(picture.image().isNull());

    TPicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.data(), emf);
    EXPECT_EQ(copy.kind(), TPicture::Kind::Metafile);
}

TEST(TPicture, OtherFormatsBecomeBitmapsAndJunkIsRefused)
{
    TPicture picture;
    ASSERT_TRUE(picture.loadFromData(encode(sample(), "PNG")));
    EXPECT_EQ(picture.kind(), TPicture::Kind::Bitmap);
    EXPECT_TRUE(picture.data().startsWith("BM"));
    EXPECT_EQ(QImage::fromData(picture.data(), "BMP").pixel(4, 2), qRgb(255, 0, 0));

    const QByteArray before = picture.data();
    EXPECT_FALSE(picture.loadFromData(QByteArray("not a picture at all")));
    EXPECT_FALSE(picture.loadFromData(QByteArray("BM truncated")));
    EXPECT_FALSE(picture.setGraphic(TPicture::Kind::Metafile, QByteArray(20, 'x')));
    EXPECT_FALSE(picture.setGraphic(TPicture::Kind::Icon, QByteArray()));
    EXPECT_EQ(picture.data(), before);

    EXPECT_EQ(TPicture::kindFromClassName(QStringLiteral("TIcon")), TPicture::Kind::Icon);
    EXPECT_EQ(TPicture::kindFromClassName(QStringLiteral("TJPEGImage")), TPicture::Kind::None);
    picture.clear();
    EXPECT_TRUE(picture.isEmpty());
    EXPECT_TRUE(picture.data().isEmpty());
}

TEST(TStringList, TextJoinsWithCrLfAndSplitsAnyLineBreak)
{
    TStringList list;
    list.setText(QStringLiteral("one\r\ntwo\rthree\nfour"));
    EXPECT_EQ(list.strings(), (QStringList{"one", "two", "three", "four"}));
    EXPECT_EQ(list.text(), QLatin1String("one\r\ntwo\r\nthree\r\nfour\r\n"));

    list.setText(QStringLiteral("a\r\n\r\nb\r\n")); // empty middle line kept, no extra last line
    EXPECT_EQ(list.strings(), (QStringList{"a", "", "b"}));
    list.setText(QStringLiteral("\n"));
    EXPECT_EQ(list.strings(), QStringList{""});
    list.setText(QString());
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(list.text().isEmpty());

    QSignalSpy spy(&list, &TStringList::changed);
    list.add(QStringLiteral("x"));
    TStringList copy;
    copy.Assign(list);
    EXPECT_EQ(copy.strings(), QStringList{"x"});
    EXPECT_EQ(spy.count(), 1);
}
