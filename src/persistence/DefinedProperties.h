#pragma once
// Defined properties: values an object stores with its own code after its
// published properties, each under a name of its own. The stream knows
//   - a TStringList's "Strings": vaList, one string per line, vaNull;
//     written only when the list is not empty;
//   - a TColorArrayClass's "XSize" and "YSize" (integers, always written)
//     and "Colors": vaList of integers column by column, vaNull; reading
//     takes the sizes first and refuses a list of another length;
//   - a TPicture's "Data": vaBinary holding the graphic's class name as a
//     short string ("TBitmap", "TIcon", "TMetafile"), then the graphic's
//     data (a bitmap's is a 4-byte length and a BMP file, the others' their
//     file bytes); written only when the picture holds a graphic;
//   - any class that declares binary values by class info and two
//     invokable methods, so that classes below this layer can take part
//     without depending on it:
//         Q_CLASSINFO("definedBinary", "Data")   // names, joined by '|'
//         Q_INVOKABLE QByteArray definedBinary(const QString &name) const;
//         Q_INVOKABLE bool setDefinedBinary(const QString &name, const QByteArray &data);
//     The value is written as vaBinary holding exactly the bytes returned,
//     and only when they are not empty; setDefinedBinary returning false
//     makes the read fail with "Invalid property value". A bitmap held
//     directly returns bitmapBinary(its BMP file).
#include <QByteArray>
#include <QObject>
#include <QString>

namespace sw {

class TReader;
class TWriter;

namespace DefinedProperties {

// Writes every defined property of the object that has data, each name
// prefixed by path ("Picture." for a nested picture).
void writeAll(TWriter &writer, QObject *object, const QString &path);

// Reads the value of the defined property name (matched without regard to
// case) into the object; false, with nothing read, when the object has no
// defined property of that name.
bool read(TReader &reader, QObject *object, const QString &name);

// The vaBinary payload of a bitmap: a 4-byte length, then the BMP file.
QByteArray bitmapBinary(const QByteArray &bmpFile);
// The BMP file inside such a payload; throws EReadError "Invalid property
// value" when the length does not fit the payload.
QByteArray bmpFileFromBinary(const QByteArray &binary);

} // namespace DefinedProperties
} // namespace sw
