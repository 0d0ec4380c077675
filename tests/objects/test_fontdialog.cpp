// The font window on its own: the face list with the faces that draw the
// classic names, the symbol sample, whole-point sizes that keep an
// unchanged height, and the colour list.
#include "ObjectTestUtil.h"

#include "objects/SymbolFontMap.h"
#include "objects/ui/ColorDropDown.h"
#include "objects/ui/FontDialog.h"
#include "platform/TFont.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace sw;

TEST(FontWindow, ListsClassicNamesWithTheFaceThatDrawsThem)
{
    EXPECT_EQ(FontDialog::listText(QStringLiteral("Arial")), QStringLiteral("Arial \u2014 drawn with Liberation Sans"));
    EXPECT_EQ(FontDialog::listText(QStringLiteral("Times New Roman")),
              QStringLiteral("Times New Roman \u2014 drawn with Liberation Serif"));
    EXPECT_EQ(FontDialog::listText(QStringLiteral("WingDings")), QStringLiteral("WingDings \u2014 drawn with Symbola"));
    EXPECT_EQ(FontDialog::listText(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));

    FontDialog dialog;
    TFont font;
    font.setName(QStringLiteral("Label Gothic")); // a face nobody has
    dialog.setSelectedFont(font);
    QStringList faces;
    for (int i = 0; i < dialog.FaceList()->count(); ++i)
        faces << dialog.FaceList()->item(i)->data(Qt::UserRole).toString();
    for (const QString &face : faces)
        EXPECT_FALSE(face.contains(QLatin1String(" ["))) << qPrintable(face); // no foundry
    for (const char *face : {"MS Sans Serif", "Arial", "Times New Roman", "Courier New", "WingDings",
                             "Liberation Sans", "DejaVu Sans", "Label Gothic"})
        EXPECT_EQ(faces.count(QLatin1String(face)), 1) << face;
    EXPECT_EQ(dialog.currentFace(), QStringLiteral("Label Gothic"));
    EXPECT_TRUE(dialog.FaceList()->currentItem()->text().startsWith(QStringLiteral("Label Gothic \u2014 drawn with ")));
    EXPECT_EQ(dialog.FaceEdit()->text(), QStringLiteral("Label Gothic"));

    // WingDings keeps its name and its sample shows the symbols.
    ASSERT_TRUE(dialog.selectFace(QStringLiteral("wingdings")));
    EXPECT_EQ(dialog.selectedFont().name(), QStringLiteral("WingDings"));
    EXPECT_EQ(dialog.Sample()->text(), SymbolFontMap::toDisplay(QStringLiteral("AaBbYyZz")));
    EXPECT_EQ(dialog.Sample()->font().family(), SymbolFontMap::displayFace());
}

TEST(FontWindow, SizesAreWholePointsAndAnUnchangedSizeKeepsTheHeight)
{
    const test::ScreenResolution screen(96);
    FontDialog dialog;
    TFont font;
    font.setHeight(-14); // 10.5 points: shown as 11
    dialog.setSelectedFont(font);
    EXPECT_EQ(dialog.SizeEdit()->text(), QStringLiteral("11"));

    auto type = [&](const QString &text) {
        dialog.SizeEdit()->selectAll();
        QTest::keyClicks(dialog.SizeEdit(), text);
    };
    type(QStringLiteral("12"));
    EXPECT_EQ(dialog.selectedFont().height(), -16);
    EXPECT_EQ(dialog.SizeList()->currentItem()->text(), QStringLiteral("12"));
    type(QStringLiteral("11")); // and back: the stored height stays
    EXPECT_EQ(dialog.selectedFont().height(), -14);

    type(QStringLiteral("999"));
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.selectedFont().height(), -1332);
    dialog.SizeEdit()->clear();
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    type(QStringLiteral("0"));
    EXPECT_FALSE(dialog.okButton()->isEnabled());

    // A stored size beyond the box's range stays valid as it is.
    font.setSize(1200);
    dialog.setSelectedFont(font);
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.selectedFont().height(), -1600);

    // A list click sets the size box.
    dialog.SizeList()->setCurrentRow(0);
    EXPECT_EQ(dialog.SizeEdit()->text(), QStringLiteral("8"));
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.selectedFont().height(), -11);
}

TEST(FontWindow, AColourOutsideTheListIsKeptAndAHiddenColourCannotChange)
{
    FontDialog dialog;
    TFont font;
    font.setColor(0x00123456);
    dialog.setSelectedFont(font);
    EXPECT_EQ(dialog.ColorBox()->color(), 0x00123456);
    EXPECT_EQ(dialog.selectedFont().color(), 0x00123456);
    dialog.ColorBox()->setColor(clGreen);
    EXPECT_EQ(dialog.selectedFont().color(), clGreen);

    dialog.setColorShown(false);
    EXPECT_TRUE(dialog.ColorBox()->isHidden());
    EXPECT_EQ(dialog.selectedFont().color(), 0x00123456);

    // The default font's window text is listed by its name, not as black.
    font.setColor(clWindowText);
    dialog.setColorShown(true);
    dialog.setSelectedFont(font);
    EXPECT_EQ(dialog.ColorBox()->currentText(), QStringLiteral("Window Text"));
    EXPECT_EQ(dialog.selectedFont().color(), clWindowText);
}
