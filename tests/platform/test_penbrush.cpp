#include "platform/GraphicsTypes.h"
#include "platform/PropertyInfo.h"
#include "platform/TBrush.h"
#include "platform/TPen.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace sw;

namespace {

// Properties a stream writer would write: stored and not at the default.
QStringList propertiesToStore(const QObject &object)
{
    QStringList out;
    const QMetaObject *meta = object.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const char *name = meta->property(i).name();
        if (PropertyInfo::isStored(&object, name) && !PropertyInfo::isDefault(&object, name))
            out << QString::fromLatin1(name);
    }
    return out;
}

QStringList enumKeys(const QMetaEnum &e)
{
    QStringList keys;
    for (int i = 0; i < e.keyCount(); ++i) {
        EXPECT_EQ(e.value(i), e.isFlag() ? (1 << i) : i) << e.key(i);
        keys << QString::fromLatin1(e.key(i));
    }
    return keys;
}

} // namespace

TEST(GraphicsTypes, EnumerationsAreInOrdinalOrder)
{
    const QMetaObject &ns = graphics::staticMetaObject;
    auto keysOf = [&](const char *name) { return enumKeys(ns.enumerator(ns.indexOfEnumerator(name))); };
    EXPECT_EQ(keysOf("TPenStyle"), (QStringList{"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot",
                                               "psClear", "psInsideFrame"}));
    EXPECT_EQ(keysOf("TPenMode"),
              (QStringList{"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                           "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask",
                           "pmNotMask", "pmXor", "pmNotXor"}));
    EXPECT_EQ(keysOf("TBrushStyle"), (QStringList{"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                                 "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"}));
    EXPECT_EQ(keysOf("TFontPitch"), (QStringList{"fpDefault", "fpVariable", "fpFixed"}));
    EXPECT_EQ(keysOf("TFontStyles"), (QStringList{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}));
    EXPECT_EQ(keysOf("TAlignment"), (QStringList{"taLeftJustify", "taRightJustify", "taCenter"}));
    EXPECT_EQ(keysOf("TBorderStyle"), (QStringList{"bsNone", "bsSingle"}));
    // The names are reachable from namespace sw as well.
    EXPECT_EQ(sw::pmNotXor, 15);
    EXPECT_EQ(QMetaEnum::fromType<sw::TPenMode>().valueToKey(sw::pmXor), QByteArray("pmXor"));
}

TEST(TPen, DefaultsStoreNothingAndEachChangeIsStored)
{
    TPen pen;
    EXPECT_EQ(pen.color(), clBlack);
    EXPECT_EQ(pen.mode(), pmCopy);
    EXPECT_EQ(pen.style(), psSolid);
    EXPECT_EQ(pen.width(), 1);
    EXPECT_TRUE(propertiesToStore(pen).isEmpty());

    pen.setWidth(3);
    EXPECT_EQ(propertiesToStore(pen), QStringList{"Width"});
    pen.setColor(clRed);
    pen.setMode(pmXor);
    pen.setStyle(psDot);
    EXPECT_EQ(propertiesToStore(pen), (QStringList{"Color", "Mode", "Style", "Width"}));
    EXPECT_TRUE(PropertyInfo::isColor(pen.metaObject(), "Color"));
    EXPECT_EQ(PropertyInfo::defaultValue(pen.metaObject(), "Mode").toInt(), int(pmCopy));
}

TEST(TPen, ChangeNotificationAndAssign)
{
    TPen a, b;
    QSignalSpy spy(&b, &TPen::changed);
    b.setWidth(1); // equal value: no notification
    EXPECT_EQ(spy.count(), 0);
    a.setColor(clBlue);
    a.setWidth(4);
    a.setStyle(psInsideFrame);
    a.setMode(pmNotXor);
    b.Assign(a);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(b.sameAs(a));
    b.Assign(a);
    EXPECT_EQ(spy.count(), 1);
}

TEST(TBrush, DefaultsAndPattern)
{
    TBrush brush;
    EXPECT_EQ(brush.color(), clWhite);
    EXPECT_EQ(brush.style(), bsSolid);
    EXPECT_TRUE(propertiesToStore(brush).isEmpty());
    brush.setStyle(bsClear);
    EXPECT_EQ(propertiesToStore(brush), QStringList{"Style"});
    brush.setColor(clNone);
    EXPECT_EQ(propertiesToStore(brush), (QStringList{"Color", "Style"}));

    QSignalSpy spy(&brush, &TBrush::changed);
    QImage pattern(8, 8, QImage::Format_RGB32);
    pattern.fill(Qt::white);
    brush.setPattern(pattern);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(brush.hasPattern());
    EXPECT_EQ(brush.style(), bsSolid);
    // The pattern is not a stored property.
    EXPECT_EQ(propertiesToStore(brush), QStringList{"Color"});

    TBrush copy;
    copy.Assign(brush);
    EXPECT_TRUE(copy.hasPattern());
    EXPECT_TRUE(copy.sameAs(brush));
}
