// The rich-text label: its stream (the document as RTF only when there is
// one), label files holding RTF from elsewhere byte for byte, the master it
// paints through, its popup entries, painting at the panel's zoom and
// printing in vector form on paper and in the preview.
#include "FakePanelHost.h"
#include "ObjectTestUtil.h"

#include "objects/ENoMasterWPRich.h"
#include "objects/LabelDialogs.h"
#include "objects/TGPRichBaseLabel.h"
#include "persistence/ClassRegistry.h"
#include "persistence/StreamErrors.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/ProgramFolder.h"
#include "report/TFilePrinter.h"
#include "report/TImageDevice.h"
#include "report/TImageReport.h"
#include "report/TReportFiler.h"
#include "richtext/TWPRichText.h"
#include "surface/TGStickwellPanel32.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

// RTF of another word processor, with a style sheet, code-page escapes,
// \uN, and line breaks of its own.
const QByteArray kForeign =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "{\\stylesheet{\\s0 Normal;}}{\\*\\generator Other 1.0;}\\viewkind4\\pard\\f0\\fs20 Dear "
    "{\\b Jane} have a {\\i\\cf1 good} day \\'e9\\u321?\\par\r\n\\pard\\qc\\f1\\fs28 Happy Birthday\\par\r\n}";

QRect inkIn(const QImage &image, const QRect &area)
{
    return inkBounds(image, area);
}

struct RichLabel : ::testing::Test
{
    ScreenResolution screen{96};
    QTemporaryDir dir;
    void SetUp() override
    {
        ProgramFolder::setPath(dir.path());
        RegisterClass<TGPRichBaseLabel>();
    }
    void TearDown() override
    {
        ProgramFolder::setPath(QString());
        LabelDialogs::chooseColor = nullptr;
    }
};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST_F(RichLabel, StartsAsTheToolMakesIt)
{
    TGPRichBaseLabel label;
    EXPECT_EQ(label.Width(), 190);
    EXPECT_EQ(label.Height(), 33);
    EXPECT_TRUE(label.Transparent());
    EXPECT_EQ(label.BGColor(), clWhite);
    EXPECT_EQ(label.BorderStyle(), bsSingle);
    EXPECT_TRUE(label.RTFText()->isEmpty());
    EXPECT_EQ(label.Master(), nullptr);
}

TEST_F(RichLabel, StreamHoldsTheDocumentOnlyWhenThereIsOne)
{
    QObject form;
    TWPRichText::createMaster(&form);
    TGPRichBaseLabel label;
    label.setObjectName(QStringLiteral("Special1"));
    const QByteArray empty = write(&label);
    EXPECT_FALSE(empty.contains("RTFText"));
    // BorderStyle, Transparent and BGColor are always written, in this order.
    EXPECT_LT(empty.indexOf("Unselectable"), empty.indexOf("BorderStyle"));
    EXPECT_LT(empty.indexOf("BorderStyle"), empty.indexOf("Transparent"));
    EXPECT_LT(empty.indexOf("Transparent"), empty.indexOf("BGColor"));
    EXPECT_TRUE(empty.contains("clWhite"));

    label.RTFText()->setRtf(kForeign);
    label.SetBorderStyle(bsNone);
    label.SetBGColor(0x123456);
    label.SetTransparent(false);
    const QByteArray data = write(&label);
    // RTFText.Data: vaBinary (10), a four-byte length, the RTF as it was read.
    const QByteArray key = QByteArray("\x0CRTFText.Data\x0A", 14);
    const int at = data.indexOf(key);
    ASSERT_GE(at, 0);
    EXPECT_LT(at, data.indexOf("BorderStyle"));
    const QByteArray length = data.mid(at + key.size(), 4);
    EXPECT_EQ(uchar(length[0]) + 256 * uchar(length[1]), kForeign.size());
    EXPECT_EQ(length.mid(2), QByteArray(2, '\0'));
    EXPECT_EQ(data.mid(at + key.size() + 4, kForeign.size()), kForeign);

    auto *back = readBack<TGPRichBaseLabel>(&form, data);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->RTFText()->document()->toPlainText(), label.RTFText()->document()->toPlainText());
    EXPECT_EQ(back->BorderStyle(), bsNone);
    EXPECT_EQ(back->BGColor(), 0x123456);
    EXPECT_FALSE(back->Transparent());
    EXPECT_EQ(write(back).mid(write(back).indexOf("RTFText")), data.mid(data.indexOf("RTFText")));
    // Read onto a form: the master is found by Loaded.
    EXPECT_EQ(back->Master(), TWPRichText::findMaster(back));
    EXPECT_NE(back->Master(), nullptr);
}

