#pragma once
// "Font": the window in which the user picks a label font: face, style,
// size, colour, underline and strike-out, with a sample of the result on
// white paper. Every "Font" command of the program opens it.
//
// Contract:
// - setSelectedFont() presets the controls from a font; selectedFont() is
//   that font with only what the user changed replaced. Ok on an untouched
//   window therefore gives back the font exactly as it came: name (also a
//   face that is not installed), Height (no round trip through points),
//   style, colour, pitch and pixels per inch. A size changed and changed
//   back counts as untouched.
// - The face list holds the installed scalable families and the classic
//   face names label files use ("MS Sans Serif", "Arial", "Times New
//   Roman", "Courier New", "WingDings" ...), plus the preset name when it
//   is neither. A name that another face draws says so ("Arial — drawn
//   with Liberation Sans"). Picking a face stores its plain name and the
//   default pitch.
// - Sizes are whole points from 1 to MaxPointSize (or the preset size); a
//   new size sets Height at the font's pixels per inch. Ok is disabled
//   while the size box holds anything else.
// - The colour list is the sixteen named colours plus the preset colour
//   when it is another (a system colour such as window text keeps its
//   identifier). setColorShown(false) hides it; the colour is then kept.
// - WingDings keeps its name and shows its symbols in the sample, as the
//   labels draw them.
// The window is modal; getFont() is the one-call form the commands use.
#include "platform/GraphicsTypes.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace sw {

class ColorDropDown;
class TFont;

class FontDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxPointSize = 999;
    static constexpr int HelpTopic = 1077;

    explicit FontDialog(QWidget *parent = nullptr);
    ~FontDialog() override;

    void setSelectedFont(const TFont &font);
    const TFont &selectedFont() const { return *mResult; }
    void setColorShown(bool shown);

    // Opens the window preset with `font`; on Ok copies the result into
    // `font` and returns true; on Cancel leaves it and returns false.
    static bool getFont(QWidget *parent, TFont &font, bool showColor = true);

    // The family that draws `face` here: for a name that is not installed,
    // the substitute; for WingDings, the face that draws its symbols.
    static QString drawnWith(const QString &face);
    // The face list's text for `face`: the name, and " — drawn with X" when
    // X is another family.
    static QString listText(const QString &face);

    // Selects the listed face of that name (letter case ignored); false when
    // none is listed.
    bool selectFace(const QString &face);
    QString currentFace() const;

    QLineEdit *FaceEdit() const { return mFaceEdit; }
    QListWidget *FaceList() const { return mFaceList; }
    QListWidget *StyleList() const { return mStyleList; }
    QLineEdit *SizeEdit() const { return mSizeEdit; }
    QListWidget *SizeList() const { return mSizeList; }
    QCheckBox *StrikeOut() const { return mStrikeOut; }
    QCheckBox *Underline() const { return mUnderline; }
    ColorDropDown *ColorBox() const { return mColorBox; }
    QLabel *Sample() const { return mSample; }
    QPushButton *okButton() const { return mOk; }

private:
    void fillFaces(const QString &extra);
    void faceTyped(const QString &text);
    void sizeTyped(const QString &text);
    // Rebuilds the result from the preset and the controls, and the sample.
    void refresh();
    int typedSize() const;

    TFont *mPreset;
    TFont *mResult;
    int mPresetSize = 0;
    bool mPresetting = false;
    bool mTyping = false;
    QLineEdit *mFaceEdit;
    QListWidget *mFaceList;
    QListWidget *mStyleList;
    QLineEdit *mSizeEdit;
    QListWidget *mSizeList;
    QCheckBox *mStrikeOut;
    QCheckBox *mUnderline;
    QLabel *mColorLabel;
    ColorDropDown *mColorBox;
    QLabel *mSample;
    QPushButton *mOk;
};

} // namespace sw
