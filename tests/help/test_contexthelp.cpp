// The context help as the user meets it: "What's this?", mouse help, the
// pop-up's text, link, placement and closing, F1, and the component's
// stored form.
#include "RightClick.h"
#include "StreamBytes.h"

#include "help/ui/HelpPointerMode.h"
#include "help/ui/HelpTopics.h"
#include "help/ui/THelpWindow.h"
#include "help/ui/TODSHelp.h"
#include "help/ui/TODSHelpPopup.h"
#include "help/ui/WhatsThisMenu.h"
#include "persistence/ClassRegistry.h"
#include "persistence/TReader.h"
#include "persistence/TWriter.h"
#include "platform/ScreenCursor.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

using namespace sw;
using swtest::StreamBytes;

namespace {

// A window with a few named controls and its help component, the way the
// program's windows have them.
struct HelpedWindow
{
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QWidget *group = new QWidget(window.get());
    QPushButton *ok = new QPushButton(QStringLiteral("Ok"), group);
    QPushButton *cancel = new QPushButton(QStringLiteral("Cancel"), group);
    QLineEdit *edit = new QLineEdit(group);
    QPushButton *plain = new QPushButton(QStringLiteral("Plain"), window.get());
    TODSHelp *help = new TODSHelp(window.get());
    int done = 0;

    HelpedWindow()
    {
        window->setObjectName(QStringLiteral("Window"));
        group->setObjectName(QStringLiteral("Group"));
        ok->setObjectName(QStringLiteral("OKButton"));
        cancel->setObjectName(QStringLiteral("Cancelbutton"));
        edit->setObjectName(QStringLiteral("NameEdit"));
        plain->setObjectName(QStringLiteral("Plain"));
        auto *column = new QVBoxLayout(group);
        column->addWidget(ok);
        column->addWidget(cancel);
        column->addWidget(edit);
        auto *layout = new QVBoxLayout(window.get());
        layout->addWidget(group);
        layout->addWidget(plain);
        window->setGeometry(100, 100, 300, 200);
        help->OnHelpDone = [this] { ++done; };
        TODSHelpText &texts = *help->HelpText();
        texts.addEntry(QStringLiteral("OKButton"), TODSHelpData::make(QStringLiteral("Accepts the window.")));
        texts.addEntry(QStringLiteral("Cancelbutton"), TODSHelpData::make(QStringLiteral("->OKButton")));
        texts.addEntry(QStringLiteral("NameEdit"), TODSHelpData());
        texts.addEntry(QStringLiteral("NameEdit"), TODSHelpData::make(QStringLiteral("The first line with text."), 40004));
        texts.addEntry(QStringLiteral("NameEdit"), TODSHelpData::make(QStringLiteral("A later line.")));
        texts.addEntry(QStringLiteral("Group"), TODSHelpData::make(QStringLiteral("The group's help.")));
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }
};

TODSHelpPopup *popup()
{
    return TODSHelpPopup::showing();
}

QString shownText()
{
    return popup() ? popup()->request().text : QStringLiteral("<no pop-up>");
}

class ContextHelp : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { HelpTopics::registerResources(); }
    void TearDown() override
    {
        if (TODSHelpPopup *p = popup())
            p->close();
        if (HelpPointerMode *mode = HelpPointerMode::current())
            mode->cancel();
        delete THelpWindow::current();
        QApplication::processEvents();
    }
};

TEST_F(ContextHelp, ShowsTheControlsTextFollowingRedirectionsAndTheFirstLineWithText)
{
    HelpedWindow w;
    w.help->ShowHelpFor(w.ok);
    EXPECT_EQ(shownText(), "Accepts the window.");
    w.help->ShowHelpFor(w.cancel);
    EXPECT_EQ(shownText(), "Accepts the window.");
    w.help->ShowHelpFor(w.edit);
    EXPECT_EQ(shownText(), "The first line with text.");
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(popup()->request().context, 40004);
}

