#pragma once
// "SuperText Properties": edits a live sample copy of a SuperText - its
// text and font, the fill of the letters, the outline and the shadow -
// and gives the sample's settings to the object on OK. Cancel leaves the
// object as it was. OK is refused while the text is empty.
//
// The sample is fitted to its text as it changes: at once for the font and
// symbol commands, and for typing at most every 200 ms.
#include <QDialog>
#include <QImage>
#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;
class QWidget;

namespace sw {

class InsertFieldBox;
class LabelSampleView;
class TDFSColorButton;
class TGSuperText;

class TSuperTextProperties : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40014;
    static constexpr int RefitInterval = 200; // ms
    static constexpr int MinRapidSize = 10;
    static constexpr int MaxRapidSize = 150;
    static constexpr int RapidStep = 5;

    // Loads the sample from the object (CopyTextFrom) with its texture file
    // and fills the controls from it.
    explicit TSuperTextProperties(TGSuperText &object, QWidget *parent = nullptr);
    ~TSuperTextProperties() override;

    TGSuperText *Sample() const { return mSample; }
    LabelSampleView *SampleView() const { return mView; }
    // The texture the "Texture" surface takes: the sample's, the one last
    // loaded here, or the window's own.
    QImage LastUsedImage() const { return mLastUsedImage; }
    QString LastBitmapFile() const { return mLastFile; }
    // The window's own texture, offered before any other is chosen.
    static QImage builtInTexture();

    // "Select Font": the font window on the sample's font; true on OK.
    bool selectFont();
    // The rapid size buttons: 5 points down (above 10) or up (below 150).
    void rapidFontSize(bool up);
    // "Select Symbol": the symbol selector; true on OK.
    bool selectSymbol();
    // "Load Texture": the texture browser; true on OK.
    bool loadTexture();
    // What the browser's OK does with a texture and its file.
    void takeTexture(const QImage &texture, const QString &fileName);
    // The caption typed since the last refit is fitted now (what the timer
    // does every 200 ms).
    void refitIfTyped();
    bool refitPending() const { return mCaptionChanged; }

    // Refuses an empty text with "Please enter some text".
    void accept() override;
    // Gives the sample's settings to the object (what OK does).
    void apply();

    // Opens the window on the object; true when it was closed with OK.
    static bool Edit(TGSuperText &object, QWidget *parent = nullptr);
    // Registers Edit as the SuperText's editor.
    static void install();

    QLineEdit *CaptionText() const { return mCaptionText; }
    InsertFieldBox *InsertField() const { return mInsertField; }
    QComboBox *SurfaceTypeCombo() const { return mSurfaceTypeCombo; }
    QComboBox *FillDirectionCombo() const { return mFillDirectionCombo; }
    QComboBox *OutlineStyleCombo() const { return mOutlineStyleCombo; }
    QComboBox *ShadowOrientationCombo() const { return mShadowOrientationCombo; }
    QSpinBox *OutLineWidthSpinner() const { return mOutLineWidthSpinner; }
    QSpinBox *ShadowDepthSpinner() const { return mShadowDepthSpinner; }
    TDFSColorButton *GradientFromcolorButton() const { return mGradientFromcolorButton; }
    TDFSColorButton *GradientToColorButton() const { return mGradientToColorButton; }
    TDFSColorButton *FontColorButton() const { return mFontColorButton; }
    TDFSColorButton *OutlineColorButton() const { return mOutlineColorButton; }
    TDFSColorButton *ShadowColorButton() const { return mShadowColorButton; }
    QWidget *FillPanel() const { return mFillPanel; }
    QWidget *ImagePanel() const { return mImagePanel; }
    QWidget *FontcolorPanel() const { return mFontcolorPanel; }

private:
    void fillControls();
    void choosePanels();
    void sampleChanged();
    void refit();
    void showFace();

    TGSuperText &mObject;
    TGSuperText *mSample;
    LabelSampleView *mView;
    QImage mLastUsedImage;
    QString mLastFile;
    bool mFilling = false;
    bool mCaptionChanged = false;
    QTimer *mTimer1;

    QLineEdit *mCaptionText;
    InsertFieldBox *mInsertField;
    QComboBox *mSurfaceTypeCombo;
    QComboBox *mFillDirectionCombo;
    QComboBox *mOutlineStyleCombo;
    QComboBox *mShadowOrientationCombo;
    QSpinBox *mOutLineWidthSpinner;
    QSpinBox *mShadowDepthSpinner;
    TDFSColorButton *mGradientFromcolorButton;
    TDFSColorButton *mGradientToColorButton;
    TDFSColorButton *mFontColorButton;
    TDFSColorButton *mOutlineColorButton;
    TDFSColorButton *mShadowColorButton;
    QWidget *mFillPanel;
    QWidget *mImagePanel;
    QWidget *mFontcolorPanel;
};

} // namespace sw
