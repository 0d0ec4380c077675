#pragma once
// Text in the component stream is 8-bit: the Western Windows code page
// (Latin-1 with printable characters in 0x80-0x9F, such as the euro sign
// and typographic quotes). The mapping is one byte to one character both
// ways, so every stored byte string reads back unchanged; characters the
// code page cannot hold are written as '?'.
#include <QByteArray>
#include <QString>

namespace sw {

QByteArray textToAnsi(const QString &text);
QString ansiToText(const QByteArray &bytes);

} // namespace sw
