// The command-line printer as a user meets it: without a display, with
// files it cannot read or write, and the exit status that tells a script
// whether everything asked for was written.
#include "ProgramRun.h"
#include "TextDesign.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Readable failures.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace sw;
using Result = sw::test::ProgramRun;

namespace {

struct Skprint : ::testing::Test
{
    QTemporaryDir dir;
    QString design;

    void SetUp() override
    {
        design = dir.filePath("hello.sk");
        sw::test::writeTextDesign(design, QStringLiteral("HELLO"), QRect(10, 10, 120, 40), 20);
    }

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

    static Result run(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        return sw::test::runProgram(QStringLiteral(SKPRINT_PATH), args, env);
    }
};

bool hasContents(const QString &file)
{
    return QFileInfo(file).size() > 0;
}

} // namespace

TEST_F(Skprint, RunsWithoutAnyDisplay)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");

    const Result help = run({"--help"}, env);
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.contains("--positions"));

    const QString pdf = path("out.pdf");
    const Result print = run({design, "-o", pdf}, env);
    EXPECT_EQ(print.status, 0) << print.err.toStdString();
    EXPECT_TRUE(hasContents(pdf));
}

TEST_F(Skprint, FilesThatCannotBeReadAreNamedWithTheReason)
{
    QFile text(path("notes.sk"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("shopping list\n");
    text.close();
    // A label file cut short inside its first object.
    QFile whole(design);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QFile cut(path("cut.sk"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.read(40));
    cut.close();

    // The message names the file, then gives the reader's or the system's
    // reason (for the cut file, where in the object it ran out).
    struct Case
    {
        QString file;
        QString message, end;
    } cases[] = {
        {text.fileName(), text.fileName() + " is not a label file: Invalid property value", ""},
        {cut.fileName(), cut.fileName() + " is not a label file: Error reading Component0.", ": Stream read error"},
        {path("none.sk"), "Cannot open file " + path("none.sk") + ": No such file or directory", ""},
        {dir.path(), "Cannot open file " + dir.path() + ": Is a directory", ""},
    };
    for (const Case &c : cases) {
        for (const QStringList &args : {QStringList{c.file, "-o", path("x.pdf")}, QStringList{"--text", c.file},
                                        QStringList{"--resave", c.file, path("x.sk")}}) {
            const Result r = run(args);
            EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
            EXPECT_TRUE(r.err.startsWith("skprint: " + c.message)) << r.err.toStdString();
            EXPECT_TRUE(r.err.trimmed().endsWith(c.end)) << r.err.toStdString();
            EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
            EXPECT_TRUE(r.out.isEmpty());
        }
        EXPECT_FALSE(QFileInfo::exists(path("x.pdf")));
        EXPECT_FALSE(QFileInfo::exists(path("x.sk")));
    }
}

TEST_F(Skprint, OutputsThatCannotBeWrittenAreRefusedBeforeAnythingIsWritten)
{
    const QString missingFolder = path("no/such/folder/out.pdf");
    Result r = run({design, "-o", missingFolder});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err.trimmed(), "skprint: cannot write " + missingFolder + ": No such file or directory");

    r = run({design, "--png", dir.path()});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err.trimmed(), "skprint: cannot write " + dir.path() + ": Is a directory");

    // --png with -o writes both or neither.
    const QString png = path("sheet.png");
    r = run({design, "--png", png, "-o", missingFolder});
    EXPECT_EQ(r.status, 3);
    EXPECT_FALSE(r.err.contains("QPainter"));
    EXPECT_FALSE(QFileInfo::exists(png));
    // ... also when the second output fails only after the first was made.
    r = run({design, "--png", png, "--printer", "No Such Printer"});
    EXPECT_EQ(r.status, 3);
    EXPECT_FALSE(QFileInfo::exists(png));

    r = run({design, "--resave", design, path("no/such/folder/x.sk")});
    EXPECT_EQ(r.status, 1); // --resave takes no printing options besides its two files
    r = run({"--resave", design, path("no/such/folder/x.sk")});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.startsWith("skprint: Cannot create file")) << r.err.toStdString();
}

