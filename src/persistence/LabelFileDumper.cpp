#include "persistence/LabelFileDumper.h"

#include "persistence/ExtendedFloat.h"
#include "persistence/LayoutRecordStream.h"
#include "persistence/StreamErrors.h"
#include "persistence/TReader.h"

#include <QCryptographicHash>
#include <QIODevice>
#include <QList>
#include <QLocale>
#include <QPair>

namespace sw {

namespace {

using Property = QPair<QString, QString>; // dotted name, value text

QString pad(int indent)
{
    return QString(indent, QLatin1Char(' '));
}

// `text` (a value of several lines) with every line after the first moved
// right by `indent`.
QString indented(QString text, int indent)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char('\n') + pad(indent));
}

QString line(int indent, const QString &name, const QString &value)
{
    return pad(indent) + name + QStringLiteral(" = ") + indented(value, indent) + QLatin1Char('\n');
}

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.category() == QChar::Other_Control)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

QString floatText(const Extended80 &bytes)
{
    const double value = extendedToDouble(bytes);
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    if (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e')) && !text.contains(QLatin1Char('n'))
        && !text.contains(QLatin1Char('i')))
        text += QStringLiteral(".0");
    if (doubleToExtended(value) != bytes) {
        QString hex;
        for (const quint8 b : bytes)
            hex += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
        text += QStringLiteral(" (extended %1)").arg(hex);
    }
    return text;
}

class Dumper
{
public:
    explicit Dumper(QIODevice &device)
        : mReader(&device)
    {
    }

    QString run()
    {
        mReader.ReadListBegin();
        while (!mReader.EndOfList()) {
            mReader.ReadSignature();
            component(0);
        }
        mReader.ReadListEnd();
        layout();
        return mOut;
    }

private:
    void component(int indent)
    {
        if (quint8(mReader.NextValue()) >= 0xF0) {
            // Records written relative to an ancestor; the program writes none.
            quint8 prefix;
            mReader.Read(&prefix, 1);
            mOut += pad(indent) + QStringLiteral("# prefix 0x%1").arg(prefix, 2, 16, QLatin1Char('0'));
            if (prefix & 0x02)
                mOut += QStringLiteral(", position %1").arg(mReader.ReadInteger());
            mOut += QLatin1Char('\n');
        }
        const QString className = mReader.ReadStr();
        const QString name = mReader.ReadStr();
        mOut += pad(indent) + className + QLatin1Char(' ') + (name.isEmpty() ? QStringLiteral("\"\"") : name)
              + QStringLiteral(" {\n");
        QList<Property> properties;
        while (!mReader.EndOfList()) {
            const QString property = mReader.ReadStr();
            properties.append({property, value()});
        }
        mReader.ReadListEnd();
        mOut += propertiesText(properties, indent + 2);
        while (!mReader.EndOfList())
            component(indent + 2);
        mReader.ReadListEnd();
        mOut += pad(indent) + QStringLiteral("}\n");
    }

    // Properties whose names share a first part ("Font.Name", "Font.Color")
    // become a block named by it, with the rest of each name inside.
    static QString propertiesText(const QList<Property> &properties, int indent)
    {
        QString out;
        for (int i = 0; i < properties.size();) {
            const QString &name = properties.at(i).first;
            const int dot = name.indexOf(QLatin1Char('.'));
            if (dot < 0) {
                out += line(indent, name, properties.at(i).second);
                ++i;
                continue;
            }
            const QString group = name.left(dot + 1);
            QList<Property> inner;
            for (; i < properties.size() && properties.at(i).first.startsWith(group); ++i)
                inner.append({properties.at(i).first.mid(group.size()), properties.at(i).second});
            out += pad(indent) + group.chopped(1) + QStringLiteral(" {\n") + propertiesText(inner, indent + 2)
                 + pad(indent) + QStringLiteral("}\n");
        }
        return out;
    }

    // The next value; one of several lines (a list, a collection) is
    // indented relative to its first line.
    QString value()
    {
        switch (mReader.NextValue()) {
        case vaList: {
            mReader.ReadValue();
            QString text = QStringLiteral("(");
            while (!mReader.EndOfList())
                text += QLatin1Char('\n') + pad(2) + indented(value(), 2);
            mReader.ReadListEnd();
            return text.size() == 1 ? QStringLiteral("()") : text + QStringLiteral("\n)");
        }
        case vaInt8:
        case vaInt16:
        case vaInt32:
            return QString::number(mReader.ReadInteger());
        case vaExtended: {
            mReader.ReadValue();
            Extended80 bytes;
            mReader.Read(bytes.data(), qint64(bytes.size()));
            return floatText(bytes);
        }
        case vaString:
        case vaLString:
            return quoted(mReader.ReadString());
        case vaIdent:
        case vaFalse:
        case vaTrue:
        case vaNil:
            return mReader.ReadIdent();
        case vaBinary: {
            const QByteArray data = mReader.ReadBinary();
            const QByteArray hash = QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex().left(8);
            return QStringLiteral("binary %1 bytes, sha256 %2").arg(data.size()).arg(QString::fromLatin1(hash));
        }
        case vaSet:
            return QLatin1Char('[') + mReader.ReadSet().join(QStringLiteral(", ")) + QLatin1Char(']');
        case vaCollection:
            return collection();
        default:
            // vaNull where a value belongs, or a byte that is no tag.
            throw EReadError(StreamMessages::invalidPropertyValue());
        }
    }

    QString collection()
    {
        mReader.ReadValue();
        QString text = QStringLiteral("<\n");
        while (!mReader.EndOfList()) {
            const TValueType tag = mReader.NextValue();
            const QString index =
                (tag == vaInt8 || tag == vaInt16 || tag == vaInt32) ? QString::number(mReader.ReadInteger()) + QLatin1Char(' ') : QString();
            mReader.ReadListBegin();
            QList<Property> properties;
            while (!mReader.EndOfList()) {
                const QString property = mReader.ReadStr();
                properties.append({property, value()});
            }
            mReader.ReadListEnd();
            text += pad(2) + QStringLiteral("item ") + index + QStringLiteral("{\n") + propertiesText(properties, 4)
                  + pad(2) + QStringLiteral("}\n");
        }
        mReader.ReadListEnd();
        return text + QLatin1Char('>');
    }

    void layout()
    {
        mReader.ReadListBegin();
        mOut += QStringLiteral("layout {\n");
        const QStringList &names = layoutRecordFieldNames();
        for (int i = 0; !mReader.EndOfList(); ++i) {
            const QString name = i < names.size() ? names.at(i) : QStringLiteral("Extra%1").arg(i + 1);
            mOut += line(2, name, value());
        }
        mReader.ReadListEnd();
        mOut += QStringLiteral("}\n");
    }

    TReader mReader;
    QString mOut;
};

} // namespace

QString LabelFileDumper::toText(QIODevice &device)
{
    return Dumper(device).run();
}

} // namespace sw
