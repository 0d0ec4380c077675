// The help entries of a window: finding a control's text, redirections,
// the stored form byte for byte, and the help-text files they come from.
#include "StreamBytes.h"

#include "help/HelpTextFile.h"
#include "help/TODSHelpText.h"
#include "persistence/DefinedProperties.h"
#include "persistence/StreamErrors.h"
#include "persistence/TReader.h"
#include "persistence/TWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;
using swtest::StreamBytes;

namespace {

QString textOf(const TODSHelpData *data)
{
    return data ? data->text() : QStringLiteral("<none>");
}

QByteArray writeDefined(TODSHelpText &texts)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        TWriter writer(&buffer);
        DefinedProperties::writeAll(writer, &texts, QStringLiteral("HelpText."));
        writer.FlushBuffer();
    }
    return buffer.data();
}

// Reads the "HelpText." values writeDefined wrote back into texts.
void readDefined(const QByteArray &bytes, TODSHelpText &texts)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(&buffer);
    while (reader.Position() < bytes.size()) {
        const QString name = reader.ReadStr().section(QLatin1Char('.'), 1);
        ASSERT_TRUE(DefinedProperties::read(reader, &texts, name)) << name.toStdString();
    }
}

} // namespace

TEST(HelpText, FindsTheFirstLineWithTextForTheExactName)
{
    TODSHelpText texts;
    TODSHelpData noText;
    noText.Context = 5;
    texts.add(QStringLiteral("OKButton")); // a line without any entry
    texts.addEntry(QStringLiteral("OKButton"), noText);
    texts.addEntry(QStringLiteral("OKButton"), TODSHelpData::make(QStringLiteral("first with text")));
    texts.addEntry(QStringLiteral("OKButton"), TODSHelpData::make(QStringLiteral("second")));
    texts.addEntry(QStringLiteral("okbutton"), TODSHelpData::make(QStringLiteral("other case")));

    EXPECT_EQ(textOf(texts.find(QStringLiteral("OKButton"))), "first with text");
    EXPECT_EQ(textOf(texts.find(QStringLiteral("okbutton"))), "other case");
    EXPECT_EQ(texts.find(QStringLiteral("OkButton")), nullptr);
    EXPECT_EQ(texts.find(QString()), nullptr);
}

TEST(HelpText, FollowsRedirectionsAndStopsAtACycle)
{
    TODSHelpText texts;
    texts.addEntry(QStringLiteral("Cancelbutton"), TODSHelpData::make(QStringLiteral("->OKButton")));
    texts.addEntry(QStringLiteral("OKButton"), TODSHelpData::make(QStringLiteral("Accepts the window."), 1073));
    texts.addEntry(QStringLiteral("Chain"), TODSHelpData::make(QStringLiteral("->Cancelbutton")));
    texts.addEntry(QStringLiteral("A"), TODSHelpData::make(QStringLiteral("->B")));
    texts.addEntry(QStringLiteral("B"), TODSHelpData::make(QStringLiteral("->A")));
    texts.addEntry(QStringLiteral("Self"), TODSHelpData::make(QStringLiteral("->Self")));
    texts.addEntry(QStringLiteral("Lost"), TODSHelpData::make(QStringLiteral("->Nowhere")));

    const TODSHelpData *redirected = texts.resolve(QStringLiteral("Cancelbutton"));
    EXPECT_EQ(textOf(redirected), "Accepts the window.");
    ASSERT_NE(redirected, nullptr);
    EXPECT_EQ(redirected->Context, 1073u);
    EXPECT_EQ(textOf(texts.resolve(QStringLiteral("Chain"))), "Accepts the window.");
    EXPECT_EQ(texts.resolve(QStringLiteral("A")), nullptr);
    EXPECT_EQ(texts.resolve(QStringLiteral("Self")), nullptr);
    EXPECT_EQ(texts.resolve(QStringLiteral("Lost")), nullptr);
    // find() alone does not follow.
    EXPECT_EQ(textOf(texts.find(QStringLiteral("Cancelbutton"))), "->OKButton");
}

TEST(HelpText, AssignCopiesLinesAndEveryEntry)
{
    TODSHelpText source;
    source.addEntry(QStringLiteral("One"), TODSHelpData::make(QStringLiteral("first"), 7));
    source.add(QStringLiteral("Two"));
    TODSHelpText copy;
    copy.addEntry(QStringLiteral("Old"), TODSHelpData::make(QStringLiteral("old")));
    copy.Assign(source);
    source.setEntry(0, TODSHelpData::make(QStringLiteral("changed")));

    EXPECT_EQ(copy.strings(), QStringList({"One", "Two"}));
    EXPECT_EQ(textOf(copy.entry(0)), "first");
    EXPECT_EQ(copy.entry(0)->Context, 7u);
    EXPECT_EQ(copy.entry(1), nullptr);
}

