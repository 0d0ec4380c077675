// No design is lost or changed behind the user's back: edits of objects read
// from files count as changes, every way of closing or replacing a design
// asks first, saving removes only what lies outside the label, printing
// leaves the clipboard alone, and zooming never changes what is saved.
#include "objects/TGGraphicControl.h"
#include "persistence/TGLabelObjectFiler.h"
#include "printing/LabelFileJob.h"
#include "printing/ui/TLabelPrintPrep.h"
#include "surface/TGHandle.h"
#include "surface/ui/LabelPanelView.h"

#include "MainWindowTest.h"
#include "../printing/ui/ModalScript.h"

#include <QFile>
#include <QTest>
#include <QWindow>

using namespace sw;
using sw::test::smallLayout;
using sw::test::unableToOpen;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class UnsavedWork : public sw::test::MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        useTestClock();
    }

    // One arrow-key nudge of the object through the panel's window.
    void nudge(TGGraphicControl *o)
    {
        mWindow->labelPanel().clearSelection();
        mWindow->labelPanel().select(o);
        QTest::keyPress(view(), Qt::Key_Right);
        QTest::keyRelease(view(), Qt::Key_Right);
    }

    void zoomSteps(int n, bool in)
    {
        for (int i = 0; i < n; ++i)
            in ? mWindow->ZoomSpinnerUpClick() : mWindow->ZoomSpinnerDownClick();
    }

    QStringList questions() const
    {
        QStringList texts;
        for (const auto &m : mMessages.messages)
            if (m.kind == ScriptedMessageHandler::Kind::Question)
                texts << m.text;
        return texts;
    }

};

} // namespace

TEST_F(UnsavedWork, MovingObjectsReadFromAFileIsAChange)
{
    const QString saved = [this] {
        start();
        return saveDesign("SK0001.SK");
    }();

    // Reopened at start-up: the first drag of an object marks the design,
    // and the close box then asks.
    TSKMainScreen &w = start();
    ASSERT_EQ(w.currentFileName(), saved);
    ASSERT_FALSE(w.ChangesMade());
    drag(objects().at(1), QPoint(12, 8));
    EXPECT_NE(objects().at(1)->BoundsRect(), QRect(100, 40, 80, 30));
    EXPECT_TRUE(w.ChangesMade());
    EXPECT_TRUE(saveButtonsShown());
    mMessages.answers.push_back(false);
    w.windowHandle()->close();
    EXPECT_EQ(questions(), QStringList({QStringLiteral("Save changes?")}));
    EXPECT_FALSE(w.isVisible());

    // Opened with Open: the first nudge counts.
    start();
    mDialogs.openAnswer = saved;
    mWindow->Open1Click();
    ASSERT_EQ(objects().size(), 2);
    ASSERT_FALSE(mWindow->ChangesMade());
    nudge(objects().at(0));
    EXPECT_EQ(objects().at(0)->Left(), 11);
    EXPECT_TRUE(mWindow->ChangesMade());

    // Pasted, and cloned: once saved, their first move counts too.
    TGBasePanel &panel = mWindow->labelPanel();
    panel.clearSelection();
    panel.select(objects().at(0));
    panel.ClipboardCommand(1);
    panel.ClipboardCommand(2);
    ASSERT_EQ(objects().size(), 3);
    TGGraphicControl *pasted = objects().at(2);
    EXPECT_EQ(pasted->BoundsRect(), QRect(26, 27, 60, 20));
    ASSERT_TRUE(objects().at(1)->ObjectMenu().trigger(QStringLiteral("Clone")));
    ASSERT_EQ(objects().size(), 4);
    TGGraphicControl *clone = objects().at(3);
    mWindow->mnuSaveClick();
    ASSERT_FALSE(mWindow->ChangesMade());
    nudge(pasted);
    EXPECT_TRUE(mWindow->ChangesMade());
    mWindow->mnuSaveClick();
    ASSERT_FALSE(mWindow->ChangesMade());
    nudge(clone);
    EXPECT_TRUE(mWindow->ChangesMade());
}

