#include "shell/MainScreenRules.h"

#include "platform/Rounding.h"

#include <QDir>
#include <QSet>

namespace sw {

namespace {

// The step is added in extended precision and only the result is rounded to
// single precision; adding in float would drift off 1.0 on the way back.
float zoomStep(float factor, long double step)
{
    return static_cast<float>(static_cast<long double>(factor) + step);
}

} // namespace

float zoomedIn(float factor)
{
    return factor <= MaxZoomBeforeStep ? zoomStep(factor, 0.1L) : factor;
}

float zoomedOut(float factor)
{
    return factor >= MinZoomBeforeStep ? zoomStep(factor, -0.1L) : factor;
}

QString zoomCaption(float factor)
{
    return QString::number(roundHalfEven(static_cast<double>(factor) * 100.0)) + QLatin1Char('%');
}

bool hasLabelFileExtension(const QString &fileName)
{
    const QString name = fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && name.mid(dot).toUpper() == QLatin1String(".SK");
}

QString proposedLabelFileName(const QString &folder)
{
    // One listing of the folder, then the candidates in order.
    QSet<QString> taken;
    const QDir dir(folder);
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        taken.insert(entry.toUpper());
    QString name;
    for (int n = 10001; n <= 99999; ++n) {
        name = QStringLiteral("SK") + QString::number(n).right(4) + QStringLiteral(".SK");
        if (!taken.contains(name))
            return name;
    }
    return name;
}

QImage twoToneArt(const QImage &art, const QSize &labelSize)
{
    if (art.isNull())
        return art;
    QImage result = art.convertToFormat(QImage::Format_RGB32);
    const int w = qBound(0, labelSize.width(), result.width());
    const int h = qBound(0, labelSize.height(), result.height());
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    const QRgb silver = qRgb(0xC0, 0xC0, 0xC0);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = (line[x] & 0xFFFFFF) == (white & 0xFFFFFF) ? white : silver;
    }
    return result;
}

} // namespace sw
