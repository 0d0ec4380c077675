// skprint: prints a label file without opening a window, to any printer the
// system offers or to a PDF file, or renders the first sheet to a PNG; and
// shows a label file as text or saves it again; or prints the printer test
// sheet of a layout.
#include "persistence/LabelFileDumper.h"
#include "platform/IniFile.h"
#include "platform/OutputFile.h"
#include "platform/ProgramFolder.h"
#include "printing/LabelFileJob.h"
#include "printing/MergeCheck.h"
#include "printing/PrintCheck.h"
#include "printing/StartLayout.h"
#include "printing/TestSheet.h"
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
#include <algorithm>
#include <exception>
#include <functional>

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

// An output file the user asked for. It is checked before any work is done,
// so that a path that cannot be written is reported at once (without
// touching an existing file's contents). A file the run makes is removed
// again unless the whole run succeeds: all outputs or none.
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
        mCreated = !QFileInfo::exists(mPath);
        return OutputFile::problem(mPath);
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

// Where a run goes: the first sheet to a PNG, the whole run to a PDF file
// or a printer (the system's default without either).
struct Destinations
{
    QString png;
    QString pdf;
    QString printer;
    int dpi = 150;
};

// Runs `print` on every destination. `print(report, firstSheetOnly)` prints
// the job on the report; `sheets` and `labels` count what one run prints,
// `firstSheetLabels` what its first sheet holds, `what` names it in the
// closing line (empty: the sheets and labels).
int printOn(const Destinations &to, const std::function<void(TBaseReport &, bool)> &print, int sheets, int labels,
            int firstSheetLabels, const QString &what = QString())
{
    const auto done = [&what](int sheetCount, int labelCount) {
        return what.isEmpty() ? amount(sheetCount, labelCount) : what;
    };
    std::unique_ptr<Output> png, pdf;
    if (!to.png.isEmpty())
        png = std::make_unique<Output>(to.png);
    if (!to.pdf.isEmpty())
        pdf = std::make_unique<Output>(to.pdf);
    for (Output *o : {png.get(), pdf.get()}) {
        if (!o)
            continue;
        const QString why = o->prepare();
        if (!why.isEmpty())
            return fail(NotWritten, QStringLiteral("cannot write %1: %2").arg(o->path(), why));
    }

    if (png) {
        TImageReport report(to.dpi, to.dpi);
        print(report, true);
        if (report.PageImageCount() < 1 || !report.PageImage(0).save(png->path(), "PNG") || !png->written())
            return fail(NotWritten, QStringLiteral("cannot write %1").arg(png->path()));
        if (!pdf && to.printer.isEmpty()) {
            png->keep();
            out() << "Wrote " << done(1, firstSheetLabels) << " to " << png->path() << Qt::endl;
            return Done;
        }
    }

    TReportPrinter report;
    if (pdf) {
        report.setPrinterIndex(report.PrinterDevice().PdfPrinterIndex());
        report.PrinterDevice().setOutputFileName(pdf->path());
    } else if (!to.printer.isEmpty()) {
        const int index = selectPrinter(report, to.printer);
        if (index < 0)
            return fail(NotWritten,
                        QStringLiteral("no printer named %1 (skprint --list-printers shows them)").arg(to.printer));
        report.setPrinterIndex(index);
    }
    if (report.PrinterDevice().isPdfPrinter() && report.PrinterDevice().OutputFileName().isEmpty())
        return fail(NotWritten, QStringLiteral("there is no printer; use --output FILE to write a PDF file"));
    print(report, false);
    if (report.Aborted())
        return fail(NotWritten, QStringLiteral("printing was cancelled"));
    if (pdf && !pdf->written())
        return fail(NotWritten, QStringLiteral("cannot write %1").arg(pdf->path()));
    if (png) {
        png->keep();
        out() << "Wrote " << done(1, firstSheetLabels) << " to " << png->path() << Qt::endl;
    }
    if (pdf) {
        pdf->keep();
        out() << "Wrote " << done(sheets, labels) << " to " << pdf->path() << Qt::endl;
    } else {
        out() << "Sent " << done(sheets, labels) << " to " << report.PrinterDevice().deviceName() << Qt::endl;
    }
    return Done;
}

