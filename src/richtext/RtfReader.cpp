#include "richtext/RtfReader.h"

#include "richtext/RtfCodePages.h"

#include <QColor>
#include <QHash>
#include <QSet>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace sw {

namespace {

// ---- tokens ---------------------------------------------------------------------------

enum class Token { End, GroupStart, GroupEnd, Word, Symbol, HexByte, Text };

// Splits the input into tokens; never reads past its end. Words longer
// than 32 letters are cut, numbers saturate at the int range.
class Tokenizer
{
public:
    explicit Tokenizer(const QByteArray &input)
        : mData(input.constData())
        , mSize(input.size())
    {
    }

    Token next()
    {
        while (mPos < mSize) {
            const char c = mData[mPos];
            if (c == '{') {
                ++mPos;
                return Token::GroupStart;
            }
            if (c == '}') {
                ++mPos;
                return Token::GroupEnd;
            }
            if (c == '\\')
                return control();
            if (c == '\r' || c == '\n' || c == '\0') {
                ++mPos;
                continue;
            }
            // A run of plain text up to the next special character.
            const qsizetype start = mPos;
            while (mPos < mSize) {
                const char d = mData[mPos];
                if (d == '{' || d == '}' || d == '\\' || d == '\r' || d == '\n' || d == '\0')
                    break;
                ++mPos;
            }
            text = QByteArray(mData + start, mPos - start);
            return Token::Text;
        }
        return Token::End;
    }

    // Skips up to count raw bytes (the data of \binN).
    void skipBytes(qint64 count)
    {
        if (count <= 0)
            return;
        mPos += static_cast<qsizetype>(std::min<qint64>(count, mSize - mPos));
    }

    QByteArray word;    // Word: the control word's letters
    bool hasParam = false;
    int param = 0;
    char symbol = 0;    // Symbol: the character after the backslash
    int byte = 0;       // HexByte
    QByteArray text;    // Text

private:
    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    Token control()
    {
        ++mPos; // the backslash
        if (mPos >= mSize) {
            symbol = 0;
            return Token::Symbol;
        }
        const char c = mData[mPos];
        if (!isLetter(c)) {
            ++mPos;
            if (c == '\'') {
                // Two hex digits; an escape cut short stands for nothing,
                // the one digit it has included.
                const int hi = mPos < mSize ? hexValue(mData[mPos]) : -1;
                if (hi < 0) {
                    symbol = 0;
                    return Token::Symbol;
                }
                ++mPos;
                const int lo = mPos < mSize ? hexValue(mData[mPos]) : -1;
                if (lo < 0) {
                    symbol = 0;
                    return Token::Symbol;
                }
                ++mPos;
                byte = hi * 16 + lo;
                return Token::HexByte;
            }
            symbol = c;
            return Token::Symbol;
        }
        word.clear();
        while (mPos < mSize && isLetter(mData[mPos])) {
            if (word.size() < 32)
                word.append(mData[mPos]);
            ++mPos;
        }
        hasParam = false;
        param = 0;
        bool negative = false;
        if (mPos + 1 < mSize && mData[mPos] == '-' && isDigit(mData[mPos + 1])) {
            negative = true;
            ++mPos;
        }
        if (mPos < mSize && isDigit(mData[mPos])) {
            hasParam = true;
            qint64 value = 0;
            while (mPos < mSize && isDigit(mData[mPos])) {
                value = std::min<qint64>(value * 10 + (mData[mPos] - '0'), qint64(INT_MAX));
                ++mPos;
            }
            param = static_cast<int>(negative ? -value : value);
        }
        if (mPos < mSize && mData[mPos] == ' ')
            ++mPos;
        return Token::Word;
    }

