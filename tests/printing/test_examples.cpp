// Every sample design shipped in examples/ prints with skprint, shows as
// text and saves again byte for byte.
#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Output = sw::test::ProgramRun;

Output run(const QString &program, const QStringList &args)
{
    return sw::test::runProgram(program, args);
}

Output skprint(const QStringList &args)
{
    return run(QStringLiteral(SKPRINT_PATH), args);
}

QString example(const std::string &name)
{
    return QDir(QStringLiteral(EXAMPLES_DIR)).filePath(QString::fromStdString(name));
}

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<std::string> examples()
{
    std::vector<std::string> names;
    for (const QString &name : QStringLiteral(STICKWELL_EXAMPLES).split(QLatin1Char(',')))
        names.push_back(name.toStdString());
    return names;
}

class Example : public ::testing::TestWithParam<std::string>
{
protected:
    QTemporaryDir dir;
};

} // namespace

TEST_P(Example, PrintsEverySheetPositionWithItsTexts)
{
    const QString design = example(GetParam());
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    const Output printed = skprint({design, QStringLiteral("-o"), pdf});
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Wrote 1 sheet \\(\\d+ labels\\) to ")).match(printed.out).hasMatch())
        << printed.out.toStdString();

    // The caption of every text label is printed once per position.
    const Output text = skprint({QStringLiteral("--text"), design});
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    const int positions = QRegularExpression(QStringLiteral("\\((\\d+) labels\\)")).match(printed.out).captured(1).toInt();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString words = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).out;
    static const QRegularExpression caption(QStringLiteral("^TGPLabel \\w+ \\{\\n(?:  .*\\n)*?  Caption = \"([^\"]*)\""),
                                            QRegularExpression::MultilineOption);
    int captions = 0;
    for (auto it = caption.globalMatch(text.out); it.hasNext(); ++captions) {
        const QString wanted = it.next().captured(1);
        EXPECT_EQ(words.count(wanted), positions) << wanted.toStdString();
    }
    EXPECT_GT(captions, 0);
}

TEST_P(Example, SavesAgainByteForByte)
{
    const QString design = example(GetParam());
    const QString copy = dir.filePath(QStringLiteral("copy.sk"));
    const Output resaved = skprint({QStringLiteral("--resave"), design, copy});
    ASSERT_EQ(resaved.status, 0) << resaved.err.toStdString();
    EXPECT_EQ(contents(copy), contents(design));
}

INSTANTIATE_TEST_SUITE_P(Samples, Example, ::testing::ValuesIn(examples()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             for (char &c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

// The text form is what version control diffs: it must not change for the
// same file.
TEST(ExampleText, AddressLabelShowsAsItAlwaysHas)
{
    const Output text = skprint({QStringLiteral("--text"), example("address-label.sk")});
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_EQ(text.out.toUtf8().toStdString(), contents(QStringLiteral(TEST_DATA_DIR "/address-label.txt")).toStdString());
}
