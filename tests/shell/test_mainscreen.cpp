// The main window: its controls and menus, start-up from the configuration
// file, the first activation and closing.
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenInfo.h"
#include "shell/CommonDialogs.h"
#include "shell/PrinterCheck.h"
#include "shell/RecentFiles.h"
#include "shell/ToolTipSwitch.h"
#include "shell/TSKMainScreen.h"
#include "surface/ui/LabelPanelView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace sw;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

QMenu *topMenu(QMainWindow &w, const char *name)
{
    return w.menuBar()->findChild<QMenu *>(QLatin1String(name));
}

// Every file and font dialog is cancelled.
class CancellingDialogs : public CommonDialogs
{
public:
    QString getOpenFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString getSaveFileName(QWidget *, const QString &, const QString &, const QString &, const QString &,
                            const QString &) override
    {
        return {};
    }
    bool getFont(QWidget *, TFont &) override { return false; }
};

class MainScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ProgramFolder::setPath(mDir.path());
        ToolTipSwitch::setEnabled(true);
    }
    void TearDown() override
    {
        mWindow.reset();
        ProgramFolder::setPath(QString());
        ScreenInfo::overridePixelsPerInch(0);
        PrinterCheck::setBuiltInPdfPrinterEnabled(true);
    }

    QString iniPath() const { return mDir.filePath(QStringLiteral("SK.INI")); }

    TSKMainScreen &start()
    {
        mWindow = std::make_unique<TSKMainScreen>();
        mWindow->setCommonDialogs(&mDialogs);
        mWindow->show();
        mWindow->FormActivate();
        return *mWindow;
    }

    template<class T> T *child(const char *name) { return mWindow->findChild<T *>(QLatin1String(name)); }

    QTemporaryDir mDir;
    CancellingDialogs mDialogs;
    ScriptedMessageHandler mMessages;
    ScopedMessageHandler mInstalled{&mMessages};
    std::unique_ptr<TSKMainScreen> mWindow;
};

} // namespace

TEST_F(MainScreenTest, OpensWithThePanelOfTheDefaultLayout)
{
    TSKMainScreen &w = start();
    ASSERT_TRUE(w.firstActivationDone());
    EXPECT_FALSE(w.Busy());
    auto *view = child<LabelPanelView>("LabelPanel");
    ASSERT_NE(view, nullptr);
    // 2.65 in x 96 = 254.4 -> 254; 1.0 in x 96 = 96.
    EXPECT_EQ(view->size(), QSize(254, 96));
    EXPECT_EQ(view->pos(), QPoint(21, 20));
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(w.labelPanel().Width(), 254);
    EXPECT_EQ(w.labelPanel().Height(), 96);
    EXPECT_EQ(w.labelPanel().Shape(), TLabelShapeType::lsRoundRect);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Stickwell"));
    EXPECT_EQ(w.centralWidget()->size(), QSize(634, 410));
    EXPECT_EQ(topMenu(w, "Edit1")->findChild<QMenu *>(QStringLiteral("mnuChangeLabelLayout"))->title(),
              QStringLiteral("Change Label Layout    (Avery 5160 Address)"));
    // The start-up itself is no change.
    EXPECT_FALSE(w.ChangesMade());
    EXPECT_FALSE(child<QPushButton>("SaveButton")->isVisible());
    EXPECT_FALSE(child<QPushButton>("CancelButton")->isVisible());
    EXPECT_TRUE(w.PrinterReady());
    EXPECT_TRUE(mMessages.messages.isEmpty());
}

TEST_F(MainScreenTest, PanelFollowsTheScreenResolution)
{
    ScreenInfo::overridePixelsPerInch(120);
    TSKMainScreen &w = start();
    // 2.65 x 120 = 318, 1.0 x 120 = 120.
    EXPECT_EQ(child<LabelPanelView>("LabelPanel")->size(), QSize(318, 120));
    w.close();
    IniFile ini(iniPath());
    EXPECT_TRUE(ini.sectionExists(QStringLiteral("TSKMainScreen_Placement120")));
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("TSKMainScreen_Placement")));
}

