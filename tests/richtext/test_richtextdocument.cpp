// The document object and the painting control: RTF read from elsewhere is
// kept byte for byte until the document is edited, an empty document stores
// nothing, copies are whole and independent, and PaintPage lays the page out
// alike at every zoom, inside its rectangle only.
#include "RichTextTestUtil.h"

#include "platform/Canvas.h"
#include "richtext/TWPRichText.h"
#include "richtext/TWPRtfStorage.h"

#include <QImage>
#include <QSignalSpy>
#include <QTextCursor>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

// RTF as another word processor writes it: a style sheet, escapes, \uN,
// no space after the last word, a line break of its own.
const QByteArray kForeign = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
                            "{\\stylesheet{\\s0 Normal;}}\\viewkind4\\uc1\\pard\\qc\\f0\\fs20 Caf\\'e9 "
                            "{\\b \\u8364?5}\\par\r\n}\r\n";

QRect inkBounds(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// The master's page painted at a zoom into (x, y, width, height) of a white
// image of the given size.
QImage paintPage(TWPRichText &control, int zoom, QSize image, QRect page)
{
    QImage out(image, QImage::Format_RGB32);
    out.fill(Qt::white);
    Canvas canvas(&out);
    control.setZooming(zoom);
    control.PaintPage(canvas, page.x(), 1, 0, page.height(), page.width(), page.y());
    return out;
}

} // namespace

TEST(RichTextDocument, RtfFromElsewhereIsKeptUntilEdited)
{
    TWPRTFTextIo doc;
    doc.setRtf(kForeign);
    EXPECT_EQ(doc.document()->toPlainText(), QString::fromUtf8("Café €5"));
    EXPECT_EQ(doc.definedBinary(QStringLiteral("Data")), kForeign);

    // Copies carry the bytes along.
    TWPRTFTextIo copy;
    copy.Assign(doc);
    EXPECT_EQ(copy.definedBinary(QStringLiteral("Data")), kForeign);

    // An edit: from now on the document is written by our writer.
    QSignalSpy changed(&copy, &TWPRTFTextIo::changed);
    QTextCursor(copy.document()).insertText(QStringLiteral("Le "));
    EXPECT_GE(changed.count(), 1);
    const QByteArray written = copy.definedBinary(QStringLiteral("Data"));
    EXPECT_NE(written, kForeign);
    EXPECT_TRUE(written.startsWith("{\\rtf1"));
    EXPECT_EQ(readRtf(written)->toPlainText(), QString::fromUtf8("Le Café €5"));
    // The original is another document.
    EXPECT_EQ(doc.definedBinary(QStringLiteral("Data")), kForeign);
}

TEST(RichTextDocument, AnEmptyDocumentStoresNothing)
{
    TWPRTFTextIo doc;
    EXPECT_TRUE(doc.isEmpty());
    EXPECT_TRUE(doc.definedBinary(QStringLiteral("Data")).isEmpty());
    // One empty paragraph is empty, however it was written.
    ASSERT_TRUE(doc.setDefinedBinary(QStringLiteral("Data"), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs40\\par}"));
    EXPECT_TRUE(doc.isEmpty());
    EXPECT_TRUE(doc.definedBinary(QStringLiteral("Data")).isEmpty());
    EXPECT_FALSE(doc.setDefinedBinary(QStringLiteral("Other"), "{\\rtf1 x}"));
}

TEST(RichTextDocument, AssignReplacesTheDocumentAndSaysSo)
{
    TWPRTFTextIo source;
    source.setRtf("{\\rtf1{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs28\\b Bold}");
    TWPRtfStorage storage;
    TWPRTFTextIo *target = storage.RtfText();
    const QTextDocument *before = target->document();
    QSignalSpy replaced(target, &TWPRTFTextIo::documentReplaced);
    target->Assign(source);
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_NE(target->document(), before);
    EXPECT_EQ(paragraphs(*target->document()), paragraphs(*source.document()));
    // Independent copies.
    QTextCursor(target->document()).insertText(QStringLiteral("x"));
    EXPECT_EQ(source.document()->toPlainText(), QStringLiteral("Bold"));
}

TEST(RichTextPaint, ThePageIsLaidOutAlikeAtEveryZoom)
{
    TWPRichText control;
    control.RtfText()->setRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 One two three four five six seven}");
    control.setPaintOptions(TWPCustomRtfEdit::poTextOnly);
    // 120 x 40 pixels at 100 %: the words wrap onto a second line.
    const QRect at100 = inkBounds(paintPage(control, 100, QSize(200, 100), QRect(0, 0, 120, 40)));
    const QRect at150 = inkBounds(paintPage(control, 150, QSize(300, 150), QRect(0, 0, 180, 60)));
    ASSERT_FALSE(at100.isNull());
    EXPECT_GT(at100.height(), 20); // two lines of 10-point text
    EXPECT_NEAR(at150.width(), at100.width() * 1.5, 3);
    EXPECT_NEAR(at150.height(), at100.height() * 1.5, 3);
    EXPECT_NEAR(at150.left(), at100.left() * 1.5, 2);
}

TEST(RichTextPaint, NothingIsDrawnOutsideThePage)
{
    TWPRichText control;
    control.RtfText()->setRtf("{\\rtf1\\fs48 Much more text than fits in the small page here}");
    control.setColor(0x00FFFF); // yellow
    const QRect page(30, 20, 60, 25);
    const QImage out = paintPage(control, 100, QSize(200, 100), page);
    EXPECT_EQ(inkBounds(out), page);
    // Without poTextOnly the page is filled with the control's colour.
    EXPECT_EQ(out.pixel(page.right(), page.bottom()), qRgb(255, 255, 0));

    control.setPaintOptions(TWPCustomRtfEdit::poTextOnly);
    const QImage text = paintPage(control, 100, QSize(200, 100), page);
    EXPECT_TRUE(page.contains(inkBounds(text)));
    EXPECT_EQ(text.pixel(page.right(), page.bottom()), qRgb(255, 255, 255));
}

TEST(RichTextMaster, FoundOnTheFormOfTheOwners)
{
    // A form (the topmost owner, as nothing here is a window) with a master.
    QObject form;
    QObject panel(&form);
    QObject label(&panel);
    EXPECT_EQ(TWPRichText::findMaster(&label), nullptr);
    TWPRichText *master = TWPRichText::createMaster(&form);
    EXPECT_EQ(master->objectName(), QStringLiteral("MASTERWPRICHTEXT"));
    EXPECT_EQ(TWPRichText::findMaster(&label), master);
    // Names are compared upper-cased; other controls are not masters.
    master->setObjectName(QStringLiteral("MasterWPRichText"));
    EXPECT_EQ(TWPRichText::findMaster(&label), master);
    master->setObjectName(QStringLiteral("Other"));
    EXPECT_EQ(TWPRichText::findMaster(&label), nullptr);
    // An object without owner has no form.
    QObject alone;
    EXPECT_EQ(TWPRichText::findMaster(&alone), nullptr);
}
