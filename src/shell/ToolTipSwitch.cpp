#include "shell/ToolTipSwitch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QToolTip>
#include <QVariant>

namespace sw {

const char *const ToolTipSwitch::ShowHintProperty = "showHint";

ToolTipSwitch *ToolTipSwitch::instance()
{
    static QPointer<ToolTipSwitch> theSwitch;
    if (!theSwitch) {
        // Parented to the application so it goes with it.
        theSwitch = new ToolTipSwitch;
        if (QCoreApplication *app = QCoreApplication::instance()) {
            theSwitch->setParent(app);
            app->installEventFilter(theSwitch);
        }
    }
    return theSwitch;
}

void ToolTipSwitch::setEnabled(bool enabled)
{
    instance()->mEnabled = enabled;
    if (!enabled)
        QToolTip::hideText();
}

bool ToolTipSwitch::isEnabled()
{
    return instance()->mEnabled;
}

bool ToolTipSwitch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        if (!mEnabled)
            return true;
        const QVariant own = watched->property(ShowHintProperty);
        if (own.isValid() && !own.toBool())
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace sw
