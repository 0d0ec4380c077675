// The main window as a desktop window: it grows and shrinks with the
// design area scrolling when the label is larger, is maximised and restored
// across runs, and opens files handed to it from outside.
#include "objects/TGGraphicControl.h"
#include "persistence/ClassRegistry.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "shell/TSKMainScreen.h"
#include "shell/WindowPlacement.h"
#include "surface/TGStickwellPanel32.h"

#include <QApplication>
#include <QDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace sw;

namespace {

class DesktopWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { RegisterClass<TGGraphicControl>(); }
    void SetUp() override { ProgramFolder::setPath(mDir.path()); }
    void TearDown() override
    {
        mWindow.reset();
        ProgramFolder::setPath(QString());
    }

    TSKMainScreen &start()
    {
        mWindow.reset();
        mWindow = std::make_unique<TSKMainScreen>();
        mWindow->show();
        mWindow->FormActivate();
        return *mWindow;
    }
    QScrollArea *designArea() const { return mWindow->findChild<QScrollArea *>(QStringLiteral("ScrollBox1")); }

    // A design file with `count` objects on the default layout.
    QString design(const char *name, int count)
    {
        TGStickwellPanel32 panel;
        panel.setSize(254, 96);
        for (int i = 0; i < count; ++i) {
            auto *o = new TGGraphicControl;
            o->Loaded();
            panel.PlaceObject(o, QRect(10 + 30 * i, 10, 25, 25));
        }
        const QString file = mDir.filePath(QLatin1String(name));
        TGLabelObjectFiler().WriteLabelFile(panel, file, TLabelLayout::defaultLayout());
        return file;
    }

    QTemporaryDir mDir;
    ScriptedMessageHandler mMessages;
    ScopedMessageHandler mInstalled{&mMessages};
    std::unique_ptr<TSKMainScreen> mWindow;
};

} // namespace

TEST_F(DesktopWindowTest, TheDesignAreaGrowsWithTheWindowAndScrollsALargerLabel)
{
    TSKMainScreen &w = start();
    w.resize(640, 480);
    QApplication::processEvents();
    const QSize small = designArea()->viewport()->size();

    w.resize(1000, 800);
    QApplication::processEvents();
    const QSize large = designArea()->viewport()->size();
    EXPECT_EQ(large.width() - small.width(), 360);
    EXPECT_EQ(large.height() - small.height(), 320);
    // The 2.65 x 1 inch label fits: nothing to scroll.
    EXPECT_EQ(designArea()->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(designArea()->verticalScrollBar()->maximum(), 0);

    // A window narrower than the label scrolls to every part of it.
    w.resize(200, 300);
    QApplication::processEvents();
    const int visible = designArea()->viewport()->width();
    EXPECT_EQ(designArea()->horizontalScrollBar()->maximum(), 21 + 254 + 21 - visible);
}

TEST_F(DesktopWindowTest, AMaximisedWindowComesBackMaximisedWithItsNormalPlace)
{
    TSKMainScreen &w = start();
    w.setGeometry(100, 80, 700, 500);
    QApplication::processEvents();
    const QRect normal = w.geometry();
    w.showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(w.isMaximized());
    EXPECT_GT(designArea()->viewport()->width(), 700);
    w.close();

    IniFile ini(TSKMainScreen::configFileName());
    const WindowPlacement stored = WindowPlacement::read(ini, WindowPlacement::sectionName(96), false);
    EXPECT_TRUE(stored.maximized);
    EXPECT_EQ(stored.normal, normal);

    TSKMainScreen &again = start();
    QApplication::processEvents();
    EXPECT_TRUE(again.isMaximized());
    again.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(again.geometry(), normal);
}

TEST_F(DesktopWindowTest, AFileFromOutsideOpensAfterAskingAboutChanges)
{
    TSKMainScreen &w = start();
    const QString first = design("first.sk", 1);
    const QString second = design("second.sk", 3);
    w.openRequestedFile(first);
    EXPECT_EQ(w.currentFileName(), first);
    EXPECT_EQ(w.labelPanel().labelObjects().size(), 1);
    EXPECT_TRUE(mMessages.messages.isEmpty());

    // A changed design: "No" keeps the file as it was and opens the new one.
    w.SetChangesMade(true);
    mMessages.answers = {false};
    w.openRequestedFile(second);
    ASSERT_EQ(mMessages.messages.size(), 1);
    EXPECT_EQ(mMessages.messages.first().kind, ScriptedMessageHandler::Kind::Question);
    EXPECT_EQ(w.currentFileName(), second);
    EXPECT_EQ(w.labelPanel().labelObjects().size(), 3);

    // A file that is not there is reported, before any question, and the
    // design stays.
    w.SetChangesMade(true);
    mMessages.messages.clear();
    w.openRequestedFile(mDir.filePath("gone.sk"));
    EXPECT_EQ(mMessages.texts(), QStringList({mDir.filePath("gone.sk") + " does not exist"}));
    EXPECT_TRUE(w.ChangesMade());
    EXPECT_EQ(w.currentFileName(), second);
}

TEST_F(DesktopWindowTest, AFileFromOutsideWaitsUntilTheOpenDialogIsClosed)
{
    TSKMainScreen &w = start();
    const QString file = design("later.sk", 2);
    QDialog dialog(&w);
    bool openedUnderTheDialog = true;
    QTimer::singleShot(0, &dialog, [&] {
        w.openRequestedFile(file);
        openedUnderTheDialog = w.currentFileName() == file;
        dialog.reject();
    });
    dialog.exec();
    EXPECT_FALSE(openedUnderTheDialog);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.currentFileName() == file; }, 5000));
    EXPECT_EQ(w.labelPanel().labelObjects().size(), 2);
}
