#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using sw::ProgramFolder;

namespace {

class ProgramFolderTest : public ::testing::Test
{
protected:
    void SetUp() override { ProgramFolder::setPath(mDir.path()); }
    void TearDown() override { ProgramFolder::setPath(QString()); }

    QString inDir(const QString &name) const { return mDir.filePath(name); }

    void create(const QString &name, const QByteArray &contents)
    {
        QFile file(inDir(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QStringList files() const { return QDir(mDir.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir mDir;
};

TEST_F(ProgramFolderTest, PathEndsInSeparator)
{
    EXPECT_EQ(ProgramFolder::path(), mDir.path() + "/");
    EXPECT_EQ(ProgramFolder::path() + "SK.HLP", inDir("SK.HLP"));
}

TEST_F(ProgramFolderTest, FileNamesMatchIgnoringCase)
{
    EXPECT_EQ(ProgramFolder::filePath("SK.INI"), inDir("SK.INI")); // new file: as asked
    create("sk.ini", "x");
    EXPECT_EQ(ProgramFolder::filePath("SK.INI"), inDir("sk.ini"));
    EXPECT_EQ(ProgramFolder::filePath("Sk.Ini"), inDir("sk.ini"));
    // When several spellings exist, the one asked for wins.
    create("SK.INI", "y");
    EXPECT_EQ(ProgramFolder::filePath("SK.INI"), inDir("SK.INI"));
    EXPECT_EQ(ProgramFolder::filePath("sk.ini"), inDir("sk.ini"));
}

TEST_F(ProgramFolderTest, OldConfigurationFileIsRenamedIgnoringCase)
{
    create("SK2.INI", "[Misc]\nShow Hints=0\n");
    ASSERT_TRUE(ProgramFolder::renameFile("sk2.ini", "sk.ini"));
    EXPECT_EQ(files(), QStringList({"sk.ini"}));
    QFile moved(inDir("sk.ini"));
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), "[Misc]\nShow Hints=0\n");

    EXPECT_FALSE(ProgramFolder::renameFile("sk2.ini", "sk.ini")); // nothing left to rename
}

TEST_F(ProgramFolderTest, RenameOntoAnExistingFileFailsAndKeepsBoth)
{
    create("sk2.ini", "old");
    create("SK.INI", "current");
    EXPECT_FALSE(ProgramFolder::renameFile("sk2.ini", "sk.ini"));
    EXPECT_EQ(files(), QStringList({"SK.INI", "sk2.ini"}));
}

TEST_F(ProgramFolderTest, RenameToAnotherSpellingOfItsOwnName)
{
    create("sk.ini", "x");
    EXPECT_TRUE(ProgramFolder::renameFile("SK.INI", "Sk.Ini"));
    EXPECT_EQ(files(), QStringList({"Sk.Ini"}));
}

TEST_F(ProgramFolderTest, DataFilesAreFoundInTheFolderThenBesideTheProgram)
{
    // Nothing anywhere: the path in the program's folder.
    EXPECT_EQ(ProgramFolder::dataFilePath("NoSuchData.dat"), inDir("NoSuchData.dat"));

    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("swtest-%1.dat").arg(QCoreApplication::applicationPid());
    QFile beside(QDir(exeDir).filePath(name));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(ProgramFolder::dataFilePath(name.toUpper()), QDir(exeDir).filePath(name));

    create(name.toUpper(), "local copy");
    EXPECT_EQ(ProgramFolder::dataFilePath(name), inDir(name.toUpper()));
    beside.remove();
}

TEST_F(ProgramFolderTest, FileDialogsNeverStartInTheSystemsVirtualFolders)
{
    const QString documents = ProgramFolder::documentsPath();
    ASSERT_EQ(documents, mDir.path() + "/");
    for (const char *wanted : {"/proc/x.pdf", "/proc", "/proc/", "/sys/kernel", "/dev/null", "/dev",
                               "/tmp/../proc/kmsg", "/dev/fd/0/x.pdf"})
        EXPECT_EQ(ProgramFolder::dialogStart(QLatin1String(wanted)), documents) << wanted;
    EXPECT_EQ(ProgramFolder::dialogStart(QString()), documents);

    // Through a link of the user's into /proc.
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self"), inDir("self")));
    EXPECT_EQ(ProgramFolder::dialogStart(inDir("self/x.pdf")), documents);

    // Anywhere else, even a folder whose name merely begins like theirs,
    // and files or folders that do not exist yet, the dialog starts as asked.
    for (const QString &wanted : {QStringLiteral("/processed/x.pdf"), QStringLiteral("/device"),
                                  QStringLiteral("/system/labels"), inDir("labels.pdf"), inDir("new/x.pdf"),
                                  QDir::homePath()})
        EXPECT_EQ(ProgramFolder::dialogStart(wanted), wanted) << qPrintable(wanted);
}

TEST(ProgramFolderChoice, WritableExecutableFolderElseUserDataFolder)
{
    QTemporaryDir exeDir;
    QTemporaryDir home;
    const QString dataDir = home.filePath("share/stickwell");
    EXPECT_EQ(ProgramFolder::choose(exeDir.path(), dataDir), exeDir.path() + "/");
    EXPECT_FALSE(QFileInfo::exists(dataDir));

    // An executable folder that can't be written to (here: not there at
    // all, since permissions don't stop root) gives the data folder, made.
    EXPECT_EQ(ProgramFolder::choose(exeDir.filePath("gone"), dataDir), dataDir + "/");
    EXPECT_TRUE(QFileInfo(dataDir).isDir());
}

} // namespace

// Environment variables set for one test and put back afterwards.
class ScopedEnvironment
{
public:
    void set(const char *name, const QString &value)
    {
        mSaved.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment()
    {
        for (const Saved &s : mSaved) {
            if (s.wasSet)
                qputenv(s.name, s.value);
            else
                qunsetenv(s.name);
        }
    }

private:
    struct Saved
    {
        const char *name;
        bool wasSet;
        QByteArray value;
    };
    QList<Saved> mSaved;
};

TEST(ProgramFolderChoice, AnInstalledProgramKeepsTheUsersFilesInTheXdgFolders)
{
    QTemporaryDir prefix, user;
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("bin")));
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("share/stickwell")));
    ASSERT_TRUE(QDir().mkpath(user.filePath("home/Documents")));
    ScopedEnvironment env;
    env.set("HOME", user.filePath("home"));
    env.set("XDG_CONFIG_HOME", user.filePath("config"));
    env.set("XDG_CACHE_HOME", user.filePath("cache"));

    const ProgramFolder::Folders installed = ProgramFolder::folders(prefix.filePath("bin"));
    EXPECT_TRUE(installed.installed);
    EXPECT_EQ(installed.config, user.filePath("config/stickwell/"));
    EXPECT_EQ(installed.scratch, user.filePath("cache/stickwell/"));
    EXPECT_EQ(installed.documents, user.filePath("home/Documents/"));
    EXPECT_EQ(installed.data, prefix.filePath("share/stickwell/"));

    // Without a documents folder the dialogs start at home.
    ASSERT_TRUE(QDir(user.filePath("home/Documents")).removeRecursively());
    EXPECT_EQ(ProgramFolder::folders(prefix.filePath("bin")).documents, user.filePath("home/"));

    // A build tree keeps everything beside the executable.
    QTemporaryDir build;
    const ProgramFolder::Folders tree = ProgramFolder::folders(build.path());
    EXPECT_FALSE(tree.installed);
    for (const QString &folder : {tree.config, tree.scratch, tree.documents, tree.data})
        EXPECT_EQ(folder, build.path() + "/");
}
