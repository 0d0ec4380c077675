#pragma once
// The 8-bit character sets of RTF text: which code page a font's
// \fcharset or the document's \ansicpg selects, and turning bytes of that
// code page into text. Decoding never fails: bytes a code page does not
// define become U+FFFD.
#include <QByteArray>
#include <QString>

namespace sw {

class RtfCodePages
{
public:
    // The document's code page when nothing says otherwise (\ansi).
    static constexpr int Ansi = 1252;
    // \mac, \pc, \pca.
    static constexpr int Mac = 10000;
    static constexpr int Pc = 437;
    static constexpr int Pca = 850;
    // Marks the symbol character set: bytes map to the font's own glyphs.
    static constexpr int Symbol = 42;

    // The code page of a font character set (\fcharsetN); 0 (ANSI) and 1
    // (default) give documentCodePage, unknown sets too.
    static int fromCharset(int charset, int documentCodePage);

    // True when bytes of the code page can be read here (the document's
    // \ansicpg of an unknown page falls back to 1252).
    static bool isKnown(int codePage);

    // Text of the bytes in the code page; consecutive bytes of a double-byte
    // code page are decoded together, so a character split over two \'hh
    // escapes comes out whole.
    static QString decode(const QByteArray &bytes, int codePage);

    // The byte of a character in Windows-1252, or -1 when it has none (the
    // writer then uses \uN).
    static int toAnsiByte(QChar c);
};

} // namespace sw
