#include "printing/ui/TLabelPrinter.h"

#include "platform/Exception.h"
#include "platform/MessageService.h"
#include "report/TReportFiler.h"
#include "report/printer/TRPDevice.h"
#include "report/printer/TReportPrinter.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace sw {

namespace {

// The settings both reports of the window share.
void configure(TBaseReport &report)
{
    report.setUnits(unInch);
    report.setUnitsFactor(1.0);
    report.MarginLeft = report.MarginRight = report.MarginTop = report.MarginBottom = 0.5;
    report.setScaleX(100);
    report.setScaleY(100);
    report.setLineHeightMethod(lhmFont);
    report.Title = QStringLiteral("Quillmark");
}

} // namespace

TLabelPrinter::TLabelPrinter(TGBasePanel &panel, const PrintRequest &request, QWidget *parent)
    : QDialog(parent)
    , mRequest(request)
    , mComposer(panel, request)
{
    setObjectName(QStringLiteral("LabelPrinter"));
    setWindowTitle(QStringLiteral("Print Status Screen"));
    setModal(true);

    auto *RStatusPanel = new QFrame(this);
    RStatusPanel->setObjectName(QStringLiteral("RStatusPanel"));
    RStatusPanel->setFrameShape(QFrame::StyledPanel);
    RStatusPanel->setFrameShadow(QFrame::Sunken);
    RStatusLabel = new QLabel(RStatusPanel);
    RStatusLabel->setObjectName(QStringLiteral("RStatusLabel"));
    RStatusLabel->setAlignment(Qt::AlignCenter);
    RStatusLabel->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    RStatusLabel->setFont(font);
    RStatusLabel->setMinimumSize(320, 110);
    auto *panelLayout = new QVBoxLayout(RStatusPanel);
    panelLayout->addWidget(RStatusLabel);

    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setMinimumWidth(90);
    CancelButton->setDefault(true);
    connect(CancelButton, &QPushButton::clicked, this, &TLabelPrinter::CancelButtonClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RStatusPanel);
    layout->addLayout(buttons);

    if (mRequest.preview) {
        // The preview measures text with the printer it stands for.
        LabelReportFiler = std::make_unique<TReportFiler>(&TRPDevice::shared());
        configure(*LabelReportFiler);
        LabelReportFiler->StreamMode = smUser;
        LabelReportFiler->AccuracyMethod = amPositioning;
        mStream.open(QIODevice::ReadWrite);
        LabelReportFiler->setStream(&mStream);
        setWindowTitle(QStringLiteral("Preview Status"));
        CancelButton->setText(QStringLiteral("Stop"));
    } else {
        LabelReportPrinter = std::make_unique<TReportPrinter>();
        configure(*LabelReportPrinter);
        setWindowTitle(QStringLiteral("Print Status"));
    }
    mComposer.setUpReport(report());
    report().StatusLabel = [this](const QString &text) { setStatus(text); };
}

TLabelPrinter::~TLabelPrinter()
{
    report().StatusLabel = nullptr;
}

TBaseReport &TLabelPrinter::report()
{
    if (LabelReportFiler)
        return *LabelReportFiler;
    return *LabelReportPrinter;
}

void TLabelPrinter::setStatus(const QString &text)
{
    mStatus = text;
    QString lines = text;
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    RStatusLabel->setText(lines);
}

void TLabelPrinter::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (mStarted)
        return;
    mStarted = true;
    // Run once the window is on screen, from the event loop, so that its
    // buttons receive clicks while the run lets messages through.
    QTimer::singleShot(0, this, &TLabelPrinter::FormActivate);
}

void TLabelPrinter::FormActivate()
{
    setWindowTitle(mRequest.preview ? QStringLiteral("Preview Status") : QStringLiteral("Print Status "));
    TBaseReport &r = report();
    mRunning = true;
    bool failed = false;
    try {
        if (!mAborted)
            r.Execute();
    } catch (const Exception &e) {
        failed = true;
        MessageService::error(e.message());
    } catch (const std::exception &e) {
        failed = true;
        MessageService::error(QString::fromLocal8Bit(e.what()));
    }
    mRunning = false;
    mFinished = true;
    // A run that failed did not complete: it must not say so, and a failed
    // preview has nothing to show.
    mAborted = mAborted || failed || r.Aborted();

    CancelButton->setText(QStringLiteral("Ok"));
    CancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    r.StatusFormat = mComposer.closingMessage(mAborted);
    r.UpdateStatus();
}

void TLabelPrinter::CancelButtonClick()
{
    const QString caption = CancelButton->text().toUpper();
    if (caption != QLatin1String("CANCEL") && caption != QLatin1String("STOP")) {
        accept();
        return;
    }
    if (mFinished)
        return;
    if (mRequest.preview) {
        mComposer.requestStop();
        if (mRunning)
            report().AbortReport();
        else
            mAborted = true; // stopped before the run began
        report().StatusFormat = QStringLiteral("\rCancelling...!");
        report().UpdateStatus();
        QCoreApplication::processEvents();
        return;
    }
    if (!MessageService::question(QStringLiteral("Confirm"), QStringLiteral("Cancel Label Printing?")))
        return;
    // Aborting the report ends the page loop at its next label and makes the
    // end of the document abort the printer's job.
    if (mRunning)
        report().AbortReport();
    else
        mAborted = true;
}

void TLabelPrinter::reject()
{
    // Escape and the window's close box act as the button: during the run
    // they cancel or stop it but never close the window.
    if (!mFinished) {
        if (mRunning)
            CancelButtonClick();
        return;
    }
    QDialog::reject();
}

} // namespace sw
