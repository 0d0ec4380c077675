#pragma once
// "Labels Print": where the user picks the label positions of the sheet to
// print, the number of sheets and the printer, and starts a print or a
// preview. It holds its own copy of the design on a hidden panel, so that
// printing (which marks the panel as printing and moves counters on) never
// touches the design being edited.
#include "layouts/TLabelLayout.h"
#include "merge/DataFile.h"
#include "printing/PrintRequest.h"
#include "printing/SheetPicture.h"

#include <QDialog>

#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace sw {

class TGStickwellPanel32;
class TReportPrinter;
class SheetPictureBox;

class TLabelPrintPrep : public QDialog
{
    Q_OBJECT

public:
    // Reads the screen's pixels per inch, selects every position, fills the
    // printer list.
    explicit TLabelPrintPrep(QWidget *parent = nullptr);
    ~TLabelPrintPrep() override;

    // The layout to print, measurements in inches; also sets the
    // labels-per-page caption and sizes the sheet picture.
    void setLabelLayout(const TLabelLayout &layout);
    const TLabelLayout &labelLayout() const { return mLayout; }
    // Reads a label file onto the hidden panel (the layout in the file is
    // not used). Throws the label file's errors.
    void readDesign(const QString &fileName);
    TGStickwellPanel32 &LabelPanel() { return *mLabelPanel; }

    int screenPixelsPerInch() const { return mPixelsPerInch; }
    const SheetPicture &sheetPicture() const { return *mPicture; }
    bool positionSelected(int index) const;
    // A position among NumAcross x NumDown is selected.
    bool AnyChecked() const;
    // The request a run would be given now.
    PrintRequest makeRequest(bool preview) const;

    // Toggles the position under the point of the sheet picture, if any.
    void FormMouseDown(const QPoint &picturePoint);
    void SelectAllClick();
    void SelectnoneClick();
    void PrinterComboClick(int index);
    void PrinterSetupButtonClick();
    void PrintNowClick();
    void PreviewbuttonClick();
    // Runs a print (mPrint true) or a preview with the window's settings;
    // says "Need at least one label selected" when no position is.
    void DoPrint();

    // Labels from a data file. The window starts with the data file of the
    // design being edited (MergeSession); a file chosen here becomes the
    // session's and is remembered for the design's label file.
    void setDesignFileName(const QString &fileName) { mDesignFile = fileName; }
    // Checks the file from end to end and fills the labels from it; a
    // problem is shown and leaves the window as it was. True when in use.
    bool setDataFile(const QString &fileName);
    // Prints the design as it stands again.
    void clearDataFile();
    const std::optional<DataFile> &dataFile() const { return mDataFile; }
    // "Data &File...": a file window for the data file.
    void ChooseDataFileClick();

    // Controls, named as the user's documentation names them.
    QWidget *PagePanel = nullptr;
    QLabel *PageLabel = nullptr;
    SheetPictureBox *PaintBox1 = nullptr;
    QWidget *PageBottomPanel = nullptr;
    QPushButton *SelectAll = nullptr;
    QPushButton *Selectnone = nullptr;
    QComboBox *PrinterCombo = nullptr;
    QSpinBox *sNumberOfPagesToPrint = nullptr;
    QLabel *LabelsPerPageCaption = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *PrintNow = nullptr;
    QPushButton *Previewbutton = nullptr;
    QPushButton *PrinterSetupButton = nullptr;
    QPushButton *Helpbutton = nullptr;
    QToolButton *MouseHelpButton = nullptr;
    QGroupBox *DataFileBox = nullptr;
    QLabel *DataFileName = nullptr;
    QPushButton *ChooseDataFile = nullptr;
    QPushButton *ClearDataFile = nullptr;
    QLabel *RecordCount = nullptr;
    QSpinBox *sCopiesPerRecord = nullptr;
    QLabel *FirstLabel = nullptr; // the first record's label

protected:
    void showEvent(QShowEvent *event) override;
    // The window grows by itself (a data file's records and first label
    // come into view) and is then kept on the screen.
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class SheetPictureBox;
    // Sizes the sheet picture, computes the position rectangles and sets
    // the page count back to 1.
    void FormActivate();
    void paintPicture(QPainter &painter);
    void selectCurrentPrinter();
    void buildControls();
    QGroupBox *buildDataFileBox();
    void useDataFile(const std::optional<DataFile> &file);
    // The sheet count the records need (the page count is then theirs).
    void updateSheetCount();
    void updateFirstLabel();
    // Merged runs: the data file checked again, the user asked about
    // unknown fields and unprintable records. False: do not print.
    bool checkMerge();

    int mPixelsPerInch;
    TLabelLayout mLayout;
    std::unique_ptr<SheetPicture> mPicture;
    std::array<bool, PrintRequest::MaxPositions> mPositions;
    bool mPrint = true;
    bool mActivated = false;
    std::unique_ptr<TGStickwellPanel32> mLabelPanel;
    std::unique_ptr<TReportPrinter> ReportPrinter1;
    QString mDesignFile;
    std::optional<DataFile> mDataFile;
};

// The sheet picture: paints through the window and passes clicks to it.
class SheetPictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit SheetPictureBox(TLabelPrintPrep *owner);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    TLabelPrintPrep *mOwner;
};

} // namespace sw
