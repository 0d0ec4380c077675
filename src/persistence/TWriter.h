#pragma once
// Writes values and whole objects (components) to a QIODevice in the
// component stream format (ValueTags.h), little-endian, through a buffer.
//
// The buffer is emptied into the device by FlushBuffer() and when the writer
// is destroyed. A destructor cannot report failure, so callers that must
// know whether everything reached the device call FlushBuffer() first: it
// throws EWriteError ("Stream write error") when the device refuses bytes.
// Every Write... call may throw the same error when the buffer fills.
#include "persistence/ValueTags.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class QObject;
class QMetaProperty;

namespace sw {

class TWriter
{
public:
    // stream: open for writing, not owned, must outlive the writer.
    explicit TWriter(QIODevice *stream, int bufferSize = kDefaultFilerBufferSize);
    ~TWriter();
    TWriter(const TWriter &) = delete;
    TWriter &operator=(const TWriter &) = delete;

    // Writes the buffered bytes to the device; throws EWriteError.
    void FlushBuffer();
    // Device position the next byte will go to.
    qint64 Position() const;

    // Raw bytes, untagged.
    void Write(const void *data, qint64 size);
    void WriteValue(TValueType value);

    void WriteListBegin();
    void WriteListEnd();
    // vaInt8, vaInt16 or vaInt32, the smallest that holds the value.
    void WriteInteger(qint32 value);
    // vaExtended; the double is widened exactly.
    void WriteFloat(double value);
    // vaString when the 8-bit text is shorter than 256 bytes, else vaLString.
    void WriteString(const QString &text);
    // "False"/"True" (any case) as vaFalse/vaTrue, "nil" as vaNil, anything
    // else as vaIdent (cut to 255 bytes).
    void WriteIdent(const QString &ident);
    void WriteBoolean(bool value);
    // A one-character vaString.
    void WriteChar(QChar c);
    // vaBinary: 4-byte length, then the bytes.
    void WriteBinary(const QByteArray &data);
    // Told the device position and size of every vaBinary value's bytes
    // (after its tag and length) as they are written: where the big parts
    // of a component (pictures) lie.
    std::function<void(qint64 position, qint64 size)> OnBinary;
    // vaSet with the member names in the order given, then an empty name.
    void WriteSet(const QStringList &members);
    // A short string, untagged: length byte and at most 255 bytes of text.
    void WriteStr(const QString &text);
    // "TPF0".
    void WriteSignature();

    // The signature, then the component record of root: class name, object
    // name, its published and defined properties, vaNull, and vaNull for its
    // (absent) children. While this runs, isWriting(root) is true.
    void WriteRootComponent(QObject *root);
    // One component record without the signature.
    void WriteComponent(QObject *component);
    // The object's published properties (PublishedProperties.h) and then
    // its defined ones (DefinedProperties.h), each name prefixed by the
    // current property path ("Font." while a nested font is written).
    // A property is written when it has a setter, its STORED condition
    // holds (PropertyInfo::isStored) and its value differs from the
    // declared default; floats are left out when 0, strings when empty.
    // Colour integers are written by identifier when the colour has one,
    // enumerations and Booleans as identifiers, flags as sets. A property
    // holding a QObject is a nested persistent object: it writes no value
    // of its own but its properties under "<Property>.", through its getter
    // whether or not it has a setter (it is read back through those dotted
    // names); a null object writes nothing.
    void WriteProperties(QObject *instance);

    // The component being written by WriteRootComponent, or nullptr.
    QObject *Root() const { return mRoot; }

private:
    void writeBuffer(const char *data, qint64 size);
    void writePropName(const QString &name);
    void writeProperty(QObject *instance, const QMetaProperty &property);
    void writeDefinedProperties(QObject *instance);

    QIODevice *mStream;
    QByteArray mBuffer;
    int mBufferUsed = 0;
    QObject *mRoot = nullptr;
    QString mPropPath;
};

} // namespace sw
