#pragma once
// The "Barcode Properties" window: symbology, data, the human-readable
// line (shown or not, its font), bar and background colours, and a live
// sample of the code. It edits a sample copy and gives it to the object on
// OK; Cancel leaves the object as it was. What the symbology refuses is
// said in red under the data as it is typed; OK stays possible (the panel
// then shows the problem), except with no data at all. Enter in the data
// confirms the window, as in a one-line field; Shift+Enter starts a new
// line (2D codes often hold several).
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace sw {

class ColorDropDown;
class InsertFieldBox;
class LabelSampleView;
class TGBarcode;

class TBarcodeProperties : public QDialog
{
    Q_OBJECT

public:
    explicit TBarcodeProperties(TGBarcode &object, QWidget *parent = nullptr);
    ~TBarcodeProperties() override;

    TGBarcode *Sample() const { return mSample; }
    LabelSampleView *SampleView() const { return mView; }
    InsertFieldBox *InsertField() const { return mInsertField; }

    // Gives the sample's settings to the object (what OK does).
    void apply();

    // Opens the window on the object; true when it was closed with OK.
    static bool Edit(TGBarcode &object, QWidget *parent = nullptr);
    // Registers Edit as the barcode's editor.
    static void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillControls();
    void sampleChanged();
    void chooseFont();

    TGBarcode &mObject;
    TGBarcode *mSample;
    LabelSampleView *mView;
    bool mFilling = false;

    QComboBox *mSymbologyCombo;
    QPlainTextEdit *mDataEdit;
    QLabel *mProblemLabel;
    InsertFieldBox *mInsertField;
    QCheckBox *mShowTextCheck;
    QPushButton *mFontButton;
    ColorDropDown *mBarColorCombo;
    ColorDropDown *mBackColorCombo;
    QCheckBox *mTransparentCheck;
    QPushButton *mOkButton;
};

} // namespace sw
