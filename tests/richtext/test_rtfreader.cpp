// The RTF reader and writer: our own documents come back with every
// formatting feature; text in code pages and \uN reads as the characters
// meant; destinations other than text are skipped; broken input reads
// without failing and as much as can be made of it.
#include "RichTextTestUtil.h"

#include <QTextCursor>
#include <gtest/gtest.h>

#include <random>

using namespace sw;
using namespace sw::test;

namespace {

// A document with every feature the writer knows, built through a cursor as
// an editor builds it.
std::unique_ptr<QTextDocument> everyFeature()
{
    auto doc = std::make_unique<QTextDocument>();
    TWPRTFTextIo::configure(doc.get());
    QTextCursor c(doc.get());
    QTextBlockFormat indented;
    indented.setLeftMargin(48);   // 720 twips at 96 pixels per inch
    indented.setRightMargin(24);
    indented.setTextIndent(-12);
    indented.setTopMargin(8);
    indented.setBottomMargin(16);
    c.setBlockFormat(indented);
    c.insertText(QStringLiteral("Arial ten "), chars("Arial", 10));
    QTextCharFormat f = chars("Times New Roman", 14);
    f.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("bold"), f);
    f = chars("Arial", 10);
    f.setFontItalic(true);
    f.setForeground(QColor(255, 0, 0));
    c.insertText(QStringLiteral("red italic"), f);
    f = chars("Courier New", 9);
    f.setFontUnderline(true);
    f.setBackground(QColor(255, 255, 0));
    c.insertText(QStringLiteral("underlined"), f);
    f = chars("Arial", 11.5);
    f.setFontStrikeOut(true);
    c.insertText(QStringLiteral("struck"), f);
    f = chars("Arial", 10);
    f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    c.insertText(QStringLiteral("up"), f);
    f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    c.insertText(QStringLiteral("down"), f);
    c.insertText(QString::fromUtf8("a\tb\u2028c\u00A0d\u00ADe\u2011f {g} \\ é € Ł αβγ 日本 \U0001F600"),
                 chars("Arial", 10));
    const Qt::Alignment aligns[] = {Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    const char *words[] = {"centred", "right", "justified"};
    for (int i = 0; i < 3; ++i) {
        QTextBlockFormat b;
        b.setAlignment(aligns[i]);
        c.insertBlock(b, chars("Arial", 10));
        c.insertText(QString::fromLatin1(words[i]), chars("Arial", 12));
    }
    // An empty paragraph keeps the size of its line.
    c.insertBlock(QTextBlockFormat(), chars("Times New Roman", 20));
    return doc;
}

} // namespace

TEST(RtfRoundTrip, OwnDocumentsComeBackWithEveryFeature)
{
    const auto original = everyFeature();
    const QByteArray rtf = RtfWriter(96).write(*original);
    ASSERT_TRUE(rtf.startsWith("{\\rtf1"));
    const auto back = readRtf(rtf);
    const QVector<Paragraph> expected = paragraphs(*original);
    ASSERT_EQ(expected.size(), 5);
    EXPECT_EQ(paragraphs(*back), expected);
    // The empty paragraph's own size survives.
    EXPECT_EQ(back->lastBlock().charFormat().fontPointSize(), 20);
    // Writing what was read gives the same RTF.
    EXPECT_EQ(RtfWriter(96).write(*back), rtf);
}

TEST(RtfRoundTrip, WriterSpellsCharactersAsOtherReadersExpect)
{
    auto doc = std::make_unique<QTextDocument>();
    QTextCursor(doc.get()).insertText(QString::fromUtf8("{é€Ł}\\"), chars("Arial", 10));
    const QByteArray rtf = RtfWriter(96).write(*doc);
    // Windows-1252 characters as \'hh, others as \uN with a "?" fallback.
    EXPECT_TRUE(rtf.contains("\\{\\'e9\\'80\\u321?\\}\\\\")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\fnil\\fcharset0 Arial;}"));
    EXPECT_TRUE(rtf.contains("\\fs20"));
}

TEST(RtfRoundTrip, LengthsAreTwipsAtTheDocumentsResolution)
{
    // 1440 twips are one inch: 96 pixels here, 120 at 120 pixels per inch.
    QTextDocument doc;
    RtfReader(120).read("{\\rtf1\\pard\\li1440\\fi-720 x\\par}", doc);
    EXPECT_DOUBLE_EQ(doc.begin().blockFormat().leftMargin(), 120.0);
    EXPECT_DOUBLE_EQ(doc.begin().blockFormat().textIndent(), -60.0);
    EXPECT_TRUE(RtfWriter(120).write(doc).contains("\\li1440\\fi-720"));
}

// ---- text in code pages and Unicode --------------------------------------------------------

struct TextCase
{
    const char *what;
    QByteArray rtf;
    QString text;
};

