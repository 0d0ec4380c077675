#include "layouts/ui/TSelectTemplate.h"

#include "controls/TRadioGroup.h"
#include "persistence/TemplateFile.h"
#include "platform/MessageService.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace sw;

namespace {

TLabelLayout tpl(const char *name, const char *category, const char *printer, const char *paper)
{
    TLabelLayout l = TLabelLayout::defaultLayout();
    l.LayoutName = QString::fromLatin1(name);
    l.ProductCategory = QString::fromLatin1(category);
    l.PrinterType = QString::fromLatin1(printer);
    l.PaperCode = QString::fromLatin1(paper);
    return l;
}

const std::vector<TLabelLayout> kTemplates = {
    tpl("Avery 8160 Address", "ADDRESS/SHIPPING LABELS", "IJ", "LTR"),
    tpl("Avery 5161 Address", "ADDRESS/SHIPPING LABELS", "LJ", "LTR"),
    tpl("Avery 5160 Address", "ADDRESS/SHIPPING LABELS", "LJ", "LTR"),
    tpl("Avery L7160 Address", "ADDRESS/SHIPPING LABELS", "LJ", "A4"),
    tpl("Avery J8160 Address", "ADDRESS/SHIPPING LABELS", "IJ", "A4"),
    tpl("Avery 5066 File Folder", "FILE FOLDER LABELS", "LJ", "LTR"),
    tpl("Avery 5371 Business Card", "BUSINESS CARDS", "LJ", "LTR"),
};

class SelectTemplateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        writeFile(kTemplates);
        dialog.setTemplateFile(path());
    }

    QString path() const { return dir.filePath("SKTPL.dat"); }
    void writeFile(const std::vector<TLabelLayout> &layouts)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        writeTemplates(&f, layouts);
    }
    template <class T> T *child(const char *name) { return dialog.findChild<T *>(QLatin1String(name)); }
    QStringList lines()
    {
        QStringList out;
        auto *list = child<QListWidget>("TemplateList");
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    QString current()
    {
        auto *item = child<QListWidget>("TemplateList")->currentItem();
        return item && item->isSelected() ? item->text() : QString();
    }
    void click(const char *button)
    {
        dialog.findChild<QRadioButton *>(QLatin1String(button))->click();
    }

    ScriptedMessageHandler messages;
    ScopedMessageHandler installed{&messages};
    QTemporaryDir dir;
    TSelectTemplate dialog;
};

} // namespace

TEST_F(SelectTemplateTest, NewLabelStartsWithUsLaserAddressLabels)
{
    dialog.setCurrentLayout(tpl("Avery L7160 Address", "ADDRESS/SHIPPING LABELS", "LJ", "A4"));
    dialog.setNewLabel(true);
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), "Select Template");
    EXPECT_EQ(child<TRadioGroup>("ProductType")->ItemIndex(), 0);
    EXPECT_EQ(child<TRadioGroup>("PrinterType")->ItemIndex(), 0);
    EXPECT_EQ(child<TRadioGroup>("Region")->ItemIndex(), 0);
    EXPECT_EQ(child<QLineEdit>("TypeAhead")->text(), "");
    EXPECT_EQ(lines(), (QStringList{"5160 Address", "5161 Address"}));
    EXPECT_EQ(current(), "5160 Address");
    EXPECT_TRUE(child<QPlainTextEdit>("Description")->toPlainText().startsWith("Label Height: 1\nLabel Width: 2.65\n"));
    EXPECT_TRUE(child<QPlainTextEdit>("Description")->toPlainText().endsWith("\nPaper Size: Letter"));
    EXPECT_FALSE(child<QLabel>("StatusLine")->isVisibleTo(&dialog));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SelectTemplateTest, RadioGroupsFilterAfterTheFirstActivationOnly)
{
    click("ProductType6"); // before activation: no filtering
    EXPECT_TRUE(lines().isEmpty());

    dialog.show();
    click("ProductType0");
    click("PrinterType2");
    EXPECT_EQ(lines(), (QStringList{"5160 Address", "5161 Address", "8160 Address"}));
    click("Region1");
    EXPECT_EQ(lines(), (QStringList{"J8160 Address", "L7160 Address"}));
    click("PrinterType1");
    EXPECT_EQ(lines(), (QStringList{"J8160 Address"}));
    click("ProductType3");
    EXPECT_TRUE(lines().isEmpty());
    click("Region0");
    click("PrinterType2");
    EXPECT_EQ(lines(), (QStringList{"5066 File Folder"}));
    EXPECT_EQ(current(), "5066 File Folder");
}

TEST_F(SelectTemplateTest, ChangeOfLayoutPresetsTheGroupsAndSelectsTheCurrentTemplate)
{
    dialog.setCurrentLayout(tpl("Avery J8160 Address", "ADDRESS/SHIPPING LABELS", "IJ", "A4"));
    dialog.setNewLabel(false);
    dialog.show();

    EXPECT_EQ(child<TRadioGroup>("ProductType")->ItemIndex(), 0);
    EXPECT_EQ(child<TRadioGroup>("PrinterType")->ItemIndex(), 1);
    EXPECT_EQ(child<TRadioGroup>("Region")->ItemIndex(), 1);
    EXPECT_EQ(child<QLineEdit>("TypeAhead")->text(), "J8160 Address");
    EXPECT_EQ(current(), "J8160 Address");
}

