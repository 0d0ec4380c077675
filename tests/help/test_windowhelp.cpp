// Walks every window of the program: each has its help component with a
// text for every control, texts that fit the pop-up, links that open an
// existing help page, and "What's this?" on the controls that name them.
#include "HelpWindows.h"
#include "RightClick.h"

#include "help/ui/HelpTopics.h"
#include "help/ui/THelpWindow.h"
#include "help/ui/TODSHelp.h"
#include "help/ui/TODSHelpPopup.h"
#include "help/ui/WhatsThisMenu.h"
#include "persistence/ClassRegistry.h"
#include "platform/ProgramFolder.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace sw;

namespace {

// A widget the user works with: buttons, fields, lists, and the program's
// own drawing areas. Parts of another control (a spin box's field, a scroll
// area's bars) take their help from it.
bool isControl(const QWidget *w)
{
    if (qobject_cast<const QScrollBar *>(w))
        return false;
    if (qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const QLineEdit *>(w)
        || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w)
        || qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QAbstractSlider *>(w))
        return true;
    // The program's own controls are classes of its namespace.
    return QString::fromLatin1(w->metaObject()->className()).startsWith(QLatin1String("sw::"));
}

// The entry a click on w finds: its own or the nearest ancestor's below the
// window; its name, or empty.
QString helpedBy(const TODSHelp &help, const QWidget *w)
{
    for (; w && !w->isWindow(); w = w->parentWidget())
        if (help.HelpText()->resolve(w->objectName()))
            return w->objectName();
    return QString();
}

