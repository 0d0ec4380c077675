#pragma once
// Helpers for the rich-text tests: a document's paragraphs and runs as
// plain values to compare, and reading RTF written as text.
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/TWPRTFTextIo.h"

#include <QColor>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QVector>

#include <memory>
#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace sw::test {

struct TextRun
{
    QString text;
    QString family;
    double points = 0;
    bool bold = false, italic = false, underline = false, strike = false;
    int vertical = 0; // QTextCharFormat::VerticalAlignment
    QString color;    // "#rrggbb", empty for the automatic colour
    QString background;
    bool operator==(const TextRun &o) const
    {
        return text == o.text && family == o.family && points == o.points && bold == o.bold
            && italic == o.italic && underline == o.underline && strike == o.strike
            && vertical == o.vertical && color == o.color && background == o.background;
    }
};

struct Paragraph
{
    Qt::Alignment align;
    double left = 0, right = 0, first = 0, before = 0, after = 0;
    QVector<TextRun> runs;
    QString text() const
    {
        QString t;
        for (const TextRun &r : runs)
            t += r.text;
        return t;
    }
    bool operator==(const Paragraph &o) const
    {
        return align == o.align && qFuzzyCompare(1 + left, 1 + o.left) && qFuzzyCompare(1 + right, 1 + o.right)
            && qFuzzyCompare(1 + first, 1 + o.first) && qFuzzyCompare(1 + before, 1 + o.before)
            && qFuzzyCompare(1 + after, 1 + o.after) && runs == o.runs;
    }
};

inline TextRun runOf(const QString &text, const QTextCharFormat &f)
{
    TextRun r;
    r.text = text;
    r.family = f.fontFamilies().toStringList().value(0);
    r.points = f.fontPointSize();
    r.bold = f.fontWeight() >= QFont::DemiBold;
    r.italic = f.fontItalic();
    r.underline = f.fontUnderline();
    r.strike = f.fontStrikeOut();
    r.vertical = f.verticalAlignment();
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        r.color = f.foreground().color().name();
    if (f.hasProperty(QTextFormat::BackgroundBrush))
        r.background = f.background().color().name();
    return r;
}

inline QVector<Paragraph> paragraphs(const QTextDocument &doc)
{
    QVector<Paragraph> result;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        Paragraph p;
        const QTextBlockFormat bf = b.blockFormat();
        p.align = bf.alignment() & Qt::AlignHorizontal_Mask;
        p.left = bf.leftMargin();
        p.right = bf.rightMargin();
        p.first = bf.textIndent();
        p.before = bf.topMargin();
        p.after = bf.bottomMargin();
        for (auto it = b.begin(); !it.atEnd(); ++it)
            p.runs.append(runOf(it.fragment().text(), it.fragment().charFormat()));
        result.append(p);
    }
    return result;
}

// A character format of a family and size, as the toolbar sets them.
inline QTextCharFormat chars(const char *family, double points)
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{QString::fromLatin1(family)});
    f.setFontPointSize(points);
    return f;
}

// The document read from RTF at 96 pixels per inch.
inline std::unique_ptr<QTextDocument> readRtf(const QByteArray &rtf)
{
    auto doc = std::make_unique<QTextDocument>();
    TWPRTFTextIo::configure(doc.get());
    RtfReader(96).read(rtf, *doc);
    return doc;
}

// The text as it is held: no-break spaces and line separators kept,
// paragraphs separated by U+2029.
inline QString plainText(const QByteArray &rtf)
{
    return readRtf(rtf)->toRawText();
}

} // namespace sw::test
