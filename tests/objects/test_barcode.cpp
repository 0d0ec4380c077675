// The barcode object and its symbol: what each symbology refuses and why,
// GS1 check digits, fitting the code into a box of dots, the stream form
// byte for byte, the panel's red message, the popup entries and the print
// substitution.
#include "FakePanelHost.h"
#include "ObjectTestUtil.h"

#include "objects/ObjectEditors.h"
#include "objects/TGBarcode.h"
#include "persistence/ClassRegistry.h"
#include "persistence/StreamErrors.h"
#include "report/TImageReport.h"

#include <QMetaProperty>
#include <algorithm>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

// A string literal's bytes, zeros included.
template <size_t N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

// Pixels of exactly this colour in the area.
int pixelsOf(const QImage &image, const QRect &area, QRgb color)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == color;
    return n;
}

// Pixels that are clearly red, smoothed text edges included.
int reddish(const QImage &image, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qRed(p) - qGreen(p) > 80 && qGreen(p) == qBlue(p);
        }
    return n;
}

// The object printed alone at the page's corner at 300 dpi: where ink fell.
QRect printedInk(TGBarcode &barcode)
{
    TImageReport report(300, 300);
    report.BeginDoc();
    barcode.PrintTo(report, 0, 0);
    report.EndDoc();
    return inkBounds(report.PageImage(0), QRect(0, 0, 600, 400));
}

QRect unitedBars(const BarcodeSymbol::Placement &p)
{
    QRect r;
    for (const QRect &bar : p.bars)
        r = r.united(bar);
    return r;
}

} // namespace

// ---- what the symbologies accept -------------------------------------------------------

TEST(BarcodeSymbol, Gs1CheckDigitsAreAddedAndWrongOnesRefused)
{
    EXPECT_EQ(BarcodeSymbol::gs1CheckDigit(QStringLiteral("400638133393")), 1);
    EXPECT_EQ(BarcodeSymbol::gs1CheckDigit(QStringLiteral("000000000000")), 0);
    const struct
    {
        TBarcodeSymbology symbology;
        const char *data;
        const char *reads;
    } added[] = {
        {bcEAN13, "590123412345", "5901234123457"},   {bcEAN13, "4006381333931", "4006381333931"},
        {bcUPCA, "03600029145", "036000291452"},      {bcUPCA, "036000291452", "036000291452"},
        {bcITF14, "1234567890123", "12345678901231"}, {bcITF14, "12345678901231", "12345678901231"},
    };
    for (const auto &c : added) {
        const BarcodeSymbol s = BarcodeSymbol::encode(c.symbology, QLatin1String(c.data));
        EXPECT_TRUE(s.isValid()) << c.data << ": " << s.error().toStdString();
        EXPECT_EQ(s.humanReadable(), QLatin1String(c.reads)) << c.data;
    }
}

TEST(BarcodeSymbol, RefusedDataSaysWhy)
{
    const struct
    {
        TBarcodeSymbology symbology;
        QString data;
        const char *problem;
    } refused[] = {
        {bcEAN13, QStringLiteral("5901234123458"), "check digit should be 7"},
        {bcUPCA, QStringLiteral("036000291453"), "check digit should be 2"},
        {bcITF14, QStringLiteral("12345678901230"), "check digit should be 1"},
        // The encoder would make a 5-digit add-on code of this.
        {bcEAN13, QStringLiteral("12345"), "EAN-13 needs 12 or 13 digits"},
        {bcEAN13, QStringLiteral("59012341234a"), "EAN-13 needs 12 or 13 digits"},
        {bcUPCA, QStringLiteral("0360002914"), "UPC-A needs 11 or 12 digits"},
        {bcITF14, QStringLiteral("123456789012"), "ITF-14 needs 13 or 14 digits"},
        // The encoder would quietly encode capitals instead.
        {bcCode39, QStringLiteral("Part a1"), "Code 39 cannot encode \"a\""},
        {bcCode128, QStringLiteral("Tokyo 東京"), "Code 128 cannot encode \"東\""},
        {bcQRCode, QString(), "No data to encode"},
        {bcCode128, QString(161, QLatin1Char('A')), "Too much data for Code 128"},
        {bcQRCode, QString(8000, QLatin1Char('A')), "Too much data for QR Code"},
    };
    for (const auto &c : refused) {
        const BarcodeSymbol s = BarcodeSymbol::encode(c.symbology, c.data);
        EXPECT_EQ(s.error().toStdString(), c.problem);
        EXPECT_TRUE(s.place(QRect(0, 0, 300, 100), 10, true).bars.isEmpty());
    }
    // Latin-1 is Code 128's; 2D codes take any text.
    EXPECT_TRUE(BarcodeSymbol::encode(bcCode128, QStringLiteral("Größe 5½")).isValid());
    EXPECT_TRUE(BarcodeSymbol::encode(bcDataMatrix, QStringLiteral("東京")).isValid());
}

