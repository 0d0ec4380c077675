#include "layouts/tools/TemplateCsv.h"

#include "layouts/LabelShape.h"
#include "layouts/PaperCodes.h"

#include <QHash>
#include <QStringList>

#include <cmath>
#include <functional>
#include <stdexcept>

namespace sw {

namespace {

struct LineError : std::runtime_error
{
    explicit LineError(const QString &text) : std::runtime_error(text.toStdString()), message(text) {}
    QString message;
};

QStringList splitFields(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char(',')) {
            fields << (wasQuoted ? field : field.trimmed());
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = wasQuoted = true;
        } else {
            field += c;
        }
    }
    if (quoted)
        throw LineError(QStringLiteral("a quoted field is not closed"));
    fields << (wasQuoted ? field : field.trimmed());
    return fields;
}

// Text that survives the stream's 8-bit code page unchanged (Latin-1
// covers what the catalogue needs).
void checkText(const QString &column, const QString &value, int width)
{
    if (value.size() > width)
        throw LineError(QStringLiteral("column %1: \"%2\" is longer than %3 characters").arg(column, value).arg(width));
    for (QChar c : value) {
        if (c.unicode() > 0xFF || c.unicode() < 0x20)
            throw LineError(QStringLiteral("column %1: \"%2\" holds a character that cannot be stored").arg(column, value));
    }
}

double toDouble(const QString &column, const QString &value)
{
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        throw LineError(QStringLiteral("column %1: \"%2\" is not a number").arg(column, value));
    return d;
}

qint32 toInt(const QString &column, const QString &value)
{
    bool ok = false;
    const int i = value.toInt(&ok);
    if (!ok)
        throw LineError(QStringLiteral("column %1: \"%2\" is not a whole number").arg(column, value));
    return i;
}

using Setter = std::function<void(TLabelLayout &, const QString &column, const QString &value)>;

Setter text(QString TLabelLayout::*field, int width)
{
    return [field, width](TLabelLayout &l, const QString &column, const QString &value) {
        checkText(column, value, width);
        l.*field = value;
    };
}
Setter real(double TLabelLayout::*field)
{
    return [field](TLabelLayout &l, const QString &column, const QString &value) { l.*field = toDouble(column, value); };
}
Setter integer(qint32 TLabelLayout::*field)
{
    return [field](TLabelLayout &l, const QString &column, const QString &value) { l.*field = toInt(column, value); };
}

struct Column
{
    const char *name;
    bool required;
    Setter set;
};

const std::vector<Column> &columns()
{
    using L = TLabelLayout;
    static const std::vector<Column> table = {
        {"LayoutName", true, text(&L::LayoutName, L::LayoutNameWidth)},
        {"LabelHeight", true, real(&L::LabelHeight)},
        {"LabelWidth", true, real(&L::LabelWidth)},
        {"NumAcross", true, integer(&L::NumAcross)},
        {"NumDown", true, integer(&L::NumDown)},
        {"TopMargin", true, real(&L::TopMargin)},
        {"LeftMargin", true, real(&L::LeftMargin)},
        {"HorizPitch", true, real(&L::HorizPitch)},
        {"VertPitch", true, real(&L::VertPitch)},
        {"PageWidth", true, real(&L::PageWidth)},
        {"PageHeight", true, real(&L::PageHeight)},
        {"RightHalfOffset", false, real(&L::RightHalfOffset)},
        {"LowerHalfOffset", false, real(&L::LowerHalfOffset)},
        {"PrinterType", true, text(&L::PrinterType, L::PrinterTypeWidth)},
        {"PaperCode", true, text(&L::PaperCode, L::PaperCodeWidth)},
        {"ShapeCode", true, text(&L::ShapeCode, L::ShapeCodeWidth)},
        {"ProductCategory", true, text(&L::ProductCategory, L::ProductCategoryWidth)},
        {"ArtName", false, text(&L::ArtName, L::ArtNameWidth)},
    };
    return table;
}

std::vector<const Column *> readHeader(const QString &line)
{
    std::vector<const Column *> order;
    QHash<QString, bool> seen;
    for (const QString &name : splitFields(line)) {
        const Column *found = nullptr;
        for (const Column &c : columns()) {
            if (name == QLatin1String(c.name))
                found = &c;
        }
        if (!found)
            throw LineError(QStringLiteral("unknown column \"%1\"").arg(name));
        if (seen.contains(name))
            throw LineError(QStringLiteral("column \"%1\" appears twice").arg(name));
        seen.insert(name, true);
        order.push_back(found);
    }
    for (const Column &c : columns()) {
        if (c.required && !seen.contains(QLatin1String(c.name)))
            throw LineError(QStringLiteral("column \"%1\" is missing").arg(QLatin1String(c.name)));
    }
    return order;
}

TLabelLayout readRow(const QString &line, const std::vector<const Column *> &order)
{
    const QStringList fields = splitFields(line);
    if (fields.size() != static_cast<qsizetype>(order.size()))
        throw LineError(QStringLiteral("%1 fields where %2 are expected").arg(fields.size()).arg(order.size()));
    TLabelLayout l;
    for (size_t i = 0; i < order.size(); ++i)
        order[i]->set(l, QLatin1String(order[i]->name), fields.at(static_cast<qsizetype>(i)));
    if (l.LayoutName.isEmpty())
        throw LineError(QStringLiteral("column LayoutName is empty"));
    if (!findPaperCode(l.PaperCode))
        throw LineError(QStringLiteral("column PaperCode: \"%1\" is not a known paper code").arg(l.PaperCode));
    if (!shapeForCode(l.ShapeCode))
        throw LineError(QStringLiteral("column ShapeCode: \"%1\" is not a known shape code").arg(l.ShapeCode));
    return l;
}

} // namespace

TemplateCsvResult parseTemplateCsv(const QByteArray &content, const QString &fileName, int maxRows)
{
    TemplateCsvResult result;
    const QStringList lines = QString::fromUtf8(content).split(QLatin1Char('\n'));
    std::vector<const Column *> order;
    bool haveHeader = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (i == 0 && line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        if (line.trimmed().isEmpty())
            continue;
        try {
            if (!haveHeader) {
                order = readHeader(line);
                haveHeader = true;
                continue;
            }
            if (static_cast<int>(result.layouts.size()) >= maxRows)
                throw LineError(QStringLiteral("more than %1 templates; the table holds no more").arg(maxRows));
            result.layouts.push_back(readRow(line, order));
        } catch (const LineError &e) {
            result.error = QStringLiteral("%1:%2: %3").arg(fileName).arg(i + 1).arg(e.message);
            return result;
        }
    }
    if (!haveHeader)
        result.error = QStringLiteral("%1: no header line").arg(fileName);
    return result;
}

} // namespace sw
