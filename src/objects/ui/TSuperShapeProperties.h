#pragma once
// The "Super Shape Properties" window: edits a live sample copy of a
// SuperShape - outline kind, surface, colours, outline, shadow - and gives
// the sample's settings to the object on OK. Cancel leaves the object as it
// was. Only the option panel of the chosen shape and surface is shown.
#include <QDialog>
#include <QImage>
#include <QString>

class QComboBox;
class QPushButton;
class QSpinBox;
class QWidget;

namespace sw {

class ColorDropDown;
class LabelSampleView;
class TSuperShape;

class TSuperShapeProperties : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40011;

    // Makes the sample a copy of the object's look (and remembers its
    // texture file) and fills the controls from it.
    explicit TSuperShapeProperties(TSuperShape &object, QWidget *parent = nullptr);
    ~TSuperShapeProperties() override;

    TSuperShape *Sample() const { return mSample; }
    LabelSampleView *SampleView() const { return mView; }
    // The texture last shown in this window, restored when the surface
    // becomes "Texture" again.
    QImage LastUsedImage() const { return mLastUsedImage; }
    QString LastBitmapFile() const { return mLastFile; }

    // "Load Texture" without the browser: what its OK does with a texture
    // and its file name.
    void takeTexture(const QImage &texture, const QString &fileName);

    // Gives the sample's settings to the object (what OK does).
    void apply();

    // Opens the window on the object; true when it was closed with OK.
    static bool Edit(TSuperShape &object, QWidget *parent = nullptr);
    // Registers Edit as the SuperShape's editor.
    static void install();

private:
    void fillControls();
    void choosePanels();
    void loadTexture();
    void sampleChanged();

    TSuperShape &mObject;
    TSuperShape *mSample;
    LabelSampleView *mView;
    QImage mLastUsedImage;
    QString mLastFile;
    bool mFilling = false;

    QComboBox *mShapeCombo;
    QSpinBox *mPointsOnStar;
    QSpinBox *mPercentinVector;
    QSpinBox *mRoundPercent;
    QComboBox *mSurfaceTypeCombo;
    QComboBox *mFillDirectionCombo;
    ColorDropDown *mBackGroundColorCombo;
    ColorDropDown *mBackGroundColorCombo2;
    ColorDropDown *mGradientToColorCombo;
    ColorDropDown *mOutlineColorCombo;
    QComboBox *mOutlineStyleCombo;
    QSpinBox *mOutLineWidthSpinner;
    ColorDropDown *mShadowColorCombo;
    QComboBox *mShadowOrientationCombo;
    QSpinBox *mShadowDepthSpinner;
    QWidget *mStarPanel;
    QWidget *mRRPanel;
    QWidget *mPatternPanel;
    QWidget *mFillPanel;
    QWidget *mImagePanel;
    QPushButton *mLoadTexture;
};

} // namespace sw
