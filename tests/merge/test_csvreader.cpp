// The data file as spreadsheets write it: each rule of the CSV dialect the
// merge reads (separators, encodings, quoting, line ends, short and long
// rows) and a message for each way a file can be unusable.
#include "merge/CsvReader.h"
#include "merge/DataFile.h"
#include "merge/DataFileError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace {

class Csv : public ::testing::Test
{
protected:
    QTemporaryDir dir;

    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("people.csv"))
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    // The columns, then every record.
    QList<QStringList> readAll(const QByteArray &bytes)
    {
        CsvReader reader(write(bytes));
        QList<QStringList> rows{reader.columns()};
        QStringList record;
        while (reader.next(record))
            rows.append(record);
        return rows;
    }

    // The message a file is refused with.
    std::string refusal(const QByteArray &bytes)
    {
        try {
            DataFile::check(write(bytes));
        } catch (const DataFileError &e) {
            return e.message().toStdString();
        }
        return "(accepted)";
    }
};

using Rows = QList<QStringList>;

} // namespace

TEST_F(Csv, CommaSeparatedWithQuotedCommasAndCrLfLineEnds)
{
    EXPECT_EQ(readAll("Name,Street,City\r\nAnn,\"1 High St, Flat 2\",Leeds\r\nBob,2 Low Rd,York\r\n"),
              (Rows{{"Name", "Street", "City"}, {"Ann", "1 High St, Flat 2", "Leeds"}, {"Bob", "2 Low Rd", "York"}}));
}

TEST_F(Csv, SemicolonFileAsEuropeanSpreadsheetsWriteIt)
{
    CsvReader reader(write("Name;Price\nTea;1,50\nCake;2,75\n"));
    EXPECT_EQ(reader.separator(), QLatin1Char(';'));
    QStringList record;
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record, (QStringList{"Tea", "1,50"})); // the decimal comma stays in its field
}

TEST_F(Csv, TabSeparatedFile)
{
    EXPECT_EQ(readAll("Name\tCity\nAnn\tLeeds, West Yorkshire\n"),
              (Rows{{"Name", "City"}, {"Ann", "Leeds, West Yorkshire"}}));
}

TEST_F(Csv, SeparatorsInsideQuotesOfTheHeaderDoNotCount)
{
    // Two semicolons inside the quoted name, one comma outside.
    CsvReader reader(write("\"Name; or; alias\",City\nAnn,Leeds\n"));
    EXPECT_EQ(reader.separator(), QLatin1Char(','));
    EXPECT_EQ(reader.columns(), (QStringList{"Name; or; alias", "City"}));
}

TEST_F(Csv, OneColumnFileHasNoSeparator)
{
    EXPECT_EQ(readAll("Name\nAnn\nBob\n"), (Rows{{"Name"}, {"Ann"}, {"Bob"}}));
}

TEST_F(Csv, Utf8ByteOrderMarkIsNoPartOfTheFirstName)
{
    CsvReader reader(write("\xEF\xBB\xBFName,City\nJos\xC3\xA9,K\xC3\xB6ln\n"));
    EXPECT_EQ(reader.encoding(), CsvReader::Encoding::Utf8);
    EXPECT_EQ(reader.columns().first(), "Name");
    QStringList record;
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record, (QStringList{QString::fromUtf8("José"), QString::fromUtf8("Köln")}));
}

TEST_F(Csv, BytesThatAreNotUtf8AreWindows1252)
{
    // 0xFC is u-umlaut, 0x80 the euro sign, 0x93 and 0x94 curly quotes;
    // the one bad byte is at the end, after text that reads as UTF-8.
    CsvReader reader(write("Name,Price\nM\xFCller,\x80 5\nShop,\x93Sale\x94\n"));
    EXPECT_EQ(reader.encoding(), CsvReader::Encoding::Windows1252);
    QStringList record;
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record, (QStringList{QString::fromUtf8("Müller"), QString::fromUtf8("€ 5")}));
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record.at(1), QString::fromUtf8("“Sale”"));
}

TEST_F(Csv, Utf16WithByteOrderMark)
{
    QByteArray bytes("\xFF\xFE", 2);
    const QString text = QString::fromUtf8("Name\tCity\r\nZoë\tÅrhus\r\n");
    bytes += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    EXPECT_EQ(readAll(bytes), (Rows{{"Name", "City"}, {QString::fromUtf8("Zoë"), QString::fromUtf8("Århus")}}));
}

TEST_F(Csv, QuotedLineBreakStaysInItsFieldAndLinesStillCount)
{
    CsvReader reader(write("Name,Address\r\nAnn,\"1 High St\r\nLeeds\"\r\nBob,York\r\n"));
    QStringList record;
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record.at(1), "1 High St\nLeeds");
    EXPECT_EQ(reader.recordLine(), 2);
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record.at(0), "Bob");
    EXPECT_EQ(reader.recordLine(), 4); // the quoted break took a line
}

TEST_F(Csv, DoubledQuotesAreOneQuote)
{
    EXPECT_EQ(readAll("Name,Size\n\"The \"\"Big\"\" One\",\"12\"\"\"\n"),
              (Rows{{"Name", "Size"}, {"The \"Big\" One", "12\""}}));
}

TEST_F(Csv, QuoteInsideAnUnquotedFieldIsAnOrdinaryCharacter)
{
    EXPECT_EQ(readAll("Name,Size\nRuler,12\" long\n"), (Rows{{"Name", "Size"}, {"Ruler", "12\" long"}}));
}

