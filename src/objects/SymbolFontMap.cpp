#include "objects/SymbolFontMap.h"

#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "platform/TFont.h"

#include <QFile>
#include <QTextStream>
#include <array>

// Resource initialisation has to happen outside any namespace.
static void initSymbolFontResources()
{
    Q_INIT_RESOURCE(objects);
}

namespace sw {

namespace {
// Index = WingDings code (0..255); 0 = no symbol.
const std::array<uint, 256> &table()
{
    static const std::array<uint, 256> map = [] {
        std::array<uint, 256> m{};
        initSymbolFontResources();
        QFile file(QStringLiteral(":/fonts/wingdings-to-unicode.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return m;
        QTextStream in(&file);
        // Lines read "0x21 U+1F589".
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            const int space = line.indexOf(QLatin1Char(' '));
            if (space < 0 || !line.mid(space + 1).startsWith(QLatin1String("U+")))
                continue;
            bool okCode = false, okPoint = false;
            const int code = line.left(space).toInt(&okCode, 16);
            const uint point = line.mid(space + 3).toUInt(&okPoint, 16);
            if (okCode && okPoint && code >= 0 && code < 256 && point <= 0x10FFFF)
                m[static_cast<size_t>(code)] = point;
        }
        return m;
    }();
    return map;
}
} // namespace

bool SymbolFontMap::isWingDings(const QString &face)
{
    return face.compare(QLatin1String("WingDings"), Qt::CaseInsensitive) == 0;
}

QStringList SymbolFontMap::faces()
{
    return {QStringLiteral("WingDings")};
}

QString SymbolFontMap::displayFace()
{
    return QStringLiteral("Symbola");
}

uint SymbolFontMap::unicodeFor(int code)
{
    if (code < 0 || code > 255)
        return 0;
    return table()[static_cast<size_t>(code)];
}

QString SymbolFontMap::toDisplay(const QString &text)
{
    QString result;
    result.reserve(text.size() * 2);
    for (const QChar c : text) {
        const uint point = unicodeFor(c.unicode());
        if (point == 0) {
            result.append(c);
            continue;
        }
        const char32_t u = point;
        result.append(QString::fromUcs4(&u, 1));
    }
    return result;
}

void SymbolFontMap::forDisplay(const QString &face, const QString &text, QString *displayFace,
                               QString *displayText)
{
    if (isWingDings(face)) {
        *displayFace = SymbolFontMap::displayFace();
        *displayText = toDisplay(text);
    } else {
        *displayFace = face;
        *displayText = text;
    }
}

QString SymbolFontMap::selectFont(Canvas &canvas, const TFont &font, float scale, const QString &text)
{
    TFont *f = canvas.Font();
    f->Assign(font);
    if (scale != 1.0f)
        f->setSize(truncTowardZero(font.size() * static_cast<double>(scale)));
    QString face, shown;
    forDisplay(font.name(), text, &face, &shown);
    f->setName(face);
    return shown;
}

} // namespace sw
