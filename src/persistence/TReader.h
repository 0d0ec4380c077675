#pragma once
// Reads values and whole objects (components) from a QIODevice in the
// component stream format (ValueTags.h), through a read-ahead buffer.
//
// Failures throw EReadError (StreamErrors.h): "Stream read error" when the
// device ends inside a value, "Invalid property value" for a tag that does
// not fit, and so on; corrupt or truncated input never reads out of bounds.
//
// The reader reads ahead. FlushBuffer(), and the destructor, put the device
// back just after the last value consumed, so that whatever follows can be
// read by other code (a random-access device is sought back; a sequential
// one gets the unread bytes pushed back).
#include "persistence/ValueTags.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class QObject;
class QMetaProperty;

namespace sw {

class TReader
{
public:
    // stream: open for reading, not owned, must outlive the reader.
    explicit TReader(QIODevice *stream, int bufferSize = kDefaultFilerBufferSize);
    ~TReader();
    TReader(const TReader &) = delete;
    TReader &operator=(const TReader &) = delete;

    // Gives the device back the bytes read ahead but not consumed.
    void FlushBuffer();
    // Device position of the next byte to consume.
    qint64 Position() const;

    // Raw bytes, untagged; throws "Stream read error" when fewer remain.
    void Read(void *data, qint64 size);
    // The next tag, consumed; a byte that is no tag is "Invalid property
    // value".
    TValueType ReadValue();
    // The next tag, not consumed.
    TValueType NextValue();

    void ReadListBegin();
    void ReadListEnd();
    // True when the next tag is vaNull (not consumed).
    bool EndOfList();
    // vaInt8, vaInt16 or vaInt32, sign-extended.
    qint32 ReadInteger();
    // vaExtended, or any integer tag converted.
    double ReadFloat();
    // vaString or vaLString.
    QString ReadString();
    // vaIdent, or vaFalse, vaTrue, vaNil read as "False", "True", "nil".
    QString ReadIdent();
    // vaFalse or vaTrue.
    bool ReadBoolean();
    // A one-character vaString.
    QChar ReadChar();
    // vaBinary.
    QByteArray ReadBinary();
    // vaSet: the member names in stream order.
    QStringList ReadSet();
    // A short string, untagged.
    QString ReadStr();
    // "TPF0", else "Invalid stream format".
    void ReadSignature();

    // Hook called before a newly read component is named; it may change
    // the name.
    using SetNameEvent = std::function<void(TReader &reader, QObject *component, QString &name)>;
    SetNameEvent OnSetName;

    // Called with every component once it has been read completely.
    using ReadComponentsProc = std::function<void(QObject *component)>;
    // Reads component records (each with its signature) until the next tag
    // is vaNull, which is left unread. Each component is created from the
    // class registry as a QObject child of parent (of owner when parent is
    // null), named (OnSetName may change the name; it must be unique among
    // that QObject's children), filled with its properties and handed to
    // proc. Afterwards every component read is finished in reading order:
    // its loading mark is cleared and its Loaded() slot or Q_INVOKABLE, if
    // it has one, is called. On failure the half-read component is deleted,
    // the completely read ones are finished and kept, and the error is
    // rethrown.
    void ReadComponents(QObject *owner, QObject *parent, const ReadComponentsProc &proc);
    // Reads the properties up to vaNull into instance. Each name is split at
    // "."; the parts before the last must name published properties holding
    // objects ("Property does not exist", "Invalid property path"); the last
    // names a published property with a setter ("Property is read-only") or
    // a defined property ("Property does not exist"), all matched without
    // regard to case. Values must fit the property's kind ("Invalid property
    // value"); integers are accepted for floats, colour identifiers for
    // colour integers. Any error is rethrown as EReadError "Error reading
    // <object>.<property>: <message>", the object being the component
    // (its class name when it has no name). A QObject property itself only
    // takes vaNil (set to null); references between components and
    // collections are not part of this program's files and are refused.
    void ReadProperties(QObject *instance);

    // The component whose properties are being read, or nullptr.
    QObject *Root() const { return mRoot; }

private:
    // One component record without the signature (prefix byte, class name,
    // object name, properties, children), created under parent (owner when
    // null), still marked as loading. Deleted again, and the error
    // rethrown, when reading fails.
    QObject *readComponent(QObject *owner, QObject *parent);
    bool fill();
    void readProperty(QObject *instance);
    void readPropValue(QObject *instance, const QMetaProperty &property);
    void finishLoaded();

    QIODevice *mStream;
    QByteArray mBuffer;
    int mBufferPos = 0;
    int mBufferEnd = 0;
    QObject *mRoot = nullptr;
    QList<QPointer<QObject>> mLoaded;
};

} // namespace sw
