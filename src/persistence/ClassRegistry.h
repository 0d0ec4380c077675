#pragma once
// The classes the reader can create from a class name in a stream. A class
// is known by its meta-object's class name without namespace ("TGPLabel"
// for sw::TGPLabel); names match exactly, case included.
//
// Not thread-safe: classes are registered at start-up on the GUI thread.
#include <QMetaObject>
#include <QString>

#include <functional>

class QObject;

namespace sw {

// Creates an instance as a QObject child of parent (the owner of the new
// component). Never returns nullptr.
using ComponentFactory = std::function<QObject *(QObject *parent)>;

struct TPersistentClass
{
    QString name;
    const QMetaObject *metaObject = nullptr;
    // Empty for an ancestor registered only as part of a descendant: such a
    // class is known by name but cannot be created.
    ComponentFactory create;
};

// The stream name of a class: its class name without namespace.
QString streamClassName(const QMetaObject *meta);

// Registers the class and each of its ancestors up to QObject that is not
// yet registered (the ancestors without a factory). Registering a class
// again is harmless (and gives an ancestor entry its factory); a different
// class under a name already taken throws EFilerError "A class named %s
// already exists", leaving the registry unchanged.
void RegisterClass(const QMetaObject *meta, ComponentFactory factory);

template <class T>
void RegisterClass()
{
    RegisterClass(&T::staticMetaObject, [](QObject *parent) -> QObject * { return new T(parent); });
}

// Removes the class (not its ancestors); unknown classes are ignored.
void UnRegisterClass(const QMetaObject *meta);

// The class registered under the name; throws EClassNotFound "Class %s not
// found" when there is none.
const TPersistentClass &FindClass(const QString &name);
// The same, or nullptr.
const TPersistentClass *GetClass(const QString &name);

} // namespace sw
