// The windows the main window opens over itself (Labels Print, Printer
// Fine-Tuning, Select Template) open wholly on the screen wherever the main
// window stands: at each edge of every screen, and maximised.
#include "MainWindowTest.h"

#include "merge/DataFile.h"
#include "merge/MergeSession.h"
#include "persistence/TemplateFile.h"
#include "printing/ui/TLabelPrintPrep.h"
#include "printing/ui/TPrintFineTune.h"
#include "layouts/ui/TSelectTemplate.h"

#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

using namespace sw;
using namespace sw::test;

namespace {

// A span [start, start + length) lies within [low, low + size), or, when it
// is longer, starts at low: a window too large for the screen keeps its
// title bar on it.
bool fits(int start, int length, int low, int size)
{
    return length <= size ? start >= low && start + length <= low + size : start == low;
}

QString text(const QRect &r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

class WindowPlacementTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        QFile catalogue(path("SKTPL.dat"));
        ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly));
        TLabelLayout address = TLabelLayout::defaultLayout();
        address.LayoutName = QStringLiteral("Avery 5160 Address");
        address.ProductCategory = QStringLiteral("ADDRESS/SHIPPING LABELS");
        writeTemplates(&catalogue, {address});
        catalogue.close();

        // With a data file Labels Print shows its records too, and is
        // taller than the main window.
        QFile csv(path("people.csv"));
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write("Name,City\r\nAnn,Leeds\r\nBob,York\r\n");
        csv.close();
        MergeSession::setDataFile(DataFile::check(csv.fileName()));
    }
    void TearDown() override
    {
        MergeSession::clear();
        MainWindowTest::TearDown();
    }

    // The frame of the modal window `open` shows, once it is up; the window
    // is then cancelled. (The command lets pending events run before it
    // opens the window, so it is waited for.)
    QRect frameOf(const char *className, const std::function<void()> &open)
    {
        QRect frame;
        QTimer poll;
        int ticks = 0;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *w = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (w && w->inherits(className)) {
                frame = w->frameGeometry();
                w->reject();
            } else if (++ticks == 2000) {
                ADD_FAILURE() << className << " did not show";
                if (w)
                    w->reject();
            }
        });
        poll.start(5);
        open();
        return frame;
    }

    // Every window the main window opens over itself, as the user opens it.
    void expectEachOpensWithin(const QRect &available, const QString &where)
    {
        const struct
        {
            const char *className;
            std::function<void()> open;
        } windows[] = {
            {"sw::TLabelPrintPrep", [this] { mWindow->mnuPrintClick(); }},
            {"sw::TPrintFineTune", [this] { mWindow->PrinterFineTuning1Click(); }},
            {"sw::TSelectTemplate", [this] { mWindow->mnuChangeFromTemplateClick(); }},
        };
        for (const auto &w : windows) {
            const QRect frame = frameOf(w.className, w.open);
            const QString said = QStringLiteral("%1 at %2 with the main window %3 on %4")
                                     .arg(QLatin1String(w.className), text(frame), where, text(available));
            EXPECT_TRUE(fits(frame.x(), frame.width(), available.x(), available.width())
                        && fits(frame.y(), frame.height(), available.y(), available.height()))
                << qPrintable(said);
        }
        EXPECT_TRUE(mMessages.messages.isEmpty()) << qPrintable(mMessages.texts().join('|'));
    }
};

} // namespace

TEST_F(WindowPlacementTest, WindowsOpenWhollyOnTheScreenWhereverTheMainWindowStands)
{
    start();
    mWindow->setLayoutChooser(nullptr); // the real Select Template
    mWindow->resize(634, 428);
    // Run again on a desktop of two screens (see the CMake file).
    if (qEnvironmentVariable("QT_QPA_PLATFORM").contains(QLatin1String("configfile="))) {
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
    }
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect available = screen->availableGeometry();
        const QSize size = mWindow->frameGeometry().size();
        const int middleX = available.x() + (available.width() - size.width()) / 2;
        const int middleY = available.y() + (available.height() - size.height()) / 2;
        const struct
        {
            const char *edge;
            QPoint at;
        } places[] = {
            {"at the top", {middleX, available.top()}},
            {"at the bottom", {middleX, available.bottom() + 1 - size.height()}},
            {"at the left", {available.left(), middleY}},
            {"at the right", {available.right() + 1 - size.width(), middleY}},
            {"in the top-left corner", available.topLeft()},
        };
        for (const auto &place : places) {
            mWindow->move(place.at);
            ASSERT_EQ(mWindow->frameGeometry().topLeft(), place.at);
            ASSERT_EQ(mWindow->screen(), screen);
            expectEachOpensWithin(available, QLatin1String(place.edge));
        }
    }

    // Maximised, the windows are centred on the screen.
    mWindow->move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    mWindow->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([this] { return mWindow->isMaximized(); }));
    expectEachOpensWithin(mWindow->screen()->availableGeometry(), QStringLiteral("maximised"));
}
