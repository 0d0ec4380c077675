// Damaged metafiles: cut short anywhere, with bytes changed, or with
// records that claim more than they hold. Each plays to its end (the
// fuzz target runs the same code under the address sanitizer) and draws
// what its sound records describe.
#include "MetafileWriter.h"

#include "metafile/DibReader.h"
#include "metafile/MetafilePlayer.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>

using namespace sw;
using namespace sw::test;

namespace {

QImage draw(const QByteArray &bytes)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    MetafilePlayer::inspect(bytes);
    MetafilePlayer::draw(&painter, QRectF(0, 0, 64, 48), bytes);
    return image;
}

// A placeable 80 x 80 metafile: a red square, then the records given.
QByteArray redSquareThen(const std::function<void(WmfWriter &)> &more)
{
    WmfWriter w(QRect(0, 0, 80, 80), 96);
    w.createBrush(0, qRgb(255, 0, 0)).selectObject(0).rectangle(0, 0, 40, 40);
    more(w);
    return w.bytes();
}

bool redAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 0, 0);
}

} // namespace

TEST(MetafileRobustness, TruncatedPicturesDrawTheirWholeRecords)
{
    for (const QByteArray &sample : {sampleWmf(), sampleEmf()}) {
        for (qsizetype length = 0; length < sample.size(); length += 7)
            draw(sample.left(length));
    }
    // Cut inside the last record: the square before it is drawn.
    const QByteArray bytes = redSquareThen([](WmfWriter &w) { w.ellipse(40, 40, 80, 80); });
    const QImage image = draw(bytes.left(bytes.size() - 10));
    EXPECT_TRUE(redAt(image, 10, 10));
    EXPECT_FALSE(redAt(image, 45, 45));
}

TEST(MetafileRobustness, ChangedBytesNeverStopThePlayer)
{
    QRandomGenerator random(16);
    for (const QByteArray &sample : {sampleWmf(), sampleEmf()}) {
        for (int round = 0; round < 150; ++round) {
            QByteArray bytes = sample;
            const int changes = 1 + int(random.bounded(8));
            for (int i = 0; i < changes; ++i) {
                // Bytes past the headers, so that records are what changes.
                const qsizetype at = 40 + random.bounded(int(bytes.size() - 40));
                bytes[at] = char(random.bounded(256));
            }
            draw(bytes);
        }
    }
}