TEST_F(RichLabel, LabelFilesWithRtfFromElsewhereComeBackByteForByte)
{
    TGStickwellPanel32 panel;
    panel.setSize(254, 96);
    auto *label = new TGPRichBaseLabel(&panel);
    label->Loaded();
    label->RTFText()->setRtf(kForeign);
    panel.PlaceObject(label, QRect(10, 8, 190, 50));
    const QString a = dir.filePath(QStringLiteral("a.sk"));
    TGLabelObjectFiler().WriteLabelFile(panel, a, TLabelLayout::defaultLayout());

    TGStickwellPanel32 other;
    other.setSize(254, 96);
    TLabelLayout layout;
    TGLabelObjectFiler().ReadLabelFile(other, layout, a);
    ASSERT_EQ(other.labelObjects().size(), 1);
    auto *read = qobject_cast<TGPRichBaseLabel *>(other.labelObjects().at(0));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->RTFText()->document()->toPlainText(), QString::fromUtf8("Dear Jane have a good day éŁ\nHappy Birthday"));
    // Showing, zooming and printing change nothing that is stored.
    other.AttachAllObjects();
    other.render();
    other.SetZoom(1.5f);
    other.render();
    other.SetZoom(1.0f);
    TImageReport report(150, 150);
    report.BeginDoc();
    other.PrintObjects(report, 0.5, 0.5);
    report.EndDoc();
    read->setObjectName(label->objectName());
    const QString b = dir.filePath(QStringLiteral("b.sk"));
    TGLabelObjectFiler().WriteLabelFile(other, b, layout);
    EXPECT_EQ(fileBytes(a), fileBytes(b));
    EXPECT_TRUE(fileBytes(b).contains(kForeign));
}

TEST_F(RichLabel, WithoutAMasterOnItsFormLoadedFails)
{
    FakePanelHost bare;
    auto *label = bare.adopt(new TGPRichBaseLabel);
    try {
        label->Loaded();
        FAIL() << "Loaded found a master where there is none";
    } catch (const ENoMasterWPRich &e) {
        EXPECT_EQ(e.message(), QStringLiteral("No master rich text object found"));
    }
    EXPECT_EQ(label->Master(), nullptr);
    // Without a master it paints nothing and prints nothing.
    const QImage image = paint(*label);
    EXPECT_TRUE(inkIn(image, image.rect()).isNull());

    // A label file read onto such a form fails with the message.
    TGStickwellPanel32 panel;
    auto *rich = new TGPRichBaseLabel(&panel);
    rich->Loaded();
    panel.PlaceObject(rich, QRect(0, 0, 50, 20));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TGLabelObjectFiler::writeObjectList(buffer, panel.labelObjects());
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    try {
        TGLabelObjectFiler().readObjectList(buffer, bare);
        FAIL() << "read onto a form without a master";
    } catch (const Exception &e) {
        EXPECT_EQ(e.message(), QStringLiteral("No master rich text object found"));
    }
}

TEST_F(RichLabel, PopupEntriesToggleAndReport)
{
    FakePanelHost host;
    TWPRichText::createMaster(&host);
    auto *label = host.adopt(new TGPRichBaseLabel);
    label->Loaded();
    PopupMenu &menu = label->ObjectMenu();
    const int first = menu.indexOf(QStringLiteral("Center Horizontally")) + 1;
    ASSERT_EQ(menu.count(), first + 5);
    EXPECT_TRUE(menu.entry(first).isSeparator());
    EXPECT_EQ(menu.entry(first + 1).caption, QStringLiteral("Transparent"));
    EXPECT_EQ(menu.entry(first + 2).caption, QStringLiteral("Background Color"));
    EXPECT_EQ(menu.entry(first + 3).caption, QStringLiteral("Border"));
    EXPECT_EQ(menu.entry(first + 4).caption, QStringLiteral("Edit"));
    menu.aboutToOpen();
    EXPECT_TRUE(menu.entry(first + 1).checked);
    EXPECT_TRUE(menu.entry(first + 3).checked);

    // Toggling transparency is a change of the design like any other.
    host.resetCounts();
    ASSERT_TRUE(menu.trigger(QStringLiteral("Transparent")));
    EXPECT_FALSE(label->Transparent());
    EXPECT_EQ(host.changes, 1);
    ASSERT_TRUE(menu.trigger(QStringLiteral("Border")));
    EXPECT_EQ(label->BorderStyle(), bsNone);
    EXPECT_EQ(host.changes, 2);
    menu.aboutToOpen();
    EXPECT_FALSE(menu.entry(first + 1).checked);
    EXPECT_FALSE(menu.entry(first + 3).checked);

    // The colour dialog: Cancel changes nothing; OK takes the colour and
    // makes the label opaque.
    label->SetTransparent(true);
    host.resetCounts();
    LabelDialogs::chooseColor = [](TColor &) { return false; };
    menu.trigger(QStringLiteral("Background Color"));
    EXPECT_EQ(label->BGColor(), clWhite);
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(host.changes, 0);
    LabelDialogs::chooseColor = [](TColor &c) {
        EXPECT_EQ(c, clWhite); // preset with the current colour
        c = clYellow;
        return true;
    };
    menu.trigger(QStringLiteral("Background Color"));
    EXPECT_EQ(label->BGColor(), clYellow);
    EXPECT_FALSE(label->Transparent());
    EXPECT_GE(host.changes, 1);
}

