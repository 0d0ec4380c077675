// skprint: prints a label file without opening a window, to any printer the
// system offers or to a PDF file, or renders the first sheet to a PNG.
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "printing/LabelFileJob.h"
#include "printing/PrintCheck.h"
#include "surface/TGStickwellPanel32.h"
#include "report/TImageReport.h"
#include "report/printer/TRPDevice.h"
#include "report/printer/TReportPrinter.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>
#include <exception>

using namespace sw;

namespace {

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

// The closing messages use carriage returns as line breaks.
QString plain(const QString &message)
{
    return message.trimmed().replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

int selectPrinter(TReportPrinter &report, const QString &name)
{
    const QStringList entries = report.Printers();
    for (int i = 0; i < entries.size(); ++i)
        if (entries.at(i) == name || entries.at(i).startsWith(name + QStringLiteral(" on ")))
            return i;
    return -2;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("skprint"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints a Stickwell label file into the positions of label sheets."));
    parser.addHelpOption();
    const QCommandLineOption listOption(QStringLiteral("list-printers"), QStringLiteral("List the printers and exit."));
    const QCommandLineOption printerOption(QStringList{QStringLiteral("p"), QStringLiteral("printer")},
                                           QStringLiteral("Print on this printer (default: the system's default)."),
                                           QStringLiteral("name"));
    const QCommandLineOption pdfOption(QStringList{QStringLiteral("o"), QStringLiteral("output"), QStringLiteral("pdf")},
                                       QStringLiteral("Write the sheets to this PDF file."), QStringLiteral("file"));
    const QCommandLineOption pngOption(QStringLiteral("png"),
                                       QStringLiteral("Render the first sheet to this PNG file instead of printing."),
                                       QStringLiteral("file"));
    const QCommandLineOption dpiOption(QStringLiteral("dpi"), QStringLiteral("Resolution of --png (default 150)."),
                                       QStringLiteral("dpi"), QStringLiteral("150"));
    const QCommandLineOption sheetsOption(QStringList{QStringLiteral("s"), QStringLiteral("sheets")},
                                          QStringLiteral("Number of sheets (default 1)."), QStringLiteral("n"),
                                          QStringLiteral("1"));
    const QCommandLineOption positionsOption(
        QStringLiteral("positions"),
        QStringLiteral("Positions to print on every sheet, from 1 across each row, e.g. 1,4,7-9 (default: all)."),
        QStringLiteral("list"));
    const QCommandLineOption leaveOutOption(
        QStringLiteral("leave-out-unprintable"),
        QStringLiteral("Print even when some objects cannot be printed as they stand (such as a barcode whose data "
                       "its symbology refuses), leaving those objects out."));
    parser.addOptions({listOption, printerOption, pdfOption, pngOption, dpiOption, sheetsOption, positionsOption,
                       leaveOutOption});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The label file (.sk) to print."));
    parser.process(app);

    if (parser.isSet(listOption)) {
        QTextStream out(stdout);
        for (const QString &entry : TRPDevice::ListPrinters())
            out << entry << '\n';
        return 0;
    }
    if (parser.positionalArguments().size() != 1) {
        err() << "skprint: name one label file to print (see --help)\n";
        return 1;
    }
    bool ok = false;
    const int sheets = parser.value(sheetsOption).toInt(&ok);
    if (!ok || sheets < 1 || sheets > 9999) {
        err() << "skprint: --sheets takes a number from 1 to 9999\n";
        return 1;
    }

    try {
        // The installation's fine tuning, as the program keeps it.
        IniFile ini(ProgramFolder::filePath(QStringLiteral("SK.INI")));
        PrinterFineTuning::current() = PrinterFineTuning::load(ini);

        LabelFileJob job(parser.positionalArguments().constFirst());
        PrintRequest request = job.makeRequest();
        request.sheets = sheets;
        QString error;
        if (!LabelFileJob::parsePositions(parser.value(positionsOption), request, &error)) {
            err() << "skprint: " << error << '\n';
            return 1;
        }
        if (!request.anySelected()) {
            err() << "skprint: Need at least one label selected\n";
            return 1;
        }
        PrintCheck check(job.panel());
        if (!check.ok()) {
            for (const QString &problem : check.problems())
                err() << "skprint: " << problem << '\n';
            if (!parser.isSet(leaveOutOption)) {
                err() << "skprint: nothing printed (--leave-out-unprintable prints without these objects)\n";
                return 4;
            }
            check.leaveOut();
        }

        if (parser.isSet(pngOption)) {
            const int dpi = parser.value(dpiOption).toInt();
            if (dpi < 10 || dpi > 1200) {
                err() << "skprint: --dpi takes a number from 10 to 1200\n";
                return 1;
            }
            request.sheets = 1;
            TImageReport report(dpi, dpi);
            job.print(request, report);
            if (report.PageImageCount() < 1 || !report.PageImage(0).save(parser.value(pngOption))) {
                err() << "skprint: cannot write " << parser.value(pngOption) << '\n';
                return 3;
            }
            return 0;
        }

        TReportPrinter report;
        if (parser.isSet(pdfOption)) {
            report.setPrinterIndex(report.PrinterDevice().PdfPrinterIndex());
            report.PrinterDevice().setOutputFileName(parser.value(pdfOption));
        } else if (parser.isSet(printerOption)) {
            const int index = selectPrinter(report, parser.value(printerOption));
            if (index < 0) {
                err() << "skprint: no printer named " << parser.value(printerOption)
                      << " (skprint --list-printers shows them)\n";
                return 3;
            }
            report.setPrinterIndex(index);
        }
        if (report.PrinterDevice().isPdfPrinter() && report.PrinterDevice().OutputFileName().isEmpty()) {
            err() << "skprint: there is no printer; use --pdf FILE to write a PDF file\n";
            return 3;
        }
        const QString message = job.print(request, report);
        QTextStream(stdout) << plain(message) << '\n';
        return report.Aborted() ? 3 : 0;
    } catch (const std::exception &e) {
        err() << "skprint: " << QString::fromUtf8(e.what()) << '\n';
        return 2;
    }
}
