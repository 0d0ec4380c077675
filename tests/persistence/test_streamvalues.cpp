// The value level of the component stream: each tag's bytes, the reader's
// acceptance rules and errors, and the buffering towards the device.
#include "StreamBytes.h"

#include "persistence/AnsiText.h"
#include "persistence/FileStreams.h"
#include "persistence/StreamErrors.h"
#include "persistence/TReader.h"
#include "persistence/TWriter.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>

using namespace sw;
using swtest::StreamBytes;

namespace {

QByteArray written(const std::function<void(TWriter &)> &write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        TWriter writer(&buffer);
        write(writer);
    }
    return buffer.data();
}

// Runs read on a reader over data and returns the error message, or an
// empty string when nothing was thrown.
QString readError(const QByteArray &data, const std::function<void(TReader &)> &read)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(&buffer);
    try {
        read(reader);
    } catch (const EReadError &e) {
        return e.message();
    }
    return QString();
}

// A device that cannot seek, like a pipe: the reader must push back what it
// read ahead.
class Pipe : public QIODevice
{
public:
    explicit Pipe(const QByteArray &data) : mData(data) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return mData.size() - mAt + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = qMin<qint64>(maxSize, mData.size() - mAt);
        memcpy(data, mData.constData() + mAt, static_cast<size_t>(n));
        mAt += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray mData;
    qint64 mAt = 0;
};

} // namespace