TEST_F(MainScreenTest, ToolBarHasEveryButtonWithItsHint)
{
    start();
    struct Tool
    {
        const char *name;
        int left;
        int width;
        const char *hint;
        TGStickwellPanel32::TLPanelState state;
    };
    const Tool tools[] = {
        {"Pointerbutton", 10, 27, "Selection tool", TGStickwellPanel32::psPointing},
        {"DrawLabelButton", 45, 27, "Text tool", TGStickwellPanel32::psLabel},
        {"DrawMLTextButton", 71, 27, "Multi-line text tool", TGStickwellPanel32::psMultiLineLabel},
        {"DrawCounterbutton", 97, 27, "Counter tool", TGStickwellPanel32::psCounterLabel},
        {"DrawSymbolButton", 123, 27, "Symbol tool", TGStickwellPanel32::psSymbolLabel},
        {"DrawRectanglebutton", 158, 27, "Rectangle tool", TGStickwellPanel32::psRectangle},
        {"DrawEllipseButton", 184, 27, "Ellipse tool", TGStickwellPanel32::psEllipse},
        {"DrawRoundrectbutton", 210, 28, "Round Rectangle tool", TGStickwellPanel32::psRoundRectangle},
        {"DrawLinebutton", 237, 27, "Line Tool", TGStickwellPanel32::psLine},
        {"DrawImageButton", 272, 27, "Clip Art Tool", TGStickwellPanel32::psImage},
        {"DrawSupershape", 298, 25, "Supershape tool \nMulti-purpose shapes and surfaces",
         TGStickwellPanel32::psSuperShape},
        {"DrawRichText", 322, 25, "Rich Text tool \nMixed fonts, colors and styles", TGStickwellPanel32::psRichLabel},
        {"PSpeedButton1", 346, 25, "SuperText tool \nSpecial Effects Text - fill with gradients or bitmaps",
         TGStickwellPanel32::psSuperText},
        {"DrawBarcode", 371, 25, "Barcode tool \nBarcodes and QR codes", TGStickwellPanel32::psBarcode},
    };
    QButtonGroup *group = nullptr;
    for (const Tool &t : tools) {
        SCOPED_TRACE(t.name);
        auto *b = child<QToolButton>(t.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->geometry(), QRect(t.left, 5, t.width, 27));
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(t.hint));
        ASSERT_NE(b->group(), nullptr);
        if (group) {
            EXPECT_EQ(b->group(), group);
        }
        group = b->group();
        // Tools for kinds of objects this build cannot make are disabled.
        if (t.state != TGStickwellPanel32::psPointing && !TGStickwellPanel32::canCreate(t.state)) {
            EXPECT_FALSE(b->isEnabled());
            continue;
        }
        EXPECT_TRUE(b->isEnabled());
        b->click();
        EXPECT_TRUE(b->isChecked());
        EXPECT_EQ(mWindow->labelPanel().PanelState(), t.state);
    }
    EXPECT_TRUE(group->exclusive());
    EXPECT_EQ(group->buttons().size(), 14);

    // A dropped object returns to the selection tool.
    mWindow->LabelPanelDroppedObjectEvent();
    EXPECT_TRUE(child<QToolButton>("Pointerbutton")->isChecked());
    EXPECT_EQ(mWindow->labelPanel().PanelState(), TGStickwellPanel32::psPointing);

    const struct
    {
        const char *name;
        int left;
        const char *hint;
    } toggles[] = {{"ShowGrid", 533, "Show grid toggle"}, {"SnapToGrid", 559, "Snap to Grid toggle"},
                   {"ShowArt", 591, "Show art toggle"}};
    for (const auto &t : toggles) {
        SCOPED_TRACE(t.name);
        auto *b = child<QToolButton>(t.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->geometry(), QRect(t.left, 5, 27, 27));
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(t.hint));
        EXPECT_TRUE(b->isCheckable());
        EXPECT_EQ(b->group(), nullptr);
    }
    // The default layout names no art.
    EXPECT_FALSE(child<QToolButton>("ShowArt")->isEnabled());

    child<QToolButton>("ShowGrid")->click();
    child<QToolButton>("SnapToGrid")->click();
    EXPECT_TRUE(mWindow->labelPanel().ShowGrid());
    EXPECT_TRUE(mWindow->labelPanel().SnapToGrid());
    child<QToolButton>("ShowGrid")->click();
    EXPECT_FALSE(mWindow->labelPanel().ShowGrid());
    EXPECT_TRUE(mWindow->labelPanel().SnapToGrid());

    auto *spinner = mWindow->findChild<QWidget *>(QStringLiteral("ZoomSpinner"));
    ASSERT_NE(spinner, nullptr);
    EXPECT_EQ(spinner->geometry(), QRect(456, 5, 20, 27));
    EXPECT_EQ(spinner->toolTip(),
              QStringLiteral("Press plus (+) or minus (-) to \nincrease or decrease the zoom percentage"));
    auto *zoom = child<QLabel>("ZoomCaption");
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(zoom->text(), QStringLiteral("100%"));
    EXPECT_EQ(zoom->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
}

