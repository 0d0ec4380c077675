#pragma once
// "Print Status Screen": runs one print or preview of a design when it is
// first shown, reports progress line by line, and ends with a closing
// message and an "Ok" button. A print run draws on the current printer; a
// preview run records one sheet into a memory stream for the preview.
//
// During the run "Cancel" (print) asks "Cancel Label Printing?" and on Yes
// aborts the job, so nothing more is printed; "Stop" (preview) aborts at
// once. The window stays open with its closing message until "Ok".
#include "printing/PrintRequest.h"
#include "printing/SheetComposer.h"

#include <QBuffer>
#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace sw {

class TBaseReport;
class TGBasePanel;
class TReportFiler;
class TReportPrinter;

class TLabelPrinter : public QDialog
{
    Q_OBJECT

public:
    // Marks the panel (not owned; it must outlive the window) as printing,
    // resets its objects' sequences, and sets up the report: the shared
    // printer for a print, a recording filer for a preview.
    TLabelPrinter(TGBasePanel &panel, const PrintRequest &request, QWidget *parent = nullptr);
    ~TLabelPrinter() override;

    bool isPreview() const { return mRequest.preview; }
    // The run's page loop (its processEvents hook lets clicks arrive).
    SheetComposer &composer() { return mComposer; }
    TBaseReport &report();
    // True once the run has ended (completed, aborted or failed).
    bool runFinished() const { return mFinished; }
    bool running() const { return mRunning; }
    // The run was cancelled, stopped or failed.
    bool Aborted() const { return mAborted; }
    // The preview stream recorded by a preview run.
    QByteArray previewStream() const { return mStream.data(); }
    // The status as the report formatted it ("\r" separating lines).
    QString statusText() const { return mStatus; }

    // "Cancel" / "Stop" during the run, "Ok" afterwards.
    void CancelButtonClick();

    QLabel *RStatusLabel = nullptr;
    QPushButton *CancelButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    // The run: executes the report, then shows the closing message.
    void FormActivate();
    void setStatus(const QString &text);

    PrintRequest mRequest;
    SheetComposer mComposer;
    QBuffer mStream;
    std::unique_ptr<TReportPrinter> LabelReportPrinter;
    std::unique_ptr<TReportFiler> LabelReportFiler;
    QString mStatus;
    bool mStarted = false;
    bool mRunning = false;
    bool mFinished = false;
    bool mAborted = false;
};

} // namespace sw