TEST(StreamValues, IntegersTakeTheSmallestTag)
{
    struct Case
    {
        qint32 value;
        QByteArray bytes;
    };
    const Case cases[] = {
        {0, StreamBytes().bytes({2, 0x00})},
        {127, StreamBytes().bytes({2, 0x7F})},
        {-128, StreamBytes().bytes({2, 0x80})},
        {128, StreamBytes().bytes({3, 0x80, 0x00})},             // 0x0080
        {-129, StreamBytes().bytes({3, 0x7F, 0xFF})},            // 0xFF7F
        {32767, StreamBytes().bytes({3, 0xFF, 0x7F})},
        {-32768, StreamBytes().bytes({3, 0x00, 0x80})},
        {32768, StreamBytes().bytes({4, 0x00, 0x80, 0x00, 0x00})}, // 0x00008000
        {-32769, StreamBytes().bytes({4, 0xFF, 0x7F, 0xFF, 0xFF})},
        {INT_MAX, StreamBytes().bytes({4, 0xFF, 0xFF, 0xFF, 0x7F})},
        {INT_MIN, StreamBytes().bytes({4, 0x00, 0x00, 0x00, 0x80})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(written([&](TWriter &w) { w.WriteInteger(c.value); }), c.bytes);
        QBuffer buffer;
        buffer.setData(c.bytes);
        buffer.open(QIODevice::ReadOnly);
        TReader reader(&buffer);
        EXPECT_EQ(reader.ReadInteger(), c.value); // sign-extended
    }
}

TEST(StreamValues, TagsWithoutTextOrNumbers)
{
    EXPECT_EQ(written([](TWriter &w) {
                  w.WriteListBegin();
                  w.WriteBoolean(false);
                  w.WriteBoolean(true);
                  w.WriteListEnd();
                  w.WriteSignature();
              }),
              StreamBytes().bytes({1, 8, 9, 0}).raw("TPF0").data());
    // Identifiers: False/True/nil in any case become their own tags.
    EXPECT_EQ(written([](TWriter &w) {
                  w.WriteIdent(QStringLiteral("false"));
                  w.WriteIdent(QStringLiteral("TRUE"));
                  w.WriteIdent(QStringLiteral("Nil"));
                  w.WriteIdent(QStringLiteral("clRed"));
              }),
              StreamBytes().bytes({8, 9, 13}).ident("clRed").data());
}

TEST(StreamValues, StringsSwitchToLongFormAt256Bytes)
{
    const QString s255(255, QLatin1Char('a'));
    const QString s256(256, QLatin1Char('b'));
    EXPECT_EQ(written([&](TWriter &w) { w.WriteString(s255); }),
              StreamBytes().bytes({6, 255}).raw(s255.toLatin1()).data());
    EXPECT_EQ(written([&](TWriter &w) { w.WriteString(s256); }),
              StreamBytes().bytes({12}).le32(256).raw(s256.toLatin1()).data());
    EXPECT_EQ(written([](TWriter &w) { w.WriteChar(QLatin1Char('x')); }), StreamBytes().string("x").data());

    // Untagged short strings are cut to 255 bytes.
    const QByteArray cut = written([](TWriter &w) { w.WriteStr(QString(300, QLatin1Char('n'))); });
    EXPECT_EQ(cut, StreamBytes().bytes({255}).raw(QByteArray(255, 'n')).data());

    for (const QString &s : {s255, s256, QString()}) {
        QBuffer buffer;
        buffer.setData(written([&](TWriter &w) { w.WriteString(s); }));
        buffer.open(QIODevice::ReadOnly);
        TReader reader(&buffer);
        EXPECT_EQ(reader.ReadString(), s);
    }
}

TEST(StreamValues, TextIsEightBitWesternCodePage)
{
    // The euro sign and typographic quotes live in 0x80-0x9F; other
    // Latin-1 characters keep their code.
    EXPECT_EQ(textToAnsi(QStringLiteral("\u20AC \u201Cx\u201D \u00E9")), QByteArray("\x80 \x93x\x94 \xE9"));
    EXPECT_EQ(textToAnsi(QStringLiteral("\u4E2D")), QByteArray("?"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(textToAnsi(ansiToText(all)), all);
}

TEST(StreamValues, FloatsAreExtendedAndIntegersAreAcceptedForThem)
{
    EXPECT_EQ(written([](TWriter &w) { w.WriteFloat(1.0); }),
              StreamBytes().bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}).data());

    QBuffer buffer;
    buffer.setData(written([](TWriter &w) {
        w.WriteFloat(2.65);
        w.WriteInteger(3);
        w.WriteInteger(-40000);
    }));
    buffer.open(QIODevice::ReadOnly);
    TReader reader(&buffer);
    EXPECT_EQ(reader.ReadFloat(), 2.65);
    EXPECT_EQ(reader.ReadFloat(), 3.0);
    EXPECT_EQ(reader.ReadFloat(), -40000.0);
}

TEST(StreamValues, ReaderAcceptsOnlyFittingTags)
{
    const QString invalid = QStringLiteral("Invalid property value");
    EXPECT_EQ(readError(StreamBytes().string("7"), [](TReader &r) { r.ReadInteger(); }), invalid);
    EXPECT_EQ(readError(StreamBytes().string("7"), [](TReader &r) { r.ReadFloat(); }), invalid);
    EXPECT_EQ(readError(StreamBytes().int8(7), [](TReader &r) { r.ReadString(); }), invalid);
    EXPECT_EQ(readError(StreamBytes().string("ab"), [](TReader &r) { r.ReadChar(); }), invalid);
    EXPECT_EQ(readError(StreamBytes().int8(1), [](TReader &r) { r.ReadBoolean(); }), invalid);
    EXPECT_EQ(readError(StreamBytes().bytes({0}), [](TReader &r) { r.ReadListBegin(); }), invalid);
    EXPECT_EQ(readError(StreamBytes().bytes({1}), [](TReader &r) { r.ReadListEnd(); }), invalid);
    EXPECT_EQ(readError(StreamBytes().bytes({0xEE}), [](TReader &r) { r.ReadIdent(); }), invalid);
    EXPECT_EQ(readError(QByteArray("TPF1"), [](TReader &r) { r.ReadSignature(); }),
              QStringLiteral("Invalid stream format"));
    EXPECT_EQ(readError(QByteArray("TPF0"), [](TReader &r) { r.ReadSignature(); }), QString());

    // The three constant tags read as identifiers.
    EXPECT_EQ(readError(StreamBytes().bytes({8, 9, 13}), [](TReader &r) {
                  EXPECT_EQ(r.ReadIdent(), QStringLiteral("False"));
                  EXPECT_EQ(r.ReadIdent(), QStringLiteral("True"));
                  EXPECT_EQ(r.ReadIdent(), QStringLiteral("nil"));
              }),
              QString());
}

TEST(StreamValues, EveryTruncationIsAReadErrorNeverACrash)
{
    const QByteArray full = written([](TWriter &w) {
        w.WriteListBegin();
        w.WriteInteger(100000);
        w.WriteFloat(-0.5);
        w.WriteString(QStringLiteral("label"));
        w.WriteString(QString(300, QLatin1Char('L')));
        w.WriteIdent(QStringLiteral("clNavy"));
        w.WriteBinary(QByteArray(20, 'b'));
        w.WriteSet({QStringLiteral("fsBold")});
        w.WriteListEnd();
    });
    const auto readAll = [](TReader &r) {
        r.ReadListBegin();
        r.ReadInteger();
        r.ReadFloat();
        r.ReadString();
        r.ReadString();
        r.ReadIdent();
        r.ReadBinary();
        r.ReadSet();
        r.ReadListEnd();
    };
    EXPECT_EQ(readError(full, readAll), QString());
    for (int cut = 0; cut < full.size(); ++cut) {
        SCOPED_TRACE(cut);
        EXPECT_EQ(readError(full.left(cut), readAll), QStringLiteral("Stream read error"));
    }
    // A length far beyond the data fails without reserving that much memory.
    EXPECT_EQ(readError(StreamBytes().bytes({10}).le32(0x7FFFFFF0).raw("abc"), [](TReader &r) { r.ReadBinary(); }),
              QStringLiteral("Stream read error"));
}

TEST(StreamValues, WriterBuffersUntilFlushedOrDestroyed)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        TWriter writer(&buffer);
        writer.WriteInteger(1);
        EXPECT_EQ(buffer.size(), 0);
        EXPECT_EQ(writer.Position(), 2);
        // A value larger than the buffer goes through in pieces, in order.
        writer.WriteBinary(QByteArray(2500, 'z'));
        writer.WriteInteger(2);
    }
    EXPECT_EQ(buffer.data(), StreamBytes().int8(1).bytes({10}).le32(2500).raw(QByteArray(2500, 'z')).int8(2).data());
}

