#pragma once
// Marks the stream layer puts on an object while it is being read or
// written, so that the object's own code can tell (for instance to skip
// change notifications while its properties are set from a file).
//
// The marks are dynamic properties with fixed names, so that code in lower
// layers can test them without this header:
//   object->property("swLoading").toBool()
//   object->property("swWriting").toBool()
#include <QObject>
#include <QVariant>

namespace sw {
namespace ComponentState {

constexpr const char *kLoading = "swLoading";
constexpr const char *kWriting = "swWriting";

inline bool isLoading(const QObject *object)
{
    return object && object->property(kLoading).toBool();
}

inline bool isWriting(const QObject *object)
{
    return object && object->property(kWriting).toBool();
}

// An invalid QVariant removes the dynamic property again.
inline void setLoading(QObject *object, bool on)
{
    object->setProperty(kLoading, on ? QVariant(true) : QVariant());
}

inline void setWriting(QObject *object, bool on)
{
    object->setProperty(kWriting, on ? QVariant(true) : QVariant());
}

} // namespace ComponentState
} // namespace sw
