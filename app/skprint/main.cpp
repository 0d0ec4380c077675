// skprint: prints a label file without opening a window, to any printer the
// system offers or to a PDF file, or renders the first sheet to a PNG; and
// shows a label file as text or saves it again.
#include "persistence/LabelFileDumper.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "printing/LabelFileJob.h"
#include "printing/MergeCheck.h"
#include "printing/PrintCheck.h"
#include "surface/TGStickwellPanel32.h"
#include "report/TImageReport.h"
#include "report/printer/TRPDevice.h"
#include "report/printer/TReportPrinter.h"
#include "surface/SavedDesign.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <exception>

using namespace sw;

namespace {

// Exit statuses.
constexpr int Done = 0;
constexpr int BadUsage = 1;
constexpr int BadInput = 2;
constexpr int NotWritten = 3;
constexpr int Unprintable = 4; // an object cannot be printed as it stands

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

int fail(int status, const QString &message)
{
    err() << "skprint: " << message << Qt::endl;
    return status;
}

int selectPrinter(TReportPrinter &report, const QString &name)
{
    const QStringList entries = report.Printers();
    for (int i = 0; i < entries.size(); ++i)
        if (entries.at(i) == name || entries.at(i).startsWith(name + QStringLiteral(" on ")))
            return i;
    return -2;
}

// "2 sheets (60 labels)".
QString amount(int sheets, int labels)
{
    return QStringLiteral("%1 sheet%2 (%3 label%4)")
        .arg(sheets)
        .arg(sheets == 1 ? "" : "s")
        .arg(labels)
        .arg(labels == 1 ? "" : "s");
}

// An output file the user asked for. It is opened for writing before any
// work is done, so that a path that cannot be written is reported at once
// (without touching an existing file's contents). A file made here is
// removed again unless the whole run succeeds: all outputs or none.
class Output
{
public:
    explicit Output(const QString &path)
        : mPath(path)
    {
    }
    ~Output()
    {
        if (mCreated && !mKept)
            QFile::remove(mPath);
    }
    // Empty when the file can be written, else the system's reason.
    QString prepare()
    {
        if (QFileInfo(mPath).isDir())
            return QStringLiteral("Is a directory");
        QFile file(mPath);
        const bool existed = file.exists();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            return file.errorString();
        mCreated = !existed;
        return QString();
    }
    // True when the file now has contents.
    bool written() const { return QFileInfo(mPath).size() > 0; }
    // The run succeeded: the file stays.
    void keep() { mKept = true; }
    const QString &path() const { return mPath; }

private:
    QString mPath;
    bool mCreated = false;
    bool mKept = false;
};

// Qt's own notes (a missing runtime folder under cron, say) are not the
// user's concern; warnings and worse still reach stderr.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    err() << qFormatLogMessage(type, context, message) << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietMessages);
    // Without a display (over ssh, from cron, in a container) the offscreen
    // platform serves: skprint never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
                                       QStringLiteral("Render the first sheet to this PNG file (also printing when "
                                                      "--printer or --output is given)."),
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
    const QCommandLineOption mergeOption(
        QStringLiteral("merge"),
        QStringLiteral("Fill the labels' fields (${Column}) from this CSV file: one label per record in the selected "
                       "positions, on as many sheets as the records need."),
        QStringLiteral("csv"));
    const QCommandLineOption copiesOption(QStringLiteral("copies"),
                                          QStringLiteral("Labels per record with --merge (default 1)."),
                                          QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption textOption(QStringLiteral("text"),
                                        QStringLiteral("Show the label file as text: every object with its stored "
                                                       "properties, then the layout."));
    const QCommandLineOption resaveOption(QStringLiteral("resave"),
                                          QStringLiteral("Read the label file IN and write it again as OUT."));
    parser.addOptions({listOption, printerOption, pdfOption, pngOption, dpiOption, sheetsOption, positionsOption,
                       mergeOption, copiesOption, leaveOutOption, textOption, resaveOption});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The label file (.sk) to print."));
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    if (parser.isSet(listOption)) {
        for (const QString &entry : TRPDevice::ListPrinters())
            out() << entry << '\n';
        return Done;
    }
    const bool printing = parser.isSet(printerOption) || parser.isSet(pdfOption) || parser.isSet(pngOption)
                          || parser.isSet(sheetsOption) || parser.isSet(positionsOption) || parser.isSet(dpiOption)
                          || parser.isSet(mergeOption) || parser.isSet(copiesOption);
    if ((parser.isSet(textOption) || parser.isSet(resaveOption)) && printing)
        return fail(BadUsage, QStringLiteral("--text and --resave take no printing options"));

    try {
        if (parser.isSet(textOption)) {
            if (files.size() != 1)
                return fail(BadUsage, QStringLiteral("--text takes one label file"));
            SavedDesign check(files.first()); // the reader's verdict on the file
            QFile file(files.first());
            if (!file.open(QIODevice::ReadOnly))
                return fail(BadInput, QStringLiteral("Cannot open file %1: %2").arg(files.first(), file.errorString()));
            out() << LabelFileDumper::toText(file);
            return Done;
        }
        if (parser.isSet(resaveOption)) {
            if (files.size() != 2)
                return fail(BadUsage, QStringLiteral("--resave takes two label files, IN and OUT"));
            SavedDesign design(files.at(0));
            try {
                design.save(files.at(1));
            } catch (const std::exception &e) {
                return fail(NotWritten, QString::fromUtf8(e.what()));
            }
            return Done;
        }
    } catch (const std::exception &e) {
        return fail(BadInput, QString::fromUtf8(e.what()));
    }

    if (files.size() != 1)
        return fail(BadUsage, QStringLiteral("name one label file to print (see --help)"));
    bool ok = false;
    const int sheets = parser.value(sheetsOption).toInt(&ok);
    if (!ok || sheets < 1 || sheets > 9999)
        return fail(BadUsage, QStringLiteral("--sheets takes a number from 1 to 9999"));
    const int dpi = parser.value(dpiOption).toInt(&ok);
    if (!ok || dpi < 10 || dpi > 1200)
        return fail(BadUsage, QStringLiteral("--dpi takes a number from 10 to 1200"));
    if (parser.isSet(positionsOption) && parser.value(positionsOption).trimmed().isEmpty())
        return fail(BadUsage, QStringLiteral("--positions needs at least one position, e.g. 1,4-6"));
    if (parser.isSet(printerOption) && parser.isSet(pdfOption))
        return fail(BadUsage, QStringLiteral("choose either --printer or --output, not both"));
    const bool merging = parser.isSet(mergeOption);
    if (merging && parser.isSet(sheetsOption))
        return fail(BadUsage, QStringLiteral("--sheets does not go with --merge: the records decide the sheets"));
    if (!merging && parser.isSet(copiesOption))
        return fail(BadUsage, QStringLiteral("--copies goes with --merge"));
    const int copies = parser.value(copiesOption).toInt(&ok);
    if (!ok || copies < 1 || copies > 9999)
        return fail(BadUsage, QStringLiteral("--copies takes a number from 1 to 9999"));

    try {
        // The installation's fine tuning, as the program keeps it.
        IniFile ini(ProgramFolder::filePath(QStringLiteral("SK.INI")));
        PrinterFineTuning::current() = PrinterFineTuning::load(ini);

        std::unique_ptr<LabelFileJob> job;
        try {
            job = std::make_unique<LabelFileJob>(files.first());
        } catch (const std::exception &e) {
            return fail(BadInput, QString::fromUtf8(e.what()));
        }
        PrintRequest request = job->makeRequest();
        request.sheets = sheets;
        QString error;
        if (!LabelFileJob::parsePositions(parser.value(positionsOption), request, &error))
            return fail(BadUsage, error);
        if (!request.anySelected())
            return fail(BadUsage, QStringLiteral("Need at least one label selected"));

        if (merging) {
            request.dataFile = parser.value(mergeOption);
            request.copiesPerRecord = copies;
            const MergeCheck merge(job->panel(), request.dataFile);
            if (merge.failed())
                return fail(BadInput, merge.error());
            request.records = merge.dataFile().records;
            if (!merge.unknownFields().isEmpty())
                err() << "skprint: warning: " << merge.unknownFieldsWarning() << '\n';
            if (!merge.printable()) {
                for (const QString &problem : merge.problems())
                    err() << "skprint: " << problem << '\n';
                if (!parser.isSet(leaveOutOption)) {
                    err() << "skprint: nothing printed (--leave-out-unprintable prints the labels without these "
                             "objects where they cannot be printed)\n";
                    return Unprintable;
                }
            }
        }
        PrintCheck check(job->panel());
        if (!merging && !check.ok()) {
            for (const QString &problem : check.problems())
                err() << "skprint: " << problem << '\n';
            if (!parser.isSet(leaveOutOption)) {
                err() << "skprint: nothing printed (--leave-out-unprintable prints without these objects)\n";
                return Unprintable;
            }
            check.leaveOut();
        }

        std::unique_ptr<Output> png, pdf;
        if (parser.isSet(pngOption))
            png = std::make_unique<Output>(parser.value(pngOption));
        if (parser.isSet(pdfOption))
            pdf = std::make_unique<Output>(parser.value(pdfOption));
        for (Output *o : {png.get(), pdf.get()}) {
            if (!o)
                continue;
            const QString why = o->prepare();
            if (!why.isEmpty())
                return fail(NotWritten, QStringLiteral("cannot write %1: %2").arg(o->path(), why));
        }

        // What the run prints: sheets and labels.
        const auto labelsOf = [](const PrintRequest &r) {
            return r.merging() ? int(r.mergedLabels()) : r.sheets * r.selectedCount();
        };
        const auto sheetsOf = [](const PrintRequest &r) { return r.merging() ? r.mergedSheets() : r.sheets; };
        PrintRequest first = request;
        first.sheets = 1;
        first.maxSheets = 1;
        if (png) {
            TImageReport report(dpi, dpi);
            job->print(first, report);
            if (report.PageImageCount() < 1 || !report.PageImage(0).save(png->path(), "PNG") || !png->written())
                return fail(NotWritten, QStringLiteral("cannot write %1").arg(png->path()));
            if (!pdf && !parser.isSet(printerOption)) {
                png->keep();
                out() << "Wrote " << amount(1, labelsOf(first)) << " to " << png->path() << Qt::endl;
                return Done;
            }
        }

        TReportPrinter report;
        if (pdf) {
            report.setPrinterIndex(report.PrinterDevice().PdfPrinterIndex());
            report.PrinterDevice().setOutputFileName(pdf->path());
        } else if (parser.isSet(printerOption)) {
            const int index = selectPrinter(report, parser.value(printerOption));
            if (index < 0)
                return fail(NotWritten, QStringLiteral("no printer named %1 (skprint --list-printers shows them)")
                                            .arg(parser.value(printerOption)));
            report.setPrinterIndex(index);
        }
        if (report.PrinterDevice().isPdfPrinter() && report.PrinterDevice().OutputFileName().isEmpty())
            return fail(NotWritten, QStringLiteral("there is no printer; use --output FILE to write a PDF file"));
        job->print(request, report);
        const QString total = amount(sheetsOf(request), labelsOf(request));
        if (report.Aborted())
            return fail(NotWritten, QStringLiteral("printing was cancelled"));
        if (pdf && !pdf->written())
            return fail(NotWritten, QStringLiteral("cannot write %1").arg(pdf->path()));
        if (png) {
            png->keep();
            out() << "Wrote " << amount(1, labelsOf(first)) << " to " << png->path() << Qt::endl;
        }
        if (pdf) {
            pdf->keep();
            out() << "Wrote " << total << " to " << pdf->path() << Qt::endl;
        } else {
            out() << "Sent " << total << " to " << report.PrinterDevice().deviceName() << Qt::endl;
        }
        return Done;
    } catch (const std::exception &e) {
        return fail(NotWritten, QString::fromUtf8(e.what()));
    }
}
