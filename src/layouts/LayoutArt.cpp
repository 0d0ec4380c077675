#include "layouts/LayoutArt.h"

namespace sw {

const QStringList& knownArtNames()
{
    static const QStringList names = {
        QStringLiteral("AV12295"), QStringLiteral("AV12297"), QStringLiteral("AV2180"),
        QStringLiteral("AV4160"),  QStringLiteral("AV4161"),  QStringLiteral("AV4168"),
        QStringLiteral("AV4169"),  QStringLiteral("AV4266"),  QStringLiteral("AV5097"),
        QStringLiteral("AV5196"),  QStringLiteral("AV5198"),  QStringLiteral("AV5305"),
        QStringLiteral("AV5385"),  QStringLiteral("AV5386"),  QStringLiteral("AV5391"),
        QStringLiteral("AV5766"),  QStringLiteral("AV5776"),  QStringLiteral("AV5824"),
        QStringLiteral("AV5895"),  QStringLiteral("AV5896"),  QStringLiteral("AV8166"),
        QStringLiteral("AVWSD5"),  QStringLiteral("AVWSD8"),  QStringLiteral("AVWSI13"),
        QStringLiteral("AVWSI15"),
    };
    return names;
}

QString artResourceName(const QString& artName)
{
    const int dot = artName.indexOf(QLatin1Char('.'));
    return (dot < 0 ? artName : artName.left(dot)).toUpper();
}

QImage loadArt(const QString& artName)
{
    const QString name = artResourceName(artName);
    if (name.isEmpty())
        return QImage();
    // The name comes from a label file or the catalogue: keep it to a plain
    // resource name so that it cannot reach other resources by a path.
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-')))
            return QImage();
    }
    for (const char* ext : {".png", ".bmp"}) {
        const QImage image(QStringLiteral(":/art/") + name + QLatin1String(ext));
        if (!image.isNull())
            return image;
    }
    return QImage();
}

} // namespace sw