TEST(MetafileRobustness, RecordsClaimingMoreThanTheyHold)
{
    struct Case
    {
        const char *name;
        std::function<void(WmfWriter &)> records;
    };
    const std::vector<Case> cases = {
        {"polygon of 32767 points with two", [](WmfWriter &w) { w.words(0x0324, {32767, 1, 1, 5, 5}); }},
        {"poly-polygon of 65535 figures", [](WmfWriter &w) { w.words(0x0538, {0xFFFF, 3, 1, 1}); }},
        {"text longer than its record", [](WmfWriter &w) { w.words(0x0521, {30000, 0x4141}); }},
        {"spaced text of negative length", [](WmfWriter &w) { w.words(0x0A32, {0, 0, -5, 0}); }},
        {"region of 32767 scans", [](WmfWriter &w) {
             w.words(0x06FF, {0, 6, 0, 0, 100, 32767, 2, 0, 0, 10, 10, 2, 0, 10, 0}).selectClipRegion(1);
         }},
        {"bitmap of 60000 x 60000 pixels", [](WmfWriter &w) {
             QByteArray dib = packedDib(QImage(2, 2, QImage::Format_RGB32));
             qToLittleEndian<qint32>(60000, dib.data() + 4);
             qToLittleEndian<qint32>(60000, dib.data() + 8);
             w.stretchDib(0x00CC0020, dib, QRect(0, 0, 60000, 60000), QRect(0, 0, 80, 80));
         }},
        {"run-length bitmap of 30000 x 30000 pixels", [](WmfWriter &w) {
             QByteArray dib = rle8Dib();
             qToLittleEndian<qint32>(30000, dib.data() + 4);
             qToLittleEndian<qint32>(30000, dib.data() + 8);
             w.stretchDib(0x00CC0020, dib, QRect(0, 0, 4, 2), QRect(0, 0, 80, 80));
         }},
        {"colour table of a billion colours", [](WmfWriter &w) {
             QByteArray dib = packedDib(QImage(2, 2, QImage::Format_Indexed8));
             qToLittleEndian<quint32>(1000000000u, dib.data() + 32);
             w.stretchDib(0x00CC0020, dib, QRect(0, 0, 2, 2), QRect(0, 0, 80, 80));
         }},
        {"2000 saved states", [](WmfWriter &w) {
             for (int i = 0; i < 2000; ++i)
                 w.saveDC();
             for (int i = 0; i < 2000; ++i)
                 w.restoreDC(-1);
             w.restoreDC(-30000).restoreDC(30000);
         }},
        {"objects beyond the table", [](WmfWriter &w) {
             w.selectObject(65535).deleteObject(65535).selectClipRegion(40000).fillRegion(9, 9);
         }},
        {"window of zero extent", [](WmfWriter &w) { w.setMapMode(8).setWindowExt(0, 0).words(0x0410, {0, 0, 0, 0}); }},
        {"font of 32767 units, turned", [](WmfWriter &w) {
             FontSpec f;
             f.height = 32767;
             f.width = -32768;
             f.escapement = 12345;
             w.createFont(f).selectObject(1).textOut(0, 0, "x");
         }},
        {"a region of 1000 pieces used 3000 times", [](WmfWriter &w) {
             QVector<QRect> pieces;
             for (int i = 0; i < 1000; ++i)
                 pieces.append(QRect((i * 7) % 78, (i * 13) % 78, 2, 1));
             w.createRegion(pieces);
             for (int i = 0; i < 1000; ++i)
                 w.selectClipRegion(1).fillRegion(1, 0).frameRegion(1, 0, 1, 1);
             w.saveDC().restoreDC(-1);
         }},
        {"clip flood", [](WmfWriter &w) {
             for (int i = 0; i < 3000; ++i)
                 w.excludeClipRect(i % 80, (i * 7) % 80, i % 80 + 1, (i * 7) % 80 + 1);
         }},
    };
    for (const Case &c : cases) {
        const QImage image = draw(redSquareThen(c.records));
        EXPECT_TRUE(redAt(image, 10, 10)) << c.name; // what came before is drawn
    }
}

TEST(MetafileRobustness, EnhancedRecordsClaimingMoreThanTheyHold)
{
    const std::vector<std::function<void(EmfWriter &)>> cases = {
        [](EmfWriter &e) { e.longs(86, {0, 0, 0, 0, 0x7FFFFFFF, 1}); },             // polygon of 2^31 points
        [](EmfWriter &e) { e.longs(91, {0, 0, 0, 0, 0x40000000, 0x40000000, 3}); }, // poly-polygon
        [](EmfWriter &e) { e.longs(84, {0, 0, 0, 0, 1, 0, 0, 0, 0, 1000000, 0x7FFFFFF0, 0, 0, 0, 0, 0, 0x7FFFFFF0}); },
        [](EmfWriter &e) { e.longs(75, {0x7FFFFFFF, 5, 32, 1, 0x10000000, 0}); },   // region data
        [](EmfWriter &e) { e.longs(81, {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0xFFFFFFF0, 40, 0x7FFFFFF0, 4, 0, 0xCC0020, 1, 1}); },
        [](EmfWriter &e) { e.selectObject(0x7FFFFFFE).deleteObject(-1).createPen(65534, 0, 1, 0).selectObject(65534); },
        [](EmfWriter &e) { e.worldTransform({NAN, INFINITY, 0, 1, 1e30f, -1e30f}).rectangle(0, 0, 10, 10); },
        [](EmfWriter &e) { // a dashed line 10^20 pixels long
            e.worldTransform({1e20f, 0, 0, 1e20f, 0, 0}).extCreatePen(2, 1, 1, 0).selectObject(2).moveTo(-1, 1).lineTo(1, 1);
        },
        [](EmfWriter &e) { e.longs(41, {10, 10, 0x7FFFFFFF, 0x7F800000, 0x7F800000}); }, // angle arc of infinite sweep
        [](EmfWriter &e) { // a hatched square 10^17 pixels off, where steps of 8 vanish
            e.worldTransform({1, 0, 0, 1, 1e17f, 1e17f}).createBrush(3, 2, 0, 5).selectObject(3).rectangle(0, 0, 10, 10);
        },
        [](EmfWriter &e) {
            for (int i = 0; i < 500; ++i)
                e.beginPath().rectangle(0, 0, i, i);
            e.strokePath().fillPath().longs(67, {5});
        },
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        EmfWriter e(QRect(0, 0, 2117, 2117), 96);
        e.createBrush(1, 0, qRgb(255, 0, 0)).selectObject(1).rectangle(0, 0, 40, 40);
        cases[i](e);
        EXPECT_TRUE(redAt(draw(e.bytes()), 10, 10)) << "case " << i;
    }
    // A header claiming a frame of a billion units draws in proportion.
    QByteArray huge = sampleEmf();
    qToLittleEndian<qint32>(1000000000, huge.data() + 32);
    draw(huge);
}