bool pageHasSection(const QUrl &url)
{
    QFile page(QLatin1Char(':') + url.path());
    if (!page.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(page.readAll());
    return !url.hasFragment() || html.contains(QStringLiteral("name=\"%1\"").arg(url.fragment()));
}

class WindowHelp : public ::testing::TestWithParam<test::HelpWindow>
{
protected:
    static void SetUpTestSuite() { RegisterClass<TGGraphicControl>(); }
    void SetUp() override
    {
        ASSERT_TRUE(mDir.isValid());
        ProgramFolder::setPath(mDir.path());
        HelpTopics::registerResources();
    }
    void TearDown() override { ProgramFolder::setPath(QString()); }

    QTemporaryDir mDir;
    FakePanelHost mHost;
};

TEST_P(WindowHelp, EveryControlHasItsOwnFittingTextAndAPage)
{
    const std::unique_ptr<QWidget> window = GetParam().make(mHost);
    window->show();
    TODSHelp *help = TODSHelp::of(window.get());
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->objectName(), "ODSHelp1");
    ASSERT_GT(help->HelpText()->count(), 0) << "no help texts";
    EXPECT_NE(TODSHelp::helpContextOf(window.get()), 0);
    EXPECT_NE(window->findChild<QAbstractButton *>(QStringLiteral("MouseHelpButton")), nullptr);

    const TODSHelpText &texts = *help->HelpText();
    const QFont font = help->helpFont(window.get());
    for (int i = 0; i < texts.count(); ++i) {
        const QString name = texts.at(i);
        SCOPED_TRACE(name.toStdString());
        QWidget *control = window->findChild<QWidget *>(name);
        ASSERT_NE(control, nullptr) << "an entry for a control the window does not have";
        const TODSHelpData *entry = texts.resolve(name);
        ASSERT_NE(entry, nullptr);
        EXPECT_FALSE(entry->text().trimmed().isEmpty());
        // Wrapped at the maximum width, no word sticks out, and the pop-up
        // stays a pop-up: at most about fifteen lines.
        const TODSHelpPopup::Geometry g = TODSHelpPopup::layout(font, entry->text(), help->maxWidth(),
                                                                help->moreText(), true, QRect(400, 300, 20, 20),
                                                                QRect(0, 0, 1280, 1024));
        EXPECT_LE(g.text.width(), help->maxWidth());
        EXPECT_LE(g.text.height(), 15 * QFontMetrics(font).lineSpacing()) << entry->text().toStdString();
        const int context = help->contextFor(control);
        EXPECT_NE(context, 0);
        const QUrl url = HelpTopics::urlForContext(context);
        EXPECT_NE(url, HelpTopics::contentsUrl()) << "context " << context << " has no page";
        EXPECT_TRUE(pageHasSection(url)) << url.toString().toStdString();
        if (control->contextMenuPolicy() == Qt::DefaultContextMenu) {
            EXPECT_NE(control->findChild<WhatsThisMenu *>(QString(), Qt::FindDirectChildrenOnly), nullptr)
                << "no \"What's this?\" menu";
        }
    }

    QStringList unhelped;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->window() == window.get() && isControl(w) && helpedBy(*help, w).isEmpty())
            unhelped << QStringLiteral("%1 (%2 in %3)")
                            .arg(w->objectName(), QLatin1String(w->metaObject()->className()),
                                 w->parentWidget() ? w->parentWidget()->objectName() : QString());
    EXPECT_TRUE(unhelped.isEmpty()) << "controls without help:\n  " << unhelped.join("\n  ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllWindows, WindowHelp, ::testing::ValuesIn(test::helpWindows()),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

namespace {

class MainWindowHelp : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { RegisterClass<TGGraphicControl>(); }
    void SetUp() override { ProgramFolder::setPath(mDir.path()); }
    void TearDown() override
    {
        if (TODSHelpPopup *popup = TODSHelpPopup::showing())
            popup->close();
        delete THelpWindow::current();
        ProgramFolder::setPath(QString());
    }
    QTemporaryDir mDir;
};

TEST_F(MainWindowHelp, MouseHelpOnTheZoomShowsItsTextAndTheLinkOpensItsSection)
{
    TSKMainScreen window;
    window.show();
    window.FormActivate();
    QTest::mouseClick(window.findChild<QAbstractButton *>(QStringLiteral("MouseHelpButton")), Qt::LeftButton);
    auto *zoom = window.findChild<QWidget *>(QStringLiteral("ZoomSpinner"));
    // The click lands on the spinner's up arrow, a part of the control.
    QTest::mouseClick(zoom->findChild<QAbstractButton *>(QStringLiteral("UpButton")), Qt::LeftButton);
    TODSHelpPopup *popup = TODSHelpPopup::showing();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->request().text.startsWith("Makes the label larger or smaller")) << popup->request().text.toStdString();
    EXPECT_EQ(window.labelPanel().ScaleFactor(), 1.0f) << "the click zoomed";
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->geometry().link.center());
    ASSERT_NE(THelpWindow::current(), nullptr);
    EXPECT_EQ(THelpWindow::current()->source().fileName(), "mainwindow.html");
    EXPECT_EQ(THelpWindow::current()->source().fragment(), "view");
}

TEST_F(MainWindowHelp, WhatsThisOnADialogsSpinBoxKeepsItsEditCommands)
{
    FakePanelHost host;
    const auto window = std::find_if(test::helpWindows().begin(), test::helpWindows().end(),
                                     [](const test::HelpWindow &w) { return QLatin1String(w.name) == "TGetCounter"; })
                            ->make(host);
    window->show();
    auto *starting = window->findChild<QWidget *>(QStringLiteral("StartingNumber"));
    // Where a right click lands: the spin box's own field.
    QWidget *field = starting->findChild<QLineEdit *>();
    ASSERT_NE(field, nullptr);
    QMenu *menu = test::rightClick(field);
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction *a : menu->actions())
        if (!a->isSeparator())
            items << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    EXPECT_TRUE(items.contains("Copy")) << items.join(", ").toStdString();
    EXPECT_EQ(items.last(), "What's this?");
    menu->actions().last()->trigger();
    menu->close();
    TODSHelpPopup *popup = TODSHelpPopup::showing();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->request().text.startsWith("The number the first printed label shows"));
    EXPECT_EQ(popup->request().context, 40006);
}

} // namespace