TEST(StreamValues, WriteFailureIsReported)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadOnly); // refuses writes
    TWriter writer(&buffer);
    writer.WriteString(QStringLiteral("lost"));
    try {
        writer.FlushBuffer();
        FAIL() << "no error";
    } catch (const EWriteError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Stream write error"));
    }
}

TEST(StreamValues, ReaderLeavesTheDeviceJustAfterTheLastValue)
{
    // What follows the values (here 2000 bytes of other data) is left for
    // the next reader of the device, on seekable and sequential devices.
    const QByteArray values = StreamBytes().bytes({1}).int16(300).string("x").null();
    const QByteArray tail(2000, 't');
    QBuffer file;
    file.setData(values + tail);
    file.open(QIODevice::ReadOnly);
    Pipe pipe(values + tail);
    for (QIODevice *device : {static_cast<QIODevice *>(&file), static_cast<QIODevice *>(&pipe)}) {
        SCOPED_TRACE(device->isSequential());
        {
            TReader reader(device);
            reader.ReadListBegin();
            EXPECT_EQ(reader.ReadInteger(), 300);
            EXPECT_EQ(reader.ReadString(), QStringLiteral("x"));
            reader.ReadListEnd();
            if (!device->isSequential()) {
                EXPECT_EQ(reader.Position(), values.size());
            }
        }
        EXPECT_EQ(device->readAll(), tail);
    }
}

TEST(StreamValues, FileErrorsNameTheFile)
{
    const QString missing = QStringLiteral("/nonexistent-folder/label.sk");
    try {
        openFileStream(missing);
        FAIL() << "no error";
    } catch (const EFOpenError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot open file /nonexistent-folder/label.sk"));
    }
    try {
        createFileStream(missing);
        FAIL() << "no error";
    } catch (const EFCreateError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot create file /nonexistent-folder/label.sk"));
    }
}
