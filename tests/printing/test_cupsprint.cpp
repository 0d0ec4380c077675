// Printing through a real CUPS server: the test starts its own cupsd with a
// private configuration, spool and port, adds a queue whose back end copies
// each job unchanged into a folder, prints a design on it with
// skprint --printer, and reads the job: its pages, their size and where the
// text stands.
#include "PdfWords.h"
#include "ProgramRun.h"
#include "TextDesign.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace sw;
using sw::test::PdfWord;
using sw::test::runProgram;

namespace {

const char *const kCupsd = "/usr/sbin/cupsd";
const char *const kQueue = "StickwellTest";

bool write(const QString &file, const QString &text)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0;
}

int freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// A CUPS server of the test's own, stopped by its process id when the
// test ends whatever happened.
class PrivateCups
{
public:
    PrivateCups()
        : mRoot(mDir.path())
    {
    }
    ~PrivateCups()
    {
        if (mServer.state() != QProcess::NotRunning) {
            mServer.terminate(); // SIGTERM to the server's process id
            if (!mServer.waitForFinished(10000))
                mServer.kill();
        }
    }

    // Empty when the server runs and has the copying queue.
    QString start()
    {
        for (const char *folder : {"conf", "spool/tmp", "cache", "state", "log", "bin/backend", "jobs"})
            QDir().mkpath(path(folder));
        // The server's helpers come from the system; the back ends are ours.
        for (const char *helper : {"cgi-bin", "daemon", "driver", "filter", "monitor", "notifier"})
            QFile::link(QStringLiteral("/usr/lib/cups/") + helper, path("bin/") + helper);
        // 0700: the server runs a back end only this private as root.
        const QString backend = path("bin/backend/stickwellcopy");
        QFile::copy(QStringLiteral(BACKEND_SCRIPT), backend);
        QFile::setPermissions(backend, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        mPort = freePort();
        write(path("cupsd.conf"), QStringLiteral("Listen 127.0.0.1:%1\nLogLevel warn\nBrowsing Off\nWebInterface No\n"
                                                 "DefaultAuthType None\n"
                                                 "<Policy default>\n<Limit All>\nOrder deny,allow\nAllow all\n</Limit>\n"
                                                 "</Policy>\n<Location />\nOrder deny,allow\nAllow all\n</Location>\n")
                                      .arg(mPort));
        QString files;
        for (const auto &[key, folder] : {std::pair{"ServerRoot", "conf"}, {"RequestRoot", "spool"},
                                          {"TempDir", "spool/tmp"}, {"CacheDir", "cache"}, {"StateDir", "state"},
                                          {"ServerBin", "bin"}, {"ErrorLog", "log/error_log"},
                                          {"AccessLog", "log/access_log"}, {"PageLog", "log/page_log"}})
            files += QStringLiteral("%1 %2\n").arg(QLatin1String(key), path(folder));
        write(path("cups-files.conf"), files + QStringLiteral("SystemGroup root\n"));

        mServer.setProcessChannelMode(QProcess::MergedChannels);
        mServer.start(QString::fromLatin1(kCupsd),
                      {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
        QElapsedTimer waited;
        waited.start();
        while (runProgram("lpstat", {"-h", host(), "-r"}).out.trimmed() != "scheduler is running") {
            if (mServer.state() == QProcess::NotRunning || waited.elapsed() > 20000)
                return QStringLiteral("cupsd did not start: ") + QString::fromUtf8(mServer.readAll()) + log();
            QThread::msleep(100);
        }
        const auto added = runProgram("lpadmin", {"-h", host(), "-p", kQueue, "-E", "-v",
                                             "stickwellcopy:" + path("jobs"), "-m", "raw"});
        return added.status == 0 ? QString() : QStringLiteral("lpadmin failed: ") + added.err;
    }

    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(mPort); }
    QString path(const char *name) const { return mRoot + QLatin1Char('/') + QLatin1String(name); }
    QString log() const
    {
        QFile f(path("log/error_log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    // The jobs the back end received, once the queue is idle again.
    QStringList finishedJobs()
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30000) {
            const QStringList jobs = QDir(path("jobs")).entryList({"job-*"}, QDir::Files);
            if (!jobs.isEmpty() && runProgram("lpstat", {"-h", host(), "-o", kQueue}).out.trimmed().isEmpty())
                return jobs;
            QThread::msleep(200);
        }
        return {};
    }

private:
    QTemporaryDir mDir;
    QString mRoot;
    int mPort = 0;
    QProcess mServer;
};

} // namespace

TEST(CupsPrinting, AJobReachesTheQueueWithItsPagesSizeAndTextWhereTheLayoutPutsIt)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "needs root: the test starts its own CUPS server, which runs its back ends as root";
    for (const char *tool : {kCupsd, "lpadmin", "lpstat", "pdftotext", "pdfinfo"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty() && !QFile::exists(QLatin1String(tool)))
            GTEST_SKIP() << tool << " is not installed (cups-daemon, cups-client, poppler-utils)";

    PrivateCups cups;
    const QString problem = cups.start();
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();

    QTemporaryDir dir;
    const QString design = dir.filePath("design.sk");
    sw::test::writeTextDesign(design, QStringLiteral("Parcel"), QRect(24, 12, 120, 24), 12);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CUPS_SERVER", cups.host());
    const auto printed = runProgram(QStringLiteral(SKPRINT_PATH),
                               {"--printer", kQueue, design, "--sheets", "2", "--positions", "1,5"}, env);
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString() << cups.log().toStdString();
    EXPECT_EQ(printed.out.trimmed(), QStringLiteral("Sent 2 sheets (4 labels) to ") + kQueue);

    const QStringList jobs = cups.finishedJobs();
    ASSERT_EQ(jobs.size(), 1) << cups.log().toStdString();
    const QString job = cups.path("jobs") + QLatin1Char('/') + jobs.first();
    const auto info = runProgram("pdfinfo", {job});
    EXPECT_TRUE(info.out.contains(QRegularExpression("Pages: +2\\n"))) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(QRegularExpression("Page size: +612 x 792 pts"))) << info.out.toStdString();

    // Position 1 is column 0, row 0; position 5 is column 1, row 1 of the
    // 3 x 10 sheet. Through the working copy the layout is single precision.
    const QList<PdfWord> words = sw::test::pdfWords(job);
    ASSERT_EQ(words.size(), 4);
    const double left = double(0.188f) * 72, top = 0.5 * 72;
    const double pitchX = double(2.765f) * 72, pitchY = double(1.01f) * 72;
    for (int page = 1; page <= 2; ++page) {
        const PdfWord &first = words[2 * (page - 1)];
        const PdfWord &fifth = words[2 * (page - 1) + 1];
        EXPECT_EQ(first.page, page);
        EXPECT_EQ(fifth.page, page);
        EXPECT_EQ(first.text, "Parcel");
        // The object's corner, 24 x 12 px = 18 x 9 pt into the label; the
        // text's own side bearing and ascent add a little.
        EXPECT_GT(first.x - left, 18 - 1);
        EXPECT_LT(first.x - left, 18 + 4);
        EXPECT_GT(first.y - top, 9 - 1);
        EXPECT_LT(first.y - top, 9 + 6);
        EXPECT_NEAR(fifth.x - first.x, pitchX, 0.3);
        EXPECT_NEAR(fifth.y - first.y, pitchY, 0.3);
    }
}
