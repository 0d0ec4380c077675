#include "platform/ui/NameOnlyIconProvider.h"

#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

namespace sw {

namespace {
QMimeType typeByName(const QFileInfo &info)
{
    static const QMimeDatabase types;
    return types.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
}
} // namespace

QIcon NameOnlyIconProvider::icon(const QFileInfo &info) const
{
    // Folders, links and drives are told without reading a file.
    if (!info.isFile())
        return QFileIconProvider::icon(info);
    const QMimeType type = typeByName(info);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), icon(File)));
}

QString NameOnlyIconProvider::type(const QFileInfo &info) const
{
    if (!info.isFile())
        return QFileIconProvider::type(info);
    const QMimeType type = typeByName(info);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

NameOnlyIconProvider *NameOnlyIconProvider::shared()
{
    // Never freed: views may ask it while the program shuts down.
    static auto *provider = new NameOnlyIconProvider;
    return provider;
}

} // namespace sw
