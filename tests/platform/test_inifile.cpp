#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using sw::IniFile;

namespace {

class IniFileTest : public ::testing::Test
{
protected:
    QString path() const { return mDir.filePath(QStringLiteral("SK.INI")); }

    void writeRaw(const QByteArray &data)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    QByteArray readRaw() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir mDir;
};

TEST_F(IniFileTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt)
{
    IniFile ini(path());
    EXPECT_EQ(ini.readString("Default Font", "Name", "Arial"), "Arial");
    EXPECT_EQ(ini.readInteger("Default Font", "Size", 10), 10);
    EXPECT_TRUE(ini.readBool("Misc", "Show Hints", true));
    EXPECT_TRUE(ini.readSections().isEmpty());
    EXPECT_FALSE(QFile::exists(path())); // reading creates nothing

    ASSERT_TRUE(ini.writeInteger("Printer", "TopMarginNudge", -3));
    EXPECT_EQ(readRaw(), "[Printer]\nTopMarginNudge=-3\n");
    EXPECT_EQ(IniFile(path()).readInteger("Printer", "TopMarginNudge", 0), -3);
}

TEST_F(IniFileTest, IntegersAndBooleansFollowTheProfileRules)
{
    writeRaw("[Misc]\nShow Hints=0\n[Default Font]\nSize = 12 \nBold=1\nItalic=7\n"
             "Underline=yes\nName=\nHuge=99999999999\n");
    IniFile ini(path());
    EXPECT_FALSE(ini.readBool("Misc", "Show Hints", true)); // "0" is off
    EXPECT_EQ(ini.readInteger("Default Font", "Size", 10), 12);
    EXPECT_TRUE(ini.readBool("Default Font", "Bold", false));
    EXPECT_TRUE(ini.readBool("Default Font", "Italic", false)); // any non-zero
    // Not a number: the default, not 0.
    EXPECT_TRUE(ini.readBool("Default Font", "Underline", true));
    EXPECT_EQ(ini.readInteger("Default Font", "Underline", 5), 5);
    EXPECT_EQ(ini.readInteger("Default Font", "Huge", 5), 5);
    // A present but empty value is the empty string, not the default.
    EXPECT_EQ(ini.readString("Default Font", "Name", "Arial"), "");
    EXPECT_EQ(ini.readInteger("Default Font", "Name", 4), 4);

    ASSERT_TRUE(ini.writeBool("Misc", "Show Hints", true));
    EXPECT_EQ(ini.readString("Misc", "Show Hints"), "1");
}

TEST_F(IniFileTest, WriteKeepsEverythingElseInPlace)
{
    const QByteArray original = "; settings of the label program\r\n"
                                "[Unknown]\r\n"
                                "Other=kept as is\r\n"
                                "\r\n"
                                "[Default Font]\r\n"
                                "; the panel font\r\n"
                                "Name=Arial\r\n"
                                "Size=10\r\n"
                                "\r\n"
                                "[Misc]\r\n"
                                "Show Hints=1\r\n";
    writeRaw(original);
    IniFile ini(path());
    ASSERT_TRUE(ini.writeString("default font", "NAME", "Times New Roman"));
    ASSERT_TRUE(ini.writeInteger("Default Font", "Bold", 1)); // new key after the last one
    ASSERT_TRUE(ini.writeInteger("Printer", "LeftMarginNudge", 2)); // new section at the end

    EXPECT_EQ(readRaw(), "; settings of the label program\r\n"
                         "[Unknown]\r\n"
                         "Other=kept as is\r\n"
                         "\r\n"
                         "[Default Font]\r\n"
                         "; the panel font\r\n"
                         "Name=Times New Roman\r\n"
                         "Size=10\r\n"
                         "Bold=1\r\n"
                         "\r\n"
                         "[Misc]\r\n"
                         "Show Hints=1\r\n"
                         "\r\n"
                         "[Printer]\r\n"
                         "LeftMarginNudge=2\r\n");
}

TEST_F(IniFileTest, NamesMatchIgnoringCaseAndKeepTheirSpelling)
{
    writeRaw("[MRU]\nF0=/home/a.sk\nf1 = /home/b.sk\n[Misc]\nShow Hints=1\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("mru", "F1"), "/home/b.sk");
    EXPECT_EQ(ini.readInteger("MISC", "show hints", 0), 1);
    EXPECT_TRUE(ini.valueExists("misc", "SHOW HINTS"));
    EXPECT_EQ(ini.readSections(), QStringList({"MRU", "Misc"}));
    EXPECT_EQ(ini.readSection("Mru"), QStringList({"F0", "f1"}));
    const auto values = ini.readSectionValues("MRU");
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values[1].first, "f1");
    EXPECT_EQ(values[1].second, "/home/b.sk");

    ASSERT_TRUE(ini.writeString("mru", "F1", "/home/c.sk"));
    EXPECT_EQ(readRaw(), "[MRU]\nF0=/home/a.sk\nf1=/home/c.sk\n[Misc]\nShow Hints=1\n");
}

TEST_F(IniFileTest, EraseSectionAndDeleteKey)
{
    writeRaw("[MRU]\nF0=a\nF1=b\n\n; printer settings\n[Printer]\nTopMarginNudge=1\n"
             "LeftMarginNudge=2\n[mru]\nF0=stale duplicate\n");
    IniFile ini(path());
    ASSERT_TRUE(ini.eraseSection("mru"));
    EXPECT_FALSE(ini.sectionExists("MRU"));
    EXPECT_EQ(ini.readString("MRU", "F0", "none"), "none"); // the duplicate went too
    ASSERT_TRUE(ini.deleteKey("PRINTER", "topmarginnudge"));
    EXPECT_EQ(readRaw(), "\n; printer settings\n[Printer]\nLeftMarginNudge=2\n");

    // Erase-and-rewrite, as the recent-files list does, leaves a stable file.
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(ini.eraseSection("MRU"));
        ASSERT_TRUE(ini.writeString("MRU", "F0", "x.sk"));
    }
    EXPECT_EQ(readRaw(), "\n; printer settings\n[Printer]\nLeftMarginNudge=2\n\n[MRU]\nF0=x.sk\n");
    EXPECT_TRUE(ini.eraseSection("No Such Section"));
    EXPECT_TRUE(ini.deleteKey("MRU", "F9"));
}

