#include "richtext/ui/RichTextClipboard.h"

#include "platform/ScreenInfo.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/TWPRTFTextIo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace sw {

namespace {
const QStringList kRtfTypes = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf")};
} // namespace

QMimeData *RichTextClipboard::fromSelection(const QTextCursor &cursor)
{
    if (!cursor.hasSelection())
        return nullptr;
    const QTextDocumentFragment fragment = cursor.selection();
    QTextDocument selected;
    TWPRTFTextIo::configure(&selected);
    if (const QTextDocument *source = cursor.document())
        selected.setDefaultFont(source->defaultFont());
    QTextCursor(&selected).insertFragment(fragment);
    auto *data = new QMimeData;
    const QByteArray rtf = RtfWriter(ScreenInfo::pixelsPerInch()).write(selected);
    for (const QString &type : kRtfTypes)
        data->setData(type, rtf);
    data->setHtml(fragment.toHtml());
    // Line and paragraph separators become plain line breaks.
    QString text = fragment.toPlainText();
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    data->setText(text);
    return data;
}

bool RichTextClipboard::insert(QTextCursor &cursor, const QMimeData *data)
{
    if (!data)
        return false;
    for (const QString &type : kRtfTypes) {
        if (data->hasFormat(type)) {
            QTextDocument pasted;
            TWPRTFTextIo::configure(&pasted);
            RtfReader(ScreenInfo::pixelsPerInch()).read(data->data(type), pasted);
            cursor.insertFragment(QTextDocumentFragment(&pasted));
            return true;
        }
    }
    if (data->hasHtml()) {
        cursor.insertFragment(QTextDocumentFragment::fromHtml(data->html()));
        return true;
    }
    if (data->hasText()) {
        cursor.insertText(data->text());
        return true;
    }
    return false;
}

void RichTextClipboard::copy(const QTextCursor &cursor)
{
    if (QMimeData *data = fromSelection(cursor))
        QGuiApplication::clipboard()->setMimeData(data);
}

void RichTextClipboard::cut(QTextCursor &cursor)
{
    if (!cursor.hasSelection())
        return;
    copy(cursor);
    cursor.removeSelectedText();
}

bool RichTextClipboard::paste(QTextCursor &cursor)
{
    return insert(cursor, QGuiApplication::clipboard()->mimeData());
}

} // namespace sw
