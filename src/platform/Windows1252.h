#pragma once
// The Western Windows code page: Latin-1 with printable characters in
// 0x80-0x9F (the euro sign, typographic quotes ...). The five bytes the
// code page leaves undefined stand for the C1 control of the same number,
// so that every byte maps to a character and back.
#include <QChar>

namespace sw {

class Windows1252
{
public:
    static QChar toChar(unsigned char byte);
    // The byte of a character, or -1 when the code page has none.
    static int toByte(QChar c);
};

} // namespace sw