// ---- fitting the code into a box ----------------------------------------------------------

TEST(BarcodeSymbol, LinearCodeFillsTheWidthInWholeDotsWithItsQuietZones)
{
    const BarcodeSymbol s = BarcodeSymbol::encode(bcCode128, QStringLiteral("12345678"));
    // Start, 4 double-digit characters, check, stop: 11 x 6 + 13 modules,
    // and 10 modules of quiet zone on either side.
    ASSERT_EQ(s.width(), 10 + 11 * 6 + 13 + 10);
    const QRect box(100, 50, 420, 150);
    const BarcodeSymbol::Placement p = s.place(box, 30, true);
    EXPECT_EQ(p.module, 4); // 420 / 99 = 4.2
    // 99 x 4 = 396 dots, centred: 12 dots left over on either side.
    const int x0 = box.left() + 12;
    const QRect bars = unitedBars(p);
    EXPECT_EQ(bars.left(), x0 + 10 * 4);
    EXPECT_EQ(bars.right() + 1, x0 + (10 + 79) * 4);
    for (const QRect &bar : p.bars) {
        EXPECT_EQ((bar.left() - x0) % 4, 0);
        EXPECT_EQ(bar.width() % 4, 0);
    }
    // The bars stand on the human-readable line, which ends inside the box;
    // without it they take the whole height.
    EXPECT_EQ(bars.top(), box.top());
    EXPECT_GT(p.textTop, bars.bottom());
    EXPECT_LE(p.textTop + 30, box.bottom() + 1);
    EXPECT_EQ(unitedBars(s.place(box, 0, true)).height(), box.height());
    // On screen the code fills the box as on paper: 99 modules in 144
    // pixels, bar edges rounded to whole pixels.
    const BarcodeSymbol::Placement screen = s.place(QRect(0, 0, 144, 72), 0, false);
    EXPECT_EQ(unitedBars(screen), QRect(15, 0, 129 - 15, 72)); // 10 x 144 / 99 = 14.5 .. 89 x 144 / 99 = 129.4
    // Fewer dots than modules: one dot each, overflowing evenly.
    const BarcodeSymbol::Placement tight = s.place(QRect(0, 0, 79, 40), 0, true);
    EXPECT_EQ(tight.module, 1);
    EXPECT_EQ(unitedBars(tight), QRect(0, 0, 79, 40));
}

