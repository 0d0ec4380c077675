// The main window's commands driven offscreen: zoom, keys, label files,
// layout changes, default font, printing refusals and help. Message boxes
// are answered through the message service, file and layout dialogs through
// the window's seams.
#include "help/ui/THelpWindow.h"
#include "merge/MergeSession.h"
#include "objects/TGGraphicControl.h"
#include "objects/TGPRichBaseLabel.h"
#include "richtext/TWPRichText.h"
#include "surface/TGStickwellPanel32.h"
#include "persistence/ClassRegistry.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/TFont.h"
#include "shell/CommonDialogs.h"
#include "shell/LayoutChooser.h"
#include "shell/RecentFiles.h"
#include "shell/TSKMainScreen.h"

#include "MainWindowTest.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace sw;

namespace {
using MainCommandsTest = sw::test::MainWindowTest;
using sw::test::smallLayout;
using sw::test::unableToOpen;
} // namespace

TEST_F(MainCommandsTest, ZoomStepsStopAtFiftyAndOneHundredFiftyAndReturnExactly)
{
    TSKMainScreen &w = start();
    TGGraphicControl *o = place(20, 10, 100, 40, 1);
    w.SetChangesMade(false);
    QToolButton *down = child<QWidget>("ZoomSpinner")->findChild<QToolButton *>(QStringLiteral("DownButton"));
    QToolButton *up = child<QWidget>("ZoomSpinner")->findChild<QToolButton *>(QStringLiteral("UpButton"));

    for (int i = 0; i < 10; ++i)
        down->click();
    EXPECT_EQ(w.labelPanel().ScaleFactor(), 0.49999991f);
    EXPECT_EQ(zoomText(), QStringLiteral("50%"));
    EXPECT_EQ(o->Width(), 50);
    EXPECT_EQ(w.labelPanel().Width(), 127);

    // Five steps back up land on exactly 1.0.
    for (int i = 0; i < 5; ++i)
        up->click();
    EXPECT_EQ(w.labelPanel().ScaleFactor(), 1.0f);
    EXPECT_EQ(zoomText(), QStringLiteral("100%"));
    EXPECT_EQ(o->BoundsRect(), QRect(20, 10, 100, 40));

    for (int i = 0; i < 10; ++i)
        up->click();
    EXPECT_EQ(w.labelPanel().ScaleFactor(), 1.5000001f);
    EXPECT_EQ(zoomText(), QStringLiteral("150%"));
    EXPECT_EQ(o->Width(), 150);

    // The keypad's minus zooms out on key-up; the other minus does not.
    QTest::keyRelease(child<QScrollArea>("ScrollBox1"), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(zoomText(), QStringLiteral("140%"));
    QTest::keyRelease(child<QScrollArea>("ScrollBox1"), Qt::Key_Minus);
    EXPECT_EQ(zoomText(), QStringLiteral("140%"));
    QTest::keyRelease(child<QScrollArea>("ScrollBox1"), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(zoomText(), QStringLiteral("150%"));
    // Without a keypad: Ctrl+- and Ctrl++ (or Ctrl+=).
    QTest::keyRelease(child<QScrollArea>("ScrollBox1"), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyRelease(child<QScrollArea>("ScrollBox1"), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(zoomText(), QStringLiteral("130%"));
    QTest::keyRelease(child<QScrollArea>("ScrollBox1"), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(zoomText(), QStringLiteral("140%"));
    QTest::keyRelease(child<QScrollArea>("ScrollBox1"), Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(zoomText(), QStringLiteral("150%"));

    // Zooming is never a change.
    EXPECT_FALSE(w.ChangesMade());
    EXPECT_FALSE(saveButtonsShown());
    EXPECT_TRUE(mMessages.messages.isEmpty());
}

TEST_F(MainCommandsTest, PageKeysScrollTheWorkArea)
{
    TSKMainScreen &w = start();
    mChooser.templateAnswer = TLabelLayout::defaultLayout();
    mChooser.templateAnswer->LabelHeight = 8.0; // taller than the window
    w.mnuChangeFromTemplateClick();
    QApplication::processEvents();
    QScrollBar *bar = child<QScrollArea>("ScrollBox1")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    auto *box = child<QScrollArea>("ScrollBox1");
    QTest::keyClick(box, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(box, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), bar->maximum() - bar->singleStep());
    QTest::keyClick(box, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(box, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->singleStep());
}

TEST_F(MainCommandsTest, DeleteKeyOutsideThePanelStillReachesIt)
{
    TSKMainScreen &w = start();
    TGGraphicControl *o = place(20, 10, 100, 40, 1);
    w.labelPanel().select(o);
    auto *box = child<QScrollArea>("ScrollBox1");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_TRUE(objects().isEmpty());
}

TEST_F(MainCommandsTest, SaveAsProposesTheFirstFreeNumberedName)
{
    TSKMainScreen &w = start();
    w.mnuSaveAsClick(); // cancelled
    EXPECT_EQ(mDialogs.proposedName, QStringLiteral("SK0001.SK"));
    EXPECT_EQ(mDialogs.saveFolder, ProgramFolder::path());
    EXPECT_EQ(mDialogs.saveSuffix, QStringLiteral("SK"));
    EXPECT_TRUE(mDialogs.saveFilterAsked.contains(QStringLiteral("*.SK")));
    EXPECT_TRUE(w.currentFileName().isEmpty());

    QFile(path("SK0001.SK")).open(QIODevice::WriteOnly);
    w.mnuSaveAsClick();
    EXPECT_EQ(mDialogs.proposedName, QStringLiteral("SK0002.SK"));

    // With a current file its own name is proposed.
    mDialogs.saveAnswer = path("SK0002.SK");
    w.mnuSaveAsClick();
    w.mnuSaveAsClick();
    EXPECT_EQ(mDialogs.proposedName, QStringLiteral("SK0002.SK"));
}

TEST_F(MainCommandsTest, SaveCloseAndStartAgainReopensTheDesign)
{
    TSKMainScreen &w = start();
    TGGraphicControl *o = place(10, 12, 60, 20, 1);
    place(100, 40, 80, 30, 2);
    w.ZoomSpinnerUpClick(); // saved at 1.0 all the same
    ASSERT_TRUE(w.ChangesMade());
    EXPECT_EQ(child<QPushButton>("SaveButton")->text(), QStringLiteral("&Save As"));

    mDialogs.saveAnswer = path("SK0001.SK");
    child<QPushButton>("SaveButton")->click();
    EXPECT_TRUE(QFile::exists(path("SK0001.SK")));
    EXPECT_FALSE(w.ChangesMade());
    EXPECT_FALSE(saveButtonsShown());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Stickwell - SK0001.SK"));
    EXPECT_EQ(w.recentFiles().files().value(0), path("SK0001.SK"));
    EXPECT_EQ(zoomText(), QStringLiteral("110%"));
    EXPECT_EQ(w.labelPanel().ScaleFactor(), 1.1f);
    EXPECT_EQ(o->BoundsRect(), QRect(11, 13, 66, 22));

    // The next save goes to the same file without asking.
    place(33, 33, 22, 22, 3);
    EXPECT_EQ(child<QPushButton>("SaveButton")->text(), QStringLiteral("&Save"));
    child<QPushButton>("SaveButton")->click();
    EXPECT_EQ(mDialogs.saveCalls, 1);
    EXPECT_FALSE(w.ChangesMade());

    ASSERT_TRUE(w.close());
    TSKMainScreen &again = start();
    EXPECT_EQ(again.currentFileName(), path("SK0001.SK"));
    EXPECT_EQ(again.windowTitle(), QStringLiteral("Stickwell - SK0001.SK"));
    ASSERT_EQ(objects().size(), 3);
    EXPECT_EQ(objects().at(0)->BoundsRect(), QRect(10, 12, 60, 20));
    EXPECT_EQ(objects().at(0)->Tag(), 1);
    EXPECT_EQ(objects().at(1)->BoundsRect(), QRect(100, 40, 80, 30));
    EXPECT_EQ(objects().at(2)->Tag(), 3);
    // The objects answer the panel again.
    EXPECT_TRUE(objects().at(0)->OnMouseDown);
    // Start-up with a file is no change.
    EXPECT_FALSE(again.ChangesMade());
    EXPECT_FALSE(saveButtonsShown());
    EXPECT_TRUE(mMessages.messages.isEmpty());
}

TEST_F(MainCommandsTest, ADesignWhoseDataFileIsGoneOpensWholeAndSaysSo)
{
    TSKMainScreen &w = start();
    const QString design = saveDesign("SK0001.SK");
    const QString csv = path("guests.csv");
    {
        IniFile ini(ProgramFolder::filePath(QStringLiteral("SK.INI")));
        ASSERT_TRUE(MergeSession::remember(ini, design, csv));
    }
    ASSERT_TRUE(w.close());

    // Start-up reopens the design; the data file is not there.
    TSKMainScreen &again = start();
    EXPECT_EQ(again.currentFileName(), design);
    EXPECT_EQ(objects().size(), 2);
    EXPECT_FALSE(again.ChangesMade());
    EXPECT_FALSE(MergeSession::dataFile().has_value());
    ASSERT_EQ(mMessages.messages.size(), 1);
    EXPECT_EQ(mMessages.messages[0].kind, ScriptedMessageHandler::Kind::Information);
    EXPECT_EQ(mMessages.messages[0].text,
              "Cannot open the data file guests.csv: No such file or directory. The design opens without it: "
              "choose the data file again when printing.");

    // Still remembered: once it is back, opening the design brings it.
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Name\nAnn\n");
    f.close();
    mMessages.messages.clear();
    ASSERT_TRUE(again.OpenLabelFile(design));
    ASSERT_TRUE(MergeSession::dataFile().has_value());
    EXPECT_EQ(MergeSession::dataFile()->records, 1);
    EXPECT_TRUE(mMessages.messages.isEmpty());
    MergeSession::clear();
}

TEST_F(MainCommandsTest, OpeningAcceptsOnlyLabelFilesInEitherCase)
{
    start();
    const QString saved = saveDesign("SK0001.SK");
    const QString lower = path("design.sk");
    ASSERT_TRUE(QFile::copy(saved, lower));
    QFile(path("notes.txt")).open(QIODevice::WriteOnly);

    start();
    mWindow->ZoomSpinnerDownClick();
    mDialogs.openAnswer = path("notes.txt");
    mWindow->Open1Click();
    EXPECT_EQ(mMessages.texts(), QStringList({QStringLiteral("Must be a SK (Stickwell) file")}));
    EXPECT_EQ(mDialogs.openTitles.value(0), QStringLiteral("Open Label File"));
    EXPECT_EQ(mDialogs.openFolder, ProgramFolder::path());

    mMessages.messages.clear();
    mDialogs.openAnswer = lower;
    mWindow->Open1Click();
    EXPECT_TRUE(mMessages.messages.isEmpty());
    EXPECT_EQ(mWindow->currentFileName(), lower);
    ASSERT_EQ(objects().size(), 2);
    // The zoom in use stays, and the objects follow it.
    EXPECT_EQ(zoomText(), QStringLiteral("90%"));
    EXPECT_EQ(objects().at(1)->Width(), 72);
    EXPECT_FALSE(mWindow->ChangesMade());
    EXPECT_FALSE(saveButtonsShown());
}

TEST_F(MainCommandsTest, CorruptFileIsReportedAndTheDesignKept)
{
    TSKMainScreen &w = start();
    const QString good = saveDesign("SK0001.SK");
    QByteArray bytes;
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        bytes = f.readAll();
    }
    // The objects read fine; the layout record after them is cut short.
    const QString truncated = path("cut.sk");
    {
        QFile f(truncated);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.left(bytes.size() - 40));
    }
    const QString garbage = path("garbage.SK");
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a label file at all");
    }

    // An unsaved change to the current design.
    TGGraphicControl *extra = place(5, 5, 20, 20, 9);
    const QList<TGGraphicControl *> before = objects();
    ASSERT_EQ(before.size(), 3);

    for (const QString &bad : {truncated, garbage}) {
        SCOPED_TRACE(bad.toStdString());
        mMessages.messages.clear();
        mMessages.answers.push_back(false); // "Save changes?" No
        mDialogs.openAnswer = bad;
        w.Open1Click();
        EXPECT_EQ(mMessages.texts(), QStringList({QStringLiteral("Save changes?"), unableToOpen(bad)}));
        EXPECT_EQ(objects(), before);
        EXPECT_EQ(w.currentFileName(), good);
        EXPECT_TRUE(w.ChangesMade());
        EXPECT_EQ(w.layout().LayoutName, QStringLiteral("Avery 5160 Address"));
        EXPECT_EQ(w.labelPanel().Width(), 254);
        EXPECT_EQ(w.recentFiles().files().value(0), good);
        EXPECT_FALSE(w.Busy());
    }
    EXPECT_EQ(extra->Tag(), 9);

    // Still usable: the good file opens.
    mMessages.messages.clear();
    mMessages.answers.push_back(false);
    mDialogs.openAnswer = good;
    w.Open1Click();
    EXPECT_EQ(mMessages.texts(), QStringList({QStringLiteral("Save changes?")}));
    EXPECT_EQ(objects().size(), 2);
    EXPECT_FALSE(w.ChangesMade());
}

TEST_F(MainCommandsTest, CorruptLastFileAtStartUpLeavesTheDefaultDesign)
{
    const QString garbage = path("broken.sk");
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\x01\x54\x50\x46\x30 broken");
    }
    {
        IniFile ini(mDir.filePath(QStringLiteral("SK.INI")));
        ini.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), garbage);
    }
    TSKMainScreen &w = start();
    EXPECT_EQ(mMessages.texts(), QStringList({unableToOpen(garbage)}));
    EXPECT_TRUE(w.currentFileName().isEmpty());
    EXPECT_TRUE(objects().isEmpty());
    EXPECT_EQ(w.labelPanel().Width(), 254);
    EXPECT_FALSE(w.Busy());
    EXPECT_FALSE(saveButtonsShown());
    // The design works as ever.
    place(1, 1, 20, 20, 1);
    EXPECT_TRUE(w.ChangesMade());
}

TEST_F(MainCommandsTest, CancelOnANeverSavedDesignEmptiesItAndKeepsTheLayout)
{
    TSKMainScreen &w = start();
    mChooser.templateAnswer = smallLayout();
    w.mnuChangeFromTemplateClick();
    place(10, 10, 30, 20, 1);
    ASSERT_TRUE(saveButtonsShown());

    mMessages.answers.push_back(false);
    child<QPushButton>("CancelButton")->click();
    ASSERT_EQ(mMessages.messages.size(), 1);
    EXPECT_EQ(mMessages.messages.at(0).title, QStringLiteral("CANCEL"));
    EXPECT_EQ(mMessages.messages.at(0).text, QStringLiteral("Cancel all changes?"));
    EXPECT_EQ(objects().size(), 1);

    mMessages.answers.push_back(true);
    child<QPushButton>("CancelButton")->click();
    EXPECT_TRUE(objects().isEmpty());
    EXPECT_FALSE(w.ChangesMade());
    EXPECT_FALSE(saveButtonsShown());
    EXPECT_EQ(w.layout().LayoutName, QStringLiteral("Small Test Stock"));
}

TEST_F(MainCommandsTest, CancelWithAFileGoesBackToTheSavedDesign)
{
    TSKMainScreen &w = start();
    saveDesign("SK0001.SK");
    place(50, 50, 10, 10, 7);
    objects().at(0)->setLeft(0);
    ASSERT_EQ(objects().size(), 3);
    mMessages.answers.push_back(true);
    w.CancelButtonClick();
    ASSERT_EQ(objects().size(), 2);
    EXPECT_EQ(objects().at(0)->Left(), 10);
    EXPECT_FALSE(saveButtonsShown());
}

TEST_F(MainCommandsTest, ChangingToASmallerLabelPullsObjectsInside)
{
    TSKMainScreen &w = start();
    TGGraphicControl *far = place(200, 80, 40, 16, 1);
    TGGraphicControl *near = place(5, 5, 40, 16, 2);
    w.SetChangesMade(false);

    mChooser.templateAnswer = smallLayout();
    w.mnuChangeFromTemplateClick();
    EXPECT_FALSE(mChooser.lastNewLabel);
    EXPECT_EQ(mChooser.lastCurrent.LayoutName, QStringLiteral("Avery 5160 Address"));
    EXPECT_EQ(w.labelPanel().Width(), 96);
    EXPECT_EQ(w.labelPanel().Height(), 48);
    EXPECT_EQ(w.labelPanel().Shape(), TLabelShapeType::lsRectangle);
    EXPECT_EQ(far->Left(), 96 - 20);
    EXPECT_EQ(far->Top(), 48 - 10);
    EXPECT_EQ(near->BoundsRect(), QRect(5, 5, 40, 16));
    EXPECT_TRUE(w.ChangesMade());
    EXPECT_EQ(layoutCaption(), QStringLiteral("Change Label Layout    (Small Test Stock)"));

    // Cancelling the chooser changes nothing.
    mChooser.templateAnswer.reset();
    w.SetChangesMade(false);
    w.mnuChangeFromTemplateClick();
    EXPECT_EQ(w.labelPanel().Width(), 96);
    EXPECT_FALSE(w.ChangesMade());
}

TEST_F(MainCommandsTest, NewDesignClearsTheObjectsAndTheFileName)
{
    TSKMainScreen &w = start();
    saveDesign("SK0001.SK");
    mChooser.templateAnswer = smallLayout();
    w.mnuNewFromTemplateClick();
    EXPECT_TRUE(mChooser.lastNewLabel);
    EXPECT_TRUE(objects().isEmpty());
    EXPECT_TRUE(w.currentFileName().isEmpty());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Stickwell"));
    EXPECT_TRUE(w.ChangesMade());
    EXPECT_EQ(child<QPushButton>("SaveButton")->text(), QStringLiteral("&Save As"));
    EXPECT_FALSE(child<QAction>("mnuSave")->isEnabled());
    // The saved file is not touched and no question was asked.
    EXPECT_TRUE(QFile::exists(path("SK0001.SK")));
    EXPECT_TRUE(mMessages.messages.isEmpty());
}

TEST_F(MainCommandsTest, UserDefinedLayoutShowsItsCaptionAndKeepsTheUnit)
{
    TSKMainScreen &w = start();
    place(10, 10, 30, 20, 1);
    TLabelLayout user = smallLayout();
    user.LayoutName = QStringLiteral("whatever the editor says");
    user.ArtName = QStringLiteral("av5097.bmp");
    user.RightHalfOffset = 0.25;
    user.PaperCode = QStringLiteral("A4");
    mChooser.userAnswer = user;
    mChooser.useMMOut = true;

    w.mnuChangeUserDefinedLayoutClick();
    EXPECT_EQ(w.layout().LayoutName, QStringLiteral("USER DEFINED"));
    EXPECT_EQ(layoutCaption(), QStringLiteral("Change Label Layout    (User Defined)"));
    EXPECT_TRUE(w.layout().ArtName.isEmpty());
    EXPECT_EQ(w.layout().RightHalfOffset, 0.0);
    EXPECT_EQ(w.layout().PaperCode, QStringLiteral("A4"));
    EXPECT_EQ(w.labelPanel().Width(), 96);
    EXPECT_FALSE(child<QToolButton>("ShowArt")->isEnabled());
    EXPECT_EQ(objects().size(), 1);
    EXPECT_TRUE(w.ChangesMade());
    EXPECT_TRUE(IniFile(mDir.filePath(QStringLiteral("SK.INI"))).readBool(QStringLiteral("User"),
                                                                           QStringLiteral("UseMM"), false));

    // The unit is kept even when the editor is cancelled, and handed in
    // next time.
    mChooser.userAnswer.reset();
    mChooser.useMMOut = false;
    w.mnuNewUserDefinedLayoutClick();
    EXPECT_TRUE(mChooser.useMMIn);
    EXPECT_EQ(objects().size(), 1);
    EXPECT_FALSE(IniFile(mDir.filePath(QStringLiteral("SK.INI"))).readBool(QStringLiteral("User"),
                                                                            QStringLiteral("UseMM"), true));
}

TEST_F(MainCommandsTest, ExitSavesWhenAskedAndStaysWhenTheSaveDialogIsCancelled)
{
    TSKMainScreen &w = start();
    place(10, 10, 30, 20, 1);
    mMessages.answers.push_back(true);
    w.Exit1Click(); // Save As cancelled
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.ChangesMade());

    mMessages.answers.push_back(true);
    mDialogs.saveAnswer = path("SK0001.SK");
    w.Exit1Click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(QFile::exists(path("SK0001.SK")));
}

