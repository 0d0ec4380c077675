// Printing speed: the command-line printer writes four typical designs to
// PDF at 1, 10, 100 and 1000 sheets of a 3 x 10 Letter address stock from
// the catalogue, each run a separate process as a user runs it. For every
// job and sheet count it shows the median wall time, peak memory and PDF
// size of the runs, then one summary line per job against its goal.
//
// Other exporters run side by side, interleaved run by run so that the load
// of the machine falls on all alike:
//   --against NAME=COMMAND   a shell command with {job} (a..d), {design}
//                            (our label file of the job), {sheets}, {labels}
//                            and {out} (the PDF to write) filled in; another
//                            build of skprint is simply
//                            --against old="old/skprint {design} -o {out} --sheets {sheets}"
#include "BenchRun.h"
#include "PrintJobs.h"

#include "persistence/TemplateFile.h"
#include "platform/ProgramFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>
#include <map>

using namespace sw;
using namespace sw::bench;

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

const QString StockName = QStringLiteral("Avery 5160 Address");

// The stock from the catalogue the program ships.
TLabelLayout catalogueStock()
{
    const TemplateLoadResult loaded = loadTemplates(ProgramFolder::filePath(QStringLiteral("SKTPL.dat")), 1000);
    for (const TLabelLayout &l : loaded.layouts)
        if (l.LayoutName.trimmed() == StockName)
            return l;
    throw std::runtime_error("the catalogue has no " + StockName.toStdString());
}

struct Exporter
{
    QString name;
    QString command; // empty: our skprint, run directly
};

struct Figures
{
    double seconds = 0, cpu = 0, peakMB = 0, pdfKB = 0, load = 0;
    bool failed = false;
};

QString fill(QString command, const PrintJob &job, const QString &design, int sheets, int labels, const QString &pdf)
{
    return command.replace(QStringLiteral("{job}"), QString(QChar(job.id)))
        .replace(QStringLiteral("{design}"), design)
        .replace(QStringLiteral("{sheets}"), QString::number(sheets))
        .replace(QStringLiteral("{labels}"), QString::number(labels))
        .replace(QStringLiteral("{out}"), pdf);
}

QString mb(double v)
{
    return QString::number(v, 'f', 1);
}

} // namespace