TEST(BarcodeSymbol, GuardAndBearerBarsKeepTheirSizeInModules)
{
    // EAN-13: start, centre and end guards (two bars each) reach 5 modules
    // further down, beside the digits.
    const BarcodeSymbol ean = BarcodeSymbol::encode(bcEAN13, QStringLiteral("590123412345"));
    const BarcodeSymbol::Placement p = ean.place(QRect(0, 0, 339, 200), 24, true);
    EXPECT_EQ(p.module, 3); // 339 / (11 + 95 + 7)
    const QRect bars = unitedBars(p);
    const int mainBottom = p.bars[2].bottom(); // the first data bar
    EXPECT_EQ(std::count_if(p.bars.cbegin(), p.bars.cend(),
                            [&](const QRect &b) { return b.bottom() == bars.bottom(); }),
              6);
    EXPECT_EQ(bars.bottom() - mainBottom, 5 * 3);
    EXPECT_GT(p.textTop, mainBottom);
    ASSERT_EQ(p.texts.size(), 3);
    // The leading digit stands in the quiet zone, ending left of the bars.
    EXPECT_EQ(p.texts[0].text, QStringLiteral("5"));
    EXPECT_EQ(p.texts[0].align, BarcodeSymbol::TextAlign::Right);
    EXPECT_LT(p.texts[0].x, bars.left());

    // ITF-14: bearer bars 5 modules thick above and below, the digits under them.
    const BarcodeSymbol itf = BarcodeSymbol::encode(bcITF14, QStringLiteral("1234567890123"));
    const BarcodeSymbol::Placement q = itf.place(QRect(0, 0, 750, 300), 37, true);
    EXPECT_EQ(q.module, 4);
    QList<QRect> bearers;
    for (const QRect &b : q.bars)
        if (b.width() == 165 * 4)
            bearers << b;
    ASSERT_EQ(bearers.size(), 2);
    EXPECT_EQ(bearers[0].height(), 5 * 4);
    EXPECT_EQ(bearers[1].height(), 5 * 4);
    EXPECT_GT(q.textTop, bearers[1].bottom());
    EXPECT_LE(q.textTop + 37, 300);
}

TEST(BarcodeSymbol, MatrixCodesStaySquareAndCentred)
{
    const BarcodeSymbol s = BarcodeSymbol::encode(bcQRCode, QStringLiteral("Stickwell"));
    ASSERT_EQ(s.width(), 21 + 8); // version 1 with 4 modules of quiet zone each side
    const BarcodeSymbol::Placement p = s.place(QRect(0, 0, 300, 100), 20, true);
    EXPECT_EQ(p.module, 3);
    EXPECT_TRUE(p.texts.isEmpty());
    // 29 x 3 = 87 dots centred in 300 x 100, the quiet zone inside.
    EXPECT_EQ(unitedBars(p), QRect((300 - 87) / 2 + 4 * 3, (100 - 87) / 2 + 4 * 3, 21 * 3, 21 * 3));
    // Twice as many dots per inch down as across: twice as many dots down.
    const BarcodeSymbol::Placement fine = s.place(QRect(0, 0, 300, 100), 0, true, 2.0);
    EXPECT_EQ(fine.module, 1); // 100 dots down hold 29 x 2 dots, not 29 x 4
    EXPECT_EQ(unitedBars(fine).height(), 2 * unitedBars(fine).width());
}

// ---- the object ----------------------------------------------------------------------------

struct BarcodeObject : ::testing::Test
{
    ScreenResolution screen{96};
    FakePanelHost panel;
    TGBarcode *barcode = nullptr;

    void SetUp() override
    {
        RegisterClass<TGBarcode>();
        barcode = panel.adopt(new TGBarcode);
        barcode->setObjectName(QStringLiteral("Barcode1"));
        barcode->Loaded();
        barcode->SetBounds(10, 20, 144, 72);
        panel.resetCounts();
    }
};

TEST_F(BarcodeObject, StreamFormByteForByte)
{
    // Name (short string), value tag, value: the header and the base's
    // properties, then the font, whatever the barcode's settings.
    const QByteArray header = bytes("TPF0" "\x09TGBarcode" "\x08" "Barcode1" "\x04Left\x02\x0a" "\x03Top\x02\x14"
                                    "\x05Width\x03\x90\x00" "\x06Height\x02\x48" "\x06Locked\x08"
                                    "\x0cUnselectable\x08");
    const QByteArray font = bytes("\x0a" "Font.Color\x07\x07" "clBlack" "\x0b" "Font.Height\x02\xf5" // -11: 8 pt
                                  "\x09" "Font.Name\x06\x05" "Arial" "\x0a" "Font.Style\x0b\x00");
    const QByteArray end = bytes("\x00" "\x00"); // end of the properties, no children

    // Defaults are left out; Data is always written.
    const QByteArray data = bytes("\x04" "Data\x06\x08" "12345678");
    EXPECT_EQ(write(barcode).toHex(' '), (header + data + font + end).toHex(' '));

    // Text outside the 8-bit character set: DataUtf8 (vaBinary of its
    // UTF-8 bytes) instead of Data, after every published property.
    barcode->SetSymbology(bcQRCode);
    barcode->SetData(QStringLiteral("東京"));
    barcode->SetShowText(false);
    barcode->SetBarColor(clNavy);
    barcode->SetBackColor(0x123456);
    barcode->SetTransparent(false);
    const QByteArray settings = bytes("\x09Symbology\x07\x08" "bcQRCode" "\x08ShowText\x08" "\x08" "BarColor\x07\x06"
                                      "clNavy" "\x09" "BackColor\x04\x56\x34\x12\x00" "\x0bTransparent\x08");
    const QByteArray utf8 = bytes("\x08" "DataUtf8\x0a\x06\x00\x00\x00\xe6\x9d\xb1\xe4\xba\xac");
    EXPECT_EQ(write(barcode).toHex(' '), (header + settings + font + utf8 + end).toHex(' '));
}

