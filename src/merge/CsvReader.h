#pragma once
// Reads a CSV data file as spreadsheets write it, one record at a time, so
// that a file of any length needs only the memory of one record:
//
// - RFC 4180 fields: a field in double quotes may hold the separator,
//   line breaks and quotes (written twice, ""); outside quotes a quote is
//   an ordinary character.
// - The separator is found from the first line: the most frequent of
//   comma, semicolon and tab outside quotes (comma on a tie or when there
//   is none, a file of one column).
// - Text is UTF-8 (a byte order mark is skipped), UTF-16 when it starts
//   with its byte order mark, and Windows-1252 when the bytes are not
//   UTF-8. Lines end in CR LF, LF or CR; a line break inside a quoted
//   field is read as LF.
// - The first line names the columns (blanks around the names dropped).
//   A record with fewer fields than that leaves the others empty; one with
//   more is refused unless the extra fields are empty. Records whose
//   fields are all empty (blank lines, a row of separators) are skipped.
//
// Every problem throws DataFileError with a message naming the file and
// the line.
#include <QChar>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <memory>

namespace sw {

class CsvReader
{
public:
    enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

    // A record longer than this many characters is refused (it is not a
    // line of a data file, or a quote was left open).
    static constexpr int MaxRecordLength = 1000000;

    // Opens the file, finds its encoding and separator and reads the
    // column names. Throws DataFileError.
    explicit CsvReader(const QString &fileName);
    ~CsvReader();

    const QString &fileName() const { return mFileName; }
    // The column names in file order.
    const QStringList &columns() const { return mColumns; }
    QChar separator() const { return mSeparator; }
    Encoding encoding() const { return mEncoding; }
    // "UTF-8", "Windows-1252" ...
    static QString encodingName(Encoding encoding);

    // Reads the next record into `fields`, one entry per column. False at
    // the end of the file. Throws DataFileError.
    bool next(QStringList &fields);
    // The line the record read last starts on (from 1).
    int recordLine() const { return mRecordLine; }

    // The file's name for messages: its name without the folder.
    QString displayName() const;

private:
    // Finds the encoding from the whole file's bytes and rewinds it.
    void detectEncoding();
    // The separator of the first line.
    void detectSeparator();
    // One record as it stands in the file; false at the end.
    bool readRaw(QStringList &fields);
    void readQuoted(QString &field);
    void endOfLine(QChar c);
    // The character at the read position + offset, reading on as needed;
    // false past the end of the file.
    bool peek(QChar &c, int offset = 0);
    bool fill();
    [[noreturn]] void fail(int line, const QString &what) const;
    void checkLength(int length, int line, bool quoted) const;

    QString mFileName;
    QFile mFile;
    Encoding mEncoding = Encoding::Utf8;
    std::unique_ptr<QStringDecoder> mDecoder;
    QString mBuffer;
    int mPos = 0;
    bool mEof = false;
    bool mFirstChunk = true;
    QChar mSeparator = QLatin1Char(',');
    QStringList mColumns;
    int mLine = 1;       // the line of the read position
    int mRecordLine = 0; // the line the last record started on
};

} // namespace sw