class RtfText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(RtfText, ReadsAsTheCharactersMeant)
{
    EXPECT_EQ(plainText(GetParam().rtf), GetParam().text) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    CodePagesAndUnicode, RtfText,
    ::testing::Values(
        TextCase{"Windows-1252 by default", "{\\rtf1\\ansi caf\\'e9 \\'80 5}", QString::fromUtf8("café € 5")},
        TextCase{"\\ansicpg1250", "{\\rtf1\\ansi\\ansicpg1250 \\'a3\\'f3d\\'9f}", QString::fromUtf8("Łódź")},
        TextCase{"Greek by \\fcharset161",
                 "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 Arial Greek;}}\\f1 \\'e1\\'e2\\'e3\\f0  \\'e1}",
                 QString::fromUtf8("αβγ á")},
        TextCase{"double-byte Japanese by \\fcharset128",
                 "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0 \\'93\\'fa\\'96\\'7b}", QString::fromUtf8("日本")},
        TextCase{"\\uN with fallback", "{\\rtf1\\ansi\\uc1 \\u26085?\\u26412?}", QString::fromUtf8("日本")},
        TextCase{"\\uc0: no fallback", "{\\rtf1\\ansi\\uc0\\u321 x}", QString::fromUtf8("Łx")},
        TextCase{"fallback of escapes", "{\\rtf1\\ansi\\uc2\\u233\\'e9\\'e9y}", QString::fromUtf8("éy")},
        TextCase{"fallback ends with its group", "{\\rtf1{\\uc3\\u233 a}bc}", QString::fromUtf8("ébc")},
        TextCase{"negative \\uN", "{\\rtf1\\u-3913?}", QString(QChar(0xF0B7))},
        TextCase{"surrogate pair", "{\\rtf1\\u-10179?\\u-8704?}", QString::fromUtf8("\U0001F600")},
        TextCase{"lone surrogate", "{\\rtf1 a\\u-10179?b}", QString::fromUtf8("a\uFFFDb")},
        TextCase{"Mac Roman", "{\\rtf1\\mac \\'8e}", QString::fromUtf8("é")},
        TextCase{"unknown code page", "{\\rtf1\\ansi\\ansicpg99999 \\'e9}", QString::fromUtf8("é")},
        TextCase{"symbols", "{\\rtf1 a\\~b\\-c\\_d\\tab e\\line f\\{\\}\\\\\\emdash\\lquote}",
                 QString::fromUtf8("a\u00A0b\u00ADc\u2011d\te\u2028f{}\\\u2014\u2018")},
        TextCase{"line breaks in the file are not text", "{\\rtf1 one\r\ntwo}", QStringLiteral("onetwo")}));

// ---- what is not text --------------------------------------------------------------------------

INSTANTIATE_TEST_SUITE_P(
    Destinations, RtfText,
    ::testing::Values(
        TextCase{"tables, style sheet, information",
                 "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                 "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}{\\*\\generator G;}kept}",
                 QStringLiteral("kept")},
        TextCase{"headers, footers, footnotes, list text",
                 "{\\rtf1{\\header H}{\\footer F}a{\\footnote N}{\\listtext 1.\\tab}b}", QStringLiteral("ab")},
        TextCase{"pictures, also with binary data holding braces",
                 "{\\rtf1 a{\\pict\\pngblip\\bin3 }{}}{\\*\\shppict{\\pict 0102}}{\\nonshppict{\\pict 03}}b}",
                 QStringLiteral("ab")},
        TextCase{"field instructions skipped, results kept",
                 "{\\rtf1 see {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt here}}.}",
                 QStringLiteral("see here.")},
        TextCase{"unknown destinations", "{\\rtf1 a{\\*\\madeup b{c}}d\\madeupword e}", QStringLiteral("ade")},
        TextCase{"hidden text", "{\\rtf1 a{\\v hidden}b}", QStringLiteral("ab")},
        TextCase{"Unicode copies of ANSI text", "{\\rtf1 {\\upr{A}{\\*\\ud{\\u945?}}}}", QString::fromUtf8("α")}));

// ---- broken input ----------------------------------------------------------------------------------

INSTANTIATE_TEST_SUITE_P(
    Malformed, RtfText,
    ::testing::Values(
        TextCase{"unclosed document", "{\\rtf1 abc", QStringLiteral("abc")},
        TextCase{"bytes after the document", "{\\rtf1 abc}}}} def", QStringLiteral("abc")},
        TextCase{"closing braces first", "}}{\\rtf1 x}", QStringLiteral("x")},
        TextCase{"escape cut short", "{\\rtf1 a\\'4", QStringLiteral("a")},
        TextCase{"escape without digits", "{\\rtf1 a\\'zz}", QStringLiteral("azz")},
        TextCase{"backslash at the end", "{\\rtf1 a\\", QStringLiteral("a")},
        TextCase{"word without its number", "{\\rtf1 a\\u", QStringLiteral("a")},
        TextCase{"huge numbers", "{\\rtf1 big\\fs99999999999999999\\u99999999999?x\\bin99999999999 gone}",
                 QString::fromUtf8("big\uFFFDx")},
        TextCase{"NUL bytes", QByteArray("{\\rtf1 a\0b}", 11), QStringLiteral("ab")},
        TextCase{"no RTF at all", "plain words", QStringLiteral("plain words")}));

