#include "platform/TFont.h"

#include "platform/PropertyInfo.h"
#include "platform/ScreenInfo.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace sw;

TEST(TFont, NewFontDefaults)
{
    TFont f;
    EXPECT_EQ(f.name(), QLatin1String("MS Sans Serif"));
    EXPECT_EQ(f.color(), clWindowText);
    EXPECT_EQ(f.height(), -11);
    EXPECT_EQ(f.pitch(), fpDefault);
    EXPECT_EQ(f.style(), TFontStyles());
    EXPECT_EQ(f.pixelsPerInch(), ScreenInfo::pixelsPerInch());
}

TEST(TFont, SizeFollowsHeightAtTheFontsResolution)
{
    TFont f;
    f.setPixelsPerInch(96);
    f.setHeight(-16);
    EXPECT_EQ(f.size(), 12);
    f.setPixelsPerInch(120);
    EXPECT_EQ(f.height(), -16); // the resolution keeps the pixel height
    EXPECT_EQ(f.size(), 10);    // 16 * 72 / 120 = 9.6
    f.setHeight(20);            // a cell height gives a negative size
    EXPECT_EQ(f.size(), -12);
}

TEST(TFont, SettingSizeSetsHeight)
{
    TFont f;
    f.setPixelsPerInch(96);
    f.setSize(10);
    EXPECT_EQ(f.height(), -13); // 10 * 96 / 72 = 13.33
    f.setSize(12);
    EXPECT_EQ(f.height(), -16);
    f.setPixelsPerInch(120);
    f.setSize(10);
    EXPECT_EQ(f.height(), -17); // 16.67
    f.setPixelsPerInch(600);
    f.setSize(9);
    EXPECT_EQ(f.height(), -75);
}

TEST(TFont, AssignCarriesPointsAcrossResolutions)
{
    TFont screen;
    screen.setPixelsPerInch(96);
    screen.setHeight(-16);
    screen.setName(QStringLiteral("Arial"));
    screen.setColor(clRed);
    screen.setStyle(fsBold | fsUnderline);
    screen.setPitch(fpFixed);

    TFont printer;
    printer.setPixelsPerInch(600);
    QSignalSpy spy(&printer, &TFont::changed);
    printer.Assign(screen);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(printer.height(), -100); // 12 points at 600
    EXPECT_EQ(printer.size(), 12);
    EXPECT_EQ(printer.name(), QLatin1String("Arial"));
    EXPECT_EQ(printer.color(), clRed);
    EXPECT_EQ(printer.style(), fsBold | fsUnderline);
    EXPECT_EQ(printer.pitch(), fpFixed);
    EXPECT_EQ(printer.pixelsPerInch(), 600);

    // Same resolution: the pixel height is copied as is, even when it is no
    // whole number of points.
    TFont other;
    other.setPixelsPerInch(96);
    screen.setHeight(-15);
    other.Assign(screen);
    EXPECT_EQ(other.height(), -15);
    EXPECT_TRUE(other.sameAs(screen));
    QSignalSpy again(&other, &TFont::changed);
    other.Assign(screen);
    other.setHeight(-15);
    EXPECT_EQ(again.count(), 0);
}

TEST(TFont, PublishedPropertiesInStoredOrder)
{
    const QMetaObject *meta = &TFont::staticMetaObject;
    QStringList names;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        names << QString::fromLatin1(meta->property(i).name());
    EXPECT_EQ(names, (QStringList{"Color", "Height", "Name", "Pitch", "Size", "Style"}));

    TFont f;
    EXPECT_TRUE(PropertyInfo::isColor(meta, "Color"));
    EXPECT_FALSE(PropertyInfo::isColor(meta, "Height"));
    EXPECT_FALSE(PropertyInfo::isStored(&f, "Size"));
    EXPECT_TRUE(PropertyInfo::isStored(&f, "Color"));
    EXPECT_TRUE(PropertyInfo::isStored(&f, "Style"));
    EXPECT_FALSE(PropertyInfo::isStored(&f, "Pitch"));
    f.setPitch(fpVariable);
    EXPECT_TRUE(PropertyInfo::isStored(&f, "Pitch"));
    EXPECT_FALSE(PropertyInfo::isDefault(&f, "Pitch"));
    // Colour, height, name and style have no default: always written.
    EXPECT_FALSE(PropertyInfo::defaultValue(meta, "Style").isValid());
    EXPECT_FALSE(PropertyInfo::isDefault(&f, "Color"));

    const QMetaProperty style = meta->property(meta->indexOfProperty("Style"));
    ASSERT_TRUE(style.isFlagType());
    f.setStyle(fsItalic | fsStrikeOut);
    EXPECT_EQ(PropertyInfo::intValue(&f, "Style"), 0x2 | 0x8);
    EXPECT_EQ(QByteArray(style.enumerator().valueToKeys(PropertyInfo::intValue(&f, "Style"))),
              QByteArray("fsItalic|fsStrikeOut"));
    const QMetaProperty pitch = meta->property(meta->indexOfProperty("Pitch"));
    ASSERT_TRUE(pitch.isEnumType());
    EXPECT_STREQ(pitch.enumerator().valueToKey(PropertyInfo::intValue(&f, "Pitch")), "fpVariable");
    // Written through the generic property interface, as a reader would.
    EXPECT_TRUE(f.setProperty("Height", -20));
    EXPECT_EQ(f.height(), -20);
}

TEST(TFont, RealisedFontSubstitutesTheClassicFaces)
{
    TFont f;
    f.setHeight(-16);
    f.setStyle(fsBold | fsItalic);
    QFont q = f.toQFont();
    EXPECT_EQ(QFontInfo(q).family(), QLatin1String("Liberation Sans"));
    EXPECT_EQ(q.pixelSize(), 16);
    EXPECT_EQ(q.weight(), QFont::Bold);
    EXPECT_TRUE(q.italic());
    EXPECT_FALSE(q.underline());

    f.setName(QStringLiteral("Times New Roman"));
    EXPECT_EQ(QFontInfo(f.toQFont()).family(), QLatin1String("Liberation Serif"));
    f.setName(QStringLiteral("Courier New"));
    EXPECT_TRUE(QFontInfo(f.toQFont()).fixedPitch());
}

TEST(TFont, PositiveHeightIsTheCellHeight)
{
    TFont f;
    f.setName(QStringLiteral("Arial"));
    f.setHeight(40);
    const QFontMetrics fm(f.toQFont());
    EXPECT_NEAR(fm.ascent() + fm.descent(), 40, 1);
    EXPECT_LT(f.toQFont().pixelSize(), 40); // the em is smaller than the cell
}
