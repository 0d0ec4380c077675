#pragma once
// The test-sheet part of "Printer Fine-Tuning": prints the printer test
// sheet of the current layout with the window's corrections, takes the four
// readings the user makes on it and shows the corrections they propose. The
// proposal is only shown; "Apply" hands it to the window, whose "Ok" keeps
// it.
#include "layouts/TLabelLayout.h"
#include "printing/FineTuningProposal.h"

#include <QGroupBox>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace sw {

class TestSheetPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit TestSheetPanel(QWidget *parent = nullptr);

    // The layout whose sheet is printed (the default layout until set).
    void setLabelLayout(const TLabelLayout &layout);
    const TLabelLayout &labelLayout() const { return mLayout; }
    // The corrections the sheet prints with, and which the readings are
    // taken against: the window's values as shown.
    void setPrintedWith(const PrinterFineTuning &values);

    TestSheetReadings readings() const;
    // Clears the four readings.
    void clearReadings();
    FineTuningProposal proposal() const;

    // Prints the sheet on the printer chosen in PrinterCombo (asking for the
    // output file of the PDF printer first). Failures are shown; the status
    // line says what happened.
    void PrintTestSheetClick();
    void ApplyClick();

    QComboBox *PrinterCombo = nullptr;
    QPushButton *PrintTestSheetButton = nullptr;
    QLabel *StatusLabel = nullptr;
    QDoubleSpinBox *TopLeftAcross = nullptr;
    QDoubleSpinBox *TopLeftDown = nullptr;
    QDoubleSpinBox *BottomRightAcross = nullptr;
    QDoubleSpinBox *BottomRightDown = nullptr;
    // The proposed value of each correction, in the words of the window's
    // value texts.
    QLabel *ProposedTopMargin = nullptr;
    QLabel *ProposedLeftMargin = nullptr;
    QLabel *ProposedVerticalSpacing = nullptr;
    QLabel *ProposedHorizontalSpacing = nullptr;
    QLabel *ProposalNote = nullptr;
    QPushButton *ApplyButton = nullptr;

Q_SIGNALS:
    // "Apply": the proposal should become the window's values.
    void applied(const PrinterFineTuning &values);

private:
    QDoubleSpinBox *makeReading(const char *name);
    void showProposal();

    TLabelLayout mLayout;
    PrinterFineTuning mPrintedWith;
};

} // namespace sw