TEST_F(RichLabel, PaintsBackgroundDocumentAndBorder)
{
    FakePanelHost host;
    TWPRichText::createMaster(&host);
    auto *label = host.adopt(new TGPRichBaseLabel);
    label->Loaded();
    label->SetBounds(0, 0, 120, 40);
    label->RTFText()->setRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Text}");
    QImage image = paint(*label);
    // Transparent: the canvas shows through; a black one-pixel frame.
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(119, 39), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(60, 35), qRgb(255, 255, 255));
    const QRect text = inkIn(image, QRect(1, 1, 118, 38));
    ASSERT_FALSE(text.isNull());
    EXPECT_LT(text.left(), 8);
    EXPECT_LT(text.top(), 8);

    label->SetTransparent(false);
    label->SetBGColor(clYellow);
    label->SetBorderStyle(bsNone);
    image = paint(*label);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(60, 35), qRgb(255, 255, 0));
    EXPECT_EQ(label->Master()->Color(), clYellow);
}

TEST_F(RichLabel, OnAPanelAt150PerCentTheDocumentIsPaintedAt150)
{
    TGStickwellPanel32 panel;
    panel.setSize(400, 200);
    auto *label = new TGPRichBaseLabel(&panel);
    label->Loaded();
    label->RTFText()->setRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Zoom me}");
    label->SetBorderStyle(bsNone);
    panel.PlaceObject(label, QRect(10, 10, 190, 33));
    const QRect at100 = inkBounds(panel.render(), QRect(10, 10, 190, 33));
    panel.SetZoom(1.5f);
    EXPECT_EQ(label->BoundsRect(), QRect(15, 15, 285, 50));
    const QRect at150 = inkBounds(panel.render(), label->BoundsRect());
    EXPECT_EQ(label->Master()->Zooming(), 150);
    ASSERT_FALSE(at100.isNull());
    EXPECT_NEAR(at150.width(), at100.width() * 1.5, 3);
    EXPECT_NEAR(at150.height(), at100.height() * 1.5, 3);
}

TEST_F(RichLabel, PrintsInTheObjectsRectangleOnPaperAndInThePreview)
{
    TGStickwellPanel32 panel;
    auto *label = new TGPRichBaseLabel(&panel);
    label->Loaded();
    label->RTFText()->setRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 Printed text}");
    panel.PlaceObject(label, QRect(96, 48, 192, 48)); // 2 x 0.5 inch at (1, 0.5) inch

    // On paper at 300 pixels per inch: the label's corner at (1, 1) inch, so
    // the object spans (2, 1.5) to (4, 2) inches.
    TImageReport report(300, 300);
    report.BeginDoc();
    panel.PrintObjects(report, 1.0, 1.0);
    report.EndDoc();
    const QImage page = report.PageImage(0);
    EXPECT_EQ(inkBounds(page, page.rect()), QRect(QPoint(600, 450), QPoint(1199, 599))); // the border
    // Inside the frame, which is 1/96 inch (three pixels) wide.
    const QRect text = inkBounds(page, QRect(604, 454, 592, 142));
    ASSERT_FALSE(text.isNull());
    // 20-point text: capitals about 0.2 inch, 60 pixels, high.
    EXPECT_GT(text.height(), 50);
    EXPECT_LT(text.height(), 90);

    // Recorded for the preview and replayed: the same marks at 96.
    QBuffer stream;
    TImageDevice measure(300, 300);
    TReportFiler filer(&measure);
    filer.StreamMode = smUser;
    filer.setStream(&stream);
    filer.BeginDoc();
    panel.PrintObjects(filer, 1.0, 1.0);
    filer.EndDoc();
    const QImage preview = TFilePrinter::RenderPage(stream.data(), 1, 100, 96);
    EXPECT_EQ(inkBounds(preview, preview.rect()), QRect(QPoint(192, 144), QPoint(383, 191)));
    const QRect small = inkBounds(preview, QRect(194, 146, 188, 44));
    ASSERT_FALSE(small.isNull());
    EXPECT_NEAR(small.height(), text.height() * 96.0 / 300, 4);
    EXPECT_NEAR(small.left() - 192, (text.left() - 600) * 96.0 / 300, 3);
}

