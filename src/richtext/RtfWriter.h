#pragma once
// Writes a QTextDocument as RTF that RtfReader reads back to the same
// document: every paragraph with its alignment, indents and spacing, every
// run of text with its font, size, bold, italic, underline, strike-out,
// super- or subscript, colour and background. Text outside Windows-1252 is
// written as \uN with "?" for readers that do not know it.
//
// Pixel lengths of the document (at pixelsPerInch) are written in twips.
#include <QByteArray>

class QTextDocument;

namespace sw {

class RtfWriter
{
public:
    explicit RtfWriter(int pixelsPerInch);

    QByteArray write(const QTextDocument &document) const;

private:
    int mPixelsPerInch;
};

} // namespace sw
