// The printing windows as the user drives them: the sheet picture of
// "Labels Print" and its clicks, All/None, print and preview runs through
// the status window (completed, stopped, cancelled), the whole "Print or
// Preview" command, and printer fine tuning.
#include "ModalScript.h"

#include "layouts/LayoutWorkingCopy.h"
#include "objects/TGBarcode.h"
#include "objects/TGPLabel.h"
#include "objects/TGPRichBaseLabel.h"
#include "richtext/TWPRichText.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenInfo.h"
#include "printing/PrinterFineTuning.h"
#include "printing/ui/PrintCommands.h"
#include "printing/ui/TFilePreview.h"
#include "printing/ui/TLabelPrintPrep.h"
#include "printing/ui/TLabelPrinter.h"
#include "printing/ui/TPreviewForm.h"
#include "printing/ui/TPrintFineTune.h"
#include "printing/ui/TestSheetPanel.h"
#include "report/printer/TRPDevice.h"
#include "surface/TGStickwellPanel32.h"
#include "PdfWords.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

const QRgb kSelectedColor = qRgb(0xFF, 0x80, 0x80);

class PrintingWindows : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ScriptedMessageHandler messages;
    std::unique_ptr<ScopedMessageHandler> scoped;
    TGStickwellPanel32 design; // the design being edited
    QString pdf;
    std::function<QString(QWidget *, const QString &)> realChooser = PrintCommands::pdfFileChooser();

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ProgramFolder::setPath(dir.path());
        ScreenInfo::overridePixelsPerInch(96);
        scoped = std::make_unique<ScopedMessageHandler>(&messages);
        PrinterFineTuning::current() = PrinterFineTuning();
        TRPDevice &device = TRPDevice::shared();
        device.setPrinterIndex(device.PdfPrinterIndex());
        pdf = dir.filePath(QStringLiteral("labels.pdf"));
        PrintCommands::pdfFileChooser() = [this](QWidget *, const QString &) { return pdf; };

        design.setSize(254, 96);
        auto *label = new TGPLabel;
        label->SetCaption(QStringLiteral("Ticket"));
        label->Font()->setName(QStringLiteral("Arial"));
        label->Font()->setSize(20);
        label->Font()->setColor(clBlack);
        label->Loaded();
        design.PlaceObject(label, QRect(10, 10, 120, 40));
    }

    void TearDown() override
    {
        PrintCommands::pdfFileChooser() = realChooser;
        ScreenInfo::overridePixelsPerInch(0);
        ProgramFolder::setPath(QString());
    }

    // A print-preparation window holding a copy of the design, as the main
    // window's command makes it.
    std::unique_ptr<TLabelPrintPrep> prepWindow()
    {
        const QString file = dir.filePath(QStringLiteral("design.sk"));
        TGLabelObjectFiler().WriteLabelFile(design, file, TLabelLayout::defaultLayout());
        auto prep = std::make_unique<TLabelPrintPrep>();
        prep->setLabelLayout(TLabelLayout::defaultLayout());
        prep->readDesign(file);
        return prep;
    }

    QStringList scratchFiles() const
    {
        return QDir(dir.path()).entryList({QStringLiteral("SK*.TMP")}, QDir::Files);
    }
};

// Calls `f` for every widget as it is shown (before its first paint).
class OnShow : public QObject
{
public:
    explicit OnShow(std::function<void(QObject *)> f)
        : mF(std::move(f))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            mF(o);
        return false;
    }

private:
    std::function<void(QObject *)> mF;
};

} // namespace

// ---- the sheet picture -------------------------------------------------------------------

