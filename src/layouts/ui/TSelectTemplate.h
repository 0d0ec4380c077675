#pragma once
// "Select Template": picks a commercial label stock from the template
// catalogue. The three radio groups filter the catalogue by product type,
// printer type and region; the list shows the matching templates sorted by
// name (without the maker's prefix); the memo describes the selected one.
// OK (or a double click) returns a copy of the selected template.
#include "layouts/TLabelLayout.h"
#include "layouts/TemplateCatalogue.h"

#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace sw {

class TRadioGroup;

class TSelectTemplate : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 1048;

    explicit TSelectTemplate(QWidget *parent = nullptr);

    // Shows the dialog modally over `parent` for the current layout;
    // `newLabel` is true when it serves a new label, false for a change of
    // the current label's layout. `templateFile` defaults to the program's
    // template data file. Returns the chosen template, or nothing on Cancel.
    static std::optional<TLabelLayout> choose(QWidget *parent, const TLabelLayout &current, bool newLabel,
                                              const QString &templateFile = QString());

    // Inputs, set before the dialog is shown.
    void setCurrentLayout(const TLabelLayout &current);
    void setNewLabel(bool newLabel) { mNewLabel = newLabel; }
    void setTemplateFile(const QString &path) { mTemplateFile = path; }

    // The chosen template after OK.
    const TLabelLayout &SelectedLayout() const { return mSelected; }
    const TemplateCatalogue &catalogue() const { return mCatalogue; }
    // The report about an over-full or damaged data file shown at the
    // bottom of the dialog; empty when there is none.
    QString statusText() const;

    // First activation: loads the catalogue, presets the groups from the
    // current layout when it serves a change of layout, filters, and puts
    // the current name into the type-ahead box. Runs once; later calls do
    // nothing.
    void FormActivate();
    // Refills the list from the three groups and selects its first line.
    void FilterTemplates();
    // Selects the line that begins with the type-ahead text.
    void TypeAheadChange();
    // Shows the selected template's measurements in the memo; with no
    // selection the memo keeps its text.
    void ShowDescript();
    // Accepts the selected template; does nothing with no selection.
    void OKButtonClick();

Q_SIGNALS:
    // The Help button was pressed; `context` is the help topic.
    void helpRequested(int context);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void radioGroupClicked();
    int selectedRow() const;

    TRadioGroup *ProductType;
    TRadioGroup *PrinterType;
    TRadioGroup *Region;
    QLineEdit *TypeAhead;
    QListWidget *TemplateList;
    QPlainTextEdit *Description;
    QLabel *StatusLine;
    QPushButton *OKButton;
    QPushButton *CancelButton;
    QPushButton *HelpButton;
    QToolButton *MouseHelpButton;

    TemplateCatalogue mCatalogue;
    TLabelLayout mCurrent;
    TLabelLayout mSelected;
    QString mTemplateFile;
    bool mNewLabel = true;
    bool mFirstActivation = true;
};

} // namespace sw