TEST_F(Skprint, ReportsWhatItWroteAndSucceedsOnlyWhenAllOfItWasWritten)
{
    const QString pdf = path("sheets.pdf");
    const QString png = path("sheet.png");
    Result r = run({design, "--png", png, "--dpi", "20", "-o", pdf, "--sheets", "2", "--positions", "1,3-30"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Wrote 1 sheet (29 labels) to " + png + "\nWrote 2 sheets (58 labels) to " + pdf + "\n");
    EXPECT_EQ(QImage(png).size(), QSize(170, 220)); // Letter at 20 dpi
    QFile out(pdf);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.read(4), "%PDF");

    r = run({design, "-o", pdf, "--positions", "5"});
    EXPECT_EQ(r.out, "Wrote 1 sheet (1 label) to " + pdf + "\n");

    // An empty position list is a mistake, not "every position".
    QFile::remove(pdf);
    for (const char *empty : {"", " "}) {
        r = run({design, "-o", pdf, "--positions", empty});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains("--positions needs at least one position")) << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(pdf));
    }

    r = run({design, "--printer", "No Such Printer"});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.contains("no printer named No Such Printer"));
    r = run({design, "--printer", "No Such Printer", "-o", pdf});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(Skprint, MergedRunsCountTheRecordsAndRefuseABadDataFileBeforeWritingAnything)
{
    const QString fields = path("fields.sk");
    sw::test::writeTextDesign(fields, QStringLiteral("${Name} ${Nmae}"), QRect(10, 10, 200, 40), 12);
    const auto csv = [this](const char *name, const QByteArray &bytes) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    QByteArray twenty = "Name\n";
    for (int i = 1; i <= 20; ++i)
        twenty += "P" + QByteArray::number(i) + "\n";
    const QString people = csv("people.csv", twenty);
    const QString pdf = path("out.pdf");
    const QString png = path("first.png");

    // Copies per record; the picture holds the first sheet's labels. The
    // unknown field is named, and prints as written.
    Result r = run({fields, "--merge", people, "--copies", "2", "--png", png, "--dpi", "20", "-o", pdf});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Wrote 1 sheet (30 labels) to " + png + "\nWrote 2 sheets (40 labels) to " + pdf + "\n");
    EXPECT_EQ(r.err, "skprint: warning: The data file people.csv has no column for ${Nmae}: it prints as "
                     "written.\n");
    r = run({design, "--merge", people, "--positions", "1-4", "-o", pdf});
    EXPECT_EQ(r.out, "Wrote 5 sheets (20 labels) to " + pdf + "\n");
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    QFile::remove(pdf);

    struct Case
    {
        QString csv;
        QString message;
    } cases[] = {
        {csv("open.csv", "Name\nAnn\n\"Bob\nCarl\n"),
         "open.csv, line 3: a quoted field starts on this line, but its closing quote is missing"},
        {csv("empty.csv", ""), "The data file empty.csv is empty: its first line should name the columns"},
        {csv("header.csv", "Name\r\n"), "The data file header.csv names its columns but holds no records to print"},
        {path("none.csv"), "Cannot open the data file none.csv: No such file or directory"},
    };
    for (const Case &c : cases) {
        r = run({fields, "--merge", c.csv, "-o", pdf, "--png", png});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "skprint: " + c.message + "\n");
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(pdf));
    }

    for (const QStringList &args : {QStringList{fields, "--merge", people, "--sheets", "2", "-o", pdf},
                                    QStringList{fields, "--copies", "2", "-o", pdf},
                                    QStringList{fields, "--merge", people, "--copies", "0", "-o", pdf},
                                    QStringList{"--test-sheet", "--merge", people, "-o", pdf}}) {
        r = run(args);
        EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(pdf));
}