TEST_F(UnsavedWork, ClosingTheWindowAsksAsExitDoes)
{
    TSKMainScreen &w = start();
    place(10, 10, 30, 20, 1);

    // Yes, then the save dialog cancelled: the window stays, still changed.
    mMessages.answers.push_back(true);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.ChangesMade());
    EXPECT_EQ(mDialogs.saveCalls, 1);

    // The window system's close (close box, Alt+F4) asks the same.
    mMessages.answers.push_back(true);
    w.windowHandle()->close();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(questions(), QStringList({QStringLiteral("Save changes?"), QStringLiteral("Save changes?")}));

    // Yes with a name: saved, then closed.
    mMessages.answers.push_back(true);
    mDialogs.saveAnswer = path("SK0001.SK");
    w.windowHandle()->close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(QFile::exists(path("SK0001.SK")));
}

TEST_F(UnsavedWork, TheEndOfTheSessionAsksOnceAndCanBeRefused)
{
    TSKMainScreen &w = start();
    // Nothing to ask about.
    EXPECT_TRUE(w.SessionEnding(true));
    place(10, 10, 30, 20, 1);

    // With changes and no way to ask, the session may not take the design.
    EXPECT_FALSE(w.SessionEnding(false));
    EXPECT_TRUE(mMessages.messages.isEmpty());

    // Yes, then the save dialog cancelled: the session is refused.
    mMessages.answers.push_back(true);
    EXPECT_FALSE(w.SessionEnding(true));
    EXPECT_TRUE(w.ChangesMade());

    // No: the session may end, and the window's close that follows does
    // not ask a second time.
    mMessages.messages.clear();
    mMessages.answers.push_back(false);
    EXPECT_TRUE(w.SessionEnding(true));
    EXPECT_TRUE(w.close());
    EXPECT_EQ(questions(), QStringList({QStringLiteral("Save changes?")}));
}

TEST_F(UnsavedWork, ANoAtTheEndOfTheSessionDoesNotCoverLaterChanges)
{
    TSKMainScreen &w = start();
    place(10, 10, 30, 20, 1);
    mMessages.answers.push_back(false);
    ASSERT_TRUE(w.SessionEnding(true));
    // The session went on after all, and the user changed the design again.
    place(50, 10, 30, 20, 2);
    mMessages.answers.push_back(true);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(questions(), QStringList({QStringLiteral("Save changes?"), QStringLiteral("Save changes?")}));
}

TEST_F(UnsavedWork, NewAsksBeforeDroppingTheDesign)
{
    TSKMainScreen &w = start();
    mChooser.templateAnswer = smallLayout();
    mChooser.userAnswer = smallLayout();
    for (const bool userDefined : {false, true}) {
        SCOPED_TRACE(userDefined);
        mMessages.messages.clear();
        place(10, 10, 30, 20, 1);
        const auto runNew = [&] {
            if (userDefined)
                w.mnuNewUserDefinedLayoutClick();
            else
                w.mnuNewFromTemplateClick();
        };

        // Yes, and the save dialog cancelled: nothing is dropped and no
        // layout is asked for.
        const int templateCalls = mChooser.templateCalls;
        mMessages.answers.push_back(true);
        runNew();
        EXPECT_EQ(questions(), QStringList({QStringLiteral("Save changes?")}));
        EXPECT_EQ(objects().size(), 1);
        EXPECT_TRUE(w.ChangesMade());
        EXPECT_EQ(mChooser.templateCalls, templateCalls);

        // No: the new design replaces it.
        mMessages.answers.push_back(false);
        runNew();
        EXPECT_TRUE(objects().isEmpty());
        EXPECT_EQ(w.labelPanel().Width(), 96);
    }
}

