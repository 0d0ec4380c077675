// A save killed at any moment leaves the previous label file whole: a
// helper process saves two designs in turn over one file and is killed
// (SIGKILL) at random moments; every time the file must hold one of the two
// designs completely and read back.
#include "objects/TGGraphicControl.h"
#include "persistence/ClassRegistry.h"
#include "persistence/TGLabelObjectFiler.h"
#include "surface/TGStickwellPanel32.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace sw;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool runOnce(const QString &design, const QString &file)
{
    QProcess probe;
    probe.start(QStringLiteral(SW_SAVE_PROBE_PATH), {QStringLiteral("once"), design, file});
    return probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

} // namespace

TEST(SaveCrash, AKilledSaveLeavesThePreviousFileWholeAndReadable)
{
    RegisterClass<TGGraphicControl>();
    QTemporaryDir dir;
    const QString refA = dir.filePath(QStringLiteral("a.ref"));
    const QString refB = dir.filePath(QStringLiteral("b.ref"));
    ASSERT_TRUE(runOnce(QStringLiteral("A"), refA));
    ASSERT_TRUE(runOnce(QStringLiteral("B"), refB));
    const QByteArray a = readAll(refA), b = readAll(refB);
    ASSERT_GT(a.size(), 100000);
    ASSERT_NE(a, b);

    QDir work(dir.filePath(QStringLiteral("work")));
    ASSERT_TRUE(work.mkpath(QStringLiteral(".")));
    const QString design = work.filePath(QStringLiteral("design.sk"));
    ASSERT_TRUE(QFile::copy(refA, design));

    QRandomGenerator random(20240613);
    int sawA = 0, sawB = 0;
    constexpr int kKills = 40;
    for (int i = 0; i < kKills; ++i) {
        SCOPED_TRACE(i);
        QProcess probe;
        probe.start(QStringLiteral(SW_SAVE_PROBE_PATH), {QStringLiteral("loop"), design});
        ASSERT_TRUE(probe.waitForStarted());
        // Most kills land in the saving loop; some while the first save,
        // over the previous file, is under way.
        if (i % 4 != 0) {
            ASSERT_TRUE(probe.waitForReadyRead(30000));
            QThread::usleep(random.bounded(20000));
        } else {
            QThread::usleep(random.bounded(30000, 120000));
        }
        probe.kill();
        ASSERT_TRUE(probe.waitForFinished(30000));

        const QByteArray now = readAll(design);
        ASSERT_TRUE(now == a || now == b) << "a killed save left " << now.size() << " bytes";
        (now == a ? sawA : sawB)++;

        TGStickwellPanel32 panel;
        TLabelLayout layout;
        ASSERT_NO_THROW(TGLabelObjectFiler().ReadLabelFile(panel, layout, design));
        EXPECT_EQ(panel.labelObjects().size(), 200);
        EXPECT_EQ(layout.LayoutName, now == a ? QStringLiteral("Design 1") : QStringLiteral("Design 2"));
    }
    // The kills met both designs on disk: the loop really was saving.
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
}
