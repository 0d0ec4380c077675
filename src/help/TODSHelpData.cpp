#include "help/TODSHelpData.h"

#include "persistence/AnsiText.h"

namespace sw {

namespace {
const QByteArray kRedirection("->");
} // namespace

TODSHelpData TODSHelpData::make(const QString &text, quint32 context)
{
    TODSHelpData data;
    data.setText(text);
    data.Context = context;
    return data;
}

QString TODSHelpData::text() const
{
    return ansiToText(TextBytes);
}

void TODSHelpData::setText(const QString &text)
{
    // An empty text is stored as text of length 0, not as no text.
    TextBytes = textToAnsi(text);
    if (TextBytes.isNull())
        TextBytes = QByteArray("");
}

bool TODSHelpData::isRedirection() const
{
    return TextBytes.startsWith(kRedirection);
}

QString TODSHelpData::redirectionTarget() const
{
    return ansiToText(TextBytes.mid(kRedirection.size()));
}

} // namespace sw
