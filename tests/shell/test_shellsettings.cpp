// The main window's settings in the configuration file: preferences, window
// placement, recent files, the old file name at start and the event guard.
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "shell/Preferences.h"
#include "shell/RecentFiles.h"
#include "shell/StartUp.h"
#include "shell/StickwellApplication.h"
#include "shell/WindowPlacement.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace sw;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList entryNames(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

QStringList menuTexts(const QMenu &menu)
{
    QStringList texts;
    for (QAction *a : menu.actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

TEST(Preferences, MissingFileGivesDefaults)
{
    QTemporaryDir dir;
    const Preferences p = Preferences::read(IniFile(dir.filePath(QStringLiteral("SK.INI"))));
    EXPECT_EQ(p.printer.TopMarginNudge, 0);
    EXPECT_FALSE(p.UseMM);
    EXPECT_EQ(p.FontName, QStringLiteral("Arial"));
    EXPECT_EQ(p.FontSize, 10);
    EXPECT_FALSE(p.FontBold || p.FontItalic || p.FontUnderline);
    EXPECT_TRUE(p.ShowHints);
}

TEST(Preferences, WritesEveryKeyInOrderAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SK.INI"));
    Preferences p;
    p.printer.TopMarginNudge = -3;
    p.printer.LeftMarginNudge = 2;
    p.printer.VerticalSpacing = 8;
    p.printer.HorizontalSpacing = -8;
    p.UseMM = true;
    p.FontName = QStringLiteral("Times New Roman");
    p.FontSize = 14;
    p.FontBold = true;
    p.FontUnderline = true;
    p.ShowHints = false;
    IniFile ini(path);
    ASSERT_TRUE(p.write(ini));

    EXPECT_EQ(readAll(path).toStdString(), std::string("[Printer]\n"
                                        "TopMarginNudge=-3\n"
                                        "LeftMarginNudge=2\n"
                                        "VerticalSpacing=8\n"
                                        "HorizontalSpacing=-8\n"
                                        "\n[User]\n"
                                        "UseMM=1\n"
                                        "\n[Default Font]\n"
                                        "Name=Times New Roman\n"
                                        "Size=14\n"
                                        "Bold=1\n"
                                        "Italic=0\n"
                                        "Underline=1\n"
                                        "\n[Misc]\n"
                                        "Show Hints=0\n"));

    const Preferences back = Preferences::read(IniFile(path));
    EXPECT_EQ(back.printer.TopMarginNudge, -3);
    EXPECT_EQ(back.printer.LeftMarginNudge, 2);
    EXPECT_EQ(back.printer.VerticalSpacing, 8);
    EXPECT_EQ(back.printer.HorizontalSpacing, -8);
    EXPECT_TRUE(back.UseMM);
    EXPECT_EQ(back.FontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(back.FontSize, 14);
    EXPECT_TRUE(back.FontBold);
    EXPECT_FALSE(back.FontItalic);
    EXPECT_TRUE(back.FontUnderline);
    EXPECT_FALSE(back.ShowHints);
}

TEST(Preferences, AnyNonZeroBooleanIsTrue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SK.INI"));
    writeFile(path, "[Misc]\nShow Hints=7\n[User]\nUseMM=-1\n[Default Font]\nItalic=0\n");
    const Preferences p = Preferences::read(IniFile(path));
    EXPECT_TRUE(p.ShowHints);
    EXPECT_TRUE(p.UseMM);
    EXPECT_FALSE(p.FontItalic);
}

TEST(Preferences, DefaultFontCaption)
{
    // The blank before the style's comma belongs to the caption.
    EXPECT_EQ(defaultFontCaption(QStringLiteral("Arial"), 10, false, false), QStringLiteral("Default Font: Arial, 10 pt "));
    EXPECT_EQ(defaultFontCaption(QStringLiteral("Arial"), 10, true, false),
              QStringLiteral("Default Font: Arial, 10 pt , bold"));
    EXPECT_EQ(defaultFontCaption(QStringLiteral("Courier New"), 12, true, true),
              QStringLiteral("Default Font: Courier New, 12 pt , bold, italic"));
}

TEST(WindowPlacement, SectionNameCarriesResolutionAbove96)
{
    EXPECT_EQ(WindowPlacement::sectionName(96), QStringLiteral("TSKMainScreen_Placement"));
    EXPECT_EQ(WindowPlacement::sectionName(72), QStringLiteral("TSKMainScreen_Placement"));
    EXPECT_EQ(WindowPlacement::sectionName(120), QStringLiteral("TSKMainScreen_Placement120"));
    EXPECT_EQ(WindowPlacement::sectionName(144), QStringLiteral("TSKMainScreen_Placement144"));
}

TEST(WindowPlacement, RectangleBeyondSmallerScreenMovesBackKeepingItsSize)
{
    const QSize screen(800, 600);
    // Right edge 900 - 800 = 100 beyond: shifted left by 100.
    EXPECT_EQ(fitRectToScreen(QRect(300, 50, 600, 400), screen), QRect(200, 50, 600, 400));
    // Bottom 150 + 500 = 650, 50 beyond: shifted up by 50.
    EXPECT_EQ(fitRectToScreen(QRect(10, 150, 600, 500), screen), QRect(10, 100, 600, 500));
    // Both at once.
    EXPECT_EQ(fitRectToScreen(QRect(1000, 700, 600, 400), screen), QRect(200, 200, 600, 400));
    // Inside, or exactly touching the edges: unchanged.
    EXPECT_EQ(fitRectToScreen(QRect(200, 200, 600, 400), screen), QRect(200, 200, 600, 400));
    // Wider than the screen: the left edge stops at 0, the title bar stays on screen.
    EXPECT_EQ(fitRectToScreen(QRect(100, 100, 1000, 400), screen), QRect(0, 100, 1000, 400));
    EXPECT_EQ(fitRectToScreen(QRect(-20, 0, 1000, 400), screen), QRect(-20, 0, 1000, 400));
}

TEST(WindowPlacement, StoredAsLeftTopRightBottom)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SK.INI"));
    WindowPlacement p;
    p.normal = QRect(162, 185, 610, 450);
    p.maximized = true;
    IniFile ini(path);
    ASSERT_TRUE(p.write(ini, WindowPlacement::sectionName(96)));
    EXPECT_EQ(readAll(path).toStdString(), std::string("[TSKMainScreen_Placement]\n"
                                        "Left=162\nTop=185\nRight=772\nBottom=635\nMaximized=1\n"));

    const WindowPlacement back = WindowPlacement::read(IniFile(path), WindowPlacement::sectionName(96), false);
    EXPECT_EQ(back.normal, p.normal);
    EXPECT_TRUE(back.maximized);

    // Nothing stored: bottom 0, maximised as the window is now.
    const WindowPlacement none = WindowPlacement::read(IniFile(path), WindowPlacement::sectionName(120), true);
    EXPECT_EQ(none.storedBottom(), 0);
    EXPECT_TRUE(none.maximized);
}

TEST(WindowPlacement, Centring)
{
    // (1024 - 611) div 2 = 206; (768 - 455) div 2 = 156.
    EXPECT_EQ(centeredOnScreen(QSize(1024, 768), QSize(611, 455)), QPoint(206, 156));
    // A form larger than the screen: halves truncate toward zero.
    EXPECT_EQ(centeredOnScreen(QSize(800, 600), QSize(803, 605)), QPoint(-1, -2));
}

TEST(MRUList, AddMovesToTopAndKeepsFive)
{
    MRUList list;
    for (int i = 1; i <= 6; ++i)
        list.AddFile(QStringLiteral("/labels/f%1.sk").arg(i));
    EXPECT_EQ(list.files(), QStringList({QStringLiteral("/labels/f6.sk"), QStringLiteral("/labels/f5.sk"),
                                         QStringLiteral("/labels/f4.sk"), QStringLiteral("/labels/f3.sk"),
                                         QStringLiteral("/labels/f2.sk")}));
    list.AddFile(QStringLiteral("/labels/f3.sk"));
    EXPECT_EQ(list.files(), QStringList({QStringLiteral("/labels/f3.sk"), QStringLiteral("/labels/f6.sk"),
                                         QStringLiteral("/labels/f5.sk"), QStringLiteral("/labels/f4.sk"),
                                         QStringLiteral("/labels/f2.sk")}));
    list.AddFile(QString());
    EXPECT_EQ(list.files().size(), 5);
}

TEST(MRUList, MenuShowsEntriesAfterSeparatorAndClickRemovesThenReports)
{
    QMenu menu;
    menu.addAction(QStringLiteral("E&xit"));
    MRUList list;
    list.setMenu(&menu);
    EXPECT_EQ(menuTexts(menu), QStringList({QStringLiteral("E&xit")}));

    list.AddFile(QStringLiteral("/a/one.sk"));
    list.AddFile(QStringLiteral("/a/R&D.sk"));
    EXPECT_EQ(menuTexts(menu), QStringList({QStringLiteral("E&xit"), QStringLiteral("-"),
                                            QStringLiteral("&1 /a/R&&D.sk"), QStringLiteral("&2 /a/one.sk")}));

    QStringList clicked;
    QStringList listWhenClicked;
    QObject::connect(&list, &MRUList::fileClicked, [&](const QString &name) {
        clicked << name;
        listWhenClicked = list.files();
    });
    menu.actions().at(3)->trigger();
    EXPECT_EQ(clicked, QStringList({QStringLiteral("/a/one.sk")}));
    EXPECT_EQ(listWhenClicked, QStringList({QStringLiteral("/a/R&D.sk")}));
    EXPECT_EQ(menuTexts(menu), QStringList({QStringLiteral("E&xit"), QStringLiteral("-"),
                                            QStringLiteral("&1 /a/R&&D.sk")}));

    list.Clear();
    EXPECT_EQ(menuTexts(menu), QStringList({QStringLiteral("E&xit")}));
}

TEST(MRUList, StoreErasesSectionAndLoadReadsInFileOrder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SK.INI"));
    writeFile(path, "[MRU]\nF0=/old/a.sk\nF1=/old/b.sk\nF2=/old/c.sk\nStray=/old/d.sk\n[Misc]\nShow Hints=1\n");

    MRUList list;
    list.AddFile(QStringLiteral("/new/y.sk"));
    list.AddFile(QStringLiteral("/new/x.sk"));
    IniFile ini(path);
    ASSERT_TRUE(list.Save(ini));
    EXPECT_EQ(IniFile(path).readSectionValues(QStringLiteral("MRU")),
              (QList<QPair<QString, QString>>{{QStringLiteral("F0"), QStringLiteral("/new/x.sk")},
                                              {QStringLiteral("F1"), QStringLiteral("/new/y.sk")}}));
    EXPECT_EQ(IniFile(path).readString(QStringLiteral("Misc"), QStringLiteral("Show Hints")), QStringLiteral("1"));

    // Loading takes the values in file order, whatever their keys.
    writeFile(path, "[MRU]\nF3=/z/3.sk\nF0=/z/0.sk\nX=/z/x.sk\nF1=\nF2=/z/0.sk\nF4=/z/4.sk\nF5=/z/5.sk\nF6=/z/6.sk\n");
    MRUList loaded;
    loaded.Load(IniFile(path));
    EXPECT_EQ(loaded.files(), QStringList({QStringLiteral("/z/3.sk"), QStringLiteral("/z/0.sk"),
                                           QStringLiteral("/z/x.sk"), QStringLiteral("/z/4.sk"),
                                           QStringLiteral("/z/5.sk")}));
}

class StartUpTest : public ::testing::Test
{
protected:
    void SetUp() override { ProgramFolder::setPath(mDir.path()); }
    void TearDown() override { ProgramFolder::setPath(QString()); }
    QTemporaryDir mDir;
};

TEST_F(StartUpTest, OldConfigFileTakesTheNewName)
{
    writeFile(mDir.filePath(QStringLiteral("sk2.ini")), "[Misc]\nShow Hints=0\n");
    EXPECT_TRUE(renameOldConfigFile());
    EXPECT_EQ(entryNames(mDir.path()), QStringList({QStringLiteral("sk.ini")}));
    EXPECT_EQ(readAll(mDir.filePath(QStringLiteral("sk.ini"))), QByteArray("[Misc]\nShow Hints=0\n"));
    // The program then finds it under its usual name.
    EXPECT_FALSE(Preferences::read(IniFile(ProgramFolder::filePath(QStringLiteral("SK.INI")))).ShowHints);
}

TEST_F(StartUpTest, ExistingConfigFileIsNotReplaced)
{
    writeFile(mDir.filePath(QStringLiteral("sk2.ini")), "old");
    writeFile(mDir.filePath(QStringLiteral("SK.INI")), "current");
    EXPECT_FALSE(renameOldConfigFile());
    EXPECT_EQ(readAll(mDir.filePath(QStringLiteral("SK.INI"))), QByteArray("current"));
    EXPECT_EQ(readAll(mDir.filePath(QStringLiteral("sk2.ini"))), QByteArray("old"));
    EXPECT_FALSE(renameOldConfigFile()); // still nothing to do, no failure
}

TEST(EventGuard, ExceptionIsShownAndSwallowed)
{
    ScriptedMessageHandler messages;
    ScopedMessageHandler installed(&messages);
    EXPECT_FALSE(runGuarded([] { throw std::runtime_error("Disk full"); }));
    EXPECT_TRUE(runGuarded([] {}));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.at(0).kind, ScriptedMessageHandler::Kind::Error);
    EXPECT_EQ(messages.messages.at(0).text, QStringLiteral("Disk full"));
}
