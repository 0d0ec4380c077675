#include "help/ui/THelpWindow.h"

#include "help/ui/HelpTopics.h"
#include "platform/ui/WindowPosition.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace sw {

namespace {

QPointer<THelpWindow> &theWindow()
{
    static QPointer<THelpWindow> window;
    return window;
}

} // namespace

THelpWindow::THelpWindow(QWidget *parent)
    : QDialog(parent)
    , mBrowser(new QTextBrowser(this))
    , mContents(new QPushButton(QStringLiteral("&Contents"), this))
    , mBack(new QPushButton(QStringLiteral("&Back"), this))
    , mForward(new QPushButton(QStringLiteral("&Forward"), this))
{
    HelpTopics::registerResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    resize(680, 560);

    mBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    // Links to the web leave the program; links between pages stay here.
    mBrowser->setOpenExternalLinks(true);
    mContents->setObjectName(QStringLiteral("ContentsButton"));
    mBack->setObjectName(QStringLiteral("BackButton"));
    mForward->setObjectName(QStringLiteral("ForwardButton"));
    mBack->setEnabled(false);
    mForward->setEnabled(false);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(mContents);
    buttons->addWidget(mBack);
    buttons->addWidget(mForward);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *column = new QVBoxLayout(this);
    column->addLayout(buttons);
    column->addWidget(mBrowser, 1);

    connect(mContents, &QPushButton::clicked, this, [this] { showPage(HelpTopics::contentsUrl()); });
    connect(mBack, &QPushButton::clicked, mBrowser, &QTextBrowser::backward);
    connect(mForward, &QPushButton::clicked, mBrowser, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(mBrowser, &QTextBrowser::backwardAvailable, mBack, &QPushButton::setEnabled);
    connect(mBrowser, &QTextBrowser::forwardAvailable, mForward, &QPushButton::setEnabled);
    connect(mBrowser, &QTextBrowser::sourceChanged, this, &THelpWindow::updateTitle);
}

THelpWindow::~THelpWindow() = default;

THelpWindow *THelpWindow::current()
{
    return theWindow().data();
}

THelpWindow *THelpWindow::showContext(int context, QWidget *parent)
{
    return open(HelpTopics::urlForContext(context), parent);
}

THelpWindow *THelpWindow::showContents(QWidget *parent)
{
    return open(HelpTopics::contentsUrl(), parent);
}

THelpWindow *THelpWindow::open(const QUrl &url, QWidget *parent)
{
    QPointer<THelpWindow> &window = theWindow();
    // While a modal dialog runs, every other window is blocked; the help
    // window must then belong to that dialog to stay usable.
    QWidget *owner = QApplication::activeModalWidget();
    if (window && window->parentWidget() != owner) {
        window->hide();
        window->deleteLater();
        window = nullptr;
    }
    if (!window) {
        window = new THelpWindow(owner);
        if (parent)
            WindowPosition::centreOver(window, parent->window());
    }
    window->showPage(url);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void THelpWindow::showPage(const QUrl &url)
{
    mBrowser->setSource(url);
    updateTitle();
}

QUrl THelpWindow::source() const
{
    return mBrowser->source();
}

QString THelpWindow::pageTitle() const
{
    return mBrowser->documentTitle();
}

void THelpWindow::updateTitle()
{
    const QString title = mBrowser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Stickwell Help") : QStringLiteral("Stickwell Help - ") + title);
}

} // namespace sw