    const char *mData;
    qsizetype mSize;
    qsizetype mPos = 0;
};

// ---- state -------------------------------------------------------------------------------

enum class Dest {
    Text,       // document text
    FontTable,  // \fonttbl and its entries
    ColorTable, // \colortbl
    Upr,        // \upr: its own text is an ANSI copy of the \ud group inside
    Skip,       // read over
};

struct CharState
{
    int font = -1; // -1: the default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int vertical = 0; // 0 normal, 1 superscript, 2 subscript
    int foreground = 0; // colour table index; 0 is the automatic colour
    int background = 0; // 0: none
};

struct ParaState
{
    int align = 0; // 0 left, 1 right, 2 centre, 3 justified
    int left = 0, right = 0, first = 0, before = 0, after = 0; // twips
};

struct Group
{
    Dest dest = Dest::Text;
    CharState ch;
    ParaState para;
    int uc = 1;
};

struct FontEntry
{
    QString name;
    int codePage = RtfCodePages::Ansi;
};

// What a run of text is drawn with; consecutive text of equal style is
// inserted in one piece.
struct RunStyle
{
    CharState ch;
    int codePage = RtfCodePages::Ansi;
    bool operator==(const RunStyle &o) const
    {
        const CharState &a = ch, &b = o.ch;
        return a.font == b.font && a.halfPoints == b.halfPoints && a.bold == b.bold && a.italic == b.italic
            && a.underline == b.underline && a.strike == b.strike && a.vertical == b.vertical
            && a.foreground == b.foreground && a.background == b.background && codePage == o.codePage;
    }
};

const QSet<QByteArray> &skippedDestinations()
{
    static const QSet<QByteArray> words = {
        "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer", "footerl",
        "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor", "listtext", "pntext",
        "pntxta", "pntxtb", "object", "objdata", "shp", "shpinst", "shptxt", "nonshppict", "fldinst",
        "filetbl", "revtbl", "listtable", "listoverridetable", "rsidtbl", "generator", "xe", "tc", "txe",
        "private", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "template", "docvar",
        "themedata", "colorschememapping", "pgdsctbl", "latentstyles", "datastore", "xmlnstbl",
        "mmathPr", "fchars", "lchars", "author", "title", "subject", "keywords", "comment",
        "operator", "company", "doccomm", "hlinkbase", "buptim", "creatim", "printim", "revtim",
        "userprops", "bkmkstart", "bkmkend",
    };
    return words;
}

const QSet<QByteArray> &underlineWords()
{
    static const QSet<QByteArray> words = {
        "ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
        "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave",
    };
    return words;
}

char16_t specialCharacter(const QByteArray &word)
{
    static const QHash<QByteArray, char16_t> chars = {
        {"tab", u'\t'},        {"line", 0x2028},     {"emdash", 0x2014},    {"endash", 0x2013},
        {"emspace", 0x2003},   {"enspace", 0x2002},  {"qmspace", 0x2005},   {"bullet", 0x2022},
        {"lquote", 0x2018},    {"rquote", 0x2019},   {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"zwj", 0x200D},       {"zwnj", 0x200C},     {"ltrmark", 0x200E},   {"rtlmark", 0x200F},
        {"cell", u'\t'},       {"nestcell", u'\t'},
    };
    return chars.value(word, 0);
}

// ---- the reader ------------------------------------------------------------------------------

class Reading
{
public:
    Reading(QTextDocument &document, int pixelsPerInch)
        : mDocument(document)
        , mCursor(&document)
        , mPixelsPerInch(pixelsPerInch)
    {
        mStack.reserve(RtfReader::MaxDepth);
        mStack.push_back(Group());
    }

    void run(const QByteArray &rtf)
    {
        Tokenizer tokens(rtf);
        bool started = false;
        for (;;) {
            const Token token = tokens.next();
            if (token == Token::End)
                break;
            if (token == Token::GroupStart) {
                started = true;
                openGroup();
                continue;
            }
            if (token == Token::GroupEnd) {
                closeGroup();
                // The document ends with its outermost group.
                if (started && mStack.size() == 1 && mOverflow == 0)
                    break;
                continue;
            }
            switch (token) {
            case Token::Word:
                if (tokens.word == "bin") {
                    countFallback();
                    tokens.skipBytes(tokens.hasParam ? tokens.param : 0);
                } else {
                    word(tokens.word, tokens.hasParam, tokens.param);
                }
                break;
            case Token::Symbol:
                symbol(tokens.symbol);
                break;
            case Token::HexByte:
                mGroupStarted = false;
                if (!countFallback())
                    bytes(QByteArray(1, static_cast<char>(tokens.byte)));
                break;
            case Token::Text:
                plainText(tokens.text);
                break;
            default:
                break;
            }
        }
        finish();
    }

private:
    Group &top() { return mStack.back(); }

