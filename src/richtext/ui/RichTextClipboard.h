#pragma once
// Rich text on the system clipboard: a selection goes out as RTF (what
// word processors take), HTML and plain text; pasting takes RTF first,
// then HTML, then plain text.
class QMimeData;
class QTextCursor;

namespace sw {

class RichTextClipboard
{
public:
    // The selection of the cursor as clipboard data; null when nothing is
    // selected.
    static QMimeData *fromSelection(const QTextCursor &cursor);
    // Replaces the cursor's selection by the data; false when the data
    // holds nothing that can be inserted.
    static bool insert(QTextCursor &cursor, const QMimeData *data);

    static void copy(const QTextCursor &cursor);
    static void cut(QTextCursor &cursor);
    static bool paste(QTextCursor &cursor);
};

} // namespace sw
