#include "persistence/ClassRegistry.h"

#include "persistence/StreamErrors.h"

#include <QObject>

#include <map>

namespace sw {

namespace {

std::map<QString, TPersistentClass> &registry()
{
    static std::map<QString, TPersistentClass> classes;
    return classes;
}

} // namespace

QString streamClassName(const QMetaObject *meta)
{
    const QString full = QLatin1String(meta->className());
    const int colons = full.lastIndexOf(QLatin1String("::"));
    return colons < 0 ? full : full.mid(colons + 2);
}

void RegisterClass(const QMetaObject *meta, ComponentFactory factory)
{
    auto &classes = registry();
    // Check the whole chain first, so that a clash registers nothing.
    for (const QMetaObject *m = meta; m && m != &QObject::staticMetaObject; m = m->superClass()) {
        const auto it = classes.find(streamClassName(m));
        if (it != classes.end() && it->second.metaObject != m)
            throw EFilerError(StreamMessages::duplicateClass(streamClassName(m)));
    }
    for (const QMetaObject *m = meta; m && m != &QObject::staticMetaObject; m = m->superClass()) {
        TPersistentClass &entry = classes[streamClassName(m)];
        entry.name = streamClassName(m);
        entry.metaObject = m;
        if (m == meta && factory)
            entry.create = factory;
    }
}

void UnRegisterClass(const QMetaObject *meta)
{
    auto &classes = registry();
    const auto it = classes.find(streamClassName(meta));
    if (it != classes.end() && it->second.metaObject == meta)
        classes.erase(it);
}

const TPersistentClass *GetClass(const QString &name)
{
    const auto &classes = registry();
    const auto it = classes.find(name);
    return it == classes.end() ? nullptr : &it->second;
}

const TPersistentClass &FindClass(const QString &name)
{
    const TPersistentClass *found = GetClass(name);
    if (!found)
        throw EClassNotFound(StreamMessages::classNotFound(name));
    return *found;
}

} // namespace sw
