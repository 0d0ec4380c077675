#pragma once
// The editing view of a rich-text control: its document on a page of a
// given size (object pixels at 100 %), shown at the control's zoom so that
// lines break exactly as on the label. Follows the control's requests
// (refresh, caret position, zoom, a replaced document) and offers the
// formatting commands of the toolbar. Tabs are typed, not used to move
// the focus; there are no scroll bars.
#include <QGraphicsView>
#include <QSizeF>
#include <QTextCharFormat>
#include <QTextCursor>

class QGraphicsScene;

namespace sw {

class RichTextEditItem;
class TWPRichText;

class TWPRichTextView : public QGraphicsView
{
    Q_OBJECT

public:
    // The control is not owned and must outlive the view.
    explicit TWPRichTextView(TWPRichText *control, QWidget *parent = nullptr);
    ~TWPRichTextView() override;

    TWPRichText *control() const { return mControl; }
    RichTextEditItem *item() const { return mItem; }

    // Width and height of the page in object pixels at 100 %.
    QSizeF pageSize() const { return mPageSize; }
    void setPageSize(const QSizeF &size);

    QTextCursor textCursor() const;
    void setTextCursor(const QTextCursor &cursor);

    // The format typing would use now (the selection's, or the caret's).
    QTextCharFormat currentCharFormat() const;
    Qt::Alignment currentParagraphAlignment() const;
    // Applies to the selection, or to what is typed next without one.
    void mergeCharFormat(const QTextCharFormat &format);
    // Back to the document's default character format, keeping the font.
    void setNormal();
    // Applies to every paragraph the selection touches.
    void setParagraphAlignment(Qt::Alignment alignment);

    void copy();
    void cut();
    void paste();

Q_SIGNALS:
    // An edit, a caret move or a new document: the toolbar shows the
    // format at the caret again.
    void cursorChanged();

protected:
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void bindDocument();
    void applyZoom();

    TWPRichText *mControl;
    QGraphicsScene *mScene;
    RichTextEditItem *mItem;
    QSizeF mPageSize{190, 33};
};

} // namespace sw
