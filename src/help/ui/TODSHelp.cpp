#include "help/ui/TODSHelp.h"

#include "help/HelpTextFile.h"
#include "help/ui/HelpPointerMode.h"
#include "help/ui/HelpTopics.h"
#include "help/ui/THelpWindow.h"
#include "help/ui/TODSHelpPopup.h"
#include "help/ui/WhatsThisMenu.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QPointer>
#include <QShortcut>
#include <QToolButton>
#include <QVariant>
#include <QWidget>

namespace sw {

namespace {

const char *const kHelpContextProperty = "helpContext";

} // namespace

const char *const TODSHelp::DefaultMoreText = "Click here or press F1 for more...";

TODSHelp::TODSHelp(QObject *owner)
    : QObject(owner)
    , mHelpText(new TODSHelpText(this))
    , mFont(new TFont(this))
    , mMoreText(QString::fromLatin1(DefaultMoreText))
{
    mHelpText->setObjectName(QStringLiteral("HelpText"));
    mFont->setObjectName(QStringLiteral("Font"));
}

TODSHelp::~TODSHelp() = default;

TODSHelp *TODSHelp::of(const QWidget *control)
{
    if (!control)
        return nullptr;
    const QList<TODSHelp *> found = control->window()->findChildren<TODSHelp *>(Qt::FindDirectChildrenOnly);
    return found.isEmpty() ? nullptr : found.last();
}

int TODSHelp::helpContextOf(const QWidget *control)
{
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        const int context = w->property(kHelpContextProperty).toInt();
        if (context != 0)
            return context;
        if (w->isWindow())
            break;
    }
    return 0;
}

void TODSHelp::setHelpContext(QWidget *control, int context)
{
    control->setProperty(kHelpContextProperty, context);
}

QFont TODSHelp::helpFont(const QWidget *window) const
{
    if (mParentFont && window)
        return window->font();
    return mFont->toQFont();
}

int TODSHelp::contextFor(QWidget *control) const
{
    for (QWidget *w = control; w; w = w->parentWidget()) {
        TODSHelp *help = of(w);
        const TODSHelpData *entry = help ? help->HelpText()->resolve(w->objectName()) : nullptr;
        if (entry)
            return entry->Context != 0 ? int(entry->Context) : helpContextOf(w);
        if (w->isWindow())
            break;
    }
    return helpContextOf(control);
}

bool TODSHelp::ShowHelpForControl(QWidget *control, const QRect &screenRect)
{
    TODSHelpPopup *popup = TODSHelpPopup::instance();
    TODSHelp *help = of(control);
    if (!help)
        return false;
    const TODSHelpData *entry = help->HelpText()->resolve(control->objectName());
    if (!entry)
        return false;
    QWidget *window = control->window();
    window->raise();
    TODSHelpPopup::Request request;
    request.text = entry->text();
    request.context = entry->Context != 0 ? int(entry->Context) : helpContextOf(control);
    request.control = screenRect;
    request.color = toQColor(help->color());
    request.font = help->helpFont(window);
    request.maxWidth = help->maxWidth();
    request.moreText = help->moreText();
    // The window may be gone when the pop-up closes.
    request.onDone = [requester = QPointer<TODSHelp>(this)] {
        if (requester && requester->OnHelpDone)
            requester->OnHelpDone();
    };
    request.owner = window;
    popup->showRequest(request);
    return true;
}

void TODSHelp::ShowHelpFor(QWidget *control)
{
    if (!control) {
        if (OnHelpDone)
            OnHelpDone();
        return;
    }
    for (QWidget *w = control; w; w = w->parentWidget()) {
        const QRect rect(w->mapToGlobal(QPoint(0, 0)), w->size());
        if (ShowHelpForControl(w, rect) || w->isWindow())
            return;
    }
}

void TODSHelp::StartPointerMode()
{
    auto *window = qobject_cast<QWidget *>(parent());
    if (!window)
        return;
    HelpPointerMode::start(
        window,
        [this](QWidget *chosen) {
            for (QWidget *w = chosen; w; w = w->parentWidget()) {
                if (ShowHelpForControl(w, QRect(w->mapToGlobal(QPoint(0, 0)), w->size())))
                    return true;
                if (w->isWindow())
                    break;
            }
            return false;
        },
        [this] {
            if (OnHelpDone)
                OnHelpDone();
        });
}

bool TODSHelp::inPointerMode() const
{
    return HelpPointerMode::current() != nullptr;
}

QString TODSHelp::textsNameOf(const QWidget *window)
{
    return QString::fromLatin1(window->metaObject()->className()).section(QStringLiteral("::"), -1);
}

TODSHelp *TODSHelp::attach(QWidget *window, int helpContext)
{
    auto *help = new TODSHelp(window);
    help->setObjectName(QStringLiteral("ODSHelp1"));
    const QString name = textsNameOf(window);
    const QString path = HelpTextFile::pathFor(HelpTextFile::builtInRoot(), name, QLocale().name());
    QString problem;
    // A window whose texts are missing or broken works on without them.
    if (!HelpTextFile::load(path, *help->HelpText(), &problem))
        qWarning("Help texts of %s: %s", qPrintable(name), qPrintable(problem));
    if (helpContext != 0)
        setHelpContext(window, helpContext);
    help->attachMenus(window);
    window->installEventFilter(help);

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setObjectName(QStringLiteral("HelpKey"));
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, window, [window] {
        QWidget *focused = QApplication::focusWidget();
        if (!focused || focused->window() != window)
            focused = window;
        TODSHelp *h = of(window);
        THelpWindow::showContext(h ? h->contextFor(focused) : helpContextOf(focused), window);
    });
    return help;
}

void TODSHelp::attachMenus(QWidget *window) const
{
    for (int i = 0; i < mHelpText->count(); ++i)
        for (QWidget *control : window->findChildren<QWidget *>(mHelpText->at(i)))
            WhatsThisMenu::attach(control);
}

bool TODSHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched == parent())
        attachMenus(static_cast<QWidget *>(watched));
    return false;
}

QToolButton *TODSHelp::makeMouseHelpButton(QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("MouseHelpButton"));
    button->setIcon(mouseHelpIcon());
    button->setIconSize(QSize(20, 20));
    button->setToolTip(QStringLiteral("Click here, then click a control for help on it"));
    connectMouseHelpButton(button);
    return button;
}

QIcon TODSHelp::mouseHelpIcon()
{
    HelpTopics::registerResources();
    return QIcon(QStringLiteral(":/help/icons/mousehelp.svg"));
}

void TODSHelp::connectMouseHelpButton(QAbstractButton *button)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [button] {
        if (TODSHelp *help = of(button))
            help->StartPointerMode();
    });
}

} // namespace sw
