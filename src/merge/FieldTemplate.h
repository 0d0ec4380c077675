#pragma once
// A label's text with merge fields, parsed once against a data file's
// columns: "${Column}" stands for the record's value in that column (the
// name compared without regard to case, blanks around it ignored); "$${"
// writes "${". A field naming no column, and a "${" without its "}", are
// text as written.
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

namespace sw {

class FieldTemplate
{
public:
    FieldTemplate() = default;
    FieldTemplate(const QString &text, const QStringList &columns);

    // The text with each field replaced by the record's value (one entry
    // per column, as CsvReader gives them).
    QString fill(const QStringList &record) const;
    // The fields naming no column, as written ("${Nmae}").
    const QStringList &unknownFields() const { return mUnknown; }

    // Where a text holds a field ("${Name}") or the escape "$${": the
    // characters [start, start + length), in order. The text between them,
    // and after a "${" without its "}", is text as written. Filling each
    // span on its own gives what fill() gives for the whole text, so that
    // a formatted text can be filled piece by piece, keeping its formats.
    struct Span
    {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    static QList<Span> spans(const QString &text);
    static bool isEscape(QStringView span) { return span == QLatin1String("$${"); }

    // Whether the text refers to a field (the quick test before parsing).
    static bool mayHoldFields(const QString &text) { return text.contains(QLatin1String("${")); }
    // How a text refers to a column.
    static QString reference(const QString &column) { return QStringLiteral("${") + column + QLatin1Char('}'); }
    // Whether reference() of the name reads back as that column: it has no
    // '}' and no blanks around it, and is not empty.
    static bool canReference(const QString &column);
    // The column a name refers to, or -1.
    static int columnOf(const QString &name, const QStringList &columns);

private:
    struct Part
    {
        QString text; // literal text, when column is -1
        int column = -1;
    };
    QVector<Part> mParts;
    QStringList mUnknown;
};

} // namespace sw
