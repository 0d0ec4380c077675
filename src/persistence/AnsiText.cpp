#include "persistence/AnsiText.h"

#include "platform/Windows1252.h"

namespace sw {

QByteArray textToAnsi(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = Windows1252::toByte(c);
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

QString ansiToText(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.append(Windows1252::toChar(static_cast<unsigned char>(b)));
    return out;
}

} // namespace sw