TEST_F(BarcodeObject, ReadsBackWhatItWroteAndRefusesBrokenUtf8)
{
    QObject parent, other;
    barcode->SetSymbology(bcDataMatrix);
    barcode->SetData(QStringLiteral("Grüße, 東京 🙂"));
    barcode->SetBackColor(clYellow);
    QByteArray data = write(barcode);
    auto *r = readBack<TGBarcode>(&parent, data);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Symbology(), bcDataMatrix);
    EXPECT_EQ(r->Data(), QStringLiteral("Grüße, 東京 🙂"));
    EXPECT_EQ(r->BackColor(), clYellow);

    data[data.indexOf("\xe6\x9d\xb1") + 1] = 'x'; // a lead byte without its continuation
    try {
        readBack<TGBarcode>(&other, data);
        FAIL() << "read a broken DataUtf8";
    } catch (const std::exception &e) {
        EXPECT_STREQ(e.what(), "Error reading Barcode1.DataUtf8: Invalid property value");
    }
}

TEST_F(BarcodeObject, SettersReportChangesAndEqualValuesNothing)
{
    const QMetaObject *meta = barcode->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        if (meta->property(i).isWritable())
            meta->property(i).write(barcode, meta->property(i).read(barcode));
    EXPECT_EQ(panel.changes + panel.repaints, 0);
    barcode->SetSymbology(bcEAN13);
    barcode->SetData(QStringLiteral("590123412345"));
    barcode->SetShowText(false);
    barcode->SetBarColor(clBlue);
    barcode->SetBackColor(clAqua);
    barcode->SetTransparent(false);
    barcode->Font()->setSize(12);
    EXPECT_EQ(panel.changes, 7);
    // Reading from a stream stores without reports.
    barcode->setProperty("swLoading", true);
    barcode->SetData(QStringLiteral("From file"));
    barcode->setProperty("swLoading", QVariant());
    EXPECT_EQ(panel.changes, 7);
}

TEST_F(BarcodeObject, PopupMenuAddsPropertiesAndShowText)
{
    PopupMenu &menu = barcode->ObjectMenu();
    ASSERT_EQ(menu.count(), 15); // the base's twelve, a separator and these two
    EXPECT_EQ(menu.entry(13).caption, QStringLiteral("Barcode Properties"));
    EXPECT_EQ(menu.entry(14).caption, QStringLiteral("Show Text"));
    EXPECT_TRUE(menu.entry(14).checked);
    ASSERT_TRUE(menu.trigger(QStringLiteral("Show Text")));
    EXPECT_FALSE(barcode->ShowText());
    EXPECT_FALSE(menu.entry(14).checked);
    EXPECT_EQ(panel.changes, 1);

    TGGraphicControl *edited = nullptr;
    ObjectEditors::setEditor("TGBarcode", [&](TGGraphicControl *object) { return (edited = object) != nullptr; });
    EXPECT_TRUE(menu.trigger(QStringLiteral("Barcode Properties")));
    EXPECT_EQ(edited, barcode);
    ObjectEditors::setEditor("TGBarcode", [](TGGraphicControl *) { return false; });
}