TEST_F(RichLabel, CloneCarriesTheDocument)
{
    TGStickwellPanel32 panel;
    auto *label = new TGPRichBaseLabel(&panel);
    label->Loaded();
    label->RTFText()->setRtf(kForeign);
    panel.PlaceObject(label, QRect(0, 0, 190, 33));
    auto *copy = qobject_cast<TGPRichBaseLabel *>(panel.cloneObject(label));
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, label);
    EXPECT_EQ(copy->RTFText()->definedBinary(QStringLiteral("Data")), kForeign);
    EXPECT_NE(copy->Master(), nullptr);
}

TEST_F(RichLabel, MergedPrintFillsFieldsInTheirOwnFormatAndKeepsTheDocument)
{
    TGStickwellPanel32 panel;
    auto *label = new TGPRichBaseLabel(&panel);
    label->Loaded();
    const QByteArray rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Dear {\\b $\\{Name\\}},\\par "
                           "{\\i $\\{Street\\}} costs $$\\{Price\\} $\\{Nmae\\}\\par}";
    label->RTFText()->setRtf(rtf);
    panel.PlaceObject(label, QRect(0, 0, 192, 96));
    label->SetPrintSubstitution([](const QString &field) {
        if (field == "${Name}")
            return QStringLiteral("Ann Lee");
        if (field == "${Street}")
            return QStringLiteral("1 High St\nLeeds"); // a break in a value starts a paragraph
        return field == "$${" ? QStringLiteral("${") : field;
    });
    EXPECT_EQ(label->SubstitutedTexts(), QStringList{"Dear ${Name},\n${Street} costs $${Price} ${Nmae}"});

    TImageReport report(96, 96);
    report.BeginDoc();
    label->PrintTo(report, 0, 0);
    report.EndDoc();

    // The master drew the filled copy; the value took its field's format.
    QTextDocument *printed = label->Master()->RtfText()->document();
    EXPECT_EQ(printed->toPlainText(), "Dear Ann Lee,\n1 High St\nLeeds costs ${Price} ${Nmae}");
    const QTextBlock first = printed->firstBlock();
    const auto formatAt = [](const QTextBlock &block, int offset) {
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + offset + 1);
        return cursor.charFormat();
    };
    EXPECT_EQ(formatAt(first, 5).fontWeight(), QFont::Bold);  // "A"
    EXPECT_EQ(formatAt(first, 11).fontWeight(), QFont::Bold); // "e"
    EXPECT_NE(formatAt(first, 12).fontWeight(), QFont::Bold); // ","
    EXPECT_TRUE(formatAt(first.next(), 0).fontItalic());
    EXPECT_TRUE(formatAt(first.next().next(), 0).fontItalic()); // "Leeds"
    EXPECT_FALSE(formatAt(first.next().next(), 6).fontItalic()); // "costs"

    // The label's own document is as designed, and prints so again without
    // the substitution.
    EXPECT_EQ(label->RTFText()->rtf(), rtf);
    label->SetPrintSubstitution({});
    TImageReport again(96, 96);
    again.BeginDoc();
    label->PrintTo(again, 0, 0);
    again.EndDoc();
    EXPECT_EQ(label->Master()->RtfText()->document()->toPlainText(),
              "Dear ${Name},\n${Street} costs $${Price} ${Nmae}");
}

TEST_F(RichLabel, AFilledFieldThatWrapsPrintsAllItsLinesAsTypedTextWould)
{
    TGStickwellPanel32 panel;
    const auto label = [&panel](const QByteArray &words, const QRect &bounds) {
        auto *l = new TGPRichBaseLabel(&panel);
        l->Loaded();
        l->RTFText()->setRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Hello " + words + "\\par}");
        panel.PlaceObject(l, bounds);
        return l;
    };
    // A box for one line of the design.
    TGPRichBaseLabel *merged = label("$\\{Name\\}", QRect(10, 10, 90, 22));
    // The value typed into a box deep enough for every line it wraps into.
    TGPRichBaseLabel *typed = label("Bartholomew Longname-Smith", QRect(10, 10, 90, 200));
    for (TGPRichBaseLabel *l : {merged, typed})
        l->SetBorderStyle(bsNone);
    merged->SetPrintSubstitution([](const QString &field) {
        return field == "${Name}" ? QStringLiteral("Bartholomew Longname-Smith") : field;
    });
    const QImage page = printAlone(*merged);
    EXPECT_EQ(page, printAlone(*typed));
    EXPECT_GT(inkBounds(page, page.rect()).bottom(), 10 + 22 + 2 * 12); // two lines more than the box
    EXPECT_EQ(merged->BoundsRect(), QRect(10, 10, 90, 22));
}