TEST_F(IniFileTest, ValuesAreTrimmedAndUnquoted)
{
    writeRaw("[S]\n  Show Hints  =   0   \nQuoted=\"  padded \"\nHalf=\"open\nEq=a=b\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("S", "Show Hints"), "0");
    EXPECT_EQ(ini.readString("S", "Quoted"), "  padded ");
    EXPECT_EQ(ini.readString("S", "Half"), "\"open");
    EXPECT_EQ(ini.readString("S", "Eq"), "a=b");
}

TEST_F(IniFileTest, WriteIsAtomicAndLeavesNoTemporaryBehind)
{
    IniFile ini(path());
    const QString longValue(5000, QLatin1Char('x'));
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(ini.writeString("Data", QStringLiteral("K%1").arg(i), longValue));
    EXPECT_EQ(QDir(mDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"SK.INI"}));
    IniFile reread(path());
    EXPECT_EQ(reread.readSection("Data").size(), 20);
    EXPECT_EQ(reread.readString("Data", "K19"), longValue);
}

TEST_F(IniFileTest, UnstorableNamesAndValuesAreRefusedWithoutChange)
{
    writeRaw("[Misc]\nShow Hints=1\n");
    IniFile ini(path());
    // A line break would plant a forged key or section in the file.
    EXPECT_FALSE(ini.writeString("MRU", "F0", "a.sk\n[Misc]\nShow Hints=0"));
    EXPECT_FALSE(ini.writeString("MRU", "F=0", "a.sk"));
    EXPECT_FALSE(ini.writeString("M]RU", "F0", "a.sk"));
    EXPECT_FALSE(ini.writeString("MRU", "", "a.sk"));
    EXPECT_FALSE(ini.writeString("MRU", ";F0", "a.sk"));
    EXPECT_EQ(readRaw(), "[Misc]\nShow Hints=1\n");
}

TEST_F(IniFileTest, SeesChangesMadeThroughAnotherObject)
{
    IniFile first(path());
    IniFile second(path());
    ASSERT_TRUE(first.writeInteger("Printer", "TopMarginNudge", 1));
    EXPECT_EQ(second.readInteger("Printer", "TopMarginNudge", 0), 1);
    ASSERT_TRUE(second.writeInteger("Printer", "LeftMarginNudge", 2));
    // The first object's next write must not drop the second one's key.
    ASSERT_TRUE(first.writeInteger("Printer", "VerticalSpacing", 3));
    EXPECT_EQ(readRaw(), "[Printer]\nTopMarginNudge=1\nLeftMarginNudge=2\nVerticalSpacing=3\n");
}

TEST_F(IniFileTest, EncodingIsUtf8WithLatin1Fallback)
{
    writeRaw("[Default Font]\nName=Caf\xe9\n"); // Latin-1 byte, invalid UTF-8
    IniFile ini(path());
    EXPECT_EQ(ini.readString("Default Font", "Name"), QString::fromUtf8("Caf\xc3\xa9"));
    ASSERT_TRUE(ini.writeString("Default Font", "Size", "10"));
    EXPECT_EQ(readRaw(), "[Default Font]\nName=Caf\xc3\xa9\nSize=10\n");
    EXPECT_EQ(IniFile(path()).readString("Default Font", "Name"), QString::fromUtf8("Caf\xc3\xa9"));
}

TEST_F(IniFileTest, FailedSaveKeepsFileAndReportsFailure)
{
    // The file's path is taken by a folder: nothing can be saved there.
    ASSERT_TRUE(QDir(mDir.path()).mkdir("SK.INI"));
    IniFile ini(path());
    EXPECT_FALSE(ini.writeString("Misc", "Show Hints", "1"));
    EXPECT_EQ(ini.readString("Misc", "Show Hints", "none"), "none");
}

} // namespace
