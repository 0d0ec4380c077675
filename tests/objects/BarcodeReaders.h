#pragma once
// Real barcode readers run on printed images: Debian's zbarimg (zbar-tools)
// and ZXingReader (zxing-cpp-tools). Each reads only some symbologies; a
// test asks for every reader that knows the symbology and skips when none
// is installed.
#include "objects/BarcodeSymbology.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace sw::test {

struct BarcodeReader
{
    QString program;
    QStringList arguments; // before the image file
    bool (*reads)(TBarcodeSymbology);
};

inline QList<BarcodeReader> barcodeReaders()
{
    // zbar has no Data Matrix decoder and only a partial PDF417 one; it
    // reports UPC-A as UPC-A (not as an EAN-13 with a leading 0) only when
    // asked to.
    static const QList<BarcodeReader> all{
        {QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("-Supca.enable")},
         [](TBarcodeSymbology s) { return s != bcDataMatrix && s != bcPDF417; }},
        {QStringLiteral("ZXingReader"), {}, [](TBarcodeSymbology) { return true; }},
    };
    QList<BarcodeReader> installed;
    for (const BarcodeReader &r : all)
        if (!QStandardPaths::findExecutable(r.program).isEmpty())
            installed.append(r);
    return installed;
}

// What the reader finds in the image: the decoded text of each code, one
// per line, as UTF-8; empty when it finds nothing.
inline QString readBarcode(const BarcodeReader &reader, const QImage &image)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("code.png"));
    if (!image.save(file))
        return QString();
    QProcess p;
    p.start(reader.program, reader.arguments + QStringList{file});
    if (!p.waitForFinished(20000))
        return QString();
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    // ZXingReader describes what it finds: the text, in the character set
    // the code declares, is the line 'Text:       "..."'.
    if (reader.program == QLatin1String("ZXingReader")) {
        QStringList texts;
        for (const QString &line : text.split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("Text:")))
                texts.append(line.mid(line.indexOf(QLatin1Char('"')) + 1).chopped(1));
        return texts.join(QLatin1Char('\n'));
    }
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

} // namespace sw::test
