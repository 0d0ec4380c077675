// RTF written by other programs, made at test time by the converters Debian
// has: pandoc from Markdown, AbiWord and LibreOffice from a document of
// ours. Each reads with its text, its bold and italic words, its colours
// and its paragraph alignment. A missing converter skips its test.
#include "RichTextTestUtil.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

// Arial 10 with one bold and one red italic word; a centred line in Times
// New Roman 14; a right-aligned line; characters beyond Windows-1252.
QByteArray ourDocument()
{
    QTextDocument doc;
    TWPRTFTextIo::configure(&doc);
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("Dear "), chars("Arial", 10));
    QTextCharFormat bold = chars("Arial", 10);
    bold.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("Jane"), bold);
    c.insertText(QStringLiteral(" have a "), chars("Arial", 10));
    QTextCharFormat red = chars("Arial", 10);
    red.setFontItalic(true);
    red.setForeground(QColor(255, 0, 0));
    c.insertText(QStringLiteral("good"), red);
    c.insertText(QString::fromUtf8(" day é € Ł Ω"), chars("Arial", 10));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centred, chars("Times New Roman", 14));
    c.insertText(QStringLiteral("Happy Birthday"), chars("Times New Roman", 14));
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    c.insertBlock(right, chars("Arial", 10));
    c.insertText(QStringLiteral("Right"), chars("Arial", 10));
    return RtfWriter(96).write(doc);
}

// Runs a converter; the output file's bytes, or empty (with the reason).
QByteArray convert(const QString &program, const QStringList &arguments, const QString &output, QString *why)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Converters keep settings in the home folder: give them a fresh one.
    env.insert(QStringLiteral("HOME"), QFileInfo(output).absolutePath());
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        *why = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    QFile file(output);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = program + QStringLiteral(" wrote no ") + output;
        return {};
    }
    return file.readAll();
}

// The run holding the word, or null.
const TextRun *runWith(const QVector<Paragraph> &paragraphs, const QString &word)
{
    for (const Paragraph &p : paragraphs)
        for (const TextRun &r : p.runs)
            if (r.text.contains(word))
                return &r;
    return nullptr;
}

// The paragraphs that hold text.
QVector<Paragraph> written(const QVector<Paragraph> &all)
{
    QVector<Paragraph> result;
    for (const Paragraph &p : all)
        if (!p.text().trimmed().isEmpty())
            result.append(p);
    return result;
}

// What a word processor must keep of ourDocument().
void expectOurDocument(const QByteArray &rtf)
{
    const auto doc = readRtf(rtf);
    const QVector<Paragraph> p = written(paragraphs(*doc));
    ASSERT_EQ(p.size(), 3) << rtf.constData();
    EXPECT_EQ(p[0].text(), QString::fromUtf8("Dear Jane have a good day é € Ł Ω"));
    EXPECT_EQ(p[1].text(), QStringLiteral("Happy Birthday"));
    EXPECT_EQ(p[2].text(), QStringLiteral("Right"));
    const TextRun *jane = runWith(p, QStringLiteral("Jane"));
    ASSERT_TRUE(jane);
    EXPECT_TRUE(jane->bold);
    EXPECT_FALSE(jane->italic);
    EXPECT_EQ(jane->points, 10);
    const TextRun *good = runWith(p, QStringLiteral("good"));
    ASSERT_TRUE(good);
    EXPECT_TRUE(good->italic);
    EXPECT_FALSE(good->bold);
    EXPECT_EQ(good->color, QStringLiteral("#ff0000"));
    const TextRun *dear = runWith(p, QStringLiteral("Dear"));
    ASSERT_TRUE(dear);
    EXPECT_FALSE(dear->bold || dear->italic);
    EXPECT_NE(dear->color, QStringLiteral("#ff0000"));
    EXPECT_EQ(p[0].align, Qt::AlignLeft);
    EXPECT_EQ(p[1].align, Qt::AlignHCenter);
    EXPECT_EQ(p[2].align, Qt::AlignRight);
    const TextRun *birthday = runWith(p, QStringLiteral("Birthday"));
    ASSERT_TRUE(birthday);
    EXPECT_EQ(birthday->points, 14);
}

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

} // namespace