TEST_F(PrintingWindows, SheetPictureOfThreeByTenOnLetterAtNinetySixPixelsPerInch)
{
    auto prep = prepWindow();
    prep->show();
    EXPECT_EQ(prep->windowTitle(), "Labels Print");
    EXPECT_EQ(prep->LabelsPerPageCaption->text(), "(30 labels per page)");

    // One fifth of 96 pixels per inch is 19.2: the sheet is Trunc(8.5 x 19.2)
    // = 163 by Trunc(11 x 19.2) = 211 pixels, drawn 10 pixels in.
    const SheetPicture &picture = prep->sheetPicture();
    EXPECT_EQ(picture.sheetRect(), QRect(QPoint(10, 10), QPoint(172, 220)));
    EXPECT_EQ(prep->PagePanel->width(), std::max(163 + 20, prep->PageBottomPanel->sizeHint().width()));
    EXPECT_EQ(prep->PagePanel->height(), 211 + prep->PageLabel->height() + prep->PageBottomPanel->height() + 20);
    EXPECT_EQ(prep->PaintBox1->height(), 211 + 20);

    const QImage image = prep->PaintBox1->grab().toImage();
    saveShot(prep.get(), QStringLiteral("labels-print"));
    // The outline runs through its first and last pixels.
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(172, 220), qRgb(0, 0, 0));
    EXPECT_NE(image.pixel(173, 221), qRgb(0, 0, 0));
    // Position (0, 0): Trunc(0.188 x 19.2) + 10 = 13, Trunc(0.5 x 19.2) + 10
    // = 19, to 13 + Trunc(2.65 x 19.2) = 63 and 19 + 19 = 38; selected.
    EXPECT_EQ(picture.positionRects()[0], QRect(QPoint(13, 19), QPoint(62, 37)));
    EXPECT_EQ(image.pixel(13, 19), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(62, 37), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(14, 20), kSelectedColor);
    EXPECT_EQ(image.pixel(61, 36), kSelectedColor);
    // Between the sheet's positions the sheet is white.
    EXPECT_EQ(image.pixel(64, 25), qRgb(255, 255, 255));

    EXPECT_EQ(prep->sNumberOfPagesToPrint->minimum(), 1);
    EXPECT_EQ(prep->sNumberOfPagesToPrint->maximum(), 9999);
    EXPECT_EQ(prep->sNumberOfPagesToPrint->value(), 1);
    EXPECT_EQ(prep->PrinterCombo->currentText(), "Stickwell PDF on PDF file");
    EXPECT_EQ(prep->PrintNow->text(), "&Print");
    EXPECT_EQ(prep->Previewbutton->text(), "Pre&view");
    EXPECT_EQ(prep->OKButton->text(), "&Cancel");
}

