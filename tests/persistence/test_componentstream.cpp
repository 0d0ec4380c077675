// Whole objects in the component stream: which published properties are
// written and how, reading them back, and the errors of bad input.
#include "StreamBytes.h"
#include "StreamRoundTrip.h"
#include "TestComponents.h"

#include "persistence/ClassRegistry.h"
#include "persistence/ComponentState.h"
#include "persistence/ExtendedFloat.h"
#include "persistence/PublishedProperties.h"
#include "persistence/StreamErrors.h"
#include "persistence/TReader.h"
#include "persistence/TWriter.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>

using namespace sw;
using swtest::StreamBytes;
using swtest::TTestDerived;
using swtest::TTestLabel;
using swtest::TTiny;

namespace clash {
// Same stream name as swtest::TTiny, a different class.
class TTiny : public QObject
{
    Q_OBJECT
public:
    explicit TTiny(QObject *parent = nullptr) : QObject(parent) {}
};
} // namespace clash

namespace {

class ComponentStream : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterClass<TTestLabel>();
        RegisterClass<TTestDerived>();
        RegisterClass<TTiny>();
        TTestLabel::loadedOrder.clear();
    }

    static QByteArray writeRoot(QObject *object) { return sw::test::write(object); }

    // Reads component records up to vaNull into parent; returns the error
    // message, empty when the read succeeded.
    static QString readInto(QObject *parent, const QByteArray &data, TReader::SetNameEvent onSetName = {},
                            TReader::ReadComponentsProc proc = {})
    {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        TReader reader(&buffer);
        reader.OnSetName = std::move(onSetName);
        try {
            reader.ReadComponents(nullptr, parent, proc);
        } catch (const EPersistenceError &e) {
            return e.message();
        }
        return QString();
    }

    static QByteArray extended(double v)
    {
        const Extended80 x = doubleToExtended(v);
        return QByteArray(1, char(vaExtended)) + QByteArray(reinterpret_cast<const char *>(x.data()), 10);
    }
};

// A record of TTestLabel "Label1" with the given property bytes.
QByteArray labelRecord(const QByteArray &properties, const char *name = "Label1")
{
    return StreamBytes().signature().str("TTestLabel").str(name).raw(properties).null().null();
}

// Every property of TTestLabel away from its default.
void setEveryProperty(TTestLabel &label)
{
    label.setObjectName(QStringLiteral("Label1"));
    label.mTag = 7;
    label.mLeft = -200;
    label.mCursor = -2;
    label.mHint = QStringLiteral("tip");
    label.setLocked(true);
    label.mVisible = false;
    label.mBackColor = clRed;
    label.mCount = 70000;
    label.mLineStyle = psDashDot;
    label.mEmphasis = fsBold | fsUnderline;
    label.mAngle = 2.65;
    label.mScale = 0.5f;
    label.mMark = QLatin1Char('Q');
    label.mCaption = QString(300, QLatin1Char('c'));
    label.font()->setColor(0x0000FE);
    label.font()->setHeight(-16);
    label.font()->setName(QStringLiteral("Arial"));
    label.font()->setPitch(fpFixed);
    label.font()->setStyle(fsItalic);
    label.pen()->setColor(clBlue);
    label.pen()->setWidth(3);
    label.items()->setStrings({QStringLiteral("one"), QStringLiteral("two")});
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    label.picture()->setImage(image);
    label.mExtra = QByteArray("\x01\x02", 2);
}

} // namespace

