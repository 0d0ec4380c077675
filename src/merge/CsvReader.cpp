#include "merge/CsvReader.h"

#include "merge/DataFileError.h"
#include "platform/Windows1252.h"

#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <algorithm>

namespace sw {

namespace {

constexpr qint64 ChunkSize = 64 * 1024;
const QChar Quote = QLatin1Char('"');
const QChar Cr = QLatin1Char('\r');
const QChar Lf = QLatin1Char('\n');

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char ch : bytes)
        *out++ = Windows1252::toChar(static_cast<unsigned char>(ch));
    return text;
}

// Checks UTF-8 a piece at a time: the state carries a sequence split
// between pieces. Overlong forms, surrogates and values past U+10FFFF are
// not UTF-8.
class Utf8Check
{
public:
    bool feed(const QByteArray &bytes)
    {
        for (const char ch : bytes) {
            const auto b = static_cast<unsigned char>(ch);
            if (mNeed == 0) {
                if (b < 0x80)
                    continue;
                if (b >= 0xC2 && b <= 0xDF)
                    start(1, 0x80, 0xBF);
                else if (b == 0xE0)
                    start(2, 0xA0, 0xBF);
                else if ((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF)
                    start(2, 0x80, 0xBF);
                else if (b == 0xED)
                    start(2, 0x80, 0x9F);
                else if (b == 0xF0)
                    start(3, 0x90, 0xBF);
                else if (b >= 0xF1 && b <= 0xF3)
                    start(3, 0x80, 0xBF);
                else if (b == 0xF4)
                    start(3, 0x80, 0x8F);
                else
                    return false;
            } else {
                if (b < mLow || b > mHigh)
                    return false;
                mLow = 0x80;
                mHigh = 0xBF;
                --mNeed;
            }
        }
        return true;
    }
    bool complete() const { return mNeed == 0; }

private:
    void start(int need, unsigned char low, unsigned char high)
    {
        mNeed = need;
        mLow = low;
        mHigh = high;
    }
    int mNeed = 0;
    unsigned char mLow = 0x80, mHigh = 0xBF;
};

} // namespace

CsvReader::CsvReader(const QString &fileName)
    : mFileName(fileName)
    , mFile(fileName)
{
    if (QFileInfo(fileName).isDir())
        throw DataFileError(QStringLiteral("Cannot open the data file %1: it is a folder").arg(displayName()));
    if (!mFile.open(QIODevice::ReadOnly))
        throw DataFileError(
            QStringLiteral("Cannot open the data file %1: %2").arg(displayName(), mFile.errorString()));
    detectEncoding();
    detectSeparator();

    QStringList names;
    if (!readRaw(names))
        throw DataFileError(
            QStringLiteral("The data file %1 is empty: its first line should name the columns").arg(displayName()));
    QHash<QString, int> seen;
    bool anyName = false;
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names.at(i).trimmed();
        mColumns.append(name);
        if (name.isEmpty())
            continue;
        anyName = true;
        const QString key = name.toCaseFolded();
        if (seen.contains(key))
            fail(1, QStringLiteral("the column name \"%1\" appears twice (columns %2 and %3); column names must "
                                   "differ in more than upper and lower case")
                        .arg(name)
                        .arg(seen.value(key) + 1)
                        .arg(i + 1));
        seen.insert(key, i);
    }
    if (!anyName)
        fail(mRecordLine, QStringLiteral("the first line should name the columns, but it holds no names"));
}

CsvReader::~CsvReader() = default;

QString CsvReader::displayName() const
{
    return QFileInfo(mFileName).fileName();
}

QString CsvReader::encodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return QStringLiteral("UTF-8");
    case Encoding::Utf16LE: return QStringLiteral("UTF-16LE");
    case Encoding::Utf16BE: return QStringLiteral("UTF-16BE");
    case Encoding::Windows1252: return QStringLiteral("Windows-1252");
    }
    return QString();
}

void CsvReader::fail(int line, const QString &what) const
{
    throw DataFileError(QStringLiteral("%1, line %2: %3").arg(displayName()).arg(line).arg(what));
}

void CsvReader::detectEncoding()
{
    const QByteArray start = mFile.peek(3);
    if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF")) {
        mEncoding = start.startsWith("\xFF\xFE") ? Encoding::Utf16LE : Encoding::Utf16BE;
        mDecoder = std::make_unique<QStringDecoder>(mEncoding == Encoding::Utf16LE ? QStringConverter::Utf16LE
                                                                                 : QStringConverter::Utf16BE);
        return;
    }
    // One pass over the bytes: text has no NUL bytes, and one byte that is
    // not UTF-8 anywhere makes the whole file Windows-1252.
    Utf8Check check;
    bool utf8 = true;
    for (;;) {
        const QByteArray chunk = mFile.read(ChunkSize);
        if (chunk.isEmpty())
            break;
        if (chunk.contains('\0'))
            throw DataFileError(QStringLiteral("The data file %1 is not a text file of comma-, semicolon- or "
                                               "tab-separated values")
                                    .arg(displayName()));
        if (utf8 && !check.feed(chunk))
            utf8 = false;
    }
    if (mFile.error() != QFileDevice::NoError)
        throw DataFileError(
            QStringLiteral("Cannot read the data file %1: %2").arg(displayName(), mFile.errorString()));
    mEncoding = utf8 && check.complete() ? Encoding::Utf8 : Encoding::Windows1252;
    if (mEncoding == Encoding::Utf8)
        mDecoder = std::make_unique<QStringDecoder>(QStringConverter::Utf8);
    mFile.seek(0);
}