TEST_F(UnsavedWork, SavingKeepsObjectsInsideTheLabelAndRemovesOnlyThoseOutside)
{
    TSKMainScreen &w = start();
    // 254 x 96: an object inside, its corner 4 pixels from the right edge,
    // and one wholly beyond it.
    TGGraphicControl *nearEdge = place(10, 10, 20, 20, 1);
    nearEdge->SetBounds(250, 80, 4, 16);
    TGGraphicControl *beyond = place(10, 10, 20, 20, 2);
    beyond->setLeft(254);

    // Save without a name only beeps; Save As cancelled saves nothing:
    // neither removes anything.
    w.mnuSaveClick();
    w.mnuSaveAsClick();
    EXPECT_EQ(objects().size(), 2);

    mDialogs.saveAnswer = path("SK0001.SK");
    w.mnuSaveAsClick();
    ASSERT_EQ(objects().size(), 1);
    EXPECT_EQ(objects().at(0), nearEdge);
    EXPECT_FALSE(w.ChangesMade());
    // The object near the edge is in the file.
    start();
    ASSERT_EQ(objects().size(), 1);
    EXPECT_EQ(objects().at(0)->BoundsRect(), QRect(250, 80, 4, 16));

    // An object outside the label read from a file: the removal is a change,
    // which stays when the save then fails.
    TGStickwellPanel32 other;
    auto *outside = new TGGraphicControl;
    outside->SetBounds(300, 10, 20, 20);
    outside->Loaded();
    other.addObject(outside);
    TGLabelObjectFiler().WriteLabelFile(other, path("outside.SK"), TLabelLayout::defaultLayout());
    mDialogs.openAnswer = path("outside.SK");
    mWindow->Open1Click();
    ASSERT_EQ(objects().size(), 1);
    ASSERT_FALSE(mWindow->ChangesMade());
    mDialogs.saveAnswer = path("missing-folder/SK0002.SK");
    mWindow->mnuSaveAsClick();
    EXPECT_TRUE(objects().isEmpty());
    EXPECT_TRUE(mWindow->ChangesMade());
    EXPECT_EQ(mWindow->currentFileName(), path("outside.SK"));
}

TEST_F(UnsavedWork, PrintingLeavesTheClipboardAlone)
{
    TSKMainScreen &w = start();
    const QString saved = saveDesign("SK0001.SK");
    TGStickwellPanel32 &panel = w.labelPanel();
    panel.select(objects().at(0));
    panel.ClipboardCommand(1);
    const QString clipboard = panel.ClipboardFileName();
    ASSERT_TRUE(QFile::exists(clipboard));

    // "Print or Preview" opens and closes the print preparation window.
    ASSERT_TRUE(w.PrinterReady());
    sw::test::ModalScript script;
    script.then<TLabelPrintPrep>([](TLabelPrintPrep *prep) { sw::test::clickLater(prep->OKButton); });
    w.mnuPrintClick();
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(QFile::exists(clipboard));

    // The command-line printer reads the design onto a panel of its own.
    { LabelFileJob job(saved); }
    EXPECT_TRUE(QFile::exists(clipboard));

    // The copied object still pastes.
    panel.ClipboardCommand(2);
    EXPECT_EQ(objects().size(), 3);

    // The program's end removes it.
    mWindow.reset();
    EXPECT_FALSE(QFile::exists(clipboard));
}

TEST_F(UnsavedWork, CancelKeepsTheDesignWhenTheSavedFileCannotBeRead)
{
    TSKMainScreen &w = start();
    const QString saved = saveDesign("SK0001.SK");
    const QByteArray good = readAll(saved);
    place(50, 50, 10, 10, 7);

    // The file was deleted behind the program's back.
    ASSERT_TRUE(QFile::remove(saved));
    mMessages.answers.push_back(true);
    w.CancelButtonClick();
    EXPECT_EQ(mMessages.texts().last(), saved + QStringLiteral(" no longer exists"));
    EXPECT_EQ(objects().size(), 3);
    EXPECT_TRUE(w.ChangesMade());
    EXPECT_EQ(w.currentFileName(), saved);
    // Saving then stores the whole design again.
    w.mnuSaveClick();
    {
        TGStickwellPanel32 reread;
        TLabelLayout layout;
        TGLabelObjectFiler().ReadLabelFile(reread, layout, saved);
        EXPECT_EQ(reread.labelObjects().size(), 3);
    }

    // The file became unreadable: the same.
    QFile broken(saved);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(good.left(good.size() / 2));
    broken.close();
    place(60, 50, 10, 10, 8);
    mMessages.answers.push_back(true);
    w.CancelButtonClick();
    EXPECT_EQ(mMessages.texts().last(), unableToOpen(saved));
    EXPECT_EQ(objects().size(), 4);
    EXPECT_TRUE(w.ChangesMade());
}

