// Print preparation with a data file, as the user drives it: the file
// window, what the window then shows (file, record count, sheets, the
// first record's label), remembering the file for the design, a data file
// that cannot be used, and a merged print run with an unknown field.
#include "ModalScript.h"
#include "PdfWords.h"

#include "merge/MergeSession.h"
#include "objects/TGMultiLineLabel.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenInfo.h"
#include "platform/TFont.h"
#include "printing/PrinterFineTuning.h"
#include "printing/ui/PrintCommands.h"
#include "printing/ui/TLabelPrintPrep.h"
#include "printing/ui/TLabelPrinter.h"
#include "report/printer/TRPDevice.h"
#include "surface/TGStickwellPanel32.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

class PrintPrepData : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ScriptedMessageHandler messages;
    std::unique_ptr<ScopedMessageHandler> scoped;
    TGStickwellPanel32 design;
    QString designFile, pdf;
    TGMultiLineLabel *address = nullptr;
    std::function<QString(QWidget *, const QString &)> realChooser = PrintCommands::pdfFileChooser();

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ProgramFolder::setPath(dir.path());
        ScreenInfo::overridePixelsPerInch(96);
        scoped = std::make_unique<ScopedMessageHandler>(&messages);
        PrinterFineTuning::current() = PrinterFineTuning();
        MergeSession::clear();
        TRPDevice &device = TRPDevice::shared();
        device.setPrinterIndex(device.PdfPrinterIndex());
        pdf = dir.filePath(QStringLiteral("labels.pdf"));
        PrintCommands::pdfFileChooser() = [this](QWidget *, const QString &) { return pdf; };

        design.setSize(254, 96);
        address = new TGMultiLineLabel;
        address->Font()->setName(QStringLiteral("Arial"));
        address->Font()->setSize(10);
        address->Font()->setColor(clBlack);
        address->SetItems({"${Name}", "${City}"});
        address->Loaded();
        design.PlaceObject(address, QRect(10, 10, 200, 50));
        designFile = dir.filePath(QStringLiteral("address.sk"));
    }

    void TearDown() override
    {
        MergeSession::clear();
        PrintCommands::pdfFileChooser() = realChooser;
        ScreenInfo::overridePixelsPerInch(0);
        ProgramFolder::setPath(QString());
    }

    // The print-preparation window for the design as saved in designFile.
    std::unique_ptr<TLabelPrintPrep> prepWindow()
    {
        TGLabelObjectFiler().WriteLabelFile(design, designFile, TLabelLayout::defaultLayout());
        auto prep = std::make_unique<TLabelPrintPrep>();
        prep->setDesignFileName(designFile);
        prep->setLabelLayout(TLabelLayout::defaultLayout());
        prep->readDesign(designFile);
        return prep;
    }

    // Name, City for records 1 to n.
    QString people(int n, const QString &name = QStringLiteral("people.csv"))
    {
        QByteArray bytes = "Name,City\r\n";
        for (int i = 1; i <= n; ++i)
            bytes += "Person " + QByteArray::number(i) + ",Town " + QByteArray::number(i) + "\r\n";
        return write(name, bytes);
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return f.fileName();
    }

    QString remembered()
    {
        return MergeSession::remembered(IniFile(ProgramFolder::filePath(QStringLiteral("SK.INI"))), designFile);
    }
};

bool hasInk(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 2; x < image.width() - 2; ++x) // inside the frame
            if (qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

} // namespace

TEST_F(PrintPrepData, ChosenFileShowsItsRecordsAndSheetsAndIsRememberedForTheDesign)
{
    auto prep = prepWindow();
    prep->show();
    EXPECT_FALSE(prep->FirstLabel->isVisible());
    EXPECT_FALSE(prep->ClearDataFile->isEnabled());
    EXPECT_FALSE(prep->sCopiesPerRecord->isEnabled());

    // The file window starts beside the design.
    const QString csv = people(31);
    QString startedIn;
    ModalScript script;
    script.then<QFileDialog>([&](QFileDialog *w) {
        startedIn = w->directory().absolutePath();
        w->selectFile(csv);
        auto *buttons = w->findChild<QDialogButtonBox *>();
        ASSERT_NE(buttons, nullptr);
        buttons->button(QDialogButtonBox::Open)->click();
    });
    prep->ChooseDataFile->click();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(startedIn, QDir(dir.path()).absolutePath());
    EXPECT_TRUE(messages.messages.isEmpty()) << qPrintable(messages.texts().join('|'));

    EXPECT_EQ(prep->DataFileName->text(), QDir::toNativeSeparators(csv));
    EXPECT_EQ(prep->RecordCount->text(), "31 records");
    EXPECT_TRUE(prep->FirstLabel->isVisible());
    EXPECT_TRUE(hasInk(prep->FirstLabel->pixmap()));
    saveShot(prep.get(), QStringLiteral("print-prep-data-file"));
    // 31 records on 30 positions: 2 sheets, which the records decide.
    EXPECT_EQ(prep->sNumberOfPagesToPrint->value(), 2);
    EXPECT_FALSE(prep->sNumberOfPagesToPrint->isEnabled());
    prep->sCopiesPerRecord->setValue(3); // 93 labels
    EXPECT_EQ(prep->sNumberOfPagesToPrint->value(), 4);
    prep->sCopiesPerRecord->setValue(1);
    prep->FormMouseDown(QPoint(30, 30)); // position 1 off: 31 on 29
    EXPECT_EQ(prep->sNumberOfPagesToPrint->value(), 2);
    prep->FormMouseDown(QPoint(30, 60)); // 31 on 28
    EXPECT_EQ(prep->sNumberOfPagesToPrint->value(), 2);
    prep->SelectAllClick();
    EXPECT_EQ(prep->sNumberOfPagesToPrint->value(), 2);

    // The design's data file from now on, and after the program starts again.
    ASSERT_TRUE(MergeSession::dataFile().has_value());
    EXPECT_EQ(MergeSession::dataFile()->fileName, csv);
    EXPECT_EQ(MergeSession::columns(), (QStringList{"Name", "City"}));
    EXPECT_EQ(remembered(), csv);
    auto again = prepWindow();
    ASSERT_TRUE(again->dataFile().has_value());
    EXPECT_EQ(again->RecordCount->text(), "31 records");

    // No data file: the design prints as it stands, the page count is the
    // user's again.
    prep->ClearDataFile->click();
    EXPECT_FALSE(prep->dataFile().has_value());
    EXPECT_TRUE(prep->sNumberOfPagesToPrint->isEnabled());
    EXPECT_EQ(prep->sNumberOfPagesToPrint->value(), 1);
    EXPECT_FALSE(prep->FirstLabel->isVisible());
    EXPECT_FALSE(MergeSession::dataFile().has_value());
    EXPECT_TRUE(remembered().isEmpty());
}