TEST(HelpText, StoresStringsThenHelpDataByteForByte)
{
    TODSHelpText texts;
    TODSHelpData full = TODSHelpData::make(QStringLiteral("Ok \u20ac"), 0x01020304);
    full.Reserved16 = 0xBEEF;
    full.Reserved8 = 0x7A;
    TODSHelpData empty = TODSHelpData::make(QString());
    TODSHelpData none;
    none.Context = 40004;
    texts.addEntry(QStringLiteral("OKButton"), full);
    texts.add(QStringLiteral("Bare"));
    texts.addEntry(QStringLiteral("Empty"), empty);
    texts.addEntry(QStringLiteral("NoText"), none);

    const QByteArray helpData = StreamBytes()
        .bytes({4, 0})                              // 4 lines
        .bytes({1, 0xEF, 0xBE, 5, 0})               // entry; Reserved16; N = 4 + 1
        .raw(QByteArray("Ok \x80", 4)).bytes({0})   // text, euro sign in Windows-1252, zero
        .bytes({0x7A, 0x04, 0x03, 0x02, 0x01})      // Reserved8, context
        .bytes({0})                                 // "Bare": no entry
        .bytes({1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0})   // empty text: N = 1, just the zero
        .bytes({1, 0, 0, 0, 0, 0, 0x44, 0x9C, 0, 0}); // no text: N = 0; context 40004
    const QByteArray expected = StreamBytes()
        .str("HelpText.Strings").bytes({1})
        .string("OKButton").string("Bare").string("Empty").string("NoText").null()
        .str("HelpText.HelpData").bytes({10}).le32(quint32(helpData.size())).raw(helpData);
    const QByteArray written = writeDefined(texts);
    EXPECT_EQ(written.toHex(' ').toStdString(), expected.toHex(' ').toStdString());

    TODSHelpText read;
    readDefined(written, read);
    EXPECT_EQ(read.strings(), texts.strings());
    for (int i = 0; i < texts.count(); ++i) {
        ASSERT_EQ(read.entry(i) == nullptr, texts.entry(i) == nullptr) << i;
        if (texts.entry(i))
            EXPECT_TRUE(*read.entry(i) == *texts.entry(i)) << i;
    }
    EXPECT_FALSE(read.entry(2)->hasText());
    EXPECT_FALSE(read.entry(2)->TextBytes.isNull());
    EXPECT_TRUE(read.entry(3)->TextBytes.isNull());
    EXPECT_EQ(writeDefined(read), written);
}

TEST(HelpText, ATextTooLongForItsLengthFieldIsCutNotCorrupted)
{
    TODSHelpText texts;
    texts.addEntry(QStringLiteral("Long"), TODSHelpData::make(QString(70000, QLatin1Char('x')), 9));
    const QByteArray data = texts.helpData();
    // count, flag, Reserved16, then N = 0xFFFF: 65534 bytes and the zero.
    EXPECT_EQ(quint8(data.at(5)), 0xFF);
    EXPECT_EQ(quint8(data.at(6)), 0xFF);
    EXPECT_EQ(data.size(), 2 + 1 + 2 + 2 + 0xFFFF + 1 + 4);
    TODSHelpText read;
    read.add(QStringLiteral("Long"));
    ASSERT_TRUE(read.setHelpData(data));
    EXPECT_EQ(read.entry(0)->text(), QString(0xFFFE, QLatin1Char('x')));
    EXPECT_EQ(read.entry(0)->Context, 9u);
}

TEST(HelpText, AnEmptyListStoresOnlyTheCount)
{
    TODSHelpText texts;
    EXPECT_EQ(writeDefined(texts),
              QByteArray(StreamBytes().str("HelpText.HelpData").bytes({10}).le32(2).bytes({0, 0})));
}

TEST(HelpText, RefusesMalformedHelpDataAndKeepsItsEntries)
{
    TODSHelpText texts;
    texts.addEntry(QStringLiteral("A"), TODSHelpData::make(QStringLiteral("kept")));
    texts.add(QStringLiteral("B"));
    const struct {
        const char *what;
        QByteArray data;
    } cases[] = {
        {"nothing", QByteArray()},
        {"more entries than lines", StreamBytes().bytes({3, 0, 0, 0, 0})},
        {"a negative count", StreamBytes().bytes({0xFF, 0xFF})},
        {"a flag that is neither 0 nor 1", StreamBytes().bytes({1, 0, 2})},
        {"a text cut short", StreamBytes().bytes({1, 0, 1, 0, 0, 9, 0}).raw("abc")},
        {"a context cut short", StreamBytes().bytes({1, 0, 1, 0, 0, 0, 0, 0, 1, 2})},
        {"bytes after the last entry", StreamBytes().bytes({1, 0, 0, 0xAA})},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(texts.setHelpData(c.data)) << c.what;
        EXPECT_EQ(textOf(texts.entry(0)), "kept") << c.what;
    }
    // Fewer entries than lines leave the others without one.
    EXPECT_TRUE(texts.setHelpData(StreamBytes().bytes({1, 0, 0})));
    EXPECT_EQ(texts.entry(0), nullptr);

    // Through the stream, a malformed value fails the read.
    QBuffer buffer;
    buffer.setData(StreamBytes().bytes({10}).le32(1).bytes({0}));
    buffer.open(QIODevice::ReadOnly);
    TReader reader(&buffer);
    EXPECT_THROW(DefinedProperties::read(reader, &texts, QStringLiteral("HelpData")), EReadError);
}