    // ---- groups ----------------------------------------------------------------------------
    void openGroup()
    {
        mSkipFallback = 0;
        mIgnorable = false;
        if (static_cast<int>(mStack.size()) >= RtfReader::MaxDepth) {
            ++mOverflow;
            return;
        }
        mStack.push_back(mStack.back());
        mGroupStarted = true;
    }

    void closeGroup()
    {
        mSkipFallback = 0;
        mIgnorable = false;
        mGroupStarted = false;
        if (mOverflow > 0) {
            --mOverflow;
            return;
        }
        if (mStack.size() <= 1)
            return;
        const Dest closing = top().dest;
        if (closing == Dest::FontTable)
            commitFont();
        else if (closing == Dest::ColorTable && mColorStarted)
            commitColor();
        mStack.pop_back();
    }

    // ---- control words ------------------------------------------------------------------------
    void word(const QByteArray &w, bool hasParam, int param)
    {
        const bool ignorable = mIgnorable;
        const bool first = mGroupStarted;
        mIgnorable = false;
        mGroupStarted = false;
        Group &g = top();

        if (countFallback())
            return;

        // Destinations.
        if (w == "fonttbl") {
            g.dest = Dest::FontTable;
            mFontNumber = INT_MIN;
            return;
        }
        if (w == "colortbl") {
            g.dest = Dest::ColorTable;
            mColorStarted = false;
            mRed = mGreen = mBlue = 0;
            return;
        }
        if (w == "fldrslt") {
            if (g.dest != Dest::Skip)
                g.dest = Dest::Text;
            return;
        }
        if (w == "upr") {
            if (g.dest == Dest::Text)
                g.dest = Dest::Upr;
            return;
        }
        if (w == "ud") {
            if (mStack.size() >= 2 && mStack[mStack.size() - 2].dest == Dest::Upr)
                g.dest = Dest::Text;
            return;
        }
        if (w == "field") {
            // A field's instruction is skipped and its result kept.
            return;
        }
        if (skippedDestinations().contains(w) || (ignorable && first)) {
            g.dest = Dest::Skip;
            return;
        }
        if (g.dest == Dest::Skip)
            return;

        if (g.dest == Dest::FontTable) {
            fontTableWord(w, hasParam, param);
            return;
        }
        if (g.dest == Dest::ColorTable) {
            const int v = std::clamp(param, 0, 255);
            if (w == "red") {
                mRed = v;
                mColorStarted = true;
            } else if (w == "green") {
                mGreen = v;
                mColorStarted = true;
            } else if (w == "blue") {
                mBlue = v;
                mColorStarted = true;
            }
            return;
        }

        // Document settings.
        if (w == "ansi") {
            mCodePage = RtfCodePages::Ansi;
            return;
        }
        if (w == "mac" || w == "pc" || w == "pca") {
            mCodePage = w == "mac" ? RtfCodePages::Mac : w == "pc" ? RtfCodePages::Pc : RtfCodePages::Pca;
            return;
        }
        if (w == "ansicpg") {
            if (hasParam && RtfCodePages::isKnown(param))
                mCodePage = param;
            return;
        }
        if (w == "deff") {
            mDefaultFont = param;
            return;
        }
        if (w == "uc") {
            g.uc = std::clamp(param, 0, 16);
            return;
        }
        if (w == "u") {
            if (!hasParam)
                return;
            unicode(param);
            mSkipFallback = g.uc;
            return;
        }

        CharState &ch = g.ch;
        const bool on = !hasParam || param != 0;
        if (w == "plain") {
            ch = CharState();
        } else if (w == "f") {
            ch.font = param;
        } else if (w == "fs") {
            if (hasParam && param > 0)
                ch.halfPoints = std::min(param, 3276);
        } else if (w == "b") {
            ch.bold = on;
        } else if (w == "i") {
            ch.italic = on;
        } else if (underlineWords().contains(w)) {
            ch.underline = on;
        } else if (w == "ulnone") {
            ch.underline = false;
        } else if (w == "strike" || w == "striked") {
            ch.strike = on;
        } else if (w == "super") {
            ch.vertical = 1;
        } else if (w == "sub") {
            ch.vertical = 2;
        } else if (w == "nosupersub") {
            ch.vertical = 0;
        } else if (w == "v") {
            ch.hidden = on;
        } else if (w == "cf") {
            ch.foreground = std::max(param, 0);
        } else if (w == "cb" || w == "highlight" || w == "chcbpat") {
            ch.background = std::max(param, 0);
        } else if (w == "pard") {
            g.para = ParaState();
        } else if (w == "ql") {
            g.para.align = 0;
        } else if (w == "qr") {
            g.para.align = 1;
        } else if (w == "qc") {
            g.para.align = 2;
        } else if (w == "qj" || w == "qd") {
            g.para.align = 3;
        } else if (w == "li" || w == "lin") {
            g.para.left = param;
        } else if (w == "ri" || w == "rin") {
            g.para.right = param;
        } else if (w == "fi") {
            g.para.first = param;
        } else if (w == "sb") {
            g.para.before = param;
        } else if (w == "sa") {
            g.para.after = param;
        } else if (w == "par" || w == "row") {
            if (g.dest == Dest::Text)
                paragraph();
        } else if (w == "page" || w == "sect" || w == "column") {
            if (g.dest == Dest::Text && !paragraphEmpty())
                paragraph();
        } else if (const char16_t c = specialCharacter(w)) {
            text(QString(QChar(c)));
        }
    }