TEST_F(PrintPrepData, TheWindowGrowingForADataFileStaysOnTheScreen)
{
    auto prep = prepWindow();
    prep->show();
    const QRect available = prep->screen()->availableGeometry();
    const QRect before = prep->frameGeometry();
    // Its bottom edge on the screen's.
    prep->move(before.x(), available.bottom() + 1 - before.height());
    ASSERT_TRUE(prep->setDataFile(people(3)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return prep->frameGeometry().height() > before.height(); }));
    const QRect after = prep->frameGeometry();
    EXPECT_TRUE(available.contains(after)) << after.y() << " + " << after.height() << " on " << available.height();
    EXPECT_EQ(after.bottom(), available.bottom());
    EXPECT_EQ(after.x(), before.x());
}

TEST_F(PrintPrepData, AFileThatCannotBeUsedIsNamedWithItsLineAndChangesNothing)
{
    auto prep = prepWindow();
    const QString good = people(3);
    ASSERT_TRUE(prep->setDataFile(good));

    const QString open = write("open.csv", "Name,City\nAnn,Leeds\n\"Bob,York\nCarl,Hull\n");
    EXPECT_FALSE(prep->setDataFile(open));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].kind, ScriptedMessageHandler::Kind::Information);
    EXPECT_EQ(messages.messages[0].text,
              "open.csv, line 3: a quoted field starts on this line, but its closing quote is missing");
    EXPECT_FALSE(prep->setDataFile(write("empty.csv", "")));
    EXPECT_EQ(messages.messages.last().text, "The data file empty.csv is empty: its first line should name the columns");

    // The file chosen before stays in use.
    ASSERT_TRUE(prep->dataFile().has_value());
    EXPECT_EQ(prep->dataFile()->fileName, good);
    EXPECT_EQ(prep->RecordCount->text(), "3 records");
    EXPECT_EQ(remembered(), good);

    // Spoilt since: let go when the window opens, and the user told why,
    // rather than the fields printing as written without a word.
    write("people.csv", "Name\n\"unclosed\n");
    auto again = prepWindow();
    EXPECT_FALSE(again->dataFile().has_value());
    ASSERT_EQ(messages.messages.size(), 3);
    EXPECT_EQ(messages.messages[2].text, "people.csv, line 2: a quoted field starts on this line, but its closing "
                                         "quote is missing. The labels print as designed unless a data file is "
                                         "chosen again.");
    EXPECT_EQ(remembered(), good);
}

TEST_F(PrintPrepData, MergedPrintAsksAboutAnUnknownFieldThenPrintsEveryRecord)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    address->SetItems({"${Name}", "${City}", "${Country}"});
    auto prep = prepWindow();
    prep->show();
    ASSERT_TRUE(prep->setDataFile(people(31)));
    const QString warning = "The data file people.csv has no column for ${Country}: it prints as written.\r\r"
                            "Print anyway?";

    // No: nothing printed.
    messages.answers = {false};
    prep->PrintNow->click();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].kind, ScriptedMessageHandler::Kind::Question);
    EXPECT_EQ(messages.messages[0].text, warning);
    EXPECT_FALSE(QFile::exists(pdf));

    // Yes: one label per record, across two sheets, the field as written.
    messages.answers = {true};
    ModalScript script;
    QString status;
    script.closeWhenFinished<TLabelPrinter>([&](TLabelPrinter *w) {
        status = w->statusText();
    });
    prep->PrintNow->click();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(status, "Label Print Completed!");
    saveOutput(pdf, QStringLiteral("merged-print.pdf"));
    QStringList onPage[3];
    for (const PdfWord &w : pdfWords(pdf))
        if (w.page >= 1 && w.page <= 2)
            onPage[w.page] << w.text;
    ASSERT_EQ(onPage[1].size(), 30 * 5); // "Person n", "Town n", "${Country}"
    EXPECT_EQ(onPage[2], (QStringList{"Person", "31", "Town", "31", "${Country}"}));
    EXPECT_EQ(onPage[1].count("${Country}"), 30);
    EXPECT_TRUE(onPage[1].contains("30"));
    // The design being edited is untouched.
    EXPECT_EQ(address->Items()->strings(), (QStringList{"${Name}", "${City}", "${Country}"}));
}
