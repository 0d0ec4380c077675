#pragma once
// "Printer Fine-Tuning": edits a copy of the four printer corrections
// (counts of 1/32 inch, -8..8 through the arrows). "Ok" copies them to the
// program's values; "Cancel" leaves those as they were. Below the four, the
// test sheet (TestSheetPanel): printed with the values shown, its readings
// propose new values, which "Apply" puts into the four.
#include "layouts/TLabelLayout.h"
#include "printing/PrinterFineTuning.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;

namespace sw {

class TestSheetPanel;

class TPrintFineTune : public QDialog
{
    Q_OBJECT

public:
    // Copies PrinterFineTuning::current() into the dialog's values.
    explicit TPrintFineTune(QWidget *parent = nullptr);

    const PrinterFineTuning &values() const { return mValues; }
    // The layout the test sheet is printed for (the default layout until
    // set).
    void setLabelLayout(const TLabelLayout &layout);

    // "None" for 0; "Increase by n/32\"" above, "Decrease by n/32\"" below.
    static QString valueText(int value);

    // The arrows of one correction: down adds 1 (below 8), up subtracts 1
    // (above -8).
    void TopMarginSpinnerDownClick() { stepDown(mValues.TopMarginNudge); }
    void TopMarginSpinnerUpClick() { stepUp(mValues.TopMarginNudge); }
    void LeftMarginSpinnerDownClick() { stepDown(mValues.LeftMarginNudge); }
    void LeftMarginSpinnerUpClick() { stepUp(mValues.LeftMarginNudge); }
    void VerticalSpacingSpinnerDownClick() { stepDown(mValues.VerticalSpacing); }
    void VerticalSpacingSpinnerUpClick() { stepUp(mValues.VerticalSpacing); }
    void HorizontalSpacingSpinnerDownClick() { stepDown(mValues.HorizontalSpacing); }
    void HorizontalSpacingSpinnerUpClick() { stepUp(mValues.HorizontalSpacing); }
    void DefaultButtonClick();
    void OKButtonClick();
    void CancelbuttonClick();

    // Writes every value text.
    void ShowValues();

    // Per correction: the arrow buttons and the value text.
    struct Spinner
    {
        QToolButton *up = nullptr;
        QToolButton *down = nullptr;
        QLabel *value = nullptr;
    };
    Spinner TopMarginSpinner, LeftMarginSpinner, VerticalSpacingSpinner, HorizontalSpacingSpinner;
    QPushButton *OKButton = nullptr;
    QPushButton *Cancelbutton = nullptr;
    QPushButton *DefaultButton = nullptr;
    QPushButton *Helpbutton = nullptr;
    QToolButton *MouseHelpButton = nullptr;
    TestSheetPanel *SheetPanel = nullptr;

private:
    void stepDown(int &value);
    void stepUp(int &value);
    QWidget *makePanel(const char *name, const QString &caption, const QString &explanation, Spinner &spinner,
                       void (TPrintFineTune::*up)(), void (TPrintFineTune::*down)());

    PrinterFineTuning mValues;
};

} // namespace sw