TEST_F(PrintingWindows, ClicksTogglePositionsAndASharedEdgeBelongsToTheLowerRow)
{
    auto prep = prepWindow();
    prep->show();
    QTest::mouseClick(prep->PaintBox1, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(prep->positionSelected(0));
    EXPECT_EQ(prep->PaintBox1->grab().toImage().pixel(14, 20), qRgb(255, 255, 255));

    // Rows 0 and 1 touch at y = 38: the top edge of row 1 is inside it, the
    // bottom edge of row 0 is not.
    QTest::mouseClick(prep->PaintBox1, Qt::RightButton, {}, QPoint(30, 38));
    EXPECT_FALSE(prep->positionSelected(3));
    EXPECT_FALSE(prep->positionSelected(0));

    // Outside every position nothing changes; a second click selects again.
    QTest::mouseClick(prep->PaintBox1, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(prep->PaintBox1, Qt::LeftButton, {}, QPoint(64, 25));
    QTest::mouseClick(prep->PaintBox1, Qt::LeftButton, {}, QPoint(13, 19));
    EXPECT_TRUE(prep->positionSelected(0));
    EXPECT_TRUE(prep->positionSelected(1));
    EXPECT_FALSE(prep->positionSelected(3));
    const PrintRequest r = prep->makeRequest(false);
    EXPECT_EQ(std::count(r.positions.begin(), r.positions.begin() + 30, true), 29);
}

TEST_F(PrintingWindows, AllNoneAndNeedAtLeastOneLabel)
{
    auto prep = prepWindow();
    prep->show();
    ModalScript script; // nothing may open
    prep->Selectnone->click();
    EXPECT_FALSE(prep->AnyChecked());
    // Positions past the sheet's 30 keep their flags but never count.
    EXPECT_TRUE(prep->positionSelected(30));
    EXPECT_EQ(prep->PaintBox1->grab().toImage().pixel(14, 20), qRgb(255, 255, 255));

    prep->PrintNow->click();
    prep->Previewbutton->click();
    EXPECT_EQ(messages.texts(), QStringList({"Need at least one label selected", "Need at least one label selected"}));
    EXPECT_EQ(messages.messages.at(0).kind, ScriptedMessageHandler::Kind::Information);
    EXPECT_TRUE(script.seen.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));

    prep->SelectAll->click();
    for (int i = 0; i < 30; ++i)
        EXPECT_TRUE(prep->positionSelected(i)) << i;
    EXPECT_EQ(prep->PaintBox1->grab().toImage().pixel(14, 20), kSelectedColor);
}

// ---- runs through the status window -----------------------------------------------------

TEST_F(PrintingWindows, PrintOrPreviewCommandPreviewsTheSelectedPositions)
{
    design.SetZoom(1.5f);
    LayoutWorkingCopy layout = LayoutWorkingCopy::fromLayout(TLabelLayout::defaultLayout());

    ModalScript script;
    QString statusTitle, status, previewTitle;
    QImage page;
    bool navigationHidden = false;
    script.then<TLabelPrintPrep>([&](TLabelPrintPrep *prep) {
        EXPECT_EQ(scratchFiles(), QStringList({"SK0.TMP"}));
        prep->FormMouseDown(QPoint(30, 30)); // position 1 off
        clickLater(prep->Previewbutton);
    });
    script.closeWhenFinished<TLabelPrinter>([&](TLabelPrinter *w) {
        statusTitle = w->windowTitle();
        status = w->statusText();
        EXPECT_EQ(w->CancelButton->text(), "Ok");
        saveShot(w, QStringLiteral("preview-status"));
    });
    script.then<TPreviewForm>([&](TPreviewForm *w) {
        previewTitle = w->windowTitle();
        page = w->FilePreview1().pageImage();
        navigationHidden = w->sbNextPage->isHidden() && w->sbPrevPage->isHidden();
        saveShot(w, QStringLiteral("preview"));
        w->SBZoomInClick();
        EXPECT_EQ(w->windowTitle(), "Preview Page 1 of 1 ( 110% )");
        clickLater(w->CloseButton);
    });
    script.then<TLabelPrintPrep>([&](TLabelPrintPrep *prep) { clickLater(prep->OKButton); });

    PrintCommands::printOrPreview(nullptr, design, layout);

    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(script.timedOut());
    EXPECT_TRUE(messages.messages.isEmpty()) << qPrintable(messages.texts().join('|'));
    EXPECT_EQ(statusTitle, "Preview Status");
    EXPECT_EQ(status, "\rLabel Preview Ready!");
    EXPECT_EQ(previewTitle, "Preview Page 1 of 1 ( 100% )");
    EXPECT_TRUE(navigationHidden);
    // The design being edited is untouched, the scratch file is gone.
    EXPECT_FLOAT_EQ(design.ScaleFactor(), 1.5f);
    EXPECT_FALSE(design.Printing());
    EXPECT_TRUE(scratchFiles().isEmpty());

    // The sheet at 96 pixels per inch inside a margin of Round(816 x 0.025)
    // = 20 pixels: the text of position 2 is there, position 1 is empty.
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.size(), QSize(816 + 40, 1056 + 40));
    const auto inkIn = [&page](const QRect &r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(page.pixel(x, y)) < 128)
                    return true;
        return false;
    };
    const int margin = 20;
    const int top = margin + 48;              // 0.5 inch
    const int first = margin + 18;            // 0.188 inch
    const int second = margin + 18 + 265;     // plus 2.765 inches
    EXPECT_FALSE(inkIn(QRect(first, top, 130, 50)));
    EXPECT_TRUE(inkIn(QRect(second, top, 130, 50)));
    // Both passes use the same selection: row 2 prints in both columns.
    EXPECT_TRUE(inkIn(QRect(first, top + 97, 130, 50)));

    IniFile ini(ProgramFolder::filePath(QStringLiteral("SK.INI")));
    EXPECT_TRUE(ini.sectionExists(QStringLiteral("TPreviewForm_Placement")));
}