TEST_F(SelectTemplateTest, UserDefinedLayoutKeepsTheDefaults)
{
    dialog.setCurrentLayout(tpl("USER DEFINED", "", "", "A4"));
    dialog.setNewLabel(false);
    dialog.show();
    EXPECT_EQ(child<TRadioGroup>("Region")->ItemIndex(), 0);
    EXPECT_EQ(child<QLineEdit>("TypeAhead")->text(), "");
}

TEST_F(SelectTemplateTest, TypeAheadSelectsByPrefixFromTheSecondLineAndWraps)
{
    writeFile({tpl("Avery 5160 Address", "ADDRESS", "LJ", "LTR"), tpl("Avery 5160 Copy", "ADDRESS", "LJ", "LTR"),
               tpl("Avery 5161 Address", "ADDRESS", "LJ", "LTR")});
    dialog.show();
    auto *typeAhead = child<QLineEdit>("TypeAhead");
    const QString description = child<QPlainTextEdit>("Description")->toPlainText();

    QTest::keyClicks(typeAhead, "5160");
    EXPECT_EQ(current(), "5160 Copy"); // the search starts at the second line
    QTest::keyClicks(typeAhead, " a");
    EXPECT_EQ(current(), "5160 Address"); // wrapped round, case ignored
    QTest::keyClicks(typeAhead, "x");
    EXPECT_EQ(current(), QString()); // no match: no selection
    // The memo keeps its text without a selection.
    EXPECT_EQ(child<QPlainTextEdit>("Description")->toPlainText(), description);
    // OK does nothing without a selection.
    QTest::mouseClick(child<QPushButton>("OKButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SelectTemplateTest, OkAndDoubleClickReturnTheSelectedTemplate)
{
    dialog.show();
    QTest::keyClicks(child<QLineEdit>("TypeAhead"), "5161");
    QTest::mouseClick(child<QPushButton>("OKButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedLayout(), kTemplates[1]);

    TSelectTemplate second;
    second.setTemplateFile(path());
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    auto *list = second.findChild<QListWidget *>("TemplateList");
    const QRect rect = list->visualItemRect(list->item(1));
    // A double click is a press followed by a double-click press.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(second.result(), QDialog::Accepted);
    EXPECT_EQ(second.SelectedLayout(), kTemplates[1]);
}

TEST_F(SelectTemplateTest, MissingFileGivesAnEmptyListWithoutMessage)
{
    QFile::remove(path());
    dialog.show();
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_TRUE(messages.messages.isEmpty());
    QTest::mouseClick(child<QPushButton>("OKButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SelectTemplateTest, OverFullFileIsReportedOnTheStatusLine)
{
    std::vector<TLabelLayout> many;
    for (int i = 0; i < 301; ++i)
        many.push_back(tpl(qPrintable(QStringLiteral("Avery %1").arg(1000 + i)), "MISC", "LJ", "LTR"));
    writeFile(many);
    dialog.show();
    EXPECT_EQ(dialog.catalogue().count(), 300);
    EXPECT_TRUE(child<QLabel>("StatusLine")->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.statusText(),
              "The template file SKTPL.dat holds more than 300 templates; only the first 300 are listed.");
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SelectTemplateTest, DamagedFileShowsWhatWasReadAndReportsTheError)
{
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(f.size() - 10); // cut into the last template
    f.close();
    dialog.show();
    EXPECT_EQ(dialog.catalogue().count(), static_cast<int>(kTemplates.size()) - 1);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.front().kind, ScriptedMessageHandler::Kind::Error);
    EXPECT_EQ(messages.messages.front().text, dialog.statusText());
    EXPECT_TRUE(dialog.statusText().contains("Stream read error"));
    EXPECT_EQ(lines(), (QStringList{"5160 Address", "5161 Address"}));
}

TEST(SelectTemplateCatalogue, ChoosesAvery5160FromTheShippedCatalogue)
{
    ScriptedMessageHandler messages;
    ScopedMessageHandler installed(&messages);
    std::optional<TLabelLayout> chosen;
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TSelectTemplate *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->findChild<QLineEdit *>("TypeAhead"), "5160 ");
        QTest::mouseClick(dialog->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
    });
    chosen = TSelectTemplate::choose(nullptr, TLabelLayout::defaultLayout(), true,
                                     QStringLiteral(STICKWELL_TEMPLATE_FILE));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->LayoutName, "Avery 5160 Address");
    EXPECT_EQ(chosen->LabelWidth, 2.625);
    EXPECT_EQ(chosen->LeftMargin, 0.1875);
    EXPECT_EQ(chosen->HorizPitch, 2.75);
    EXPECT_TRUE(messages.messages.isEmpty());

    if (const QByteArray shots = qgetenv("STICKWELL_SCREENSHOT_DIR"); !shots.isEmpty()) {
        TSelectTemplate dialog;
        dialog.setTemplateFile(QStringLiteral(STICKWELL_TEMPLATE_FILE));
        dialog.setCurrentLayout(TLabelLayout::defaultLayout());
        dialog.setNewLabel(false);
        dialog.show();
        QTest::qWait(50);
        dialog.grab().save(QDir(QString::fromLocal8Bit(shots)).filePath("select-template.png"));
    }
}