TEST_F(MainScreenTest, BottomBarButtons)
{
    start();
    const struct
    {
        const char *name;
        QRect geometry;
        const char *caption;
        const char *hint;
    } buttons[] = {
        {"PrintNow", QRect(10, 7, 94, 35), "&Print/Preview", ""},
        {"SaveButton", QRect(243, 7, 73, 35), "&Save As", "Click to save changes"},
        {"CancelButton", QRect(320, 7, 68, 35), "&Cancel", "Click to cancel changes"},
        {"Helpbutton", QRect(401, 7, 72, 35), "Help", "Click for Windows help"},
        {"MouseHelpButton", QRect(475, 7, 37, 35), "", "Click for mouse help on individual items"},
        {"CloseButton", QRect(523, 7, 64, 35), "E&xit", "Click to exit"},
    };
    for (const auto &b : buttons) {
        SCOPED_TRACE(b.name);
        auto *button = child<QPushButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), b.geometry);
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.hint));
    }
    EXPECT_EQ(child<QPushButton>("MouseHelpButton")->property(ToolTipSwitch::ShowHintProperty), QVariant(false));
    for (const char *strip : {"GraphicPanel1", "GraphicPanel2"})
        EXPECT_EQ(child<QWidget>(strip)->height(), 9) << strip;
    EXPECT_EQ(child<QWidget>("Panel2")->height(), 38);
    EXPECT_EQ(child<QWidget>("Panel1")->height(), 51);
}

