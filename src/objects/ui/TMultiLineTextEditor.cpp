#include "objects/ui/TMultiLineTextEditor.h"

#include "objects/ObjectEditors.h"
#include "objects/TGMultiLineLabel.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/InsertFieldBox.h"
#include "objects/ui/LabelSampleView.h"
#include "platform/TFont.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace sw {

TMultiLineTextEditor::TMultiLineTextEditor(QWidget *parent)
    : QDialog(parent)
    , mMemo(new QPlainTextEdit(this))
    , mInsertField(new InsertFieldBox(this))
{
    setWindowTitle(QStringLiteral("Multi-line Text Editor"));
    setSizeGripEnabled(true);
    mMemo->setObjectName(QStringLiteral("Memo"));
    mMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    mMemo->setTabChangesFocus(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mMemo, 1);
    layout->addWidget(mInsertField);
    layout->addLayout(new DialogButtons(this, HelpTopic));
    connect(mInsertField, &InsertFieldBox::fieldChosen, this, [this](const QString &reference) {
        mMemo->insertPlainText(reference);
        mMemo->setFocus();
    });
    resize(400, 250);

    connect(mMemo->document(), &QTextDocument::contentsChange, this, [this](int pos, int, int added) {
        mChangePos = pos;
        mChangeAdded = added;
    });
    connect(mMemo, &QPlainTextEdit::textChanged, this, [this] { enforceLimit(); });
    mMemo->setFocus();
}

int TMultiLineTextEditor::textLength(const QString &plainText)
{
    return int(plainText.size() + plainText.count(QLatin1Char('\n')));
}

void TMultiLineTextEditor::enforceLimit()
{
    if (mSettingText || mEnforcing)
        return;
    const QString text = mMemo->toPlainText();
    int excess = textLength(text) - MaxLength;
    if (excess <= 0)
        return;
    // Cut the excess off the end of what was just typed or pasted, so that
    // what was there before stays as it was.
    const int end = std::min(mChangePos + mChangeAdded, int(text.size()));
    int begin = end;
    while (excess > 0 && begin > mChangePos) {
        --begin;
        excess -= text.at(begin) == QLatin1Char('\n') ? 2 : 1;
    }
    if (begin == end)
        return;
    mEnforcing = true;
    QTextCursor cursor(mMemo->document());
    cursor.setPosition(begin);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    mMemo->setTextCursor(cursor);
    mEnforcing = false;
    QApplication::beep();
}

QStringList TMultiLineTextEditor::lines() const
{
    QStringList result = mMemo->toPlainText().split(QLatin1Char('\n'));
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

void TMultiLineTextEditor::setLines(const QStringList &lines)
{
    mSettingText = true;
    mMemo->setPlainText(lines.join(QLatin1Char('\n')));
    mSettingText = false;
}

void TMultiLineTextEditor::setMemoFont(const TFont &font)
{
    mMemo->setFont(font.toQFont());
    LabelSampleView::showAsOnPaper(mMemo, font.color());
}

void TMultiLineTextEditor::install()
{
    TGMultiLineLabel::TextEditor = [](QStringList &lines, const TFont &font) {
        // Centred over the main window.
        TMultiLineTextEditor editor(QApplication::activeWindow());
        editor.setMemoFont(font);
        editor.setLines(lines);
        if (editor.exec() != QDialog::Accepted)
            return false;
        lines = editor.lines();
        return true;
    };
    ObjectEditors::setEditorOf<TGMultiLineLabel>("TGMultiLineLabel", [](TGMultiLineLabel &label) { return label.EditAndFit(); });
}

} // namespace sw
