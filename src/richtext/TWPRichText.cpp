#include "richtext/TWPRichText.h"

namespace sw {

const char *const TWPRichText::MasterName = "MASTERWPRICHTEXT";

TWPRichText::TWPRichText(QObject *parent)
    : TWPCustomRtfEdit(parent)
{
}

void TWPRichText::setZooming(int percent)
{
    const int before = Zooming();
    setZoomPercent(percent);
    if (Zooming() != before)
        Q_EMIT zoomingChanged(Zooming());
}

void TWPRichText::SetCaretPosition(int position, int selectionLength)
{
    Q_EMIT caretPositionRequested(position, selectionLength);
}

TWPRichText *TWPRichText::createMaster(QObject *form)
{
    auto *master = new TWPRichText(form);
    master->setObjectName(QLatin1String(MasterName));
    return master;
}

TWPRichText *TWPRichText::findMaster(const QObject *object)
{
    if (!object)
        return nullptr;
    // The form: the nearest owner that is a window's widget, else the
    // topmost owner.
    const QObject *form = object->parent();
    if (!form)
        return nullptr;
    while (!form->isWidgetType() && form->parent())
        form = form->parent();
    for (QObject *child : form->children()) {
        auto *control = qobject_cast<TWPRichText *>(child);
        if (control && control->objectName().toUpper() == QLatin1String(MasterName))
            return control;
    }
    return nullptr;
}

} // namespace sw
