#include "help/ui/HelpPointerMode.h"

#include "platform/ScreenCursor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace sw {

namespace {

HelpPointerMode *gCurrent = nullptr;

// A window of the program the user can work with now: enabled, and not
// behind a modal window other than itself.
bool isUsableWindow(const QWidget *window)
{
    if (!window || !window->isEnabled() || !window->isVisible())
        return false;
    const QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return true;
    for (const QWidget *w = window; w; w = w->parentWidget())
        if (w == modal)
            return true;
    return false;
}

} // namespace

QWidget *HelpPointerMode::controlAt(const QPoint &globalPos)
{
    QWidget *control = QApplication::widgetAt(globalPos);
    if (!control || !isUsableWindow(control->window()))
        return nullptr;
    return control;
}

HelpPointerMode *HelpPointerMode::current()
{
    return gCurrent;
}

HelpPointerMode *HelpPointerMode::start(QWidget *window, std::function<bool(QWidget *)> showHelp,
                                        std::function<void()> done)
{
    if (gCurrent)
        gCurrent->cancel();
    return new HelpPointerMode(window, std::move(showHelp), std::move(done));
}

HelpPointerMode::HelpPointerMode(QWidget *window, std::function<bool(QWidget *)> showHelp,
                                 std::function<void()> done)
    : mWindow(window)
    , mShowHelp(std::move(showHelp))
    , mDone(std::move(done))
{
    gCurrent = this;
    mPreviousFocus = window->focusWidget();
    auto *mask = new QWidget(window);
    mask->setObjectName(QStringLiteral("ODSMask"));
    mask->setGeometry(0, 0, 0, 0);
    mask->setFocusPolicy(Qt::StrongFocus);
    mask->setAttribute(Qt::WA_NoSystemBackground);
    mask->raise();
    mask->show();
    mask->setFocus(Qt::OtherFocusReason);
    mMask = mask;
    mPreviousCursor = ScreenCursor::current();
    ScreenCursor::set(ScreenCursor::Help);
    qApp->installEventFilter(this);
}

HelpPointerMode::~HelpPointerMode()
{
    if (gCurrent == this)
        gCurrent = nullptr;
}

void HelpPointerMode::cancel()
{
    finish(nullptr, false);
}

void HelpPointerMode::finish(QWidget *chosen, bool clicked)
{
    if (mFinished)
        return;
    mFinished = true;
    qApp->removeEventFilter(this);
    if (gCurrent == this)
        gCurrent = nullptr;
    ScreenCursor::set(mPreviousCursor);
    // The control that was active gets the focus back before the mask goes,
    // so that the window does not pass it on to some other control.
    if (mPreviousFocus)
        mPreviousFocus->setFocus(Qt::OtherFocusReason);
    const bool shown = clicked && chosen && mShowHelp && mShowHelp(chosen);
    if (mMask)
        mMask->deleteLater();
    if (!shown && mDone)
        mDone();
    deleteLater();
}

bool HelpPointerMode::eventFilter(QObject *watched, QEvent *event)
{
    if (mFinished)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        ScreenCursor::set(controlAt(mouse->globalPosition().toPoint()) ? ScreenCursor::Help : ScreenCursor::Default);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            finish(controlAt(mouse->globalPosition().toPoint()), true);
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    case QEvent::ShortcutOverride:
        // Keys go to the mask, not to the window's shortcuts.
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            cancel();
        return true;
    case QEvent::KeyRelease:
        return true;
    case QEvent::FocusOut:
        // A click hands the focus to the control under the pointer before
        // the press itself arrives here; the press then ends the mode and
        // gives the focus back. Any other loss of the focus ends it now.
        if (watched == mMask && static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
            cancel();
        return false;
    default:
        return false;
    }
}

} // namespace sw