// The printer test sheet of a label file's layout, or of the layout the
// program starts with when no file is named.
int printTestSheet(const QStringList &files, const Destinations &to)
{
    try {
        IniFile ini(ProgramFolder::filePath(QStringLiteral("SK.INI")));
        PrinterFineTuning::current() = PrinterFineTuning::load(ini);
        TLabelLayout layout;
        if (files.isEmpty()) {
            layout = StartLayout::read(ini);
        } else {
            try {
                layout = LabelFileJob(files.first()).layout();
            } catch (const std::exception &e) {
                return fail(BadInput, QString::fromUtf8(e.what()));
            }
        }
        const TestSheet sheet(layout, PrinterFineTuning::current());
        const QString what = QStringLiteral("a test sheet of %1 (%2 labels)")
                                 .arg(layout.LayoutName.trimmed().isEmpty() ? QStringLiteral("the layout")
                                                                             : layout.LayoutName.trimmed())
                                 .arg(sheet.positionCount());
        return printOn(to, [&sheet](TBaseReport &report, bool) { sheet.print(report); }, 1, sheet.positionCount(),
                       sheet.positionCount(), what);
    } catch (const std::exception &e) {
        return fail(NotWritten, QString::fromUtf8(e.what()));
    }
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
    const QCommandLineOption testSheetOption(
        QStringLiteral("test-sheet"),
        QStringLiteral("Print the printer test sheet instead of a design: every label's outline and the scales "
                       "that measure the printer's fine tuning, on the label file's layout or, without a file, "
                       "on the layout the program starts with."));
    parser.addOptions({listOption, printerOption, pdfOption, pngOption, dpiOption, sheetsOption, positionsOption,
                       mergeOption, copiesOption, leaveOutOption, textOption, resaveOption, testSheetOption});
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
                          || parser.isSet(mergeOption) || parser.isSet(copiesOption) || parser.isSet(testSheetOption);
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

    const bool testSheet = parser.isSet(testSheetOption);
    if (testSheet && files.size() > 1)
        return fail(BadUsage, QStringLiteral("--test-sheet takes at most one label file, whose layout it prints"));
    if (testSheet
        && (parser.isSet(sheetsOption) || parser.isSet(positionsOption) || parser.isSet(leaveOutOption)
            || parser.isSet(mergeOption) || parser.isSet(copiesOption)))
        return fail(BadUsage, QStringLiteral("--test-sheet prints one whole sheet: no --sheets, --positions, "
                                             "--merge, --copies or --leave-out-unprintable"));
    if (!testSheet && files.size() != 1)
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
    Destinations to;
    to.png = parser.value(pngOption);
    to.pdf = parser.value(pdfOption);
    to.printer = parser.value(printerOption);
    to.dpi = dpi;
    if (testSheet)
        return printTestSheet(files, to);

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

        // A merged run's first sheet holds fewer labels than a full one
        // when the records run out on it.
        const int labels = request.merging() ? int(request.mergedLabels()) : request.sheets * request.selectedCount();
        const int sheetCount = request.merging() ? request.mergedSheets() : request.sheets;
        return printOn(
            to,
            [&](TBaseReport &report, bool firstSheetOnly) {
                PrintRequest run = request;
                if (firstSheetOnly) {
                    run.sheets = 1;
                    run.maxSheets = 1;
                }
                job->print(run, report);
            },
            sheetCount, labels, std::min(labels, request.selectedCount()));
    } catch (const std::exception &e) {
        return fail(NotWritten, QString::fromUtf8(e.what()));
    }
}