TEST_F(Csv, LfCrLfAndCrLineEndsAndNoFinalLineEnd)
{
    const Rows expected{{"A", "B"}, {"1", "2"}, {"3", "4"}};
    EXPECT_EQ(readAll("A,B\n1,2\n3,4\n"), expected);
    EXPECT_EQ(readAll("A,B\r\n1,2\r\n3,4\r\n"), expected);
    EXPECT_EQ(readAll("A,B\r1,2\r3,4"), expected);
}

TEST_F(Csv, ShortRowLeavesTheMissingFieldsEmpty)
{
    EXPECT_EQ(readAll("Name,Street,City\nAnn,1 High St\nBob\n"),
              (Rows{{"Name", "Street", "City"}, {"Ann", "1 High St", ""}, {"Bob", "", ""}}));
}

TEST_F(Csv, BlankLinesAndRowsOfSeparatorsAreSkipped)
{
    EXPECT_EQ(readAll("Name,City\n\nAnn,Leeds\n,\n\n"), (Rows{{"Name", "City"}, {"Ann", "Leeds"}}));
}

TEST_F(Csv, ExtraEmptyFieldsOfASpreadsheetRowAreNoData)
{
    EXPECT_EQ(readAll("Name,City,\nAnn,Leeds,,\n"), (Rows{{"Name", "City", ""}, {"Ann", "Leeds", ""}}));
}

TEST_F(Csv, ColumnNamesLoseTheirSurroundingBlanks)
{
    EXPECT_EQ(readAll(" Name , City\nAnn,Leeds\n").first(), (QStringList{"Name", "City"}));
}

TEST_F(Csv, CharactersAndLineEndsAcrossTheReadersPieces)
{
    // The reader reads 64 KiB at a time: a two-byte character, then a CR LF,
    // straddles the boundary between two pieces.
    for (int shift = 0; shift <= 2; ++shift) {
        QByteArray bytes = "Name,Note\n";
        int lines = 1;
        while (bytes.size() < 65536 - 40) {
            bytes += "r,plain\n";
            ++lines;
        }
        bytes += "wide," + QByteArray(65535 - shift - bytes.size() - 5, 'x') + "\xC3\xA9\r\n\"last\",end\n";
        CsvReader reader(write(bytes));
        QStringList record;
        for (int i = 1; i < lines; ++i)
            ASSERT_TRUE(reader.next(record));
        ASSERT_TRUE(reader.next(record));
        EXPECT_TRUE(record.at(1).endsWith(QString::fromUtf8("xé"))) << shift;
        ASSERT_TRUE(reader.next(record));
        EXPECT_EQ(record, (QStringList{"last", "end"}));
        EXPECT_EQ(reader.recordLine(), lines + 2) << shift; // no line break counted twice
        EXPECT_FALSE(reader.next(record));
    }
}

TEST_F(Csv, DataFileCountsRecordsAndKeepsTheFirst)
{
    const DataFile file = DataFile::check(write("Name,City\nAnn,Leeds\n\nBob,York\nCy,Ely\n"));
    EXPECT_EQ(file.records, 3);
    EXPECT_EQ(file.firstRecord, (QStringList{"Ann", "Leeds"}));
    EXPECT_EQ(DataFile::recordsText(30000), "30,000 records");
    EXPECT_EQ(DataFile::recordsText(1), "1 record");
}

TEST_F(Csv, EachProblemHasItsOwnMessage)
{
    EXPECT_EQ(refusal("Name,Street\nAnn,\"1 High St\nBob,York\nCy,Ely\n"),
              "people.csv, line 2: a quoted field starts on this line, but its closing quote is missing");
    EXPECT_EQ(refusal("Name,Size\n\"Big\"x,12\n"),
              "people.csv, line 2: text follows the closing quote of field 1; a quote inside a quoted field is "
              "written twice (\"\")");
    EXPECT_EQ(refusal("Name,City\nAnn,Leeds\nBob,York,UK\n"),
              "people.csv, line 3: the record has 3 fields, but the first line names only 2 columns");
    EXPECT_EQ(refusal("Name,City,name\nAnn,Leeds,Ann\n"),
              "people.csv, line 1: the column name \"name\" appears twice (columns 1 and 3); column names must "
              "differ in more than upper and lower case");
    EXPECT_EQ(refusal(",,\nAnn,Leeds,UK\n"),
              "people.csv, line 1: the first line should name the columns, but it holds no names");
    EXPECT_EQ(refusal(""), "The data file people.csv is empty: its first line should name the columns");
    EXPECT_EQ(refusal("Name,City\r\n"), "The data file people.csv names its columns but holds no records to print");
    EXPECT_EQ(refusal(QByteArray("PK\x03\x04\0\0binary", 12)),
              "The data file people.csv is not a text file of comma-, semicolon- or tab-separated values");

    try {
        CsvReader reader(dir.filePath(QStringLiteral("missing.csv")));
        ADD_FAILURE() << "a missing file was opened";
    } catch (const DataFileError &e) {
        EXPECT_TRUE(e.message().startsWith("Cannot open the data file missing.csv: ")) << e.message().toStdString();
    }
}

TEST_F(Csv, AnUnclosedQuoteInAHugeFileIsNamedNotSwallowed)
{
    QByteArray bytes = "Name,Note\nAnn,\"open\n";
    bytes += QByteArray(CsvReader::MaxRecordLength + 10, 'y');
    EXPECT_EQ(refusal(bytes), "people.csv, line 2: a quoted field starts on this line, but its closing quote is missing");
    // A field that is not a field: a line of a million characters.
    EXPECT_EQ(refusal("Name,Note\nAnn,ok\nBob," + QByteArray(CsvReader::MaxRecordLength + 1, 'z') + "\n"),
              "people.csv, line 3: the line is longer than 1,000,000 characters");
}