TEST_F(ComponentStream, SmallObjectHasTheExactBytes)
{
    TTiny tiny;
    tiny.setObjectName(QStringLiteral("Tiny1"));
    tiny.mLeft = 10;
    tiny.mLocked = true;
    const QByteArray expected = StreamBytes()
                                    .signature()
                                    .str("TTiny")
                                    .str("Tiny1")
                                    .str("Left").int8(10)
                                    .str("Locked").trueValue()
                                    // A new font: colour, height and name always, the
                                    // pitch only when not fpDefault, the size never.
                                    .str("Font.Color").ident("clWindowText")
                                    .str("Font.Height").int8(-11)
                                    .str("Font.Name").string("MS Sans Serif")
                                    .str("Font.Style").bytes({11, 0}) // empty set
                                    .null() // end of properties
                                    .null(); // no children
    EXPECT_EQ(writeRoot(&tiny), expected);
}

TEST_F(ComponentStream, DefaultsAreLeftOutExceptWhereNoneIsDeclared)
{
    TTestLabel label;
    const QByteArray expected = StreamBytes()
                                    .signature()
                                    .str("TTestLabel")
                                    .str("") // no name
                                    // Tag, Cursor, Visible, BackColor, LineStyle and
                                    // Emphasis equal their declared defaults; Hint,
                                    // Caption (empty) and Angle, Scale (0) are skipped;
                                    // Left, Locked, Count and Mark declare no default.
                                    .str("Left").int8(0)
                                    .str("Locked").falseValue()
                                    .str("Count").int8(0)
                                    .str("Mark").string("-")
                                    .str("Font.Color").ident("clWindowText")
                                    .str("Font.Height").int8(-11)
                                    .str("Font.Name").string("MS Sans Serif")
                                    .str("Font.Style").bytes({11, 0})
                                    // A default pen, an empty list, an empty picture and
                                    // empty extra data write nothing.
                                    .null()
                                    .null();
    EXPECT_EQ(writeRoot(&label), expected);
}

