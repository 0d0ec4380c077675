// The rules behind the main window's commands: zoom steps, label file
// names and the stock-art shadow.
#include "shell/MainScreenRules.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sw;

TEST(MainScreenRules, ZoomStepsInSinglePrecision)
{
    float f = 1.0f;
    QStringList captions;
    for (int i = 0; i < 6; ++i) {
        f = zoomedOut(f);
        captions << zoomCaption(f);
    }
    EXPECT_EQ(captions, QStringList({"90%", "80%", "70%", "60%", "50%", "50%"}));
    EXPECT_EQ(f, 0.49999991f);
    for (int i = 0; i < 5; ++i)
        f = zoomedIn(f);
    EXPECT_EQ(f, 1.0f);
    for (int i = 0; i < 6; ++i)
        f = zoomedIn(f);
    EXPECT_EQ(f, 1.5000001f);
    EXPECT_EQ(zoomCaption(f), QStringLiteral("150%"));
    // Exactly 1.5 may still step once more.
    EXPECT_GT(zoomedIn(1.5f), 1.5f);
    EXPECT_EQ(zoomCaption(zoomedOut(0.5f)), QStringLiteral("40%"));
}

TEST(MainScreenRules, LabelFileExtensionInAnyCase)
{
    for (const char *ok : {"/a/b/design.SK", "/a/b/design.sk", "/a/b/x.Sk", "rel.tar.sk"})
        EXPECT_TRUE(hasLabelFileExtension(QLatin1String(ok))) << ok;
    for (const char *bad : {"/a/b/design.txt", "/a/b/design", "/a/b.sk/design", "/a/b/design.skx", "/a/b/design.sk.bak"})
        EXPECT_FALSE(hasLabelFileExtension(QLatin1String(bad))) << bad;
}

TEST(MainScreenRules, ProposedNamesSkipTakenOnesIgnoringCase)
{
    QTemporaryDir dir;
    EXPECT_EQ(proposedLabelFileName(dir.path()), QStringLiteral("SK0001.SK"));
    QFile(dir.filePath(QStringLiteral("sk0001.sk"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral("SK0002.SK"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral("SK0004.SK"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(proposedLabelFileName(dir.path()), QStringLiteral("SK0003.SK"));
}

TEST(MainScreenRules, ArtShadowCoversOnlyTheLabelPart)
{
    QImage art(4, 2, QImage::Format_RGB32);
    art.fill(Qt::white);
    art.setPixel(0, 0, qRgb(255, 0, 0));
    art.setPixel(1, 0, qRgb(254, 255, 255)); // near white is not white
    art.setPixel(3, 0, qRgb(0, 0, 255));     // outside the label part
    art.setPixel(0, 1, qRgb(0, 0, 0));       // below the label part
    const QImage shadow = twoToneArt(art, QSize(3, 1));
    ASSERT_EQ(shadow.size(), QSize(4, 2));
    EXPECT_EQ(shadow.pixel(0, 0), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(shadow.pixel(1, 0), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(shadow.pixel(2, 0), qRgb(255, 255, 255));
    EXPECT_EQ(shadow.pixel(3, 0), qRgb(0, 0, 255));
    EXPECT_EQ(shadow.pixel(0, 1), qRgb(0, 0, 0));
    EXPECT_TRUE(twoToneArt(QImage(), QSize(3, 3)).isNull());
}
