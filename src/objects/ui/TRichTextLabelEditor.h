#pragma once
// The "Rich Text Editor" of the rich-text label: a small word processor.
// The formatting toolbar along the top (with the two zoom buttons moved
// onto it), the editing area the size the label has on the panel inside a
// scroll box, and "Ok", "Cancel", "Help" and the context-help button below.
//
// The editing area shows the document at the zoom the panel had (50 to 150
// per cent); "Zoom In" goes up in steps of 10 while below 100 per cent and
// "Zoom Out" down while above 50, the area growing and shrinking with it.
// With a data file chosen, "Insert field" below the toolbar writes a column
// where the caret is.
#include <QDialog>

class QFrame;
class QScrollArea;
class QToolButton;

namespace sw {

class InsertFieldBox;
class TWPRichText;
class TWPRichTextView;
class TWPToolBar;

class TRichTextLabelEditor : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40013;

    explicit TRichTextLabelEditor(QWidget *parent = nullptr);
    ~TRichTextLabelEditor() override;

    TWPRichText *WPRichText1() const { return mRichText; }
    TWPRichTextView *richTextView() const { return mView; }
    TWPToolBar *WPToolBar1() const { return mToolBar; }
    QFrame *WPPanel() const { return mPanel; }
    QToolButton *ZoomPlusButton() const { return mZoomPlus; }
    QToolButton *ZoomMinusButton() const { return mZoomMinus; }
    InsertFieldBox *InsertField() const { return mInsertField; }

    // The editing area: width x height pixels at zoom per cent, that is the
    // label's size on the panel plus one; its background colour.
    void setEditingArea(int width, int height, int zoom);
    void setAreaColor(const QColor &color);

    void ZoomPlusButtonClick();
    void ZoomMinusButtonClick();

    // Installs the editor as the rich-text label's editing window and as
    // the window the rich-text tool opens on a new label.
    static void install();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormActivate();
    void resizeArea();

    TWPRichText *mRichText;
    TWPToolBar *mToolBar;
    QScrollArea *mScrollBox;
    QFrame *mPanel;
    TWPRichTextView *mView;
    QToolButton *mZoomPlus;
    QToolButton *mZoomMinus;
    InsertFieldBox *mInsertField;
    int mBaseWidth = 0;
    int mBaseHeight = 0;
    int mBaseZoom = 100;
    bool mActivated = false;
};

} // namespace sw