    void fontTableWord(const QByteArray &w, bool hasParam, int param)
    {
        if (w == "f") {
            commitFont();
            mFontNumber = param;
            mFontName.clear();
            mFontBytes.clear();
            mFontCharset = 0;
            mFontCodePage = 0;
        } else if (w == "fcharset") {
            mFontCharset = param;
        } else if (w == "cpg") {
            mFontCodePage = hasParam && RtfCodePages::isKnown(param) ? param : 0;
        } else if (w == "u") {
            decodeFontBytes();
            appendUnicode(mFontName, param);
            mSkipFallback = top().uc;
        }
    }

    void symbol(char c)
    {
        if (c == '*') {
            mIgnorable = true;
            return;
        }
        mGroupStarted = false;
        if (countFallback())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            bytes(QByteArray(1, c));
            break;
        case '~':
            text(QString(QChar(0x00A0)));
            break;
        case '-':
            text(QString(QChar(0x00AD)));
            break;
        case '_':
            text(QString(QChar(0x2011)));
            break;
        case '\r':
        case '\n':
            if (top().dest == Dest::Text)
                paragraph();
            break;
        case '\t':
            text(QStringLiteral("\t"));
            break;
        default:
            break;
        }
    }

    // ---- text ------------------------------------------------------------------------------------
    // One character of a \uN fallback is used up; true while skipping.
    bool countFallback()
    {
        if (mSkipFallback <= 0)
            return false;
        --mSkipFallback;
        return true;
    }

    void plainText(const QByteArray &raw)
    {
        mGroupStarted = false;
        QByteArray data = raw;
        // The fallback of \uN counts in bytes of the text that follows.
        if (mSkipFallback > 0) {
            const int n = std::min<int>(mSkipFallback, int(data.size()));
            data.remove(0, n);
            mSkipFallback -= n;
        }
        if (data.isEmpty())
            return;
        const Dest dest = top().dest;
        if (dest == Dest::FontTable) {
            fontText(data);
            return;
        }
        if (dest == Dest::ColorTable) {
            for (const char c : data)
                if (c == ';')
                    commitColor();
            return;
        }
        QByteArray clean;
        clean.reserve(data.size());
        for (const char c : data) {
            if (c == '\t')
                clean.append(c);
            else if (static_cast<unsigned char>(c) >= 0x20)
                clean.append(c);
        }
        bytes(clean);
    }

    void fontText(const QByteArray &data)
    {
        for (const char c : data) {
            if (c == ';') {
                commitFont();
                mFontNumber = INT_MIN;
            } else if (mFontNumber != INT_MIN && static_cast<unsigned char>(c) >= 0x20) {
                mFontBytes.append(c);
            }
        }
    }