bool CsvReader::fill()
{
    if (mEof)
        return false;
    const QByteArray chunk = mFile.read(ChunkSize);
    if (chunk.isEmpty()) {
        if (mFile.error() != QFileDevice::NoError)
            throw DataFileError(
                QStringLiteral("Cannot read the data file %1: %2").arg(displayName(), mFile.errorString()));
        mEof = true;
        return false;
    }
    // What was read already goes; the buffer holds about one chunk.
    if (mPos > 0) {
        mBuffer.remove(0, mPos);
        mPos = 0;
    }
    mBuffer += mDecoder ? QString((*mDecoder)(chunk)) : fromWindows1252(chunk);
    // A byte order mark is no part of the first column's name.
    if (mFirstChunk && mBuffer.startsWith(QChar(0xFEFF)))
        mBuffer.remove(0, 1);
    mFirstChunk = false;
    return true;
}

bool CsvReader::peek(QChar &c, int offset)
{
    while (mPos + offset >= mBuffer.size())
        if (!fill())
            return false;
    c = mBuffer.at(mPos + offset);
    return true;
}

void CsvReader::detectSeparator()
{
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    QChar c;
    for (int i = 0; i < MaxRecordLength && peek(c, i); ++i) {
        if (c == Quote)
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == Cr || c == Lf)
            break;
        else if (c == QLatin1Char(','))
            ++commas;
        else if (c == QLatin1Char(';'))
            ++semicolons;
        else if (c == QLatin1Char('\t'))
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        mSeparator = QLatin1Char(';');
    else if (tabs > commas && tabs > semicolons)
        mSeparator = QLatin1Char('\t');
    else
        mSeparator = QLatin1Char(',');
}

void CsvReader::endOfLine(QChar c)
{
    ++mPos;
    QChar next;
    if (c == Cr && peek(next) && next == Lf)
        ++mPos;
    ++mLine;
}

void CsvReader::checkLength(int length, int line, bool quoted) const
{
    if (length <= MaxRecordLength)
        return;
    if (quoted)
        fail(line, QStringLiteral("a quoted field starts on this line, but its closing quote is missing"));
    fail(line, QStringLiteral("the line is longer than %1 characters")
                   .arg(QLocale(QLocale::English).toString(MaxRecordLength)));
}

void CsvReader::readQuoted(QString &field)
{
    const int openLine = mLine;
    const int before = field.size();
    QChar c;
    for (;;) {
        if (!peek(c))
            fail(openLine, QStringLiteral("a quoted field starts on this line, but its closing quote is missing"));
        ++mPos;
        if (c == Quote) {
            QChar next;
            if (!peek(next) || next != Quote)
                return;
            ++mPos;
            field += Quote;
        } else if (c == Cr || c == Lf) {
            QChar next;
            if (c == Cr && peek(next) && next == Lf)
                ++mPos;
            ++mLine;
            field += Lf;
        } else {
            field += c;
        }
        checkLength(int(field.size()) - before, openLine, true);
    }
}

bool CsvReader::readRaw(QStringList &fields)
{
    fields.clear();
    QChar c;
    if (!peek(c))
        return false;
    mRecordLine = mLine;
    QString field;
    int length = 0;
    for (;;) {
        if (peek(c) && c == Quote) {
            ++mPos;
            readQuoted(field);
            if (peek(c) && c != mSeparator && c != Cr && c != Lf)
                fail(mLine, QStringLiteral("text follows the closing quote of field %1; a quote inside a quoted "
                                           "field is written twice (\"\")")
                                .arg(fields.size() + 1));
        } else {
            // An unquoted field runs to the separator or the line's end; a
            // quote inside it is an ordinary character.
            for (;;) {
                int i = mPos;
                while (i < mBuffer.size()) {
                    const QChar d = mBuffer.at(i);
                    if (d == mSeparator || d == Cr || d == Lf)
                        break;
                    ++i;
                }
                field += QStringView(mBuffer).mid(mPos, i - mPos);
                mPos = i;
                checkLength(length + int(field.size()), mRecordLine, false);
                if (i < mBuffer.size() || !fill())
                    break;
            }
        }
        length += int(field.size());
        checkLength(length, mRecordLine, false);
        fields.append(field);
        field.clear();
        if (!peek(c))
            return true; // the last line has no line break
        if (c == mSeparator) {
            ++mPos;
            continue;
        }
        endOfLine(c);
        return true;
    }
}

bool CsvReader::next(QStringList &fields)
{
    for (;;) {
        if (!readRaw(fields))
            return false;
        if (std::all_of(fields.cbegin(), fields.cend(), [](const QString &f) { return f.isEmpty(); }))
            continue;
        const int columns = int(mColumns.size());
        if (fields.size() > columns) {
            // Trailing empty fields (a spreadsheet's empty cells) are no data.
            const bool extraEmpty = std::all_of(fields.cbegin() + columns, fields.cend(),
                                                [](const QString &f) { return f.isEmpty(); });
            if (!extraEmpty)
                fail(mRecordLine, QStringLiteral("the record has %1 fields, but the first line names only %2 "
                                                 "column%3")
                                      .arg(fields.size())
                                      .arg(columns)
                                      .arg(columns == 1 ? "" : "s"));
            fields.erase(fields.begin() + columns, fields.end());
        }
        while (fields.size() < columns)
            fields.append(QString());
        return true;
    }
}

} // namespace sw