int main(int argc, char **argv)
{
    prepareOffscreen();
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times skprint on four designs at several sheet counts."));
    parser.addHelpOption();
    const QCommandLineOption sheetsOption(QStringLiteral("sheets"), QStringLiteral("Sheet counts (default 1,10,100,1000)."),
                                          QStringLiteral("list"), QStringLiteral("1,10,100,1000"));
    const QCommandLineOption jobsOption(QStringLiteral("jobs"), QStringLiteral("Jobs to run (default abcd)."),
                                        QStringLiteral("letters"), QStringLiteral("abcd"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs of each (default 3)."),
                                        QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption skprintOption(QStringLiteral("skprint"),
                                           QStringLiteral("The skprint to time (default: the one beside this program)."),
                                           QStringLiteral("path"));
    const QCommandLineOption againstOption(QStringLiteral("against"),
                                           QStringLiteral("Another exporter, run side by side: NAME=COMMAND with "
                                                          "{job} {design} {sheets} {labels} {out}."),
                                           QStringLiteral("name=command"));
    const QCommandLineOption keepOption(QStringLiteral("keep"),
                                        QStringLiteral("Keep the designs and PDF files in this folder."),
                                        QStringLiteral("folder"));
    parser.addOptions({sheetsOption, jobsOption, runsOption, skprintOption, againstOption, keepOption});
    parser.process(app);

    const QString skprint = parser.isSet(skprintOption)
        ? parser.value(skprintOption)
        : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("skprint"));
    std::vector<int> sheetCounts;
    for (const QString &s : parser.value(sheetsOption).split(QLatin1Char(',')))
        if (s.toInt() > 0)
            sheetCounts.push_back(s.toInt());
    const int runs = std::max(1, parser.value(runsOption).toInt());
    std::vector<Exporter> exporters = {{QStringLiteral("skprint"), QString()}};
    for (const QString &a : parser.values(againstOption)) {
        const int eq = int(a.indexOf(QLatin1Char('=')));
        if (eq <= 0) {
            out() << "--against takes NAME=COMMAND\n";
            return 1;
        }
        exporters.push_back({a.left(eq), a.mid(eq + 1)});
    }

    QTemporaryDir temporary;
    const QDir dir(parser.isSet(keepOption) ? parser.value(keepOption) : temporary.path());
    dir.mkpath(QStringLiteral("."));
    TLabelLayout stock;
    try {
        stock = catalogueStock();
    } catch (const std::exception &e) {
        out() << e.what() << '\n';
        return 1;
    }

    out() << "skprint to PDF, " << StockName << " (3 x 10, Letter); median of " << runs
          << " runs; load = 1-minute load average\n\n";
    out() << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
                 .arg(QStringLiteral("job"), -4)
                 .arg(QStringLiteral("sheets"), 6)
                 .arg(QStringLiteral("exporter"), -10)
                 .arg(QStringLiteral("time s"), 8)
                 .arg(QStringLiteral("cpu s"), 7)
                 .arg(QStringLiteral("peak MB"), 8)
                 .arg(QStringLiteral("PDF KB"), 9)
                 .arg(QStringLiteral("load"), 5);
    out().flush();

    // Figures by job, exporter and sheet count.
    std::map<char, std::map<QString, std::map<int, Figures>>> results;
    const QString wanted = parser.value(jobsOption);
    for (const PrintJob &job : printJobs()) {
        if (!wanted.contains(QLatin1Char(job.id)))
            continue;
        const QString design = dir.filePath(QStringLiteral("job-%1.sk").arg(job.id));
        writePrintJob(job, stock, design);
        for (int sheets : sheetCounts) {
            const int labels = sheets * stock.NumAcross * stock.NumDown;
            std::map<QString, std::vector<double>> times, cpus, peaks, loads;
            std::map<QString, Figures> figures;
            for (int run = 0; run < runs; ++run) {
                for (const Exporter &e : exporters) {
                    const QString pdf = dir.filePath(QStringLiteral("job-%1-%2-%3.pdf").arg(job.id).arg(sheets).arg(e.name));
                    QFile::remove(pdf);
                    loads[e.name].push_back(loadAverage());
                    const ChildRun r = e.command.isEmpty()
                        ? runChild(skprint, {design, QStringLiteral("-o"), pdf, QStringLiteral("--sheets"),
                                             QString::number(sheets)})
                        : runChild(QStringLiteral("/bin/sh"),
                                   {QStringLiteral("-c"), fill(e.command, job, design, sheets, labels, pdf)});
                    Figures &f = figures[e.name];
                    if (r.exitStatus != 0 || !QFileInfo::exists(pdf))
                        f.failed = true;
                    times[e.name].push_back(r.seconds);
                    cpus[e.name].push_back(r.cpuSeconds);
                    peaks[e.name].push_back(r.peakMB);
                    f.pdfKB = double(QFileInfo(pdf).size()) / 1024.0;
                }
            }
            for (const Exporter &e : exporters) {
                Figures &f = figures[e.name];
                f.seconds = median(times[e.name]);
                f.cpu = median(cpus[e.name]);
                f.peakMB = median(peaks[e.name]);
                f.load = median(loads[e.name]);
                results[job.id][e.name][sheets] = f;
                out() << QStringLiteral("(%1) %2 %3 %4 %5 %6 %7 %8%9\n")
                             .arg(QChar(job.id))
                             .arg(sheets, 6)
                             .arg(e.name, -10)
                             .arg(f.seconds, 8, 'f', 3)
                             .arg(f.cpu, 7, 'f', 3)
                             .arg(f.peakMB, 8, 'f', 1)
                             .arg(f.pdfKB, 9, 'f', 0)
                             .arg(f.load, 5, 'f', 2)
                             .arg(f.failed ? QStringLiteral("  FAILED") : QString());
                out().flush();
            }
        }
    }

    out() << "\nSummary (skprint)\n";
    for (const PrintJob &job : printJobs()) {
        if (!results.count(job.id))
            continue;
        const auto &ours = results[job.id][exporters.front().name];
        out() << "(" << QChar(job.id) << ") " << job.what << ":";
        if (ours.count(1)) {
            const Figures &one = ours.at(1);
            out() << " one sheet " << QString::number(one.seconds, 'f', 3) << " s (goal 0.050: "
                  << (one.seconds <= 0.05 ? "met" : "missed") << ");";
        }
        if (ours.count(1000)) {
            const Figures &big = ours.at(1000);
            out() << " 1000 sheets " << QString::number(big.seconds, 'f', 3) << " s (goal "
                  << QString::number(job.goalSeconds, 'f', 2) << ": " << (big.seconds <= job.goalSeconds ? "met" : "missed")
                  << "), cpu " << QString::number(big.cpu, 'f', 3) << " s, " << mb(big.peakMB) << " MB, PDF " << mb(big.pdfKB / 1024) << " MB, load "
                  << QString::number(big.load, 'f', 2);
            if (ours.count(10)) {
                const double flat = big.peakMB / ours.at(10).peakMB;
                out() << "; memory 1000/10 sheets x" << QString::number(flat, 'f', 2) << " ("
                      << (flat <= 1.1 ? "flat" : "grows") << ")";
            }
            for (size_t i = 1; i < exporters.size(); ++i) {
                const auto &theirs = results[job.id][exporters[i].name];
                if (theirs.count(1000) && theirs.at(1000).seconds > 0)
                    out() << "; " << exporters[i].name << " "
                          << QString::number(theirs.at(1000).seconds, 'f', 3) << " s, ours x"
                          << QString::number(big.seconds / theirs.at(1000).seconds, 'f', 2);
            }
        }
        out() << '\n';
    }
    return 0;
}
