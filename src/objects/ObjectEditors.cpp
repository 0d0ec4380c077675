#include "objects/ObjectEditors.h"

#include "objects/TGGraphicControl.h"

#include <QHash>

namespace sw {

namespace {
QHash<QByteArray, ObjectEditors::Editor> &editors()
{
    static QHash<QByteArray, ObjectEditors::Editor> map;
    return map;
}
} // namespace

void ObjectEditors::setEditor(const QByteArray &className, Editor editor)
{
    editors().insert(className, std::move(editor));
}

bool ObjectEditors::hasEditor(const QByteArray &className)
{
    return editors().contains(className);
}

bool ObjectEditors::edit(TGGraphicControl *object)
{
    if (!object)
        return false;
    for (const QMetaObject *mo = object->metaObject(); mo; mo = mo->superClass()) {
        // Class names are registered without the namespace.
        QByteArray name(mo->className());
        const int colon = name.lastIndexOf(':');
        if (colon >= 0)
            name = name.mid(colon + 1);
        auto it = editors().constFind(name);
        if (it != editors().constEnd()) {
            auto editor = it.value();
            return editor(object);
        }
    }
    return false;
}

} // namespace sw
