#pragma once
// How a persistent class tells the component stream about its published
// (Q_PROPERTY) properties beyond what the meta-object already knows. Every
// persistent class (fonts, pens, brushes, label objects) uses the same two
// class-info keys, one entry per property:
//
//   Q_CLASSINFO("default:<Property>", "<text>")
//       The declared default: the writer skips the property while its value
//       equals this. The text is read by the property's kind: an integer
//       ("25", "0x1F"), a colour identifier or integer for colour
//       properties ("clWhite"), an enumeration identifier ("pmCopy"),
//       set members joined by '|' ("fsBold|fsItalic", "" for the empty set),
//       "False"/"True" for Booleans, or plain text for strings.
//       A property without this entry has no default and is always written
//       (when its STORED condition holds).
//   Q_CLASSINFO("type:<Property>", "TColor")
//       The integer property holds a TColor: it is written by identifier when
//       the colour has one and read from an identifier or an integer.
//
//   Q_CLASSINFO("stored:<Property>", "<method>")
//       A condition on the object: the property is written only while the
//       named Q_INVOKABLE method (no arguments, returning bool) returns true.
//       Qt 6 takes only a constant for the Q_PROPERTY's STORED attribute
//       (STORED false: never written); this entry stands for the method form.
// Class-info entries are inherited; a subclass may redeclare one to change a
// default.
#include <QMetaObject>
#include <QObject>
#include <QVariant>

namespace sw {
namespace PropertyInfo {

// The declared default of the property, converted by the property's kind:
// an int for integers, colours, enumerations and sets; a bool; a QString.
// Invalid when the property declares none or the text does not parse.
QVariant defaultValue(const QMetaObject *meta, const char *property);

// True when the property is an integer holding a TColor.
bool isColor(const QMetaObject *meta, const char *property);

// Whether the property is to be written at all: its STORED attribute and,
// when declared, its "stored:" condition (the declared default is not
// considered here; see isDefault).
bool isStored(const QObject *object, const char *property);

// True when the object's current value equals the declared default
// (always false for a property without one).
bool isDefault(const QObject *object, const char *property);

// The current value of an integer, colour, enumeration or set property as an
// int (enumerations and sets are stored as their ordinal or bit mask).
int intValue(const QObject *object, const char *property);

} // namespace PropertyInfo
} // namespace sw
