#pragma once
// Reads RTF into a QTextDocument: text with its fonts, sizes, colours,
// bold, italic, underline, strike-out, super- and subscript and character
// background, and paragraphs with their alignment, indents and spacing.
// Everything else a word processor may write (pictures, fields'
// instructions, headers, footers, footnotes, list numbers, style sheets,
// document information, unknown destinations) is skipped; a field's shown
// result is kept.
//
// Any input reads without failing: unbalanced braces, escapes cut short,
// out-of-range numbers and bytes after the document are tolerated, nesting
// deeper than MaxDepth is read as if flat, and nothing is read past the
// input's end. Text that does not start with "{\rtf" is read all the same.
//
// Lengths (\li, \fi, \sb ...) are twips; in the document they become pixels
// at pixelsPerInch, the resolution the document is laid out at.
#include <QByteArray>

class QTextDocument;

namespace sw {

class RtfReader
{
public:
    // Groups nested deeper than this keep the formatting of the level above.
    static constexpr int MaxDepth = 200;

    explicit RtfReader(int pixelsPerInch);

    // Replaces the document's content with the RTF's.
    void read(const QByteArray &rtf, QTextDocument &document) const;

private:
    int mPixelsPerInch;
};

} // namespace sw
