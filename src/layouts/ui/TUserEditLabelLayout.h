#pragma once
// "User Defined Label Layout": the user describes a label stock by label
// size, pitches, counts, margins, paper and shape, in inches or
// millimetres. The dialog keeps its values in inches (single precision)
// and accepts them only when they pass UserLayoutValues::ValidLabel.
#include "layouts/TLabelLayout.h"
#include "layouts/UserLayoutValues.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QPushButton;
class QToolButton;
class QRadioButton;
class QSpinBox;

namespace sw {

class TNumEdit;

class TUserEditLabelLayout : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 1050;

    explicit TUserEditLabelLayout(QWidget *parent = nullptr);

    // Shows the dialog modally over `parent` with the values of `current`,
    // in millimetres when `useMM` is set. `useMM` receives the unit the
    // dialog was left in, whatever the result. Returns the user-defined
    // layout on OK ("USER DEFINED", no printer type, category or art, no
    // half offsets), nothing on Cancel.
    static std::optional<TLabelLayout> edit(QWidget *parent, const TLabelLayout &current, bool &useMM);

    // The dialog's values, in inches. Set them before the dialog is shown;
    // after OK they hold what was accepted.
    UserLayoutValues Values;
    // Checks MMButton (before showing: the dialog opens in millimetres).
    void setUseMM(bool useMM);
    bool useMM() const;

    // First activation: fills the boxes from Values, selects the shape and
    // paper items, switches to millimetres when MMButton is checked. Runs
    // once.
    void FormActivate();
    // Unit switches: convert the eight measurement boxes.
    void MMButtonClick();
    void InchesbuttonClick();
    // Sets the sheet-size boxes to the chosen paper's size in the current
    // unit.
    void epapersizeClick();
    // A label wider (taller) than the pitch raises the pitch to match.
    void elblwidthExit();
    void elblHeightExit();
    // Takes the boxes into Values (rounding millimetre entries to 1/1000
    // inch) and closes with OK when ValidLabel passes.
    void OkButtonClick();
    // Values.ValidLabel(); a failure is shown in an information box and
    // gives false.
    bool ValidLabel();

Q_SIGNALS:
    void helpRequested(int context);

protected:
    void showEvent(QShowEvent *event) override;

private:
    TNumEdit *measurementBox(int i) const;

    TNumEdit *elblwidth;
    TNumEdit *elblHeight;
    TNumEdit *eHorizPitch;
    TNumEdit *eVertPitch;
    QSpinBox *enbracross;
    QSpinBox *enbrdown;
    TNumEdit *eleftmarg;
    TNumEdit *etopmarg;
    QComboBox *epapersize;
    TNumEdit *esheetwidth;
    TNumEdit *esheetdepth;
    QComboBox *eLabelShape;
    QRadioButton *Inchesbutton;
    QRadioButton *MMButton;
    QPushButton *OkButton;
    QPushButton *Cancelbutton;
    QPushButton *HelpButton;
    QToolButton *MouseHelpButton;

    bool mActivated = false;
};

} // namespace sw
