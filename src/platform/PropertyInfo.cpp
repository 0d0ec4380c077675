#include "platform/PropertyInfo.h"

#include "platform/TColor.h"

#include <QMetaEnum>
#include <QMetaProperty>

namespace sw {
namespace PropertyInfo {

namespace {

const char *classInfo(const QMetaObject *meta, const char *prefix, const char *property)
{
    const QByteArray key = QByteArray(prefix) + property;
    const int i = meta->indexOfClassInfo(key.constData());
    return i < 0 ? nullptr : meta->classInfo(i).value();
}

bool parseInt(const QString &text, int *out)
{
    bool ok = false;
    const QString t = text.trimmed();
    qlonglong v = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? t.mid(2).toLongLong(&ok, 16)
                                                                           : t.toLongLong(&ok, 10);
    if (ok)
        *out = static_cast<int>(static_cast<uint32_t>(v)); // 0x80000008 wraps to the signed colour
    return ok;
}

} // namespace

bool isColor(const QMetaObject *meta, const char *property)
{
    const char *type = classInfo(meta, "type:", property);
    return type && qstrcmp(type, "TColor") == 0;
}

QVariant defaultValue(const QMetaObject *meta, const char *property)
{
    const char *text = classInfo(meta, "default:", property);
    const int index = meta->indexOfProperty(property);
    if (!text || index < 0)
        return QVariant();
    const QMetaProperty prop = meta->property(index);
    const QString value = QString::fromUtf8(text);

    if (prop.isEnumType() || prop.isFlagType()) {
        const QMetaEnum e = prop.enumerator();
        bool ok = false;
        int v = 0;
        if (prop.isFlagType())
            v = value.isEmpty() ? 0 : e.keysToValue(text, &ok);
        else
            v = e.keyToValue(text, &ok);
        if (prop.isFlagType() && value.isEmpty())
            ok = true;
        return ok ? QVariant(v) : QVariant();
    }
    switch (prop.metaType().id()) {
    case QMetaType::Bool:
        if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return QVariant(false);
        return QVariant();
    case QMetaType::QString:
        return QVariant(value);
    default:
        break;
    }
    int v = 0;
    if (isColor(meta, property)) {
        TColor c = 0;
        if (identToColor(value, &c))
            return QVariant(int(c));
    }
    if (parseInt(value, &v))
        return QVariant(v);
    return QVariant();
}

bool isStored(const QObject *object, const char *property)
{
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(property);
    if (index < 0 || !meta->property(index).isStored())
        return false;
    const char *method = classInfo(meta, "stored:", property);
    if (!method)
        return true;
    bool stored = true;
    if (!QMetaObject::invokeMethod(const_cast<QObject *>(object), method, Qt::DirectConnection,
                                   Q_RETURN_ARG(bool, stored)))
        return true;
    return stored;
}

int intValue(const QObject *object, const char *property)
{
    const QVariant v = object->property(property);
    // Enumerations and QFlags arrive under their own meta-types; both convert
    // to their integer value.
    return v.toInt();
}

bool isDefault(const QObject *object, const char *property)
{
    const QMetaObject *meta = object->metaObject();
    const QVariant def = defaultValue(meta, property);
    if (!def.isValid())
        return false;
    const QVariant current = object->property(property);
    switch (def.metaType().id()) {
    case QMetaType::Bool:
        return current.toBool() == def.toBool();
    case QMetaType::QString:
        return current.toString() == def.toString();
    default:
        return intValue(object, property) == def.toInt();
    }
}

} // namespace PropertyInfo
} // namespace sw