TEST_F(ContextHelp, AControlWithoutHelpShowsItsNearestAncestorsOrNothing)
{
    HelpedWindow w;
    auto *inner = new QWidget(w.group);
    w.help->ShowHelpFor(inner);
    EXPECT_EQ(shownText(), "The group's help.");
    popup()->close();
    EXPECT_EQ(w.done, 1);

    w.help->ShowHelpFor(w.plain);
    EXPECT_EQ(popup(), nullptr);
    EXPECT_EQ(w.done, 1);
    // Without a control only the request's end is told.
    w.help->ShowHelpFor(nullptr);
    EXPECT_EQ(w.done, 2);
}

TEST_F(ContextHelp, ARedirectionCycleShowsTheAncestorsHelpInstead)
{
    HelpedWindow w;
    w.help->HelpText()->addEntry(QStringLiteral("Plain"), TODSHelpData::make(QStringLiteral("->Loop")));
    w.help->HelpText()->addEntry(QStringLiteral("Loop"), TODSHelpData::make(QStringLiteral("->Plain")));
    w.help->HelpText()->addEntry(QStringLiteral("Window"), TODSHelpData::make(QStringLiteral("The window.")));
    w.help->ShowHelpFor(w.plain);
    EXPECT_EQ(shownText(), "The window.");
}

TEST_F(ContextHelp, AnEntryWithoutContextTakesTheControlsAndItsLinkOpensThatPage)
{
    HelpedWindow w;
    TODSHelp::setHelpContext(w.ok, 1073);
    w.help->ShowHelpFor(w.ok);
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(popup()->request().context, 1073);
    const TODSHelpPopup::Geometry g = popup()->geometry();
    ASSERT_FALSE(g.link.isEmpty()) << "no link line";
    EXPECT_EQ(popup()->request().moreText, "Click here or press F1 for more...");

    QTest::mouseClick(popup(), Qt::LeftButton, {}, g.link.center());
    EXPECT_EQ(popup(), nullptr);
    EXPECT_EQ(w.done, 1);
    ASSERT_NE(THelpWindow::current(), nullptr);
    EXPECT_EQ(THelpWindow::current()->source().fileName(), "mainwindow.html");
}