TEST_F(PrintingWindows, StoppedPreviewSaysCanceledAndOpensNoPreview)
{
    auto prep = prepWindow();
    prep->show();
    // "Stop" at the first label of the run.
    OnShow stopper([](QObject *o) {
        if (auto *w = qobject_cast<TLabelPrinter *>(o))
            w->composer().processEvents = [w] { w->CancelButton->click(); };
    });
    ModalScript script;
    QString status;
    script.closeWhenFinished<TLabelPrinter>([&](TLabelPrinter *w) {
        status = w->statusText();
    });
    prep->Previewbutton->click();

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(status, "\rLabel Preview Canceled!");
    EXPECT_FALSE(script.seen.contains("sw::TPreviewForm"));
    EXPECT_TRUE(prep->isVisible()); // ready for another run
}

TEST_F(PrintingWindows, StopInTheMiddleOfAPreviewEndsTheLoop)
{
    PrintRequest request;
    request.layout = TLabelLayout::defaultLayout();
    request.preview = true;
    TLabelPrinter w(design, request);
    EXPECT_EQ(w.CancelButton->text(), "Stop");
    int labels = 0;
    QStringList statuses;
    w.composer().processEvents = [&] {
        statuses << w.statusText();
        if (++labels == 3)
            w.CancelButton->click();
    };
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.runFinished(); }, 10000));
    EXPECT_EQ(labels, 3);
    EXPECT_EQ(statuses.at(0), "Printed label 1 on page 1");
    EXPECT_TRUE(w.Aborted());
    EXPECT_EQ(w.statusText(), "\rLabel Preview Canceled!");
    EXPECT_EQ(w.CancelButton->text(), "Ok");
    // "Ok" closes the window; before it nothing does.
    w.close();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(PrintingWindows, PrintRunWritesTwoSheetsToThePdfPrinter)
{
    auto prep = prepWindow();
    prep->show();
    prep->sNumberOfPagesToPrint->setValue(2);
    ModalScript script;
    QString title, status;
    script.closeWhenFinished<TLabelPrinter>([&](TLabelPrinter *w) {
        title = w->windowTitle();
        status = w->statusText();
        saveShot(w, QStringLiteral("print-status"));
    });
    prep->PrintNow->click();

    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(messages.messages.isEmpty()) << qPrintable(messages.texts().join('|'));
    EXPECT_EQ(title, "Print Status ");
    EXPECT_EQ(status, "Label Print Completed!");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    saveOutput(pdf, QStringLiteral("print.pdf"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
    // Back in the window the page count starts at 1 again.
    EXPECT_EQ(prep->sNumberOfPagesToPrint->value(), 1);
}

TEST_F(PrintingWindows, ABarcodeThatCannotPrintIsLeftOutOnlyWhenTheUserSaysSo)
{
    auto *barcode = new TGBarcode;
    barcode->SetSymbology(bcEAN13);
    barcode->SetData(QStringLiteral("5901234123458"));
    barcode->Loaded();
    design.PlaceObject(barcode, QRect(130, 10, 110, 60));
    auto prep = prepWindow();
    prep->show();
    const QString question = QStringLiteral(
        "The EAN-13 barcode \"5901234123458\" cannot be printed: check digit should be 7\r\r"
        "Print the labels without this object?");

    // No: nothing printed, the window's copy of the design unchanged.
    messages.answers = {false};
    prep->PrintNow->click();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].kind, ScriptedMessageHandler::Kind::Question);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Labels Print"));
    EXPECT_EQ(messages.messages[0].text, question);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(prep->LabelPanel().labelObjects().size(), 2);

    // Yes: the labels print without the barcode; the design keeps it.
    messages.answers = {true};
    ModalScript script;
    script.closeWhenFinished<TLabelPrinter>();
    prep->PrintNow->click();
    EXPECT_TRUE(script.finished());
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages[1].text, question);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(prep->LabelPanel().labelObjects().size(), 1);
    EXPECT_EQ(design.labelObjects().size(), 2);
}

