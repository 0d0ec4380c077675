#include "persistence/PublishedProperties.h"

#include <QMetaEnum>
#include <QObject>

#include <cstring>

namespace sw {

PropertyKind propertyKind(const QMetaProperty &property)
{
    if (property.isFlagType())
        return PropertyKind::Set;
    if (property.isEnumType())
        return PropertyKind::Enumeration;
    const QMetaType type = property.metaType();
    if (type.flags().testFlag(QMetaType::PointerToQObject))
        return PropertyKind::Object;
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return PropertyKind::Integer;
    case QMetaType::QChar:
    case QMetaType::Char:
        return PropertyKind::Character;
    case QMetaType::Bool:
        return PropertyKind::Boolean;
    case QMetaType::Double:
    case QMetaType::Float:
        return PropertyKind::Float;
    case QMetaType::QString:
        return PropertyKind::String;
    default:
        return PropertyKind::Unsupported;
    }
}

QList<QMetaProperty> publishedProperties(const QMetaObject *meta)
{
    QList<QMetaProperty> result;
    QList<QByteArray> seen;
    const int first = QObject::staticMetaObject.propertyCount();
    for (int i = first; i < meta->propertyCount(); ++i) {
        const QByteArray name = meta->property(i).name();
        if (seen.contains(name))
            continue;
        seen.append(name);
        // indexOfProperty finds the most derived declaration; it takes the
        // place of the first one.
        result.append(meta->property(meta->indexOfProperty(name.constData())));
    }
    return result;
}

QMetaProperty findPublishedProperty(const QMetaObject *meta, const QString &name)
{
    const int first = QObject::staticMetaObject.propertyCount();
    // From the most derived declaration down, so a redeclaration wins.
    for (int i = meta->propertyCount() - 1; i >= first; --i) {
        const QMetaProperty property = meta->property(i);
        if (name.compare(QLatin1String(property.name()), Qt::CaseInsensitive) == 0)
            return property;
    }
    return QMetaProperty();
}

int ordinalValue(const QObject *object, const QMetaProperty &property)
{
    const QVariant value = property.read(object);
    const QMetaType type = value.metaType();
    // Enumerations and flags are read through their storage, whose size
    // the meta type knows; plain integers convert.
    if (property.isEnumType() || property.isFlagType()) {
        switch (type.sizeOf()) {
        case 1: { qint8 v; std::memcpy(&v, value.constData(), 1); return v; }
        case 2: { qint16 v; std::memcpy(&v, value.constData(), 2); return v; }
        case 4: { qint32 v; std::memcpy(&v, value.constData(), 4); return v; }
        case 8: { qint64 v; std::memcpy(&v, value.constData(), 8); return static_cast<int>(v); }
        default: return 0;
        }
    }
    return value.toInt();
}

QVariant ordinalVariant(const QMetaProperty &property, int value)
{
    const QMetaType type = property.metaType();
    if (property.isEnumType() || property.isFlagType()) {
        switch (type.sizeOf()) {
        case 1: { const auto v = static_cast<qint8>(value); return QVariant(type, &v); }
        case 2: { const auto v = static_cast<qint16>(value); return QVariant(type, &v); }
        case 4: { const auto v = static_cast<qint32>(value); return QVariant(type, &v); }
        case 8: { const auto v = static_cast<qint64>(value); return QVariant(type, &v); }
        default: return QVariant();
        }
    }
    QVariant v(value);
    v.convert(type);
    return v;
}

QObject *objectValue(const QObject *object, const QMetaProperty &property)
{
    const QVariant value = property.read(object);
    if (!value.isValid() || !value.metaType().flags().testFlag(QMetaType::PointerToQObject))
        return nullptr;
    return *static_cast<QObject *const *>(value.constData());
}

QList<QPair<QString, int>> setMembers(const QMetaProperty &property)
{
    QList<QPair<QString, int>> members;
    const QMetaEnum enumerator = property.enumerator();
    for (int bit = 0; bit < 32; ++bit) {
        const int mask = static_cast<int>(1u << bit);
        for (int k = 0; k < enumerator.keyCount(); ++k) {
            if (enumerator.value(k) == mask) {
                members.append({QLatin1String(enumerator.key(k)), mask});
                break;
            }
        }
    }
    return members;
}

} // namespace sw