    static void appendUnicode(QString &to, int value)
    {
        if (value < 0)
            value += 65536;
        if (value < 0 || value > 0xFFFF)
            to.append(QChar(QChar::ReplacementCharacter));
        else
            to.append(QChar(static_cast<char16_t>(value)));
    }

    void unicode(int value)
    {
        const Dest dest = top().dest;
        if (dest == Dest::FontTable) {
            decodeFontBytes();
            appendUnicode(mFontName, value);
            return;
        }
        QString s;
        appendUnicode(s, value);
        text(s);
    }

    bool emitting()
    {
        const Group &g = top();
        return g.dest == Dest::Text && !g.ch.hidden;
    }

    RunStyle currentStyle()
    {
        RunStyle style;
        style.ch = top().ch;
        style.codePage = fontCodePage(style.ch.font);
        return style;
    }

    void bytes(const QByteArray &data)
    {
        if (top().dest == Dest::FontTable) {
            fontText(data);
            return;
        }
        if (!emitting() || data.isEmpty())
            return;
        beginRun();
        mRunBytes.append(data);
    }

    void text(const QString &s)
    {
        if (!emitting() || s.isEmpty())
            return;
        beginRun();
        decodeRunBytes();
        mRunText.append(s);
    }

    void beginRun()
    {
        const RunStyle style = currentStyle();
        if (!(style == mRunStyle)) {
            flush();
            mRunStyle = style;
        }
        mRunPara = top().para;
        mParagraphHasText = true;
    }

    void decodeRunBytes()
    {
        if (mRunBytes.isEmpty())
            return;
        mRunText.append(RtfCodePages::decode(mRunBytes, mRunStyle.codePage));
        mRunBytes.clear();
    }