TEST_F(PrintingWindows, CancellingThePdfFileChooserPrintsNothing)
{
    auto prep = prepWindow();
    prep->show();
    PrintCommands::pdfFileChooser() = [](QWidget *, const QString &) { return QString(); };
    ModalScript script;
    prep->PrintNow->click();
    EXPECT_TRUE(script.seen.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintingWindows, CancelDuringAPrintRunAsksAndYesAborts)
{
    PrintRequest request;
    request.layout = TLabelLayout::defaultLayout();
    request.sheets = 3;
    TRPDevice::shared().setOutputFileName(pdf);

    {
        // "No" lets the run go on to the end.
        messages.answers = {false};
        TLabelPrinter w(design, request);
        int labels = 0;
        w.composer().processEvents = [&] {
            if (++labels == 5)
                w.CancelButton->click();
        };
        w.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.runFinished(); }, 20000));
        EXPECT_EQ(labels, 90);
        EXPECT_FALSE(w.Aborted());
        EXPECT_EQ(w.statusText(), "Label Print Completed!");
        EXPECT_TRUE(QFile::exists(pdf));
    }
    QFile::remove(pdf);
    {
        messages.answers = {true};
        TLabelPrinter w(design, request);
        int labels = 0;
        w.composer().processEvents = [&] {
            if (++labels == 5)
                w.CancelButton->click();
        };
        w.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.runFinished(); }, 20000));
        EXPECT_EQ(labels, 5);
        EXPECT_TRUE(w.Aborted());
        EXPECT_EQ(w.statusText(), "\rLabel Print Canceled!");
        // An aborted PDF job leaves no file behind.
        EXPECT_FALSE(QFile::exists(pdf));
    }
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages.at(1).kind, ScriptedMessageHandler::Kind::Question);
    EXPECT_EQ(messages.messages.at(1).text, "Cancel Label Printing?");
}

TEST_F(PrintingWindows, AFailingPrintRunIsReportedAsCanceled)
{
    PrintRequest request;
    request.layout = TLabelLayout::defaultLayout();
    // The PDF printer cannot write into a folder that does not exist.
    TRPDevice::shared().setOutputFileName(dir.filePath(QStringLiteral("missing/labels.pdf")));
    TLabelPrinter w(design, request);
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.runFinished(); }, 10000));
    EXPECT_TRUE(w.Aborted());
    EXPECT_EQ(w.statusText(), "\rLabel Print Canceled!");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.at(0).kind, ScriptedMessageHandler::Kind::Error);
}

TEST_F(PrintingWindows, AFailedPdfPrintNamesTheFileAndIsNotOfferedAgain)
{
    TRPDevice::shared().setOutputFileName(QString());
    auto prep = prepWindow();
    prep->show();
    QStringList offered;
    QString answer = pdf;
    PrintCommands::pdfFileChooser() = [&](QWidget *, const QString &current) {
        offered << current;
        return answer;
    };
    const auto printNow = [&] {
        ModalScript script;
        script.closeWhenFinished<TLabelPrinter>();
        prep->PrintNow->click();
        EXPECT_TRUE(script.finished());
    };

    printNow();
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(messages.messages.isEmpty()) << qPrintable(messages.texts().join('|'));
    // A folder nothing can be made in.
    answer = QStringLiteral("/proc/x.pdf");
    printNow();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].kind, ScriptedMessageHandler::Kind::Error);
    EXPECT_EQ(messages.messages[0].text, "The print job could not be started on Stickwell PDF on PDF file.\r"
                                         "Cannot write the PDF file /proc/x.pdf: No such file or directory.");
    // Print again: the file offered is the one last written, not the one
    // that failed.
    answer = pdf;
    printNow();
    EXPECT_EQ(offered, (QStringList{QString(), pdf, pdf}));
    EXPECT_EQ(messages.messages.size(), 1);
}

TEST_F(PrintingWindows, ThePdfFileWindowDoesNotOpenInASystemFolder)
{
    // A file chosen in Printer Setup and not printed to yet is offered as
    // it is, but the window cannot start in /proc: it opens in the
    // documents folder with the name kept.
    PrintCommands::pdfFileChooser() = realChooser;
    TRPDevice::shared().setOutputFileName(QStringLiteral("/proc/x.pdf"));
    QString folder, name;
    ModalScript script;
    script.then<QFileDialog>([&](QFileDialog *w) {
        folder = w->directory().absolutePath();
        name = w->selectedFiles().value(0);
        w->reject();
    });
    EXPECT_FALSE(PrintCommands::printerSetup(nullptr));
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(name, dir.filePath(QStringLiteral("x.pdf")));
}

