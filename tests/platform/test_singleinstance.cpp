#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QUuid>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kHandedOver = 2; // the probe's exit code as a later start

// A key no other run of this test (or the real program) shares.
QString uniqueKey()
{
    return QStringLiteral("swprobe_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

std::unique_ptr<QProcess> startProbe(const QString &key, const QStringList &files = {},
                                     const QString &folder = QString())
{
    auto probe = std::make_unique<QProcess>();
    probe->setProgram(QStringLiteral(SW_PROBE_PATH));
    probe->setArguments(QStringList{key} + files);
    probe->setWorkingDirectory(folder);
    probe->start();
    return probe;
}

// Waits until the probe printed `line`; false on timeout or exit.
bool waitForLine(QProcess &probe, const QByteArray &line, int timeoutMs = 10000)
{
    QByteArray seen;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        seen += probe.readAllStandardOutput();
        if (seen.split('\n').contains(line))
            return true;
        if (probe.state() == QProcess::NotRunning && probe.bytesAvailable() == 0)
            return false;
        probe.waitForReadyRead(100);
    }
    return false;
}

void stop(QProcess &probe)
{
    if (probe.state() != QProcess::NotRunning) {
        probe.kill();
        probe.waitForFinished(5000);
    }
}

TEST(SingleInstance, SecondStartHandsOverToTheFirst)
{
    const QString key = uniqueKey();
    auto first = startProbe(key);
    ASSERT_TRUE(waitForLine(*first, "ready"));

    auto second = startProbe(key);
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), kHandedOver);
    EXPECT_TRUE(second->readAllStandardOutput().isEmpty()); // never became an instance

    EXPECT_TRUE(waitForLine(*first, "activated"));
    EXPECT_TRUE(first->waitForFinished(5000));
    EXPECT_EQ(first->exitCode(), 0);
    stop(*first);
}

TEST(SingleInstance, FilesGivenToALaterStartOpenInTheFirst)
{
    const QString key = uniqueKey();
    auto first = startProbe(key);
    ASSERT_TRUE(waitForLine(*first, "ready"));

    // Relative names are taken in the later start's folder; any character
    // a file name may hold travels.
    const QString folder = QDir::tempPath();
    auto second = startProbe(key, {"label one.sk", "/srv/labels/Étiquette 100%.sk", "a\\b%20c.SK"}, folder);
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), kHandedOver);

    // The first instance ends after the activation that follows the files.
    ASSERT_TRUE(first->waitForFinished(10000));
    const QStringList lines = QString::fromUtf8(first->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines, QStringList({"open " + QDir(folder).filePath("label one.sk"),
                                  QStringLiteral("open /srv/labels/Étiquette 100%.sk"),
                                  "open " + QDir(folder).filePath("a\\b%20c.SK"), "activated"}))
        << lines.join(" | ").toStdString();
    stop(*first);
}

TEST(SingleInstance, LockOfAKilledInstanceDoesNotBlockTheNext)
{
    const QString key = uniqueKey();
    auto killed = startProbe(key);
    ASSERT_TRUE(waitForLine(*killed, "ready"));
    killed->kill(); // SIGKILL: no clean-up of lock file or socket
    ASSERT_TRUE(killed->waitForFinished(5000));

    auto next = startProbe(key);
    ASSERT_TRUE(waitForLine(*next, "ready")) << "the stale lock blocked a new first instance";

    // And the new first instance answers later starts.
    auto later = startProbe(key);
    ASSERT_TRUE(later->waitForFinished(10000));
    EXPECT_EQ(later->exitCode(), kHandedOver);
    EXPECT_TRUE(waitForLine(*next, "activated"));
    EXPECT_TRUE(next->waitForFinished(5000)); // a clean exit removes lock and socket
    stop(*next);
}

TEST(SingleInstance, WithinOneProcessTheSecondGuardHandsOver)
{
    const QString key = uniqueKey();
    sw::SingleInstance first(key);
    ASSERT_TRUE(first.tryToRun());
    EXPECT_TRUE(first.isFirst());
    EXPECT_TRUE(first.serverName().contains(key));
    QSignalSpy activations(&first, &sw::SingleInstance::activationRequested);

    {
        sw::SingleInstance second(key);
        EXPECT_FALSE(second.tryToRun());
        EXPECT_FALSE(second.isFirst());
    }
    EXPECT_TRUE(activations.wait(5000));
    EXPECT_EQ(activations.count(), 1);
}

TEST(SingleInstance, EndedInstanceFreesItsPlace)
{
    const QString key = uniqueKey();
    QString lockPath;
    {
        sw::SingleInstance first(key);
        ASSERT_TRUE(first.tryToRun());
        lockPath = first.lockFilePath();
        EXPECT_TRUE(QFileInfo::exists(lockPath));
    }
    EXPECT_FALSE(QFileInfo::exists(lockPath));
    sw::SingleInstance next(key);
    EXPECT_TRUE(next.tryToRun());
}

} // namespace