TEST_F(ContextHelp, WithoutAnyContextThereIsNoLinkLine)
{
    HelpedWindow w;
    w.help->ShowHelpFor(w.ok);
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(popup()->request().context, 0);
    EXPECT_TRUE(popup()->geometry().link.isEmpty());
    // A click anywhere on it closes it without help.
    QTest::mouseClick(popup(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(popup(), nullptr);
    EXPECT_EQ(THelpWindow::current(), nullptr);
}

TEST_F(ContextHelp, KeysCloseThePopupAndF1OpensTheHelpFirst)
{
    HelpedWindow w;
    w.help->ShowHelpFor(w.edit);
    ASSERT_NE(popup(), nullptr);
    QTest::keyClick(popup(), Qt::Key_A);
    EXPECT_EQ(popup(), nullptr);
    EXPECT_EQ(THelpWindow::current(), nullptr);
    EXPECT_EQ(w.done, 1);

    w.help->ShowHelpFor(w.edit);
    ASSERT_NE(popup(), nullptr);
    QTest::keyClick(popup(), Qt::Key_F1);
    EXPECT_EQ(popup(), nullptr);
    ASSERT_NE(THelpWindow::current(), nullptr);
    EXPECT_EQ(THelpWindow::current()->source().fileName(), "text.html");
    EXPECT_EQ(w.done, 2);
}

TEST_F(ContextHelp, PlacementKeepsThePopupOnTheScreen)
{
    const QFont font(QStringLiteral("Liberation Sans"), 9);
    const QString text = QStringLiteral("Some words of help that wrap.");
    const QRect screen(0, 0, 1024, 768);
    // Beside a control in the middle: its left edge less half the box,
    // eight pixels below the control's top.
    TODSHelpPopup::Geometry g =
        TODSHelpPopup::layout(font, text, 300, QString(), false, QRect(500, 300, 40, 20), screen);
    EXPECT_EQ(g.window.left(), 500 - g.box.width() / 2);
    EXPECT_EQ(g.window.top(), 308);
    EXPECT_EQ(g.window.size(), g.box + QSize(6, 6));
    // Near the right edge: moved left so that it ends 10 pixels before it.
    g = TODSHelpPopup::layout(font, text, 300, QString(), false, QRect(1010, 300, 10, 10), screen);
    EXPECT_EQ(g.window.right() + 1, 1024 - 10);
    // Near the left edge: not off the screen.
    g = TODSHelpPopup::layout(font, text, 300, QString(), false, QRect(2, 300, 10, 10), screen);
    EXPECT_EQ(g.window.left(), 0);
    // Near the bottom: moved up to end 10 pixels above it.
    g = TODSHelpPopup::layout(font, text, 300, QString(), false, QRect(500, 760, 10, 10), screen);
    EXPECT_EQ(g.window.bottom() + 1, 768 - 10);
}

TEST_F(ContextHelp, TextWrapsAtTheMaximumWidthAndTheLinkFitsTheBox)
{
    const QFont font(QStringLiteral("Liberation Sans"), 9);
    const QFontMetrics metrics(font);
    const QString longText = QString(QStringLiteral("word ")).repeated(80);
    const QRect screen(0, 0, 1280, 1024);
    TODSHelpPopup::Geometry g =
        TODSHelpPopup::layout(font, longText, 200, QString(), false, QRect(500, 300, 10, 10), screen);
    EXPECT_LE(g.text.width(), 200);
    EXPECT_GT(g.text.height(), 5 * metrics.height());
    EXPECT_EQ(g.box.width(), g.text.width() + 16);

    // A short text: the box grows to hold the whole link line.
    QFont bold = font;
    bold.setBold(true);
    const QString more = QString::fromLatin1(TODSHelp::DefaultMoreText);
    g = TODSHelpPopup::layout(font, QStringLiteral("Ok."), 300, more, true, QRect(500, 300, 10, 10), screen);
    EXPECT_GE(g.link.left(), 0);
    EXPECT_EQ(g.link.width(), QFontMetrics(bold).horizontalAdvance(more));
    EXPECT_LE(g.link.right(), g.box.width() - 8);
    EXPECT_EQ(g.link.bottom() + 1, g.box.height() - 2);
}

TEST_F(ContextHelp, ThePopupShowsBesideTheControlWithItsShadow)
{
    HelpedWindow w;
    w.help->setColor(0x00FFFF); // yellow in the classic byte order
    w.help->ShowHelpFor(w.ok);
    ASSERT_NE(popup(), nullptr);
    const QRect control(w.ok->mapToGlobal(QPoint(0, 0)), w.ok->size());
    EXPECT_EQ(popup()->pos().y(), control.top() + 8);
    const QImage picture = popup()->grab().toImage();
    const QSize box = popup()->geometry().box;
    EXPECT_EQ(QColor(picture.pixel(box.width() / 2, 2)), QColor(Qt::yellow));
    EXPECT_EQ(QColor(picture.pixel(0, 0)), QColor(Qt::black)); // the outline
    // The shadow below the box: odd rows of the pattern are black.
    const int y = (box.height() + 1) | 1; // an odd row just below the box
    for (int x = 8; x < 16; ++x)
        EXPECT_EQ(QColor(picture.pixel(x, y)), QColor(Qt::black)) << x;

    const QImage pattern = TODSHelpPopup::shadowPattern();
    ASSERT_EQ(pattern.size(), QSize(8, 8));
    QStringList rows;
    for (int row = 0; row < 8; ++row) {
        QString bits;
        for (int x = 0; x < 8; ++x)
            bits += qAlpha(pattern.pixel(x, row)) == 0 ? QLatin1Char('1') : QLatin1Char('0');
        rows << bits;
    }
    EXPECT_EQ(rows, QStringList({"10101010", "00000000", "01010101", "00000000", "10101010", "00000000",
                                 "01010101", "00000000"}));
}

TEST_F(ContextHelp, WhatsThisOnAControlsMenuShowsItsHelp)
{
    HelpedWindow w;
    WhatsThisMenu::attach(w.ok);
    WhatsThisMenu::attach(w.edit);
    std::unique_ptr<QMenu> menu(WhatsThisMenu::menuFor(w.edit, QPoint(2, 2)));
    // A text field keeps its own edit commands above the help.
    ASSERT_GT(menu->actions().size(), 2);
    QAction *whatsThis = menu->findChild<QAction *>(QStringLiteral("Whatsthis"));
    ASSERT_NE(whatsThis, nullptr);
    EXPECT_EQ(menu->actions().last(), whatsThis);
    EXPECT_EQ(whatsThis->text(), "What's this?");
    whatsThis->trigger();
    EXPECT_EQ(shownText(), "The first line with text.");
    popup()->close();

    // A right click on the button opens the menu there.
    QMenu *opened = test::rightClick(w.ok);
    ASSERT_NE(opened, nullptr);
    ASSERT_EQ(opened->actions().size(), 1);
    opened->actions().first()->trigger();
    opened->close();
    EXPECT_EQ(shownText(), "Accepts the window.");
}

TEST_F(ContextHelp, AComboBoxOneTypesInOffersHelpOnItsField)
{
    HelpedWindow w;
    auto *combo = new QComboBox(w.window.get());
    combo->setObjectName(QStringLiteral("FontSize"));
    combo->setEditable(true);
    w.help->HelpText()->addEntry(QStringLiteral("FontSize"), TODSHelpData::make(QStringLiteral("The size.")));
    WhatsThisMenu::attach(combo);
    QMenu *menu = test::rightClick(combo->lineEdit());
    ASSERT_NE(menu, nullptr);
    EXPECT_GT(menu->actions().size(), 2);
    menu->actions().last()->trigger();
    menu->close();
    EXPECT_EQ(shownText(), "The size.");
}

TEST_F(ContextHelp, AControlWithAMenuOfItsOwnKeepsIt)
{
    HelpedWindow w;
    w.ok->setContextMenuPolicy(Qt::PreventContextMenu);
    WhatsThisMenu::attach(w.ok);
    EXPECT_EQ(test::rightClick(w.ok), nullptr);
}

TEST_F(ContextHelp, MouseHelpShowsTheHelpOfTheControlClicked)
{
    HelpedWindow w;
    w.edit->setFocus();
    w.help->StartPointerMode();
    HelpPointerMode *mode = HelpPointerMode::current();
    ASSERT_NE(mode, nullptr);
    ASSERT_NE(mode->mask(), nullptr);
    EXPECT_EQ(mode->mask()->objectName(), "ODSMask");
    EXPECT_EQ(mode->mask()->size(), QSize(0, 0));
    EXPECT_EQ(ScreenCursor::current(), ScreenCursor::Help);
    // The click goes to the help, not to the button.
    int clicked = 0;
    QObject::connect(w.cancel, &QPushButton::clicked, [&clicked] { ++clicked; });
    QTest::mouseClick(w.cancel, Qt::LeftButton);
    EXPECT_EQ(clicked, 0);
    EXPECT_EQ(HelpPointerMode::current(), nullptr);
    EXPECT_EQ(ScreenCursor::current(), ScreenCursor::Default);
    EXPECT_EQ(shownText(), "Accepts the window.");
    EXPECT_EQ(QApplication::focusWidget(), w.edit);
    EXPECT_EQ(w.done, 0);
    popup()->close();
    EXPECT_EQ(w.done, 1);
}

TEST_F(ContextHelp, MouseHelpOnADisabledControlAndWhereNothingHasHelp)
{
    HelpedWindow w;
    w.ok->setEnabled(false);
    w.help->StartPointerMode();
    QTest::mouseClick(w.ok, Qt::LeftButton);
    EXPECT_EQ(shownText(), "Accepts the window.");
    popup()->close();
    EXPECT_EQ(w.done, 1);

    w.help->StartPointerMode();
    QTest::mouseClick(w.plain, Qt::LeftButton);
    EXPECT_EQ(popup(), nullptr);
    EXPECT_EQ(w.done, 2);
    EXPECT_EQ(HelpPointerMode::current(), nullptr);
}

TEST_F(ContextHelp, EscapeEndsMouseHelpRestoringTheActiveControl)
{
    HelpedWindow w;
    w.edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), w.edit);
    w.help->StartPointerMode();
    QPointer<QWidget> mask = HelpPointerMode::current()->mask();
    EXPECT_EQ(QApplication::focusWidget(), mask.data());
    QTest::keyClick(mask, Qt::Key_Escape);
    EXPECT_EQ(HelpPointerMode::current(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), w.edit);
    EXPECT_EQ(w.done, 1);
    EXPECT_EQ(popup(), nullptr);
    EXPECT_EQ(ScreenCursor::current(), ScreenCursor::Default);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mask.isNull()) << "the mask is freed";
}