// ---- printer fine tuning ----------------------------------------------------------------

TEST_F(PrintingWindows, FineTuningArrowsStopAtEightAndOnlyOkStores)
{
    PrinterFineTuning::current().LeftMarginNudge = 3;
    {
        TPrintFineTune dialog;
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Printer Fine-Tuning");
        EXPECT_EQ(dialog.TopMarginSpinner.value->text(), "None");
        EXPECT_EQ(dialog.LeftMarginSpinner.value->text(), "Increase by 3/32\"");
        for (int i = 0; i < 9; ++i)
            dialog.TopMarginSpinner.down->click();
        EXPECT_EQ(dialog.values().TopMarginNudge, 8);
        EXPECT_EQ(dialog.TopMarginSpinner.value->text(), "Increase by 8/32\"");
        for (int i = 0; i < 20; ++i)
            dialog.HorizontalSpacingSpinner.up->click();
        EXPECT_EQ(dialog.values().HorizontalSpacing, -8);
        EXPECT_EQ(dialog.HorizontalSpacingSpinner.value->text(), "Decrease by 8/32\"");
        saveShot(&dialog, QStringLiteral("fine-tuning"));

        dialog.DefaultButton->click();
        EXPECT_EQ(dialog.values(), PrinterFineTuning());
        EXPECT_EQ(dialog.LeftMarginSpinner.value->text(), "None");
        dialog.Cancelbutton->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(PrinterFineTuning::current().LeftMarginNudge, 3);
    EXPECT_EQ(PrinterFineTuning::current().TopMarginNudge, 0);

    ModalScript script;
    script.then<TPrintFineTune>([](TPrintFineTune *d) {
        d->VerticalSpacingSpinner.up->click();
        clickLater(d->OKButton);
    });
    EXPECT_TRUE(PrintCommands::fineTuning(nullptr));
    EXPECT_EQ(PrinterFineTuning::current().VerticalSpacing, -1);
    EXPECT_EQ(PrinterFineTuning::current().LeftMarginNudge, 3);

    script.then<TPrintFineTune>([](TPrintFineTune *d) {
        d->VerticalSpacingSpinner.up->click();
        clickLater(d->Cancelbutton);
    });
    EXPECT_FALSE(PrintCommands::fineTuning(nullptr));
    EXPECT_EQ(PrinterFineTuning::current().VerticalSpacing, -1);
}

TEST_F(PrintingWindows, FineTuningPrintsTheTestSheetAndProposesWhatItsReadingsNeed)
{
    PrinterFineTuning::current().HorizontalSpacing = 1;
    TLabelLayout layout = LayoutWorkingCopy::fromLayout(TLabelLayout::defaultLayout()).toLayout();
    const auto type = [](QDoubleSpinBox *box, const char *text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QLatin1String(text));
    };
    QString status;
    QStringList proposed, shown;
    bool applyEnabled = false, applyEnabledAfter = true;
    PrinterFineTuning applied, storedBeforeOk;
    double readingAfter = -1;
    ModalScript script;
    script.then<TPrintFineTune>([&](TPrintFineTune *d) {
        TestSheetPanel *sheet = d->SheetPanel;
        EXPECT_EQ(sheet->PrinterCombo->currentIndex(), TRPDevice::shared().PdfPrinterIndex());
        sheet->PrintTestSheetButton->click();
        status = sheet->StatusLabel->text();
        // Readings of a printer that prints 3/32" right and 2/32" up and
        // creeps 1/32" a label: the last label is 2/32" further off across
        // (two columns on) and 9/32" down (nine rows on).
        type(sheet->TopLeftAcross, "-3");
        type(sheet->TopLeftDown, "2");
        type(sheet->BottomRightAcross, "-5");
        type(sheet->BottomRightDown, "-7");
        proposed = QStringList{sheet->ProposedTopMargin->text(), sheet->ProposedLeftMargin->text(),
                               sheet->ProposedVerticalSpacing->text(), sheet->ProposedHorizontalSpacing->text()};
        applyEnabled = sheet->ApplyButton->isEnabled();
        saveShot(d, QStringLiteral("fine-tuning-test-sheet"));
        sheet->ApplyButton->click();
        applied = d->values();
        shown = QStringList{d->TopMarginSpinner.value->text(), d->LeftMarginSpinner.value->text(),
                            d->VerticalSpacingSpinner.value->text(), d->HorizontalSpacingSpinner.value->text()};
        readingAfter = sheet->BottomRightDown->value();
        applyEnabledAfter = sheet->ApplyButton->isEnabled();
        storedBeforeOk = PrinterFineTuning::current();
        clickLater(d->OKButton);
    });
    EXPECT_TRUE(PrintCommands::fineTuning(nullptr, layout));
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(messages.messages.isEmpty()) << qPrintable(messages.texts().join('|'));

    EXPECT_EQ(status, "The test sheet was written to " + pdf + ".");
    // Top 0 + 2, left 0 - 3, vertical 0 + (-7 - 2) / 9, horizontal 1 + (-5 -
    // -3) / 2: the horizontal creep cancels the stored correction.
    EXPECT_EQ(proposed, (QStringList{"Increase by 2/32\"", "Decrease by 3/32\"", "Decrease by 1/32\"", "None"}));
    EXPECT_TRUE(applyEnabled);
    PrinterFineTuning expected;
    expected.TopMarginNudge = 2;
    expected.LeftMarginNudge = -3;
    expected.VerticalSpacing = -1;
    expected.HorizontalSpacing = 0;
    EXPECT_EQ(applied, expected);
    EXPECT_EQ(shown, proposed);
    // The readings belong to the old values: they are cleared, and nothing
    // is left to apply. Only "Ok" stores.
    EXPECT_EQ(readingAfter, 0);
    EXPECT_FALSE(applyEnabledAfter);
    EXPECT_EQ(storedBeforeOk.HorizontalSpacing, 1);
    EXPECT_EQ(storedBeforeOk.TopMarginNudge, 0);
    EXPECT_EQ(PrinterFineTuning::current(), expected);

    // The sheet was printed with the values the window showed then.
    ASSERT_TRUE(QFile::exists(pdf));
    saveOutput(pdf, QStringLiteral("test-sheet.pdf"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QStringList words;
    for (const PdfWord &w : pdfWords(pdf))
        words << w.text;
    EXPECT_TRUE(words.join(' ').contains("Printer test sheet Avery 5160 Address"));
    EXPECT_TRUE(words.join(' ').contains("vertical spacing 0, horizontal spacing 1"));
}

TEST_F(PrintingWindows, PrinterSetupOfThePdfPrinterChoosesItsFile)
{
    EXPECT_TRUE(PrintCommands::printerSetup(nullptr));
    EXPECT_EQ(TRPDevice::shared().OutputFileName(), pdf);
    PrintCommands::pdfFileChooser() = [](QWidget *, const QString &) { return QString(); };
    EXPECT_FALSE(PrintCommands::printerSetup(nullptr));
    EXPECT_EQ(TRPDevice::shared().OutputFileName(), pdf);
}

TEST_F(PrintingWindows, RichTextPaintsThroughTheWindowsOwnMaster)
{
    auto *rich = new TGPRichBaseLabel(&design);
    rich->Loaded();
    rich->RTFText()->setRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 Rich}");
    rich->SetBorderStyle(bsNone);
    design.PlaceObject(rich, QRect(140, 10, 100, 40));
    auto prep = prepWindow();
    auto *master = prep->findChild<TWPRichText *>(QStringLiteral("MASTERWPRICHTEXT"), Qt::FindDirectChildrenOnly);
    ASSERT_NE(master, nullptr);
    ASSERT_EQ(prep->LabelPanel().labelObjects().size(), 2);
    auto *copy = qobject_cast<TGPRichBaseLabel *>(prep->LabelPanel().labelObjects().at(1));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Master(), master);
    // The copy paints: ink where the rich text is.
    const QImage image = prep->LabelPanel().render();
    bool ink = false;
    for (int y = 10; y < 50 && !ink; ++y)
        for (int x = 140; x < 240 && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 128;
    EXPECT_TRUE(ink);
}
