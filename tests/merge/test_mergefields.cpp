// Fields in a label's text filled from a record, and the data file the
// configuration file remembers for a design.
#include "merge/FieldTemplate.h"
#include "merge/MergeFields.h"
#include "merge/MergeSession.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace {

const QStringList Columns{"Name", "Street", "City", "Zip"};
const QStringList Ann{"Ann Lee", "1 High St", "Leeds", "LS1 4AB"};

QString fill(const QString &text, const QStringList &record = Ann)
{
    MergeFields fields(Columns);
    fields.setRecord(record);
    return fields.fill(text);
}

} // namespace

TEST(MergeFields, FieldsAreFilledFromTheRecord)
{
    EXPECT_EQ(fill("${Name}"), "Ann Lee");
    EXPECT_EQ(fill("${City} ${Zip}"), "Leeds LS1 4AB");
    EXPECT_EQ(fill("Dear ${Name},"), "Dear Ann Lee,");
    EXPECT_EQ(fill("No fields, $5 and {braces}"), "No fields, $5 and {braces}");
}

TEST(MergeFields, ColumnNamesMatchWithoutRegardToCase)
{
    EXPECT_EQ(fill("${name}/${NAME}/${nAmE}"), "Ann Lee/Ann Lee/Ann Lee");
    EXPECT_EQ(fill("${ City }"), "Leeds"); // blanks around the name
}

TEST(MergeFields, DoubledDollarWritesTheFieldMarkItself)
{
    EXPECT_EQ(fill("$${Name}"), "${Name}");
    EXPECT_EQ(fill("$${Name} is ${Name}"), "${Name} is Ann Lee");
    EXPECT_EQ(fill("$$${Name}"), "$${Name}"); // "$" then the literal
    EXPECT_EQ(fill("$$"), "$$");
}

TEST(MergeFields, UnknownColumnsPrintAsWrittenAndAreListed)
{
    EXPECT_EQ(fill("${Nmae} in ${City}"), "${Nmae} in Leeds");
    EXPECT_EQ(fill("${} and ${Name"), "${} and ${Name"); // no name; no closing brace

    MergeFields fields(Columns);
    EXPECT_EQ(fields.unknownFields({"${Nmae}", "${City} ${Country}", "${nmae}", "${Nmae} again", "$${Fax}"}),
              (QStringList{"${Nmae}", "${Country}", "${nmae}"}));
}

TEST(MergeFields, EmptyValuesAndShortRecords)
{
    EXPECT_EQ(fill("${Street}", {"Bob", "", "York", "YO1"}), "");
    EXPECT_EQ(fill("[${Zip}]", {"Bob"}), "[]");
}

TEST(MergeFields, OneSubstitutionFollowsTheCurrentRecord)
{
    MergeFields fields(Columns);
    const auto substitute = fields.substitution();
    const QStringList bob{"Bob", "2 Low Rd", "York", "YO1 7HH"};
    fields.setRecord(Ann);
    EXPECT_EQ(substitute("${Name}"), "Ann Lee");
    fields.setRecord(bob);
    EXPECT_EQ(substitute("${Name}"), "Bob");
}

TEST(MergeFields, OnlyPlainNamesAreOfferedForInsertion)
{
    EXPECT_TRUE(FieldTemplate::canReference("Post code"));
    EXPECT_FALSE(FieldTemplate::canReference("odd}name"));
    EXPECT_FALSE(FieldTemplate::canReference(""));
    EXPECT_EQ(FieldTemplate::reference("Post code"), "${Post code}");
}

TEST(MergeSession, RemembersTheLastDataFileOfEachDesign)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("SK.INI")));
    const QString a = dir.filePath("a.sk"), b = dir.filePath("b.sk");
    ASSERT_TRUE(MergeSession::remember(ini, a, dir.filePath("one.csv")));
    ASSERT_TRUE(MergeSession::remember(ini, b, dir.filePath("two.csv")));
    ASSERT_TRUE(MergeSession::remember(ini, a, dir.filePath("three.csv")));
    EXPECT_EQ(MergeSession::remembered(ini, a), dir.filePath("three.csv"));
    EXPECT_EQ(MergeSession::remembered(ini, b), dir.filePath("two.csv"));
    // The most recent last.
    EXPECT_EQ(ini.readSection("Data Files"), (QStringList{b, a}));

    ASSERT_TRUE(MergeSession::remember(ini, a, QString()));
    EXPECT_EQ(MergeSession::remembered(ini, a), "");
    EXPECT_EQ(MergeSession::remembered(ini, b), dir.filePath("two.csv"));
    EXPECT_TRUE(MergeSession::remember(ini, QString(), dir.filePath("x.csv"))); // a new design: nothing kept
    EXPECT_EQ(ini.readSection("Data Files"), (QStringList{b}));

    for (int i = 0; i < MergeSession::MaxRemembered + 5; ++i)
        MergeSession::remember(ini, dir.filePath(QStringLiteral("d%1.sk").arg(i)), dir.filePath("d.csv"));
    EXPECT_EQ(ini.readSection("Data Files").size(), MergeSession::MaxRemembered);
    EXPECT_EQ(MergeSession::remembered(ini, b), ""); // the oldest went
}

TEST(MergeSession, OpeningADesignBringsBackItsDataFileWhileItReads)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("SK.INI")));
    const QString csv = dir.filePath("people.csv");
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Name,Post}code,City\nAnn,LS1,Leeds\n");
    f.close();
    MergeSession::remember(ini, dir.filePath("a.sk"), csv);

    EXPECT_EQ(MergeSession::restoreFor(ini, dir.filePath("a.sk")), "");
    ASSERT_TRUE(MergeSession::dataFile().has_value());
    EXPECT_EQ(MergeSession::dataFile()->records, 1);
    EXPECT_EQ(MergeSession::columns(), (QStringList{"Name", "City"}));

    // Gone: the session has none, the reason comes back, and the design
    // keeps it remembered should it come back.
    QFile::remove(csv);
    EXPECT_EQ(MergeSession::restoreFor(ini, dir.filePath("a.sk")),
              "Cannot open the data file people.csv: No such file or directory");
    EXPECT_FALSE(MergeSession::dataFile().has_value());
    EXPECT_TRUE(MergeSession::columns().isEmpty());
    EXPECT_EQ(MergeSession::remembered(ini, dir.filePath("a.sk")), csv);
    // Nothing remembered: nothing to say.
    EXPECT_EQ(MergeSession::restoreFor(ini, dir.filePath("b.sk")), "");
}