TEST_F(BarcodeObject, RefusedDataShowsInRedAndPrintsNothing)
{
    barcode->SetSymbology(bcEAN13);
    barcode->SetData(QStringLiteral("5901234123458"));
    EXPECT_EQ(barcode->Problem(), QStringLiteral("check digit should be 7"));
    EXPECT_EQ(barcode->PrintProblem(),
              QStringLiteral("The EAN-13 barcode \"5901234123458\" cannot be printed: check digit should be 7"));

    const QImage shown = paint(*barcode);
    const QRgb red = qRgb(255, 0, 0);
    // The frame runs round the box; the message is inside it; no bars.
    EXPECT_EQ(pixelsOf(shown, QRect(0, 0, 144, 1), red) + pixelsOf(shown, QRect(0, 71, 144, 1), red), 2 * 144);
    EXPECT_GT(reddish(shown, QRect(2, 2, 140, 68)), 40);
    EXPECT_EQ(pixelsOf(shown, shown.rect(), qRgb(0, 0, 0)), 0);
    EXPECT_EQ(printedInk(*barcode), QRect());

    // A valid code: black bars, nothing red.
    barcode->SetData(QStringLiteral("5901234123457"));
    const QImage good = paint(*barcode);
    EXPECT_EQ(pixelsOf(good, good.rect(), red), 0);
    EXPECT_GT(pixelsOf(good, good.rect(), qRgb(0, 0, 0)), 1000);
    EXPECT_TRUE(barcode->PrintProblem().isEmpty());
}

TEST_F(BarcodeObject, FieldsTheSymbologyCannotTakeAsWrittenShowInGreyNotRed)
{
    barcode->SetSymbology(bcEAN13);
    barcode->SetData(QStringLiteral("${Code}"));
    EXPECT_TRUE(barcode->DataHoldsFields());
    const QImage shown = paint(*barcode);
    const QRgb grey = qRgb(128, 128, 128);
    EXPECT_EQ(pixelsOf(shown, QRect(0, 0, 144, 1), grey) + pixelsOf(shown, QRect(0, 71, 144, 1), grey), 2 * 144);
    EXPECT_EQ(reddish(shown, shown.rect()), 0);
    // Printed without a data file it is still refused, as written.
    EXPECT_FALSE(barcode->PrintProblem().isEmpty());

    // An escaped "$${" is text, not a field: refused in red as before.
    barcode->SetData(QStringLiteral("$${Code}"));
    EXPECT_FALSE(barcode->DataHoldsFields());
    EXPECT_GT(reddish(paint(*barcode), QRect(2, 2, 140, 68)), 40);
}

TEST_F(BarcodeObject, PrintSubstitutionChangesWhatPrintsNotTheObject)
{
    barcode->SetSymbology(bcEAN13);
    barcode->SetData(QStringLiteral("${Article}"));
    EXPECT_EQ(barcode->Problem(), QStringLiteral("EAN-13 needs 12 or 13 digits"));
    EXPECT_FALSE(barcode->PrintProblem().isEmpty());

    TGGraphicControl *object = barcode;
    object->SetPrintSubstitution([](QString text) {
        return text.replace(QStringLiteral("${Article}"), QStringLiteral("590123412345"));
    });
    EXPECT_TRUE(object->PrintProblem().isEmpty());
    EXPECT_EQ(barcode->PrintedData(), QStringLiteral("590123412345"));
    EXPECT_EQ(barcode->Data(), QStringLiteral("${Article}"));
    EXPECT_EQ(panel.changes, 2); // the two setters only

    // 1.5 x 0.75 inch at (10, 20) pixels: bars across the box at 300 dpi.
    const QRect printed = printedInk(*barcode);
    EXPECT_GE(printed.left(), 31);
    EXPECT_LE(printed.right(), 31 + 450);
    EXPECT_GE(printed.width(), 95 * 3); // 113 modules of 3 dots with the quiet zones

    object->SetPrintSubstitution({});
    EXPECT_FALSE(object->PrintProblem().isEmpty());
}
