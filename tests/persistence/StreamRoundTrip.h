#pragma once
// One object written as a root component, and components read back from
// such bytes: the round trip of the stream tests.
#include "persistence/TReader.h"
#include "persistence/TWriter.h"

#include <QBuffer>

namespace sw::test {

inline QByteArray write(QObject *object)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TWriter writer(&buffer);
    writer.WriteRootComponent(object);
    writer.FlushBuffer();
    return buffer.data();
}

// The last component read of class T (its class registered), or null.
template <class T>
T *readBack(QObject *parent, const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data + QByteArray(1, '\0')); // the end of the component list
    buffer.open(QIODevice::ReadOnly);
    TReader reader(&buffer);
    T *result = nullptr;
    reader.ReadComponents(nullptr, parent, [&](QObject *c) { result = qobject_cast<T *>(c); });
    return result;
}

} // namespace sw::test