TEST(MetafileRobustness, ClipRegionsReachingFarBeyondThePicture)
{
    // Found by fuzzing (fuzz/regressions/metafile/): two overlapping clip
    // rectangles, one reaching a billion pixels off, made a region whose
    // far corners the region code could not take (it leaked). Only what
    // lies over the picture counts.
    EmfWriter e(QRect(0, 0, 5080, 3810), 96); // 192 x 144 pixels
    e.createBrush(1, 0, qRgb(255, 0, 0)).selectObject(1).selectObject(0x80000008);
    e.extSelectClipRgn({QRect(154, 134, 1937207000, 842347000), QRect(160, 100, 28, 40)}, 5);
    e.rectangle(0, 0, 192, 144);
    const QImage image = draw(e.bytes()); // at a third of the size
    EXPECT_TRUE(redAt(image, 58, 40));    // the small rectangle
    EXPECT_TRUE(redAt(image, 60, 46));    // the far-reaching one
    EXPECT_FALSE(redAt(image, 30, 20));
    EXPECT_FALSE(redAt(image, 50, 40));
}

TEST(MetafileRobustness, HatchedFiguresReachingFarBeyondThePicture)
{
    // Found by fuzzing (fuzz/regressions/metafile/): a hatched rectangle
    // thousands of pixels beyond a small picture took seconds, its hatch
    // lines being drawn in full. Only the lines over the picture are drawn,
    // in the same place as for a rectangle that fits.
    auto hatched = [](int right, int bottom) {
        WmfWriter w(QRect(0, 0, 80, 80), 96);
        w.createBrush(2, qRgb(0, 0, 255), 1).selectObject(0).createPen(5, 0, 0).selectObject(1);
        w.setBkMode(1).rectangle(8, 8, right, bottom);
        return w.bytes();
    };
    const QImage far = draw(hatched(8000, 7000));
    EXPECT_EQ(far, draw(hatched(90, 90)));
    // Vertical lines 8 pixels apart at the picture's size, here 6.4: nine
    // from x 6.4 to the edge.
    int lines = 0;
    for (int x = 1; x < 64; ++x)
        lines += far.pixel(x, 30) != qRgb(255, 255, 255) && far.pixel(x - 1, 30) == qRgb(255, 255, 255);
    EXPECT_EQ(lines, 9);
}

TEST(DibReader, RejectsBitmapsLargerThanTheirData)
{
    QByteArray dib = packedDib(QImage(4, 4, QImage::Format_RGB32));
    const ByteCursor whole(dib.constData(), dib.size());
    EXPECT_EQ(DibReader::read(whole).size(), QSize(4, 4));
    const ByteCursor shortBits(dib.constData(), dib.size() - 1);
    EXPECT_TRUE(DibReader::read(shortBits).isNull());
    const QByteArray rle = rle8Dib();
    EXPECT_EQ(DibReader::read(ByteCursor(rle.constData(), rle.size())).size(), QSize(4, 2));
    // The same bitmap read twice is one image (a PDF embeds it once).
    EXPECT_EQ(DibReader::read(whole).cacheKey(), DibReader::read(whole).cacheKey());
    EXPECT_EQ(DibReader::withFileHeader(dib).left(2), QByteArray("BM"));
    EXPECT_EQ(QImage::fromData(DibReader::withFileHeader(dib), "BMP").size(), QSize(4, 4));
}
