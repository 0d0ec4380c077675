#pragma once
// The "Multi-line Text Editor" window of the multi-line label: a resizable
// window filled by the memo, with "Ok", "Cancel" and "Help" below.
#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace sw {

class InsertFieldBox;
class TFont;

class TMultiLineTextEditor : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40001;
    // The most characters typing or pasting can give the memo, each line
    // break counting two (the text as the label keeps it, lines joined by
    // CR LF). Longer text handed to setLines is kept as it is.
    static constexpr int MaxLength = 254;

    explicit TMultiLineTextEditor(QWidget *parent = nullptr);

    QPlainTextEdit *Memo() const { return mMemo; }
    // The data file's columns (shown only when one is chosen).
    InsertFieldBox *InsertField() const { return mInsertField; }
    // One entry per line; a final line break makes no extra empty line, and
    // an empty memo holds no lines.
    QStringList lines() const;
    void setLines(const QStringList &lines);
    void setMemoFont(const TFont &font);

    // The memo's length as counted against MaxLength.
    static int textLength(const QString &plainText);

    // Installs the editor as the multi-line label's "Text" window and as
    // the window the multi-line tool opens on a new label.
    static void install();

private:
    void enforceLimit();

    QPlainTextEdit *mMemo;
    InsertFieldBox *mInsertField;
    int mChangePos = 0;
    int mChangeAdded = 0;
    bool mSettingText = false;
    bool mEnforcing = false;
};

} // namespace sw