TEST_F(ContextHelp, LosingTheFocusEndsMouseHelpAsEscapeDoes)
{
    HelpedWindow w;
    w.ok->setFocus();
    w.help->StartPointerMode();
    QWidget *mask = HelpPointerMode::current()->mask();
    QFocusEvent lost(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(mask, &lost);
    EXPECT_EQ(HelpPointerMode::current(), nullptr);
    EXPECT_EQ(w.done, 1);
    EXPECT_EQ(QApplication::focusWidget(), w.ok);
}

TEST_F(ContextHelp, F1OpensTheHelpAtTheFocusedControlsContext)
{
    QWidget window;
    auto *first = new QLineEdit(&window);
    first->setObjectName(QStringLiteral("First"));
    auto *second = new QLineEdit(&window);
    second->setObjectName(QStringLiteral("Second"));
    second->move(0, 40);
    TODSHelp *help = TODSHelp::attach(&window, HelpContext::PrintPreparation);
    help->HelpText()->addEntry(QStringLiteral("Second"), TODSHelpData::make(QStringLiteral("Shapes."), HelpContext::ShapesAndLines));
    window.show();
    window.activateWindow();
    QApplication::processEvents();

    auto *key = window.findChild<QShortcut *>(QStringLiteral("HelpKey"));
    ASSERT_NE(key, nullptr);
    first->setFocus();
    Q_EMIT key->activated();
    ASSERT_NE(THelpWindow::current(), nullptr);
    EXPECT_EQ(THelpWindow::current()->source().fileName(), "printing.html");
    second->setFocus();
    Q_EMIT key->activated();
    EXPECT_EQ(THelpWindow::current()->source().fileName(), "shapes.html");
}

TEST_F(ContextHelp, TheComponentIsStoredWithEveryPropertyAndReadBackByteForByte)
{
    RegisterClass<TODSHelp>();
    TODSHelp help;
    help.setObjectName(QStringLiteral("ODSHelp1"));
    help.HelpText()->addEntry(QStringLiteral("OKButton"), TODSHelpData::make(QStringLiteral("Ok"), 7));
    const QByteArray helpData = StreamBytes()
        .bytes({1, 0, 1, 0, 0, 3, 0}).raw("Ok").bytes({0, 0, 7, 0, 0, 0});
    const QByteArray expected = StreamBytes()
        .signature().str("TODSHelp").str("ODSHelp1")
        .str("HelpText.Strings").bytes({1}).string("OKButton").null()
        .str("HelpText.HelpData").bytes({10}).le32(quint32(helpData.size())).raw(helpData)
        .str("Color").int32(0xE8FFFF)
        .str("Font.Color").ident("clWindowText")
        .str("Font.Height").int8(-11)
        .str("Font.Name").string("MS Sans Serif")
        .str("Font.Style").bytes({11}).null()
        .str("ParentFont").trueValue()
        .str("MaxWidth").int16(300)
        .str("MoreText").string("Click here or press F1 for more...")
        .null().null();

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        TWriter writer(&out);
        writer.WriteRootComponent(&help);
        writer.FlushBuffer();
    }
    EXPECT_EQ(out.data().toHex(' ').toStdString(), expected.toHex(' ').toStdString());

    // Read back into a component with other values, and written again.
    QObject owner;
    QBuffer in;
    in.setData(out.data() + QByteArray(1, '\0')); // the end of the list of components
    in.open(QIODevice::ReadOnly);
    TODSHelp *read = nullptr;
    {
        TReader reader(&in);
        reader.ReadComponents(&owner, nullptr, [&read](QObject *c) { read = qobject_cast<TODSHelp *>(c); });
    }
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->maxWidth(), 300);
    EXPECT_EQ(read->HelpText()->resolve(QStringLiteral("OKButton"))->Context, 7u);
    QBuffer again;
    again.open(QIODevice::WriteOnly);
    {
        TWriter writer(&again);
        writer.WriteRootComponent(read);
        writer.FlushBuffer();
    }
    EXPECT_EQ(again.data(), out.data());
}

} // namespace