TEST_F(MainScreenTest, MenusHaveEveryItemInOrder)
{
    TSKMainScreen &w = start();
    QStringList bar;
    for (QAction *a : w.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&Help")}));

    QMenu *file = topMenu(w, "File1");
    EXPECT_EQ(menuTexts(file),
              QStringList({QStringLiteral("&New"), QStringLiteral("&Open"), QStringLiteral("&Delete"),
                           QStringLiteral("-"), QStringLiteral("Save"), QStringLiteral("Save &As..."),
                           QStringLiteral("-"), QStringLiteral("&Print or Preview"),
                           QStringLiteral("Printer Fine &Tuning"), QStringLiteral("Printer &Setup"),
                           QStringLiteral("-"), QStringLiteral("E&xit")}));
    EXPECT_EQ(menuTexts(file->findChild<QMenu *>(QStringLiteral("mnuNew"))),
              QStringList({QStringLiteral("From Template"), QStringLiteral("User Defined Layout")}));
    EXPECT_EQ(file->actions().at(4)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    // No current file: "Save" is disabled; a printer exists: printing is on.
    EXPECT_FALSE(file->actions().at(4)->isEnabled());
    EXPECT_TRUE(file->actions().at(7)->isEnabled());

    QMenu *edit = topMenu(w, "Edit1");
    EXPECT_EQ(menuTexts(edit), QStringList({QStringLiteral("&Undo"), QStringLiteral("&Redo"), QStringLiteral("-"),
                                            QStringLiteral("Default Font: Arial, 10 pt "),
                                            QStringLiteral("Change Label Layout    (Avery 5160 Address)")}));
    // Nothing done yet: nothing to undo or redo.
    EXPECT_FALSE(edit->actions().at(0)->isEnabled());
    EXPECT_FALSE(edit->actions().at(1)->isEnabled());
    EXPECT_EQ(menuTexts(edit->findChild<QMenu *>(QStringLiteral("mnuChangeLabelLayout"))),
              QStringList({QStringLiteral("From Template"), QStringLiteral("User Defined Layout")}));

    QMenu *help = topMenu(w, "Help1");
    EXPECT_EQ(menuTexts(help), QStringList({QStringLiteral("&Contents"), QStringLiteral("&About"),
                                            QStringLiteral("-"), QStringLiteral("Show Hints")}));
    EXPECT_TRUE(help->actions().at(3)->isChecked());
    EXPECT_TRUE(ToolTipSwitch::isEnabled());
}

TEST_F(MainScreenTest, RecentFilesFollowTheFileMenu)
{
    writeFile(iniPath(), "[MRU]\nF0=/nowhere/first.sk\nF1=/nowhere/second.sk\n");
    TSKMainScreen &w = start();
    const QStringList texts = menuTexts(topMenu(w, "File1"));
    ASSERT_EQ(texts.size(), 15);
    EXPECT_EQ(texts.mid(11), QStringList({QStringLiteral("E&xit"), QStringLiteral("-"),
                                          QStringLiteral("&1 /nowhere/first.sk"),
                                          QStringLiteral("&2 /nowhere/second.sk")}));
    // A missing first file is not opened and no message is shown.
    EXPECT_TRUE(mMessages.messages.isEmpty());
    EXPECT_TRUE(w.currentFileName().isEmpty());

    // Clicking a file that is gone removes it and says so.
    topMenu(w, "File1")->actions().at(13)->trigger();
    EXPECT_EQ(mMessages.texts(), QStringList({QStringLiteral("/nowhere/first.sk no longer exists")}));
    EXPECT_EQ(w.recentFiles().files(), QStringList({QStringLiteral("/nowhere/second.sk")}));
}

TEST_F(MainScreenTest, StoredPreferencesApplyAtStart)
{
    writeFile(iniPath(), "[Default Font]\nName=Arial\nSize=10\nBold=1\n[Misc]\nShow Hints=0\n");
    TSKMainScreen &w = start();
    EXPECT_EQ(menuTexts(topMenu(w, "Edit1")).at(3), QStringLiteral("Default Font: Arial, 10 pt , bold"));
    EXPECT_TRUE(w.labelPanel().Font().style().testFlag(fsBold));
    EXPECT_EQ(w.labelPanel().Font().size(), 10);
    EXPECT_FALSE(child<QAction>("mnushowHints")->isChecked());
    EXPECT_FALSE(ToolTipSwitch::isEnabled());

    // The menu item turns them on again and stores the choice.
    child<QAction>("mnushowHints")->trigger();
    EXPECT_TRUE(ToolTipSwitch::isEnabled());
    EXPECT_TRUE(IniFile(iniPath()).readBool(QStringLiteral("Misc"), QStringLiteral("Show Hints"), false));
}

TEST_F(MainScreenTest, ClosingWritesPreferencesAndPlacement)
{
    TSKMainScreen &w = start();
    w.labelPanel().Font().setName(QStringLiteral("Courier New"));
    w.labelPanel().Font().setSize(12);
    w.labelPanel().Font().setStyle(fsItalic);
    ASSERT_TRUE(w.close());

    IniFile ini(iniPath());
    EXPECT_EQ(ini.readSections(),
              QStringList({QStringLiteral("TSKMainScreen_Placement"), QStringLiteral("Printer"),
                           QStringLiteral("User"), QStringLiteral("Default Font"), QStringLiteral("Misc")}));
    EXPECT_EQ(ini.readString(QStringLiteral("Default Font"), QStringLiteral("Name")), QStringLiteral("Courier New"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Default Font"), QStringLiteral("Size"), 0), 12);
    EXPECT_EQ(ini.readString(QStringLiteral("Default Font"), QStringLiteral("Italic")), QStringLiteral("1"));
    EXPECT_EQ(ini.readString(QStringLiteral("Default Font"), QStringLiteral("Bold")), QStringLiteral("0"));
    EXPECT_EQ(ini.readString(QStringLiteral("Misc"), QStringLiteral("Show Hints")), QStringLiteral("1"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Printer"), QStringLiteral("TopMarginNudge"), -99), 0);

    const QString placement = QStringLiteral("TSKMainScreen_Placement");
    const QRect g = w.geometry();
    EXPECT_EQ(ini.readInteger(placement, QStringLiteral("Left"), -1), g.x());
    EXPECT_EQ(ini.readInteger(placement, QStringLiteral("Top"), -1), g.y());
    EXPECT_EQ(ini.readInteger(placement, QStringLiteral("Right"), -1), g.x() + g.width());
    EXPECT_EQ(ini.readInteger(placement, QStringLiteral("Bottom"), -1), g.y() + g.height());
    EXPECT_EQ(ini.readString(placement, QStringLiteral("Maximized")), QStringLiteral("0"));
    // The recent files are not written at exit.
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("MRU")));
}

TEST_F(MainScreenTest, StoredPlacementBeyondTheScreenIsMovedBack)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const int width = 620, height = 480;
    const int left = screen.width() - width + 150; // 150 beyond the right edge
    writeFile(iniPath(), QStringLiteral("[TSKMainScreen_Placement]\nLeft=%1\nTop=40\nRight=%2\nBottom=%3\n")
                             .arg(left)
                             .arg(left + width)
                             .arg(40 + height)
                             .toUtf8());
    TSKMainScreen &w = start();
    EXPECT_EQ(w.geometry(), QRect(screen.width() - width, 40, width, height));
    // Written back at once, already moved.
    EXPECT_EQ(IniFile(iniPath()).readInteger(QStringLiteral("TSKMainScreen_Placement"), QStringLiteral("Left"), 0),
              screen.width() - width);
}

TEST_F(MainScreenTest, WithoutStoredPlacementTheWindowIsCentred)
{
    TSKMainScreen &w = start();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize frame = w.frameGeometry().size();
    EXPECT_EQ(w.frameGeometry().topLeft(),
              QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2));
}

TEST_F(MainScreenTest, PanelChangesCountOnlyAfterStartUp)
{
    TSKMainScreen w;
    // Before the first activation the change handler is not attached.
    ASSERT_FALSE(w.labelPanel().LabelChangedEvent);
    w.show();
    w.FormActivate();
    ASSERT_TRUE(w.labelPanel().LabelChangedEvent);
    w.labelPanel().LabelChangedEvent(&w.labelPanel());
    EXPECT_TRUE(w.ChangesMade());
    auto *save = w.findChild<QPushButton *>(QStringLiteral("SaveButton"));
    EXPECT_TRUE(save->isVisible());
    EXPECT_EQ(save->text(), QStringLiteral("&Save As"));
    EXPECT_TRUE(w.findChild<QPushButton *>(QStringLiteral("CancelButton"))->isVisible());

    // Exit asks first; "No" closes without saving.
    mMessages.answers.push_back(false);
    w.findChild<QPushButton *>(QStringLiteral("CloseButton"))->click();
    ASSERT_EQ(mMessages.messages.size(), 1);
    EXPECT_EQ(mMessages.messages.at(0).title, QStringLiteral("Save"));
    EXPECT_EQ(mMessages.messages.at(0).text, QStringLiteral("Save changes?"));
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainScreenTest, ExitKeepsTheWindowWhenTheDesignCouldNotBeSaved)
{
    TSKMainScreen &w = start();
    w.SetChangesMade(true);
    mMessages.answers.push_back(true);
    w.Exit1Click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.ChangesMade());
}

TEST_F(MainScreenTest, PrinterMessagesWhenNoPrinterCanBeUsed)
{
    PrinterCheck::setBuiltInPdfPrinterEnabled(false);
    TSKMainScreen &w = start();
    const bool systemPrinter = PrinterCheck::CheckPrinters(false);
    EXPECT_EQ(w.PrinterReady(), systemPrinter);
    // Start-up never reports.
    EXPECT_TRUE(mMessages.messages.isEmpty());
    if (!systemPrinter) {
        EXPECT_FALSE(w.CheckPrinters(true));
        ASSERT_EQ(mMessages.messages.size(), 1);
        EXPECT_TRUE(mMessages.messages.at(0).text.endsWith(
            QStringLiteral("\r\nUnable to perform printer related operations")));
        EXPECT_FALSE(topMenu(w, "File1")->actions().at(7)->isEnabled());
    }
}