TEST_F(ComponentStream, EveryPropertyKindRoundTrips)
{
    TTestLabel label;
    setEveryProperty(label);
    const QByteArray bmp = label.picture()->data();
    ASSERT_TRUE(bmp.startsWith("BM"));

    const QByteArray expected =
        StreamBytes()
            .signature()
            .str("TTestLabel")
            .str("Label1")
            .str("Tag").int8(7)
            .str("Left").int16(-200)
            .str("Cursor").int8(-2)
            .str("Hint").string("tip")
            .str("Locked").trueValue()
            .str("Visible").falseValue()
            .str("BackColor").ident("clRed")
            .str("Count").int32(70000)
            .str("LineStyle").ident("psDashDot")
            .str("Emphasis").bytes({11}).str("fsBold").str("fsUnderline").bytes({0})
            .str("Angle").raw(extended(2.65))
            .str("Scale").raw(extended(0.5))
            .str("Mark").string("Q")
            .str("Caption").bytes({12}).le32(300).raw(QByteArray(300, 'c'))
            // Serial is read-only: never written.
            .str("Font.Color").int16(254) // 0xFE has no colour name
            .str("Font.Height").int8(-16)
            .str("Font.Name").string("Arial")
            .str("Font.Pitch").ident("fpFixed")
            .str("Font.Style").bytes({11}).str("fsItalic").bytes({0})
            .str("Pen.Color").ident("clBlue")
            .str("Pen.Width").int8(3)
            .str("Items.Strings").bytes({1}).string("one").string("two").null()
            .str("Picture.Data").bytes({10}).le32(static_cast<quint32>(1 + 7 + 4 + bmp.size()))
            .str("TBitmap").le32(static_cast<quint32>(bmp.size())).raw(bmp)
            .str("Extra").bytes({10}).le32(2).bytes({1, 2})
            .null()
            .null();
    ASSERT_EQ(writeRoot(&label), expected);
    EXPECT_TRUE(label.mWritingSeen);
    EXPECT_FALSE(ComponentState::isWriting(&label));

    QObject parent;
    TTestLabel *read = nullptr;
    ASSERT_EQ(readInto(&parent, expected + StreamBytes().null().data(), {},
                       [&](QObject *c) { read = qobject_cast<TTestLabel *>(c); }),
              QString());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->parent(), &parent);
    EXPECT_EQ(read->objectName(), QStringLiteral("Label1"));
    EXPECT_EQ(read->mTag, 7);
    EXPECT_EQ(read->mLeft, -200);
    EXPECT_EQ(read->mCursor, -2);
    EXPECT_EQ(read->mHint, QStringLiteral("tip"));
    EXPECT_TRUE(read->locked());
    EXPECT_FALSE(read->mVisible);
    EXPECT_EQ(read->mBackColor, 0x0000FF);
    EXPECT_EQ(read->mCount, 70000);
    EXPECT_EQ(read->mLineStyle, psDashDot);
    EXPECT_EQ(read->mEmphasis, fsBold | fsUnderline);
    EXPECT_EQ(read->mAngle, 2.65);
    EXPECT_EQ(read->mScale, 0.5f);
    EXPECT_EQ(read->mMark, QLatin1Char('Q'));
    EXPECT_EQ(read->mCaption, QString(300, QLatin1Char('c')));
    EXPECT_EQ(read->font()->color(), 0xFE);
    EXPECT_EQ(read->font()->height(), -16);
    EXPECT_EQ(read->font()->name(), QStringLiteral("Arial"));
    EXPECT_EQ(read->font()->pitch(), fpFixed);
    EXPECT_EQ(read->font()->style(), TFontStyles(fsItalic));
    EXPECT_EQ(read->pen()->color(), clBlue);
    EXPECT_EQ(read->pen()->width(), 3);
    EXPECT_EQ(read->pen()->mode(), pmCopy);
    EXPECT_EQ(read->items()->strings(), QStringList({QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_EQ(read->picture()->kind(), TPicture::Kind::Bitmap);
    EXPECT_EQ(read->picture()->data(), bmp);
    EXPECT_EQ(read->picture()->image().pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(read->mExtra, QByteArray("\x01\x02", 2));
    // Written again, the copy gives the same bytes.
    EXPECT_EQ(writeRoot(read), expected);
}

TEST_F(ComponentStream, PropertiesFollowDeclarationOrderAcrossTheClassChain)
{
    QStringList names;
    for (const QMetaProperty &p : publishedProperties(&TTestDerived::staticMetaObject))
        names.append(QLatin1String(p.name()));
    // Left is redeclared by the subclass but keeps its ancestor's place.
    EXPECT_EQ(names.mid(0, 3), QStringList({"Tag", "Left", "Cursor"}));
    EXPECT_EQ(names.last(), QStringLiteral("Extra2"));
    EXPECT_EQ(names.count(QStringLiteral("Left")), 1);
}

TEST_F(ComponentStream, ReadingMatchesNamesWithoutRegardToCaseAndTakesIntegersForFloats)
{
    QObject parent;
    const QByteArray record = labelRecord(StreamBytes()
                                              .str("fONT.name").string("Courier")
                                              .str("linestyle").ident("PSDOT")
                                              .str("BackColor").ident("CLNAVY")
                                              .str("Angle").int8(3)
                                              .str("Emphasis").bytes({11}).str("FSSTRIKEOUT").bytes({0})
                                              .str("Locked").ident("true"));
    ASSERT_EQ(readInto(&parent, record + StreamBytes().null().data()), QString());
    auto *label = parent.findChild<TTestLabel *>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font()->name(), QStringLiteral("Courier"));
    EXPECT_EQ(label->mLineStyle, psDot);
    EXPECT_EQ(label->mBackColor, clNavy);
    EXPECT_EQ(label->mAngle, 3.0);
    EXPECT_EQ(label->mEmphasis, TFontStyles(fsStrikeOut));
    EXPECT_TRUE(label->locked());
}

TEST_F(ComponentStream, PropertyErrorsNameTheObjectAndProperty)
{
    struct Case
    {
        QByteArray properties;
        QString message;
    };
    const Case cases[] = {
        {StreamBytes().str("Bogus").int8(1), "Error reading Label1.Bogus: Property does not exist"},
        {StreamBytes().str("Serial").int8(1), "Error reading Label1.Serial: Property is read-only"},
        {StreamBytes().str("Hint.Length").int8(1), "Error reading Label1.Hint.Length: Invalid property path"},
        {StreamBytes().str("Nope.Name").int8(1), "Error reading Label1.Nope.Name: Property does not exist"},
        {StreamBytes().str("Font.Bogus").int8(1), "Error reading Label1.Font.Bogus: Property does not exist"},
        {StreamBytes().str("LineStyle").ident("psWavy"), "Error reading Label1.LineStyle: Invalid property value"},
        {StreamBytes().str("Left").string("10"), "Error reading Label1.Left: Invalid property value"},
        // Only colour properties take colour names.
        {StreamBytes().str("Count").ident("clRed"), "Error reading Label1.Count: Invalid property value"},
        {StreamBytes().str("BackColor").ident("clPink"), "Error reading Label1.BackColor: Invalid property value"},
        {StreamBytes().str("Emphasis").bytes({11}).str("fsWide").bytes({0}),
         "Error reading Label1.Emphasis: Invalid property value"},
        {StreamBytes().str("Mark").string("QQ"), "Error reading Label1.Mark: Invalid property value"},
        {StreamBytes().str("Extra").bytes({10}).le32(3).raw("bad"), "Error reading Label1.Extra: Invalid property value"},
        {StreamBytes().str("Picture.Data").bytes({10}).le32(6).str("TJpeg"),
         "Error reading Label1.Picture.Data: Invalid property value"},
        // A bitmap whose length runs past the binary value.
        {StreamBytes().str("Picture.Data").bytes({10}).le32(12).str("TBitmap").le32(99),
         "Error reading Label1.Picture.Data: Invalid property value"},
        {StreamBytes().str("Hint").bytes({6, 10}).raw("abc"), "Error reading Label1.Hint: Stream read error"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        QObject parent;
        EXPECT_EQ(readInto(&parent, labelRecord(c.properties) + StreamBytes().null().data()), c.message);
        EXPECT_TRUE(parent.children().isEmpty()); // the half-read object is gone
    }
    // Without a name, the class name stands in.
    QObject parent;
    EXPECT_EQ(readInto(&parent, labelRecord(StreamBytes().str("Bogus").int8(1), "")),
              QStringLiteral("Error reading TTestLabel.Bogus: Property does not exist"));
}

TEST_F(ComponentStream, RecordAndClassErrors)
{
    QObject parent;
    EXPECT_EQ(readInto(&parent, StreamBytes().raw("TPF9").str("TTestLabel").str("A").null().null().null()),
              QStringLiteral("Invalid stream format"));
    EXPECT_TRUE(parent.children().isEmpty());

    try {
        QBuffer buffer;
        buffer.setData(StreamBytes().signature().str("TNoSuchThing").str("A").null().null().null());
        buffer.open(QIODevice::ReadOnly);
        TReader reader(&buffer);
        reader.ReadComponents(nullptr, &parent, {});
        FAIL() << "no error";
    } catch (const EClassNotFound &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Class TNoSuchThing not found"));
    }
    // Class names match exactly.
    EXPECT_EQ(readInto(&parent, StreamBytes().signature().str("ttestlabel").str("A").null().null().null()),
              QStringLiteral("Class ttestlabel not found"));

    // Two components of one name under one parent: the first stays.
    const QByteArray twice = labelRecord({}, "Same") + labelRecord({}, "Same") + StreamBytes().null().data();
    EXPECT_EQ(readInto(&parent, twice), QStringLiteral("A component named Same already exists"));
    EXPECT_EQ(parent.children().size(), 1);
    EXPECT_EQ(readInto(&parent, labelRecord({}, "1abc")), QStringLiteral("'1abc' is not a valid component name"));
    EXPECT_EQ(parent.children().size(), 1);
}

TEST_F(ComponentStream, ClassRegistry)
{
    EXPECT_EQ(FindClass(QStringLiteral("TTiny")).metaObject, &TTiny::staticMetaObject);
    try {
        RegisterClass<clash::TTiny>();
        FAIL() << "no error";
    } catch (const EFilerError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("A class named TTiny already exists"));
    }
    EXPECT_EQ(FindClass(QStringLiteral("TTiny")).metaObject, &TTiny::staticMetaObject);

    // Registering a subclass makes its ancestors known by name, not creatable.
    UnRegisterClass(&TTestLabel::staticMetaObject);
    UnRegisterClass(&TTestDerived::staticMetaObject);
    RegisterClass<TTestDerived>();
    const TPersistentClass *ancestor = GetClass(QStringLiteral("TTestLabel"));
    ASSERT_NE(ancestor, nullptr);
    EXPECT_FALSE(ancestor->create);
    QObject parent;
    EXPECT_EQ(readInto(&parent, labelRecord({}) + StreamBytes().null().data()),
              QStringLiteral("Class TTestLabel not found"));
    RegisterClass<TTestLabel>();
    EXPECT_EQ(readInto(&parent, labelRecord({}) + StreamBytes().null().data()), QString());
}

TEST_F(ComponentStream, ReadComponentsNamesFinishesAndLeavesTheEndMarker)
{
    QObject parent;
    const QByteArray data = labelRecord(StreamBytes().str("Locked").trueValue(), "A")
                            + labelRecord(StreamBytes().str("Locked").trueValue(), "A") + StreamBytes().null().data()
                            + QByteArray("after");
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QList<TTestLabel *> read;
    {
        TReader reader(&buffer);
        int next = 0;
        reader.OnSetName = [&](TReader &, QObject *, QString &name) {
            EXPECT_EQ(name, QStringLiteral("A"));
            name = QStringLiteral("Component%1").arg(next++);
        };
        reader.ReadComponents(nullptr, &parent, [&](QObject *c) {
            auto *label = qobject_cast<TTestLabel *>(c);
            EXPECT_TRUE(ComponentState::isLoading(label));
            EXPECT_EQ(label->mLoadedCalls, 0); // loaded steps run after the whole list
            read.append(label);
        });
        reader.ReadListEnd();
    }
    EXPECT_EQ(buffer.readAll(), QByteArray("after"));
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(TTestLabel::loadedOrder, QStringList({"Component0", "Component1"}));
    for (TTestLabel *label : read) {
        EXPECT_TRUE(label->mLoadingSeenBySetter);
        EXPECT_FALSE(label->mLoadingSeenByLoaded);
        EXPECT_EQ(label->mLoadedCalls, 1);
        EXPECT_EQ(label->parent(), &parent);
    }
}

TEST_F(ComponentStream, TruncatedOrCorruptStreamsFailCleanly)
{
    TTestLabel label;
    setEveryProperty(label);
    const QByteArray full = writeRoot(&label) + StreamBytes().null().data();

    for (int cut = 0; cut < full.size(); ++cut) {
        QObject parent;
        const QString message = readInto(&parent, full.left(cut));
        ASSERT_FALSE(message.isEmpty()) << cut;
        // Only an object read completely (all but the list's end) stays.
        ASSERT_EQ(parent.children().size(), cut == full.size() - 1 ? 1 : 0) << cut;
    }
    // Every byte replaced by a few telling values: errors, never a crash.
    // (The image decoder complains about the broken bitmaps; keep it quiet.)
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    for (int at = 0; at < full.size(); ++at) {
        for (char value : {'\x00', '\x07', '\x0C', '\xF0', '\xFF'}) {
            QByteArray corrupt = full;
            corrupt[at] = value;
            QObject parent;
            readInto(&parent, corrupt);
        }
    }
    qInstallMessageHandler(previous);
}

#include "test_componentstream.moc"