TEST_F(MainCommandsTest, DeleteRemovesTheChosenFileOnly)
{
    TSKMainScreen &w = start();
    const QString saved = saveDesign("SK0001.SK");
    mDialogs.openAnswer = path("other.txt");
    w.Delete1Click();
    EXPECT_EQ(mMessages.texts(), QStringList({QStringLiteral("Must be a SK (Stickwell) file")}));
    EXPECT_EQ(mDialogs.openTitles.value(0), QStringLiteral("Delete Label File"));

    mMessages.messages.clear();
    mDialogs.openAnswer = saved;
    mMessages.answers.push_back(false);
    w.Delete1Click();
    EXPECT_TRUE(QFile::exists(saved));
    ASSERT_EQ(mMessages.messages.size(), 1);
    EXPECT_EQ(mMessages.messages.at(0).title, QStringLiteral("CONFIRM"));
    EXPECT_EQ(mMessages.messages.at(0).text, QStringLiteral("Delete ") + saved + QLatin1Char('?'));

    mMessages.answers.push_back(true);
    w.Delete1Click();
    EXPECT_FALSE(QFile::exists(saved));
    // The design stays, but it now exists nowhere else: it is unsaved and
    // has no name, so that Exit asks about it.
    EXPECT_EQ(objects().size(), 2);
    EXPECT_TRUE(w.currentFileName().isEmpty());
    EXPECT_TRUE(w.ChangesMade());
    EXPECT_EQ(child<QPushButton>("SaveButton")->text(), QStringLiteral("&Save As"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Stickwell"));
    mMessages.messages.clear();
    mMessages.answers.push_back(false);
    w.Exit1Click();
    EXPECT_EQ(mMessages.texts(), QStringList({QStringLiteral("Save changes?")}));
}

TEST_F(MainCommandsTest, DeletingAnotherFileLeavesTheDesignSaved)
{
    TSKMainScreen &w = start();
    const QString saved = saveDesign("SK0001.SK");
    ASSERT_TRUE(QFile::copy(saved, path("other.SK")));
    mDialogs.openAnswer = path("other.SK");
    mMessages.answers.push_back(true);
    w.Delete1Click();
    EXPECT_FALSE(QFile::exists(path("other.SK")));
    EXPECT_EQ(w.currentFileName(), saved);
    EXPECT_FALSE(w.ChangesMade());
}

TEST_F(MainCommandsTest, RecentFileClickOpensTheFile)
{
    TSKMainScreen &w = start();
    const QString first = saveDesign("SK0001.SK");
    mDialogs.saveAnswer = path("SK0002.SK");
    w.mnuSaveAsClick();
    ASSERT_EQ(w.recentFiles().files(), QStringList({path("SK0002.SK"), first}));

    mChooser.templateAnswer = smallLayout();
    w.mnuNewFromTemplateClick();
    const auto entry = [this](int index) {
        return child<QMenu>("File1")->findChild<QAction *>(QStringLiteral("MRUFile%1").arg(index));
    };

    // Yes, and the save dialog cancelled: the new design stays, and the
    // file keeps its place in the list.
    mMessages.answers.push_back(true);
    mDialogs.saveAnswer.clear();
    entry(1)->trigger();
    EXPECT_TRUE(w.currentFileName().isEmpty());
    EXPECT_EQ(w.recentFiles().files(), QStringList({path("SK0002.SK"), first}));
    EXPECT_EQ(entry(1)->data().toString(), first);

    mMessages.answers.push_back(false);
    entry(1)->trigger();
    EXPECT_EQ(w.currentFileName(), first);
    EXPECT_EQ(objects().size(), 2);
    EXPECT_EQ(w.layout().LayoutName, QStringLiteral("Avery 5160 Address"));
    EXPECT_EQ(w.recentFiles().files().value(0), first);
}

TEST_F(MainCommandsTest, DefaultFontIsChosenShownAndStored)
{
    TSKMainScreen &w = start();
    w.mnuDefaultFontClick(); // cancelled
    EXPECT_EQ(w.labelPanel().Font().name(), QStringLiteral("Arial"));

    mDialogs.fontAnswer = QStringLiteral("Courier New");
    w.mnuDefaultFontClick();
    EXPECT_EQ(w.labelPanel().Font().name(), QStringLiteral("Courier New"));
    EXPECT_EQ(child<QAction>("mnuDefaultFont")->text(), QStringLiteral("Default Font: Courier New, 12 pt , italic"));
    IniFile ini(mDir.filePath(QStringLiteral("SK.INI")));
    EXPECT_EQ(ini.readString(QStringLiteral("Default Font"), QStringLiteral("Name")), QStringLiteral("Courier New"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Default Font"), QStringLiteral("Size"), 0), 12);
}

TEST_F(MainCommandsTest, FailedSaveIsReportedAndKeepsTheDesignChanged)
{
    TSKMainScreen &w = start();
    const QString saved = saveDesign("SK0001.SK");
    place(1, 1, 20, 20, 3);
    mDialogs.saveAnswer = path("missing-folder/SK0009.SK");
    w.mnuSaveAsClick();
    ASSERT_EQ(mMessages.messages.size(), 1);
    EXPECT_EQ(mMessages.messages.at(0).kind, ScriptedMessageHandler::Kind::Error);
    EXPECT_TRUE(mMessages.messages.at(0).text.startsWith(QStringLiteral("Cannot create file")));
    // Still the old name, still changed, and the zoom untouched.
    EXPECT_EQ(w.currentFileName(), saved);
    EXPECT_TRUE(w.ChangesMade());
    EXPECT_TRUE(saveButtonsShown());
    EXPECT_EQ(w.recentFiles().files(), QStringList({saved}));
}

TEST_F(MainCommandsTest, HelpOpensTheProgramsOwnPages)
{
    TSKMainScreen &w = start();
    child<QPushButton>("Helpbutton")->click();
    THelpWindow *help = THelpWindow::current();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->source().fileName(), QStringLiteral("mainwindow.html"));
    EXPECT_EQ(help->pageTitle(), QStringLiteral("The main window"));
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Save and Cancel")));

    // The same window comes forward at the contents.
    w.Contents1Click();
    EXPECT_EQ(THelpWindow::current(), help);
    EXPECT_EQ(help->source().fileName(), QStringLiteral("index.html"));
}

TEST_F(MainCommandsTest, RichTextOpensOntoTheWindowAndPaintsThroughItsMaster)
{
    // A label file with a rich-text object, written elsewhere.
    {
        TGStickwellPanel32 other;
        auto *rich = new TGPRichBaseLabel(&other);
        rich->Loaded();
        rich->RTFText()->setRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Opened}");
        other.PlaceObject(rich, QRect(10, 10, 120, 30));
        TGLabelObjectFiler().WriteLabelFile(other, path("RICH.SK"), TLabelLayout::defaultLayout());
    }
    TSKMainScreen &w = start();
    ASSERT_TRUE(w.OpenLabelFile(path("RICH.SK")));
    EXPECT_TRUE(mMessages.messages.isEmpty());
    ASSERT_EQ(objects().size(), 1);
    auto *rich = qobject_cast<TGPRichBaseLabel *>(objects().at(0));
    ASSERT_NE(rich, nullptr);
    EXPECT_EQ(rich->Master(), w.findChild<TWPRichText *>(QStringLiteral("MASTERWPRICHTEXT"), Qt::FindDirectChildrenOnly));
    EXPECT_NE(rich->Master(), nullptr);
    EXPECT_EQ(rich->RTFText()->document()->toPlainText(), QStringLiteral("Opened"));
}
