#include "richtext/ui/TWPRichTextView.h"

#include "platform/TColor.h"
#include "richtext/TWPRTFTextIo.h"
#include "richtext/TWPRichText.h"
#include "richtext/ui/RichTextEditItem.h"

#include <QGraphicsScene>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace sw {

TWPRichTextView::TWPRichTextView(TWPRichText *control, QWidget *parent)
    : QGraphicsView(parent)
    , mControl(control)
    , mScene(new QGraphicsScene(this))
    , mItem(new RichTextEditItem)
{
    setObjectName(QStringLiteral("WPRichText"));
    setScene(mScene);
    mScene->addItem(mItem);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);

    bindDocument();
    applyZoom();
    connect(mControl->RtfText(), &TWPRTFTextIo::documentReplaced, this, [this] {
        bindDocument();
        Q_EMIT cursorChanged();
    });
    connect(mControl, &TWPRichText::zoomingChanged, this, [this] { applyZoom(); });
    connect(mControl, &TWPCustomRtfEdit::refreshRequested, this, [this] {
        setBackgroundBrush(toQColor(mControl->Color()));
        mItem->update();
        viewport()->update();
    });
    connect(mControl, &TWPRichText::caretPositionRequested, this, [this](int position, int length) {
        QTextCursor cursor(mItem->document());
        const int end = mItem->document()->characterCount() - 1;
        cursor.setPosition(std::clamp(position, 0, end));
        cursor.setPosition(std::clamp(position + length, 0, end), QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    });
    connect(mItem, &RichTextEditItem::cursorChanged, this, &TWPRichTextView::cursorChanged);
}

TWPRichTextView::~TWPRichTextView() = default;

void TWPRichTextView::bindDocument()
{
    QTextDocument *doc = mControl->RtfText()->document();
    mItem->setDocument(doc);
    // A fresh caret: the old one may carry a format chosen for the
    // previous document's text (Bold pressed with nothing selected).
    mItem->setTextCursor(QTextCursor(doc));
    mItem->setPageSize(mPageSize);
    setBackgroundBrush(toQColor(mControl->Color()));
}

void TWPRichTextView::applyZoom()
{
    const double zoom = mControl->Zooming() / 100.0;
    setTransform(QTransform::fromScale(zoom, zoom));
}

void TWPRichTextView::setPageSize(const QSizeF &size)
{
    mPageSize = size;
    mItem->setPageSize(size);
    mScene->setSceneRect(QRectF(QPointF(0, 0), size));
}

QTextCursor TWPRichTextView::textCursor() const
{
    return mItem->textCursor();
}

void TWPRichTextView::setTextCursor(const QTextCursor &cursor)
{
    mItem->setTextCursor(cursor);
    Q_EMIT cursorChanged();
}

QTextCharFormat TWPRichTextView::currentCharFormat() const
{
    const QTextCursor cursor = mItem->textCursor();
    if (!cursor.hasSelection())
        return cursor.charFormat();
    // The format of the selection's first character.
    QTextCursor first(cursor.document());
    first.setPosition(cursor.selectionStart() + 1);
    return first.charFormat();
}

Qt::Alignment TWPRichTextView::currentParagraphAlignment() const
{
    return mItem->textCursor().blockFormat().alignment();
}

void TWPRichTextView::mergeCharFormat(const QTextCharFormat &format)
{
    QTextCursor cursor = mItem->textCursor();
    cursor.mergeCharFormat(format);
    mItem->setTextCursor(cursor);
    Q_EMIT cursorChanged();
}

void TWPRichTextView::setNormal()
{
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setFontItalic(false);
    plain.setFontUnderline(false);
    plain.setFontStrikeOut(false);
    plain.setVerticalAlignment(QTextCharFormat::AlignNormal);
    mergeCharFormat(plain);
}

void TWPRichTextView::setParagraphAlignment(Qt::Alignment alignment)
{
    QTextCursor cursor = mItem->textCursor();
    QTextBlockFormat format;
    format.setAlignment(alignment);
    cursor.mergeBlockFormat(format);
    mItem->setTextCursor(cursor);
    Q_EMIT cursorChanged();
}

void TWPRichTextView::copy()
{
    mItem->copy();
}

void TWPRichTextView::cut()
{
    mItem->cut();
}

void TWPRichTextView::paste()
{
    mItem->paste();
}

bool TWPRichTextView::focusNextPrevChild(bool next)
{
    Q_UNUSED(next)
    // A tab is text here.
    return false;
}

void TWPRichTextView::focusInEvent(QFocusEvent *event)
{
    QGraphicsView::focusInEvent(event);
    mScene->setFocusItem(mItem);
}

void TWPRichTextView::keyPressEvent(QKeyEvent *event)
{
    // Keys always reach the text, wherever the last click landed.
    if (!mScene->focusItem())
        mScene->setFocusItem(mItem);
    QGraphicsView::keyPressEvent(event);
}

} // namespace sw
