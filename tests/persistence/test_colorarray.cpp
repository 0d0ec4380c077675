// The colour array: cells addressed from (1, 1), the error outside them,
// copies and equality, and its three values in a component stream.
#include "StreamBytes.h"
#include "StreamRoundTrip.h"

#include "persistence/ClassRegistry.h"
#include "persistence/StreamErrors.h"
#include "platform/TColorArrayClass.h"

#include <QPoint>
#include <gtest/gtest.h>

using namespace sw;
using swtest::StreamBytes;
using sw::test::readBack;
using sw::test::write;

namespace {

// A persistent object holding a colour array, as the palette button does.
class TColorHolder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(sw::TColorArrayClass *Colors READ Colors)

public:
    Q_INVOKABLE explicit TColorHolder(QObject *parent = nullptr)
        : QObject(parent)
    {
    }
    TColorArrayClass *Colors() const { return mColors; }

private:
    TColorArrayClass *mColors = new TColorArrayClass(2, 3, this);
};

} // namespace

TEST(ColorArray, CellsAreAddressedFromOneAndOutsideIsAnError)
{
    TColorArrayClass a(4, 5);
    EXPECT_EQ(a.count(), 20);
    a.setColor(3, 1, 0xBFBFBF);
    a.setColor(1, 2, clRed);
    // Cell (x, y) is element (y - 1) x XSize + x.
    EXPECT_EQ(a.colorAt(3), 0xBFBFBF);
    EXPECT_EQ(a.colorAt(5), clRed);
    EXPECT_EQ(a.indexOf(clRed), 5);
    EXPECT_EQ(a.indexOf(clLime), 0);

    for (const QPoint &outside : {QPoint(0, 1), QPoint(5, 1), QPoint(1, 0), QPoint(1, 6)}) {
        try {
            a.color(outside.x(), outside.y());
            ADD_FAILURE() << "read " << outside.x() << "," << outside.y();
        } catch (const EColorArrayIndexError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("Array index out of bounds"));
        }
        EXPECT_THROW(a.setColor(outside.x(), outside.y(), clBlue), EColorArrayIndexError);
    }
    EXPECT_THROW(a.colorAt(0), EColorArrayIndexError);
    EXPECT_THROW(a.colorAt(21), EColorArrayIndexError);
    EXPECT_EQ(a.color(3, 1), 0xBFBFBF); // nothing was written outside

    TColorArrayClass b;
    b.Assign(a);
    EXPECT_EQ(b, a);
    b.setColor(4, 5, clAqua);
    EXPECT_NE(b, a);
    // A new size makes new cells.
    b.setXSize(2);
    EXPECT_EQ(b.count(), 10);
    EXPECT_EQ(b.color(2, 5), clBlack);
}

TEST(ColorArray, StreamFormIsTheSizesThenTheColoursColumnByColumn)
{
    RegisterClass<TColorHolder>();
    TColorHolder holder;
    holder.setObjectName(QStringLiteral("Holder1"));
    TColorArrayClass &c = *holder.Colors();
    c.setColor(1, 1, clWhite);
    c.setColor(2, 1, clRed);
    c.setColor(1, 2, 0x40);
    c.setColor(2, 3, clBtnFace);
    const QByteArray expected = StreamBytes()
                                    .signature()
                                    .str("TColorHolder")
                                    .str("Holder1")
                                    .str("Colors.XSize").int8(2)
                                    .str("Colors.YSize").int8(3)
                                    .str("Colors.Colors")
                                    .bytes({1}) // vaList
                                    .int32(0xFFFFFF).int8(0x40).int8(0) // x = 1: y = 1, 2, 3
                                    .int16(0xFF).int8(0).int32(qint32(0x8000000F)) // x = 2
                                    .null() // end of list
                                    .null() // end of properties
                                    .null(); // no children
    EXPECT_EQ(write(&holder), expected);

    QObject parent;
    TColorHolder *back = readBack<TColorHolder>(&parent, expected);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back->Colors(), c);
    EXPECT_EQ(back->Colors()->color(2, 3), clBtnFace);

    // A list that does not fill the array exactly, or a size that no
    // palette has, is a damaged stream.
    QByteArray shortList = expected;
    shortList.remove(shortList.indexOf(QByteArray("\x02\x00\x04", 3)), 7); // the last two colours
    QObject other;
    EXPECT_THROW(readBack<TColorHolder>(&other, shortList), EReadError);
    QByteArray huge = expected;
    huge.replace(QByteArray("XSize\x02\x02", 7), QByteArray("XSize\x04\x00\x00\x01\x00", 10));
    QObject third;
    EXPECT_THROW(readBack<TColorHolder>(&third, huge), EReadError);
}

#include "test_colorarray.moc"
