#pragma once
// The formatting toolbar of a rich-text view: font name, size and colour
// lists, the Normal, Bold, Italic and Underline toggles, the four paragraph
// alignments, and Copy, Cut and Paste. It shows the format at the caret and
// applies its choices to the selection (or to what is typed next).
//
// The font-name list holds the installed families and the classic names
// (Arial, Courier New, Times New Roman), which print with their installed
// look-alikes; a name the document uses that is neither is shown and kept
// as it is.
#include <QKeySequence>
#include <QList>
#include <QWidget>

#include <utility>

class QAbstractButton;
class QComboBox;
class QHBoxLayout;
class QToolButton;

namespace sw {

class TWPRichTextView;

class TWPToolBar : public QWidget
{
    Q_OBJECT

public:
    // Buttons AddButton accepts at most.
    static constexpr int MaxAddedButtons = 100;

    explicit TWPToolBar(QWidget *parent = nullptr);

    // The view the toolbar works on (not owned).
    void setView(TWPRichTextView *view);
    TWPRichTextView *view() const { return mView; }

    // Puts a button at the end, after the toolbar's own groups; false (and
    // the button left where it is) once MaxAddedButtons have been added.
    bool AddButton(QAbstractButton *button);

    QComboBox *fontNameBox() const { return mFontName; }
    QComboBox *fontSizeBox() const { return mFontSize; }
    QComboBox *fontColorBox() const { return mFontColor; }

    // The font names offered: installed families and the classic names,
    // sorted without regard to case.
    static QStringList fontNames();
    // The sizes offered, in points, from 8.
    static QList<int> fontSizes();

    // Shows the format at the view's caret.
    void updateFromView();

protected:
    // Return in the font name or size box applies it and goes back to the
    // text; it does not press the window's default button. Ctrl+B, Ctrl+I
    // and Ctrl+U in the text press the style buttons.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *toolButton(const char *name, const QString &tip, bool checkable);
    // The style buttons and their keys.
    QList<std::pair<QToolButton *, QKeySequence::StandardKey>> styleKeys() const;
    void applyFontName(const QString &name);
    void applyFontSize(const QString &text);
    void applyColor(int index);
    void showColor(const QColor &color);

    TWPRichTextView *mView = nullptr;
    QHBoxLayout *mLayout;
    QComboBox *mFontName;
    QComboBox *mFontSize;
    QComboBox *mFontColor;
    QToolButton *mBold;
    QToolButton *mItalic;
    QToolButton *mUnderline;
    QToolButton *mLeft;
    QToolButton *mRight;
    QToolButton *mJustify;
    QToolButton *mCenter;
    int mCustomColorIndex = -1;
    int mAdded = 0;
    bool mUpdating = false;
};

} // namespace sw
