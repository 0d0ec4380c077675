#pragma once
// The published properties of a persistent QObject as the component stream
// sees them: its Q_PROPERTYs after QObject's own objectName, declaration
// order, those of the most distant ancestor first; a property redeclared in
// a subclass keeps its ancestor's place. Defaults and colour typing are
// declared per class with Q_CLASSINFO (platform/PropertyInfo.h).
#include <QList>
#include <QMetaProperty>
#include <QString>
#include <QVariant>

class QObject;

namespace sw {

enum class PropertyKind {
    Unsupported, // not stored (64-bit integers, points, lists ...)
    Integer,     // int, unsigned, short, signed/unsigned char; maybe a TColor
    Character,   // QChar or char
    Boolean,     // bool, stored as an identifier
    Enumeration, // a Q_ENUM, stored by its identifier
    Set,         // a Q_FLAG of single-bit members, stored as vaSet
    Float,       // double or float
    String,      // QString
    Object,      // a QObject pointer: a nested persistent object (font, pen ...)
};

PropertyKind propertyKind(const QMetaProperty &property);

// Stream order, as described above.
QList<QMetaProperty> publishedProperties(const QMetaObject *meta);

// The published property of that name, matched without regard to case;
// an invalid QMetaProperty when there is none.
QMetaProperty findPublishedProperty(const QMetaObject *meta, const QString &name);

// The value of an Integer, Enumeration or Set property as an int (the
// ordinal or bit mask).
int ordinalValue(const QObject *object, const QMetaProperty &property);
// A value of the property's own type holding the ordinal or bit mask, for
// QMetaProperty::write.
QVariant ordinalVariant(const QMetaProperty &property, int value);

// The object an Object property holds (nullptr for none).
QObject *objectValue(const QObject *object, const QMetaProperty &property);

// The members of a Set property's type: single-bit keys, in ascending bit
// order.
QList<QPair<QString, int>> setMembers(const QMetaProperty &property);

} // namespace sw