TEST(RtfMalformed, DeepNestingReadsFlatAndFinishes)
{
    const int depth = 100000;
    const QByteArray nested = "{\\rtf1 " + QByteArray(depth, '{') + "\\b deep" + QByteArray(depth, '}') + " after}";
    const auto doc = readRtf(nested);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("deep after"));
    // Groups deeper than the limit share the formatting of the level above;
    // the closing braces still restore the outer level.
    const QVector<Paragraph> p = paragraphs(*doc);
    ASSERT_EQ(p.size(), 1);
    ASSERT_EQ(p[0].runs.size(), 2);
    EXPECT_TRUE(p[0].runs[0].bold);
    EXPECT_FALSE(p[0].runs[1].bold);

    // Never closed.
    EXPECT_EQ(plainText("{\\rtf1 " + QByteArray(1000000, '{') + "x"), QStringLiteral("x"));
}

TEST(RtfMalformed, RandomBytesReadAndWriteBack)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 50; ++round) {
        QByteArray bytes(4096, '\0');
        for (char &b : bytes) {
            // Mostly RTF's own characters, so that the reader gets deep.
            static const char alphabet[] = "{}\\'*ufbirpadqcl0123456789- abc\r\n";
            const unsigned r = random();
            b = (r & 3) ? alphabet[(r >> 2) % (sizeof(alphabet) - 1)] : char(r >> 8);
        }
        const auto doc = readRtf(bytes);
        // Whatever was read is a document our writer and reader agree on.
        const QByteArray rtf = RtfWriter(96).write(*doc);
        EXPECT_EQ(readRtf(rtf)->toRawText(), doc->toRawText()) << "round " << round;
    }
}

// ---- paragraphs ---------------------------------------------------------------------------------------

TEST(RtfParagraphs, TheLastParagraphMarkMakesNoEmptyParagraph)
{
    EXPECT_EQ(readRtf("{\\rtf1 one\\par two\\par}")->blockCount(), 2);
    EXPECT_EQ(readRtf("{\\rtf1 one\\par two}")->blockCount(), 2);
    EXPECT_EQ(readRtf("{\\rtf1 one\\par\\par}")->blockCount(), 2);
    EXPECT_TRUE(readRtf("{\\rtf1 }")->isEmpty());
    EXPECT_TRUE(readRtf("{\\rtf1 \\par}")->isEmpty());
    EXPECT_TRUE(readRtf("")->isEmpty());
}

TEST(RtfParagraphs, FormattingFollowsGroupsAndResets)
{
    const auto doc = readRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
                             "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                             "\\pard\\qc\\f1\\fs28 a{\\b\\i\\cf1 b}\\ul c\\ulnone\\cb2 d\\plain e\\par"
                             "\\pard\\qr f\\par\\pard\\qj g\\par\\pard h}");
    const QVector<Paragraph> p = paragraphs(*doc);
    ASSERT_EQ(p.size(), 4);
    EXPECT_EQ(p[0].align, Qt::AlignHCenter);
    ASSERT_EQ(p[0].runs.size(), 5);
    EXPECT_EQ(p[0].runs[0].family, QStringLiteral("Times New Roman"));
    EXPECT_EQ(p[0].runs[0].points, 14);
    EXPECT_TRUE(p[0].runs[1].bold && p[0].runs[1].italic);
    EXPECT_EQ(p[0].runs[1].color, QStringLiteral("#ff0000"));
    EXPECT_TRUE(p[0].runs[2].underline);
    EXPECT_FALSE(p[0].runs[2].bold);
    EXPECT_EQ(p[0].runs[3].background, QStringLiteral("#0000ff"));
    EXPECT_FALSE(p[0].runs[3].underline);
    // \plain: the default font at 12 points, no colour.
    EXPECT_EQ(p[0].runs[4].family, QStringLiteral("Arial"));
    EXPECT_EQ(p[0].runs[4].points, 12);
    EXPECT_TRUE(p[0].runs[4].background.isEmpty());
    EXPECT_EQ(p[1].align, Qt::AlignRight);
    EXPECT_EQ(p[2].align, Qt::AlignJustify);
    EXPECT_EQ(p[3].align, Qt::AlignLeft);
}
