// Checking that an output file can be written leaves no trace.
#include "platform/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using sw::OutputFile;

TEST(OutputFile, TellsWhyAndLeavesNoTrace)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("old.pdf"));
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("%PDF-1.4 kept");
    }
    EXPECT_EQ(OutputFile::problem(existing), QString());
    QFile kept(existing);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "%PDF-1.4 kept");

    // A new file is made to find out, and removed again.
    EXPECT_EQ(OutputFile::problem(dir.filePath(QStringLiteral("new.pdf"))), QString());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.pdf"});

    EXPECT_EQ(OutputFile::problem(dir.filePath(QStringLiteral("missing/x.pdf"))), "No such file or directory");
    EXPECT_EQ(OutputFile::problem(dir.path()), "Is a directory");
    EXPECT_EQ(OutputFile::problem(QString()), "No file name");
}