TEST(RtfFromTools, Pandoc)
{
    const QString pandoc = tool("pandoc");
    if (pandoc.isEmpty())
        GTEST_SKIP() << "pandoc is not installed";
    QTemporaryDir dir;
    QFile md(dir.filePath(QStringLiteral("in.md")));
    ASSERT_TRUE(md.open(QIODevice::WriteOnly));
    md.write("Dear **Jane** have a *good* day \xc3\xa9 \xe2\x82\xac \xc5\x81\n\nHappy Birthday\n");
    md.close();
    QString why;
    const QByteArray rtf = convert(pandoc, {QStringLiteral("-s"), QStringLiteral("-t"), QStringLiteral("rtf"), md.fileName(),
                                            QStringLiteral("-o"), dir.filePath(QStringLiteral("out.rtf"))},
                                   dir.filePath(QStringLiteral("out.rtf")), &why);
    ASSERT_FALSE(rtf.isEmpty()) << why.toStdString();
    const QVector<Paragraph> p = written(paragraphs(*readRtf(rtf)));
    ASSERT_EQ(p.size(), 2);
    EXPECT_EQ(p[0].text(), QString::fromUtf8("Dear Jane have a good day é € Ł"));
    EXPECT_EQ(p[1].text(), QStringLiteral("Happy Birthday"));
    const TextRun *jane = runWith(p, QStringLiteral("Jane"));
    ASSERT_TRUE(jane);
    EXPECT_TRUE(jane->bold);
    EXPECT_FALSE(jane->italic);
    const TextRun *good = runWith(p, QStringLiteral("good"));
    ASSERT_TRUE(good);
    EXPECT_TRUE(good->italic);
    EXPECT_FALSE(good->bold);
    EXPECT_FALSE(runWith(p, QStringLiteral("Dear"))->bold);
}

TEST(RtfFromTools, AbiWord)
{
    const QString abiword = tool("abiword");
    if (abiword.isEmpty())
        GTEST_SKIP() << "AbiWord is not installed";
    QTemporaryDir dir;
    QFile in(dir.filePath(QStringLiteral("in.rtf")));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write(ourDocument());
    in.close();
    const QString out = dir.filePath(QStringLiteral("out.rtf"));
    QString why;
    const QByteArray rtf = convert(abiword, {QStringLiteral("--to=rtf"), in.fileName(), QStringLiteral("-o"), out}, out, &why);
    ASSERT_FALSE(rtf.isEmpty()) << why.toStdString();
    // AbiWord's own dialect: a style sheet, \s references, \uc0 runs.
    EXPECT_TRUE(rtf.contains("\\stylesheet"));
    expectOurDocument(rtf);
}

TEST(RtfFromTools, LibreOffice)
{
    QString office = tool("soffice");
    if (office.isEmpty())
        office = tool("libreoffice");
    if (office.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed (soffice not found)";
    QTemporaryDir dir;
    // From HTML, so that the RTF is LibreOffice's from scratch.
    QFile in(dir.filePath(QStringLiteral("in.html")));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write("<html><head><meta charset=\"utf-8\"></head><body>"
             "<p style=\"font-family:Arial;font-size:10pt\">Dear <b>Jane</b> have a "
             "<i><span style=\"color:#ff0000\">good</span></i> day \xc3\xa9 \xe2\x82\xac \xc5\x81 \xce\xa9</p>"
             "<p align=\"center\" style=\"font-family:'Times New Roman';font-size:14pt\">Happy Birthday</p>"
             "<p align=\"right\" style=\"font-family:Arial;font-size:10pt\">Right</p></body></html>");
    in.close();
    QString why;
    const QByteArray rtf = convert(office,
                                   {QStringLiteral("--headless"), QStringLiteral("--infilter=HTML (StarWriter)"),
                                    QStringLiteral("--convert-to"), QStringLiteral("rtf"),
                                    QStringLiteral("--outdir"), dir.path(), in.fileName()},
                                   dir.filePath(QStringLiteral("in.rtf")), &why);
    ASSERT_FALSE(rtf.isEmpty()) << why.toStdString();
    expectOurDocument(rtf);
}
