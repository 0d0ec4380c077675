#include "printing/ui/TLabelPrintPrep.h"

#include "help/ui/HelpTopics.h"
#include "help/ui/THelpWindow.h"
#include "merge/DataFileError.h"
#include "merge/MergeSession.h"
#include "help/ui/TODSHelp.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenInfo.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/WindowPosition.h"
#include "printing/LabelPicture.h"
#include "printing/MergeCheck.h"
#include "printing/PrintCheck.h"
#include "printing/PrinterFineTuning.h"
#include "printing/ui/PrintCommands.h"
#include "printing/ui/TLabelPrinter.h"
#include "printing/ui/TPreviewForm.h"
#include "report/printer/TReportPrinter.h"
#include "richtext/TWPRichText.h"
#include "surface/TGStickwellPanel32.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>
#include <memory>

namespace sw {

namespace {
const QColor kSelected(0xFF, 0x80, 0x80); // light red
constexpr int kPageLabelHeight = 22;
// The first record's label is shown at most this wide.
constexpr int kFirstLabelWidth = 280;
} // namespace

// ---- the sheet picture ------------------------------------------------------------

SheetPictureBox::SheetPictureBox(TLabelPrintPrep *owner)
    : QWidget(owner)
    , mOwner(owner)
{
    setObjectName(QStringLiteral("PaintBox1"));
    // Every click chooses positions; the picture has no menu of its own.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void SheetPictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    mOwner->paintPicture(painter);
}

void SheetPictureBox::mousePressEvent(QMouseEvent *event)
{
    mOwner->FormMouseDown(event->position().toPoint());
}

// ---- the window -----------------------------------------------------------------

TLabelPrintPrep::TLabelPrintPrep(QWidget *parent)
    : QDialog(parent)
    , mPixelsPerInch(ScreenInfo::pixelsPerInch())
    , mLayout(TLabelLayout::defaultLayout())
    , mLabelPanel(std::make_unique<TGStickwellPanel32>(this))
    , ReportPrinter1(std::make_unique<TReportPrinter>())
{
    setObjectName(QStringLiteral("LabelPrintPrep"));
    setWindowTitle(QStringLiteral("Labels Print"));
    setModal(true);
    mPositions.fill(true);
    ReportPrinter1->Title = QStringLiteral("ReportPrinter Report");

    // The hidden rich-text control the rich-text labels of the copy paint
    // through, and the hidden copy of the design: white, pointing, outline
    // drawn, 4 x 4 grid.
    TWPRichText::createMaster(this);
    mLabelPanel->setObjectName(QStringLiteral("LabelPanel"));
    mLabelPanel->setPointing(true);
    mLabelPanel->setDrawOutline(true);
    mLabelPanel->setGridSize(TGBasePanel::gs4x4);

    buildControls();
    mPicture = std::make_unique<SheetPicture>(mLayout, mPixelsPerInch);

    PrinterCombo->addItems(ReportPrinter1->Printers());
    selectCurrentPrinter();
}

TLabelPrintPrep::~TLabelPrintPrep() = default;

void TLabelPrintPrep::buildControls()
{
    PagePanel = new QFrame(this);
    PagePanel->setObjectName(QStringLiteral("PagePanel"));
    static_cast<QFrame *>(PagePanel)->setFrameShape(QFrame::NoFrame);
    PageLabel = new QLabel(QStringLiteral(" Select Labels To Print"), PagePanel);
    PageLabel->setObjectName(QStringLiteral("PageLabel"));
    PageLabel->setAlignment(Qt::AlignCenter);
    PageLabel->setAutoFillBackground(true);
    PageLabel->setBackgroundRole(QPalette::Highlight);
    PageLabel->setForegroundRole(QPalette::HighlightedText);
    QFont bold = PageLabel->font();
    bold.setBold(true);
    PageLabel->setFont(bold);
    PageLabel->setFixedHeight(kPageLabelHeight);

    PaintBox1 = new SheetPictureBox(this);
    PaintBox1->setParent(PagePanel);

    PageBottomPanel = new QWidget(PagePanel);
    PageBottomPanel->setObjectName(QStringLiteral("PageBottomPanel"));
    SelectAll = new QPushButton(QStringLiteral("&All"), PageBottomPanel);
    SelectAll->setObjectName(QStringLiteral("SelectAll"));
    Selectnone = new QPushButton(QStringLiteral("&None"), PageBottomPanel);
    Selectnone->setObjectName(QStringLiteral("Selectnone"));
    auto *bottom = new QHBoxLayout(PageBottomPanel);
    bottom->setContentsMargins(4, 4, 4, 4);
    bottom->addWidget(SelectAll);
    bottom->addWidget(Selectnone);
    PageBottomPanel->setFixedHeight(PageBottomPanel->sizeHint().height());

    auto *page = new QVBoxLayout(PagePanel);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(PageLabel);
    page->addWidget(PaintBox1, 1);
    page->addWidget(PageBottomPanel);

    auto *printerLabel = new QLabel(QStringLiteral("P&rinter"), this);
    PrinterCombo = new QComboBox(this);
    PrinterCombo->setObjectName(QStringLiteral("PrinterCombo"));
    PrinterCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    PrinterCombo->setMinimumContentsLength(24);
    printerLabel->setBuddy(PrinterCombo);

    auto *pagesLabel = new QLabel(QStringLiteral("# of &Pages to print"), this);
    sNumberOfPagesToPrint = new QSpinBox(this);
    sNumberOfPagesToPrint->setObjectName(QStringLiteral("sNumberOfPagesToPrint"));
    sNumberOfPagesToPrint->setRange(1, 9999);
    sNumberOfPagesToPrint->setValue(1);
    pagesLabel->setBuddy(sNumberOfPagesToPrint);
    LabelsPerPageCaption = new QLabel(this);
    LabelsPerPageCaption->setObjectName(QStringLiteral("LabelsPerPageCaption"));

    OKButton = new QPushButton(QStringLiteral("&Cancel"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    PrintNow = new QPushButton(QStringLiteral("&Print"), this);
    PrintNow->setObjectName(QStringLiteral("PrintNow"));
    PrintNow->setDefault(true);
    Previewbutton = new QPushButton(QStringLiteral("Pre&view"), this);
    Previewbutton->setObjectName(QStringLiteral("Previewbutton"));
    PrinterSetupButton = new QPushButton(QStringLiteral("&Setup"), this);
    PrinterSetupButton->setObjectName(QStringLiteral("PrinterSetupButton"));
    Helpbutton = new QPushButton(QStringLiteral("Help"), this);
    Helpbutton->setObjectName(QStringLiteral("Helpbutton"));
    MouseHelpButton = TODSHelp::makeMouseHelpButton(this);

    auto *settings = new QVBoxLayout;
    settings->addWidget(printerLabel);
    settings->addWidget(PrinterCombo);
    settings->addSpacing(10);
    auto *pagesRow = new QHBoxLayout;
    pagesRow->addWidget(pagesLabel);
    pagesRow->addWidget(sNumberOfPagesToPrint);
    pagesRow->addStretch();
    settings->addLayout(pagesRow);
    settings->addWidget(LabelsPerPageCaption);
    settings->addSpacing(10);
    settings->addWidget(buildDataFileBox());
    settings->addStretch();

    auto *buttons = new QGridLayout;
    buttons->addWidget(PrintNow, 0, 0);
    buttons->addWidget(Previewbutton, 0, 1);
    buttons->addWidget(PrinterSetupButton, 1, 0);
    buttons->addWidget(OKButton, 1, 1);
    auto *helpRow = new QHBoxLayout;
    helpRow->addWidget(Helpbutton);
    helpRow->addWidget(MouseHelpButton);
    helpRow->addStretch();
    buttons->addLayout(helpRow, 2, 0, 1, 2);
    settings->addLayout(buttons);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(PagePanel, 0, Qt::AlignTop);
    layout->addLayout(settings, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(SelectAll, &QPushButton::clicked, this, &TLabelPrintPrep::SelectAllClick);
    connect(Selectnone, &QPushButton::clicked, this, &TLabelPrintPrep::SelectnoneClick);
    connect(PrinterCombo, qOverload<int>(&QComboBox::activated), this, &TLabelPrintPrep::PrinterComboClick);
    connect(PrinterSetupButton, &QPushButton::clicked, this, &TLabelPrintPrep::PrinterSetupButtonClick);
    connect(PrintNow, &QPushButton::clicked, this, &TLabelPrintPrep::PrintNowClick);
    connect(Previewbutton, &QPushButton::clicked, this, &TLabelPrintPrep::PreviewbuttonClick);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(Helpbutton, &QPushButton::clicked, this,
            [this] { THelpWindow::showContext(HelpContext::PrintPreparation, this); });
    TODSHelp::attach(this, HelpContext::PrintPreparation);
}

QGroupBox *TLabelPrintPrep::buildDataFileBox()
{
    DataFileBox = new QGroupBox(QStringLiteral("Labels from a data file"), this);
    DataFileBox->setObjectName(QStringLiteral("DataFileBox"));
    DataFileName = new QLabel(DataFileBox);
    DataFileName->setObjectName(QStringLiteral("DataFileName"));
    DataFileName->setWordWrap(true);
    DataFileName->setTextFormat(Qt::PlainText);
    ChooseDataFile = new QPushButton(QStringLiteral("Data &File..."), DataFileBox);
    ChooseDataFile->setObjectName(QStringLiteral("ChooseDataFile"));
    ClearDataFile = new QPushButton(QStringLiteral("No &Data File"), DataFileBox);
    ClearDataFile->setObjectName(QStringLiteral("ClearDataFile"));
    RecordCount = new QLabel(DataFileBox);
    RecordCount->setObjectName(QStringLiteral("RecordCount"));
    auto *copiesLabel = new QLabel(QStringLiteral("C&opies per record"), DataFileBox);
    sCopiesPerRecord = new QSpinBox(DataFileBox);
    sCopiesPerRecord->setObjectName(QStringLiteral("sCopiesPerRecord"));
    sCopiesPerRecord->setRange(1, 9999);
    copiesLabel->setBuddy(sCopiesPerRecord);
    FirstLabel = new QLabel(DataFileBox);
    FirstLabel->setObjectName(QStringLiteral("FirstLabel"));
    FirstLabel->setFrameShape(QFrame::Box);
    FirstLabel->setToolTip(QStringLiteral("The first record's label"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ChooseDataFile);
    buttons->addWidget(ClearDataFile);
    buttons->addStretch();
    auto *copies = new QHBoxLayout;
    copies->addWidget(copiesLabel);
    copies->addWidget(sCopiesPerRecord);
    copies->addStretch();
    auto *box = new QVBoxLayout(DataFileBox);
    box->addWidget(DataFileName);
    box->addLayout(buttons);
    box->addWidget(RecordCount);
    box->addLayout(copies);
    box->addWidget(FirstLabel, 0, Qt::AlignLeft);

    connect(ChooseDataFile, &QPushButton::clicked, this, &TLabelPrintPrep::ChooseDataFileClick);
    connect(ClearDataFile, &QPushButton::clicked, this, &TLabelPrintPrep::clearDataFile);
    connect(sCopiesPerRecord, qOverload<int>(&QSpinBox::valueChanged), this, [this] { updateSheetCount(); });
    useDataFile(std::nullopt);
    return DataFileBox;
}

void TLabelPrintPrep::setLabelLayout(const TLabelLayout &layout)
{
    mLayout = layout;
    LabelsPerPageCaption->setText(QStringLiteral("(%1 labels per page)").arg(layout.NumAcross * layout.NumDown));
    FormActivate();
    updateFirstLabel();
}

void TLabelPrintPrep::readDesign(const QString &fileName)
{
    TLabelLayout ignored = mLayout;
    TGLabelObjectFiler().ReadLabelFile(*mLabelPanel, ignored, fileName);
    mLabelPanel->AttachAllObjects();
    // The design's data file, as it reads now. One spoilt or moved since
    // the design was opened is let go, and the user told why: the labels
    // would otherwise print their fields as written without a word.
    if (const std::optional<DataFile> &session = MergeSession::dataFile()) {
        try {
            useDataFile(DataFile::check(session->fileName));
        } catch (const DataFileError &e) {
            useDataFile(std::nullopt);
            MessageService::information(
                e.message() + QStringLiteral(". The labels print as designed unless a data file is chosen again."));
        }
    }
}

// ---- labels from a data file ----------------------------------------------------

void TLabelPrintPrep::useDataFile(const std::optional<DataFile> &file)
{
    mDataFile = file;
    const bool merging = mDataFile.has_value();
    if (merging)
        DataFileName->setText(QDir::toNativeSeparators(mDataFile->fileName));
    else
        DataFileName->setText(QStringLiteral("None: every position prints the design as it stands."));
    RecordCount->setText(merging ? DataFile::recordsText(mDataFile->records) : QString());
    RecordCount->setVisible(merging);
    ClearDataFile->setEnabled(merging);
    sCopiesPerRecord->setEnabled(merging);
    sNumberOfPagesToPrint->setEnabled(!merging);
    if (merging) {
        sNumberOfPagesToPrint->setMaximum(std::numeric_limits<int>::max());
        updateSheetCount();
    } else {
        sNumberOfPagesToPrint->setMaximum(9999);
        sNumberOfPagesToPrint->setValue(1);
    }
    updateFirstLabel();
}

void TLabelPrintPrep::updateSheetCount()
{
    if (mDataFile)
        sNumberOfPagesToPrint->setValue(std::max(1, makeRequest(false).mergedSheets()));
}

void TLabelPrintPrep::updateFirstLabel()
{
    if (!mDataFile) {
        FirstLabel->clear();
        FirstLabel->hide();
        return;
    }
    QImage picture = LabelPicture::render(*mLabelPanel, mLayout, mPixelsPerInch, mDataFile->columns,
                                          mDataFile->firstRecord);
    if (picture.width() > kFirstLabelWidth)
        picture = picture.scaledToWidth(kFirstLabelWidth, Qt::SmoothTransformation);
    FirstLabel->setPixmap(QPixmap::fromImage(picture));
    FirstLabel->show();
}

bool TLabelPrintPrep::setDataFile(const QString &fileName)
{
    try {
        useDataFile(DataFile::check(fileName));
    } catch (const DataFileError &e) {
        MessageService::information(e.message());
        return false;
    }
    MergeSession::setDataFile(*mDataFile);
    IniFile ini(ProgramFolder::filePath(QStringLiteral("SK.INI")));
    MergeSession::remember(ini, mDesignFile, fileName);
    return true;
}

void TLabelPrintPrep::clearDataFile()
{
    useDataFile(std::nullopt);
    MergeSession::clear();
    IniFile ini(ProgramFolder::filePath(QStringLiteral("SK.INI")));
    MergeSession::remember(ini, mDesignFile, QString());
}

void TLabelPrintPrep::ChooseDataFileClick()
{
    // Data files are often kept beside the designs they fill.
    QString start = ProgramFolder::documentsPath();
    if (mDataFile)
        start = mDataFile->fileName; // selected in its folder
    else if (!mDesignFile.isEmpty())
        start = QFileInfo(mDesignFile).absolutePath();
    FileDialog dialog(this, QStringLiteral("Choose a Data File"), start,
                      QStringLiteral("Spreadsheet data (*.csv *.txt *.tsv);;All files (*)"));
    dialog.setObjectName(QStringLiteral("DataFileDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    setDataFile(dialog.selectedFiles().first());
}

bool TLabelPrintPrep::checkMerge()
{
    const MergeCheck merge(*mLabelPanel, mDataFile->fileName);
    if (merge.failed()) {
        MessageService::information(merge.error());
        return false;
    }
    // The file may have changed since it was chosen.
    if (merge.dataFile().records != mDataFile->records || merge.dataFile().firstRecord != mDataFile->firstRecord)
        useDataFile(merge.dataFile());
    if (!merge.unknownFields().isEmpty()
        && !MessageService::question(windowTitle(), merge.unknownFieldsWarning() + QStringLiteral("\r\rPrint anyway?")))
        return false;
    // Refusing objects print nothing on the labels whose values they refuse.
    return merge.printable() || MessageService::question(windowTitle(), merge.question());
}

void TLabelPrintPrep::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!mActivated) {
        mActivated = true;
        FormActivate();
    }
}

void TLabelPrintPrep::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (isVisible())
        WindowPosition::keepOnScreen(this);
}

void TLabelPrintPrep::FormActivate()
{
    const double s = 0.2 * mPixelsPerInch;
    const int pictureWidth = int(mLayout.PageWidth * s);
    const int pictureHeight = int(mLayout.PageHeight * s);
    const int width = std::max(pictureWidth + 20, PageBottomPanel->sizeHint().width());
    const int height = pictureHeight + PageLabel->height() + PageBottomPanel->height() + 20;
    PagePanel->setFixedSize(width, height);
    mPicture = std::make_unique<SheetPicture>(mLayout, mPixelsPerInch);
    sNumberOfPagesToPrint->setValue(1);
    updateSheetCount();
    PaintBox1->update();
}

bool TLabelPrintPrep::positionSelected(int index) const
{
    return index >= 0 && index < PrintRequest::MaxPositions && mPositions[size_t(index)];
}

bool TLabelPrintPrep::AnyChecked() const
{
    return makeRequest(false).anySelected();
}

PrintRequest TLabelPrintPrep::makeRequest(bool preview) const
{
    PrintRequest r;
    r.layout = mLayout;
    r.positions = mPositions;
    r.sheets = sNumberOfPagesToPrint->value();
    r.tuning = PrinterFineTuning::current();
    r.preview = preview;
    if (mDataFile) {
        r.dataFile = mDataFile->fileName;
        r.records = mDataFile->records;
        r.copiesPerRecord = sCopiesPerRecord->value();
    }
    return r;
}

void TLabelPrintPrep::paintPicture(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::white);
    // Outlines run through the first and the last pixel of each rectangle.
    const QRect sheet = mPicture->sheetRect();
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    const QVector<QRect> &rects = mPicture->positionRects();
    const int count = std::min<int>(int(rects.size()), mLayout.NumAcross * mLayout.NumDown);
    for (int i = 0; i < count; ++i) {
        painter.setBrush(positionSelected(i) ? kSelected : QColor(Qt::white));
        painter.drawRect(rects[i].adjusted(0, 0, -1, -1));
    }
}

void TLabelPrintPrep::FormMouseDown(const QPoint &picturePoint)
{
    const int index = mPicture->positionAt(picturePoint);
    if (index < 0 || index >= PrintRequest::MaxPositions)
        return;
    mPositions[size_t(index)] = !mPositions[size_t(index)];
    PaintBox1->update(mPicture->positionRects()[index]);
    updateSheetCount();
}

void TLabelPrintPrep::SelectAllClick()
{
    PrintRequest r = makeRequest(false);
    r.selectAll(true);
    mPositions = r.positions;
    PaintBox1->update();
    updateSheetCount();
}

void TLabelPrintPrep::SelectnoneClick()
{
    PrintRequest r = makeRequest(false);
    r.selectAll(false);
    mPositions = r.positions;
    PaintBox1->update();
    updateSheetCount();
}

void TLabelPrintPrep::selectCurrentPrinter()
{
    const int index = ReportPrinter1->PrinterIndex();
    if (index >= 0 && index < PrinterCombo->count())
        PrinterCombo->setCurrentIndex(index);
}

void TLabelPrintPrep::PrinterComboClick(int index)
{
    if (index >= 0)
        ReportPrinter1->setPrinterIndex(index);
}

void TLabelPrintPrep::PrinterSetupButtonClick()
{
    PrintCommands::printerSetup(this);
    QCoreApplication::processEvents();
    selectCurrentPrinter();
}

void TLabelPrintPrep::PrintNowClick()
{
    mPrint = true;
    DoPrint();
}

void TLabelPrintPrep::PreviewbuttonClick()
{
    mPrint = false;
    DoPrint();
}

void TLabelPrintPrep::DoPrint()
{
    if (!AnyChecked()) {
        MessageService::information(QStringLiteral("Need at least one label selected"));
        return;
    }
    // Objects that cannot print as they stand (a barcode with data its
    // symbology refuses) stop the run unless the user prints without them.
    if (mDataFile) {
        if (!checkMerge())
            return;
    } else {
        PrintCheck check(*mLabelPanel);
        if (!check.ok()) {
            if (!MessageService::question(windowTitle(), check.question()))
                return;
            check.leaveOut();
        }
    }
    // Failures cannot travel on through the window's event loop: they end
    // here with the print path's message, and the window stays usable.
    try {
        if (mPrint && !PrintCommands::prepareOutputFile(this))
            return;
        bool aborted = true;
        QByteArray stream;
        {
            // The status window is freed before the preview opens.
            auto printer = std::make_unique<TLabelPrinter>(*mLabelPanel, makeRequest(!mPrint), this);
            printer->exec();
            aborted = printer->Aborted() || !printer->runFinished();
            if (!mPrint)
                stream = printer->previewStream();
        }
        if (!mPrint && !aborted) {
            TPreviewForm preview(stream, this);
            preview.InitialZoom = 100;
            preview.exec();
        }
    } catch (...) {
        MessageService::information(PrintCommands::errorMessage());
    }
    // Coming back to this window starts the page count at 1 again.
    FormActivate();
}

} // namespace sw
