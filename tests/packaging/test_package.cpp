// The Debian package, built from this build folder with CPack: the files
// it installs, the dependencies it declares, and the desktop entry, the
// label file type and the manual pages as their own checkers see them.
#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Output = sw::test::ProgramRun;

Output run(const QString &program, const QStringList &args)
{
    return sw::test::runProgram(program, args);
}

bool missing(const char *tool)
{
    return QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty();
}

QStringList commaList(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

class Package : public ::testing::Test
{
protected:
    // Built once for all the tests: packaging takes a few seconds.
    static void SetUpTestSuite()
    {
        if (missing("dpkg-deb") || missing("dpkg-shlibdeps"))
            return;
        sDir = new QTemporaryDir;
        const Output built = run(QStringLiteral(CPACK_COMMAND),
                                 {"--config", QStringLiteral(BUILD_DIR "/CPackConfig.cmake"), "-G", "DEB", "-B",
                                  sDir->path()});
        const QStringList debs = QDir(sDir->path()).entryList({"stickwell_*.deb"}, QDir::Files);
        if (built.status != 0 || debs.size() != 1) {
            sError = new QString(built.out + built.err);
            return;
        }
        sDeb = new QString(QDir(sDir->path()).filePath(debs.first()));
        sRoot = new QString(QDir(sDir->path()).filePath("root"));
        run("dpkg-deb", {"-x", *sDeb, *sRoot});
    }
    static void TearDownTestSuite()
    {
        delete sDir;
        delete sDeb;
        delete sRoot;
        delete sError;
        sDir = nullptr;
        sDeb = sRoot = sError = nullptr;
    }
    void SetUp() override
    {
        if (missing("dpkg-deb") || missing("dpkg-shlibdeps"))
            GTEST_SKIP() << "dpkg-deb and dpkg-shlibdeps (dpkg-dev) are needed to build the package";
        ASSERT_EQ(sError, nullptr) << "cpack failed:\n" << sError->toStdString();
    }
    static QString installed(const QString &path) { return QDir(*sRoot).filePath(path); }

    static QTemporaryDir *sDir;
    static QString *sDeb, *sRoot, *sError;
};

QTemporaryDir *Package::sDir = nullptr;
QString *Package::sDeb = nullptr;
QString *Package::sRoot = nullptr;
QString *Package::sError = nullptr;

} // namespace

TEST_F(Package, InstallsTheProgramsTheirDataAndTheirDesktopFilesAndNothingElse)
{
    QSet<QString> expected = {
        "usr/bin/stickwell",
        "usr/bin/skprint",
        "usr/share/stickwell/SKTPL.dat",
        "usr/share/applications/stickwell.desktop",
        "usr/share/mime/packages/stickwell.xml",
        "usr/share/man/man1/stickwell.1.gz",
        "usr/share/man/man1/skprint.1.gz",
        "usr/share/icons/hicolor/scalable/apps/stickwell.svg",
        "usr/share/icons/hicolor/scalable/mimetypes/application-x-stickwell-label.svg",
    };
    for (const QString &example : commaList(STICKWELL_EXAMPLES))
        expected.insert("usr/share/stickwell/examples/" + example);
    for (const QString &size : commaList(STICKWELL_ICON_SIZES)) {
        expected.insert(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/stickwell.png").arg(size));
        expected.insert(QStringLiteral("usr/share/icons/hicolor/%1x%1/mimetypes/application-x-stickwell-label.png").arg(size));
    }
    for (const QString &texture : QDir(SOURCE_DIR "/data/textures").entryList({"*.bmp"}, QDir::Files))
        expected.insert("usr/share/stickwell/textures/" + texture);

    const Output listing = run("dpkg-deb", {"-c", *sDeb});
    ASSERT_EQ(listing.status, 0) << listing.err.toStdString();
    QSet<QString> files;
    for (const QString &line : listing.out.split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith('-'))
            continue; // folders
        const QString path = line.section(QRegularExpression("\\s+"), 5);
        ASSERT_TRUE(path.startsWith("./usr/")) << path.toStdString();
        files.insert(path.mid(2));
    }
    for (const QString &f : expected - files)
        ADD_FAILURE() << "missing: " << f.toStdString();
    for (const QString &f : files - expected)
        ADD_FAILURE() << "not expected: " << f.toStdString();
}

TEST_F(Package, DeclaresWhatTheProgramsNeedAtRunTime)
{
    const Output depends = run("dpkg-deb", {"-f", *sDeb, "Depends"});
    ASSERT_EQ(depends.status, 0);
    // Linked libraries, found by dpkg-shlibdeps, and what is loaded at run
    // time: the SVG icons' plugin and the fonts designs name.
    for (const char *package : {"libqt6widgets6", "libqt6printsupport6", "libqt6network6", "libqt6svg6",
                                "fonts-liberation2"})
        EXPECT_TRUE(QRegularExpression(QStringLiteral("(^|, )%1( |,|$)").arg(package)).match(depends.out.trimmed()).hasMatch())
            << package << " in " << depends.out.toStdString();
}

TEST_F(Package, DesktopEntryLabelFileTypeIconsAndManualPagesPassTheirCheckers)
{
    if (missing("desktop-file-validate") || missing("xmllint") || missing("man"))
        GTEST_SKIP() << "desktop-file-validate, xmllint and man are needed";
    const Output desktop = run("desktop-file-validate", {installed("usr/share/applications/stickwell.desktop")});
    EXPECT_EQ(desktop.status, 0);
    EXPECT_EQ((desktop.out + desktop.err).toStdString(), ""); // not even a hint

    // shared-mime-info keeps the schema of its files as the document type
    // definition inside its own database file.
    QFile database("/usr/share/mime/packages/freedesktop.org.xml");
    ASSERT_TRUE(database.open(QIODevice::ReadOnly)) << "shared-mime-info is needed";
    const QString head = QString::fromUtf8(database.read(20000));
    const int from = head.indexOf("<!DOCTYPE mime-info [");
    const int to = head.indexOf("\n]>", from);
    ASSERT_TRUE(from >= 0 && to > from);
    QFile dtd(QDir(sDir->path()).filePath("mime-info.dtd"));
    ASSERT_TRUE(dtd.open(QIODevice::WriteOnly));
    dtd.write(head.mid(from + 21, to - from - 21).toUtf8());
    dtd.close();
    const Output xml = run("xmllint", {"--noout", "--dtdvalid", dtd.fileName(),
                                       installed("usr/share/mime/packages/stickwell.xml")});
    EXPECT_EQ(xml.status, 0) << xml.err.toStdString();

    for (const char *page : {"usr/share/man/man1/stickwell.1.gz", "usr/share/man/man1/skprint.1.gz"}) {
        const Output man = run("man", {"--warnings", "-l", installed(page)});
        EXPECT_EQ(man.status, 0) << page;
        EXPECT_EQ(man.err.toStdString(), "") << page;
        EXPECT_TRUE(man.out.contains("SYNOPSIS")) << page;
    }

    for (const QString &size : commaList(STICKWELL_ICON_SIZES)) {
        for (const char *icon : {"apps/stickwell", "mimetypes/application-x-stickwell-label"}) {
            const QImage image(installed(QStringLiteral("usr/share/icons/hicolor/%1x%1/%2.png").arg(size, icon)));
            EXPECT_EQ(image.size(), QSize(size.toInt(), size.toInt())) << icon;
            EXPECT_TRUE(image.hasAlphaChannel()) << icon;
        }
    }
}
