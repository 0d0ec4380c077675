#pragma once
// "Text 3D Effects": the shadow and highlight settings and the font colour
// of a text label, tried out on a live sample. Only "Ok" changes the label.
#include <QDialog>

class QComboBox;

namespace sw {

class ColorDropDown;
class LabelSampleView;
class TGBaseLabel;
class TGPLabel;

class TGFont3DEffects : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40008;

    // The label is only read until Ok is pressed.
    explicit TGFont3DEffects(TGBaseLabel &label, QWidget *parent = nullptr);

    QComboBox *ShadowDirection() const { return mShadowDirection; }
    ColorDropDown *ShadowColorCombo() const { return mShadowColorCombo; }
    QComboBox *ShadowDepth() const { return mShadowDepth; }
    QComboBox *HighlightDirection() const { return mHighlightDirection; }
    ColorDropDown *HighLightColorCombo() const { return mHighLightColorCombo; }
    QComboBox *HighLightDepth() const { return mHighLightDepth; }
    ColorDropDown *FontColorCombo() const { return mFontColorCombo; }
    TGPLabel *Sample() const { return mSample; }
    LabelSampleView *sampleView() const { return mSampleView; }

    // Ok: copies the sample's settings into the label, then closes.
    void accept() override;

private:
    void loadFromLabel();
    void controlChanged();

    TGBaseLabel &mLabel;
    QComboBox *mShadowDirection;
    ColorDropDown *mShadowColorCombo;
    QComboBox *mShadowDepth;
    QComboBox *mHighlightDirection;
    ColorDropDown *mHighLightColorCombo;
    QComboBox *mHighLightDepth;
    ColorDropDown *mFontColorCombo;
    TGPLabel *mSample;
    LabelSampleView *mSampleView;
    bool mLoading = false;
};

} // namespace sw