    // Lone halves of surrogate pairs become U+FFFD; control characters
    // other than the tab (from \uN) are dropped, and so are the characters
    // the document uses to mark frames and objects of its own.
    static QString wellFormed(const QString &s)
    {
        QString out;
        out.reserve(s.size());
        for (qsizetype i = 0; i < s.size(); ++i) {
            const QChar c = s.at(i);
            if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
                out.append(c).append(s.at(++i));
            } else if (c.isSurrogate()) {
                out.append(QChar(QChar::ReplacementCharacter));
            } else if (c == QLatin1Char('\t') || (c.category() != QChar::Other_Control
                                                    && c != QChar::ObjectReplacementCharacter
                                                    && c.unicode() != 0xFDD0 && c.unicode() != 0xFDD1)) {
                out.append(c);
            }
        }
        return out;
    }

    void flush()
    {
        decodeRunBytes();
        if (mRunText.isEmpty())
            return;
        mCursor.setBlockFormat(blockFormat(mRunPara));
        mCursor.insertText(wellFormed(mRunText), charFormat(mRunStyle.ch));
        mRunText.clear();
    }

    // ---- paragraphs --------------------------------------------------------------------------------
    bool paragraphEmpty() const { return !mParagraphHasText && mRunText.isEmpty() && mRunBytes.isEmpty(); }

    void paragraph()
    {
        flush();
        mCursor.setBlockFormat(blockFormat(top().para));
        mCursor.setBlockCharFormat(charFormat(top().ch));
        mCursor.insertBlock();
        mParagraphHasText = false;
        mEndedWithParagraph = true;
    }

    void finish()
    {
        flush();
        // The mark that ends the last paragraph makes no empty one after it.
        if (mEndedWithParagraph && !mParagraphHasText && mDocument.blockCount() > 1) {
            const QTextBlock previous = mCursor.block().previous();
            const QTextBlockFormat bf = previous.blockFormat();
            const QTextCharFormat cf = previous.charFormat();
            mCursor.deletePreviousChar();
            mCursor.setBlockFormat(bf);
            mCursor.setBlockCharFormat(cf);
        }
    }

    // ---- tables --------------------------------------------------------------------------------------
    void decodeFontBytes()
    {
        if (mFontBytes.isEmpty())
            return;
        const int page = mFontCodePage ? mFontCodePage : RtfCodePages::fromCharset(mFontCharset, mCodePage);
        mFontName.append(RtfCodePages::decode(mFontBytes, page));
        mFontBytes.clear();
    }

    void commitFont()
    {
        if (mFontNumber == INT_MIN)
            return;
        decodeFontBytes();
        FontEntry entry;
        entry.name = wellFormed(mFontName).trimmed();
        entry.codePage = mFontCodePage ? mFontCodePage : RtfCodePages::fromCharset(mFontCharset, 0);
        if (!entry.name.isEmpty() || !mFonts.contains(mFontNumber))
            mFonts.insert(mFontNumber, entry);
        mFontNumber = INT_MIN;
        mFontName.clear();
    }

    void commitColor()
    {
        if (mColorStarted)
            mColors.push_back(QColor(mRed, mGreen, mBlue));
        else
            mColors.push_back(std::nullopt);
        mColorStarted = false;
        mRed = mGreen = mBlue = 0;
    }

    int fontCodePage(int font) const
    {
        auto it = mFonts.constFind(font < 0 ? mDefaultFont : font);
        if (it == mFonts.constEnd())
            it = mFonts.constFind(mDefaultFont);
        // 0: the font follows the document's code page.
        const int page = it == mFonts.constEnd() ? 0 : it->codePage;
        return page ? page : mCodePage;
    }

    QString fontName(int font) const
    {
        auto it = mFonts.constFind(font < 0 ? mDefaultFont : font);
        if (it == mFonts.constEnd() || it->name.isEmpty())
            it = mFonts.constFind(mDefaultFont);
        if (it == mFonts.constEnd() || it->name.isEmpty())
            return QStringLiteral("Times New Roman");
        return it->name;
    }

    std::optional<QColor> color(int index) const
    {
        if (index <= 0 || index >= static_cast<int>(mColors.size()))
            return std::nullopt;
        return mColors[static_cast<size_t>(index)];
    }

    QTextCharFormat charFormat(const CharState &ch) const
    {
        QTextCharFormat f;
        f.setFontFamilies(QStringList{fontName(ch.font)});
        f.setFontPointSize(ch.halfPoints / 2.0);
        f.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(ch.italic);
        f.setFontUnderline(ch.underline);
        f.setFontStrikeOut(ch.strike);
        if (ch.vertical == 1)
            f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (ch.vertical == 2)
            f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        if (const auto fg = color(ch.foreground))
            f.setForeground(*fg);
        if (const auto bg = color(ch.background))
            f.setBackground(*bg);
        return f;
    }

    double pixels(int twips) const { return twips * static_cast<double>(mPixelsPerInch) / 1440.0; }

    QTextBlockFormat blockFormat(const ParaState &p) const
    {
        QTextBlockFormat f;
        static const Qt::Alignment aligns[4] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter, Qt::AlignJustify};
        f.setAlignment(aligns[std::clamp(p.align, 0, 3)]);
        f.setLeftMargin(pixels(p.left));
        f.setRightMargin(pixels(p.right));
        f.setTextIndent(pixels(p.first));
        f.setTopMargin(pixels(p.before));
        f.setBottomMargin(pixels(p.after));
        return f;
    }

    QTextDocument &mDocument;
    QTextCursor mCursor;
    int mPixelsPerInch;
    std::vector<Group> mStack;
    int mOverflow = 0;
    bool mIgnorable = false;
    bool mGroupStarted = false;
    int mSkipFallback = 0;
    int mCodePage = RtfCodePages::Ansi;
    int mDefaultFont = 0;

    QHash<int, FontEntry> mFonts;
    int mFontNumber = INT_MIN;
    QString mFontName;
    QByteArray mFontBytes;
    int mFontCharset = 0;
    int mFontCodePage = 0;

    std::vector<std::optional<QColor>> mColors;
    bool mColorStarted = false;
    int mRed = 0, mGreen = 0, mBlue = 0;

    RunStyle mRunStyle;
    ParaState mRunPara;
    QByteArray mRunBytes;
    QString mRunText;
    bool mParagraphHasText = false;
    bool mEndedWithParagraph = false;
};

} // namespace

RtfReader::RtfReader(int pixelsPerInch)
    : mPixelsPerInch(pixelsPerInch > 0 ? pixelsPerInch : 96)
{
}

void RtfReader::read(const QByteArray &rtf, QTextDocument &document) const
{
    document.clear();
    Reading reading(document, mPixelsPerInch);
    reading.run(rtf);
}

} // namespace sw
