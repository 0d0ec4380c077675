#pragma once
// The words of a PDF with the top-left corners of their boxes in points,
// through pdftotext -bbox (poppler-utils).
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace sw::test {

struct PdfWord
{
    int page; // from 1
    double x, y; // top left
    QString text;
    double xMax = 0, yMax = 0; // bottom right
};

inline QList<PdfWord> pdfWords(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    QList<PdfWord> words;
    int page = 0;
    static const QRegularExpression token(
        QStringLiteral("<page |<word xMin=\"(-?[0-9.]+)\" yMin=\"(-?[0-9.]+)\" xMax=\"(-?[0-9.]+)\" "
                       "yMax=\"(-?[0-9.]+)\">([^<]*)</word>"));
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        words.append({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(5),
                      m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

} // namespace sw::test