TEST_F(UnsavedWork, ZoomingNeverChangesTheSavedDesign)
{
    // A 3.90625 x 2.6666667 inch label: a panel of 375 x 256 pixels.
    TLabelLayout stock = smallLayout();
    stock.LabelWidth = 3.90625;
    stock.LabelHeight = 2.6666667;
    mChooser.templateAnswer = stock;
    TSKMainScreen &first = start();
    first.mnuNewFromTemplateClick();
    place(17, 23, 252, 96, 1);
    place(101, 3, 97, 33, 2);
    place(5, 151, 13, 101, 3);
    mDialogs.saveAnswer = path("SK0001.SK");
    first.mnuSaveAsClick();
    // Saved once more as the program saves what it read (objects read get
    // fresh names).
    start().mnuSaveClick();
    const QByteArray opened = readAll(path("SK0001.SK"));
    ASSERT_FALSE(opened.isEmpty());

    // Opened at start-up; 150 % and back, 50 % and back; then saved.
    TSKMainScreen &w = start();
    ASSERT_EQ(objects().size(), 3);
    ASSERT_EQ(w.labelPanel().Width(), 375);
    ASSERT_EQ(w.labelPanel().Height(), 256);
    zoomSteps(5, true);
    ASSERT_EQ(zoomText(), QStringLiteral("150%"));
    zoomSteps(5, false);
    ASSERT_EQ(zoomText(), QStringLiteral("100%"));
    EXPECT_EQ(objects().at(0)->BoundsRect(), QRect(17, 23, 252, 96));
    EXPECT_EQ(w.labelPanel().Width(), 375);
    EXPECT_EQ(w.labelPanel().Height(), 256);
    zoomSteps(5, false);
    ASSERT_EQ(zoomText(), QStringLiteral("50%"));
    zoomSteps(5, true);
    EXPECT_EQ(objects().at(0)->BoundsRect(), QRect(17, 23, 252, 96));
    EXPECT_EQ(objects().at(1)->BoundsRect(), QRect(101, 3, 97, 33));
    EXPECT_EQ(objects().at(2)->BoundsRect(), QRect(5, 151, 13, 101));
    EXPECT_EQ(w.labelPanel().Width(), 375);
    EXPECT_EQ(w.labelPanel().Height(), 256);
    EXPECT_FALSE(w.ChangesMade());
    w.mnuSaveClick();
    EXPECT_EQ(readAll(path("SK0001.SK")), opened);

    // Saved while zoomed: the file holds the same.
    zoomSteps(5, true);
    w.mnuSaveClick();
    EXPECT_EQ(readAll(path("SK0001.SK")), opened);
    EXPECT_EQ(w.labelPanel().Width(), 563);

    // A move at 150 % rounds the moved edge once and keeps the size: seven
    // pixels right of 26 is 33, 33 / 1.5 = 22.
    TGGraphicControl *moved = objects().at(0);
    ASSERT_EQ(moved->Left(), 26);
    nudge(moved);
    for (int i = 0; i < 6; ++i) {
        QTest::keyPress(view(), Qt::Key_Right);
        QTest::keyRelease(view(), Qt::Key_Right);
    }
    EXPECT_TRUE(w.ChangesMade());
    zoomSteps(5, false);
    EXPECT_EQ(moved->BoundsRect(), QRect(22, 23, 252, 96));
}
