#pragma once
// The exceptions of the component stream and of the files it is kept in,
// with the message texts the program shows. Every one derives from
// EPersistenceError, a std::exception carrying a QString message.
//
//   EPersistenceError
//     EStreamError            stream-level failures
//       EFilerError           "A class named %s already exists"
//         EReadError          everything that goes wrong while reading
//         EWriteError         "Stream write error"
//         EClassNotFound      "Class %s not found"
//       EFCreateError         "Cannot create file %s"
//       EFOpenError           "Cannot open file %s"
//     EComponentError         naming a component
#include "platform/Exception.h"

#include <QByteArray>
#include <QString>

#include <exception>

namespace sw {

class EPersistenceError : public Exception
{
public:
    using Exception::Exception;
};

class EStreamError : public EPersistenceError
{
    using EPersistenceError::EPersistenceError;
};
class EFilerError : public EStreamError
{
    using EStreamError::EStreamError;
};
class EReadError : public EFilerError
{
    using EFilerError::EFilerError;
};
class EWriteError : public EFilerError
{
    using EFilerError::EFilerError;
};
class EClassNotFound : public EFilerError
{
    using EFilerError::EFilerError;
};
class EFCreateError : public EStreamError
{
    using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError
{
    using EStreamError::EStreamError;
};
class EComponentError : public EPersistenceError
{
    using EPersistenceError::EPersistenceError;
};

// The message texts, filled in where they name something.
namespace StreamMessages {
inline QString invalidStreamFormat() { return QStringLiteral("Invalid stream format"); }
inline QString classNotFound(const QString &name) { return QStringLiteral("Class %1 not found").arg(name); }
inline QString duplicateClass(const QString &name) { return QStringLiteral("A class named %1 already exists").arg(name); }
inline QString duplicateName(const QString &name) { return QStringLiteral("A component named %1 already exists").arg(name); }
inline QString invalidName(const QString &name) { return QStringLiteral("'%1' is not a valid component name").arg(name); }
inline QString invalidPropertyValue() { return QStringLiteral("Invalid property value"); }
inline QString invalidPropertyPath() { return QStringLiteral("Invalid property path"); }
inline QString unknownProperty() { return QStringLiteral("Property does not exist"); }
inline QString readOnlyProperty() { return QStringLiteral("Property is read-only"); }
inline QString propertyException(const QString &object, const QString &property, const QString &message)
{
    return QStringLiteral("Error reading %1.%2: %3").arg(object, property, message);
}
inline QString readError() { return QStringLiteral("Stream read error"); }
inline QString writeError() { return QStringLiteral("Stream write error"); }
inline QString createError(const QString &fileName) { return QStringLiteral("Cannot create file %1").arg(fileName); }
inline QString openError(const QString &fileName) { return QStringLiteral("Cannot open file %1").arg(fileName); }
} // namespace StreamMessages

} // namespace sw