TEST(HelpTextFile, ReadsEntriesContextsParagraphsAndRedirections)
{
    TODSHelpText texts;
    QString error;
    ASSERT_TRUE(HelpTextFile::parse(QStringLiteral(
                                        "# The Text window.\r\n"
                                        "\n"
                                        "[LabelText]\n"
                                        "  The text of\n"
                                        "the label.  \n"
                                        "\n"
                                        "\n"
                                        "A second paragraph.\n"
                                        "# a remark inside an entry\n"
                                        "[ HelpButton ] 40004\n"
                                        "Opens the help.\n"
                                        "[Cancelbutton]\n"
                                        "->HelpButton\n"),
                                    texts, &error))
        << error.toStdString();
    EXPECT_EQ(texts.strings(), QStringList({"LabelText", "HelpButton", "Cancelbutton"}));
    EXPECT_EQ(textOf(texts.entry(0)), "The text of the label.\nA second paragraph.");
    EXPECT_EQ(texts.entry(0)->Context, 0u);
    EXPECT_EQ(texts.entry(1)->Context, 40004u);
    EXPECT_EQ(textOf(texts.resolve(QStringLiteral("Cancelbutton"))), "Opens the help.");
}

TEST(HelpTextFile, ReportsTheLineOfAMistakeAndKeepsNothing)
{
    const struct {
        const char *source;
        const char *error;
    } cases[] = {
        {"stray text\n[A]\ntext\n", "line 1: text before the first entry"},
        {"[A]\ntext\n[A]\nagain\n", "line 3: a second entry \"A\""},
        {"[A]\n\n[B]\ntext\n", "line 1: the entry \"A\" has no text"},
        {"[A]\ntext\n[B]\n", "line 3: the entry \"B\" has no text"},
        {"[A]\ntext\n[B\ntext\n", "line 3: not an entry's name: [B"},
        {"[A] twelve\ntext\n", "line 1: not an entry's name: [A] twelve"},
        {"[A] 99999999999\ntext\n", "line 1: the help context is too large"},
    };
    for (const auto &c : cases) {
        TODSHelpText texts;
        texts.addEntry(QStringLiteral("Old"), TODSHelpData::make(QStringLiteral("old")));
        QString error;
        EXPECT_FALSE(HelpTextFile::parse(QString::fromUtf8(c.source), texts, &error)) << c.source;
        EXPECT_EQ(error, QString::fromUtf8(c.error));
        EXPECT_EQ(texts.count(), 0) << c.source;
    }
}

TEST(HelpTextFile, PrefersTheTranslationForTheLocale)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    auto write = [&](const QString &relative) {
        QDir(root.path()).mkpath(QFileInfo(relative).path());
        QFile file(root.filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[A]\n" + relative.toUtf8() + "\n");
    };
    write(QStringLiteral("TWindow.txt"));
    write(QStringLiteral("de/TWindow.txt"));
    write(QStringLiteral("fr_CA/TWindow.txt"));

    EXPECT_EQ(HelpTextFile::pathFor(root.path(), "TWindow", "fr_CA"), root.filePath("fr_CA/TWindow.txt"));
    EXPECT_EQ(HelpTextFile::pathFor(root.path(), "TWindow", "de_AT"), root.filePath("de/TWindow.txt"));
    EXPECT_EQ(HelpTextFile::pathFor(root.path(), "TWindow", "it_IT"), root.filePath("TWindow.txt"));
    EXPECT_EQ(HelpTextFile::pathFor(root.path(), "TOther", "de_DE"), QString());

    TODSHelpText texts;
    ASSERT_TRUE(HelpTextFile::load(HelpTextFile::pathFor(root.path(), "TWindow", "de_DE"), texts));
    EXPECT_EQ(textOf(texts.find(QStringLiteral("A"))), "de/TWindow.txt");
    QString error;
    EXPECT_FALSE(HelpTextFile::load(root.filePath("missing.txt"), texts, &error));
    EXPECT_TRUE(error.startsWith("cannot read")) << error.toStdString();
}
