// The "Barcode Properties" window: controls filled from the object, what
// the symbology refuses said as the data is typed, the live sample, OK and
// Cancel.
#include "DataFileSession.h"
#include "FakePanelHost.h"

#include "merge/MergeSession.h"
#include "objects/LabelDialogs.h"
#include "objects/TGBarcode.h"
#include "objects/ui/ColorDropDown.h"
#include "objects/ui/InsertFieldBox.h"
#include "objects/ui/LabelSampleView.h"
#include "objects/ui/TBarcodeProperties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace sw;

namespace {

template <class T>
T *child(QWidget &w, const char *name)
{
    T *found = w.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

struct BarcodeDialog : ::testing::Test
{
    FakePanelHost panel;
    TGBarcode *barcode = nullptr;

    void SetUp() override
    {
        barcode = panel.adopt(new TGBarcode);
        barcode->Loaded();
        barcode->SetSymbology(bcEAN13);
        barcode->SetData(QStringLiteral("590123412345"));
        barcode->SetBarColor(clNavy);
        panel.resetCounts();
    }
};

} // namespace

TEST_F(BarcodeDialog, TypingSaysWhatTheSymbologyRefusesAndTheSampleFollows)
{
    TBarcodeProperties window(*barcode);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Barcode Properties"));
    auto *data = child<QPlainTextEdit>(window, "DataEdit");
    auto *problem = child<QLabel>(window, "ProblemLabel");
    auto *ok = child<QPushButton>(window, "OkButton");
    EXPECT_EQ(child<QComboBox>(window, "SymbologyCombo")->currentText(), QStringLiteral("EAN-13"));
    EXPECT_EQ(data->toPlainText(), QStringLiteral("590123412345"));
    EXPECT_EQ(problem->text(), QStringLiteral("Reads: 5901234123457"));
    EXPECT_EQ(child<ColorDropDown>(window, "BarColorCombo")->color(), clNavy);
    if (!qEnvironmentVariableIsEmpty("SW_RENDER_OUT")) {
        window.show();
        window.grab().save(qEnvironmentVariable("SW_RENDER_OUT"));
    }

    data->setPlainText(QStringLiteral("5901234123458"));
    EXPECT_EQ(problem->text(), QStringLiteral("check digit should be 7"));
    EXPECT_EQ(problem->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(window.Sample()->Problem(), QStringLiteral("check digit should be 7"));
    EXPECT_TRUE(ok->isEnabled()); // the panel will show the problem

    child<QComboBox>(window, "SymbologyCombo")->setCurrentIndex(bcQRCode);
    EXPECT_EQ(window.Sample()->Symbology(), bcQRCode);
    EXPECT_TRUE(problem->text().isEmpty());
    // 2D codes have no human-readable line.
    EXPECT_FALSE(child<QCheckBox>(window, "ShowTextCheck")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(window, "FontButton")->isEnabled());

    // Empty data could not be kept in the file: OK waits for some.
    data->clear();
    EXPECT_EQ(problem->text(), QStringLiteral("No data to encode"));
    EXPECT_FALSE(ok->isEnabled());
    data->setPlainText(QStringLiteral("東京"));
    EXPECT_TRUE(ok->isEnabled());

    // Choosing a background colour makes the background opaque.
    child<ColorDropDown>(window, "BackColorCombo")->setColor(clYellow);
    EXPECT_FALSE(window.Sample()->Transparent());
    EXPECT_FALSE(child<QCheckBox>(window, "TransparentCheck")->isChecked());
    EXPECT_EQ(window.SampleView()->render().pixel(0, 0), qRgb(255, 255, 0));

    // Shift+Enter breaks the line; nothing reaches the object before OK,
    // which Enter alone is.
    data->moveCursor(QTextCursor::End);
    QTest::keyClick(data, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(window.Sample()->Data(), QStringLiteral("東京\n"));
    EXPECT_EQ(barcode->Data(), QStringLiteral("590123412345"));
    EXPECT_EQ(panel.changes, 0);
    QTest::keyClick(data, Qt::Key_Return);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(barcode->Data(), QStringLiteral("東京\n"));
}

TEST_F(BarcodeDialog, OkGivesTheObjectEverySettingAndCancelNone)
{
    LabelDialogs::chooseFont = [](TFont &font) {
        font.setName(QStringLiteral("Courier New"));
        font.setSize(10);
        return true;
    };
    for (const char *button : {"CancelButton", "OkButton"}) {
        TBarcodeProperties window(*barcode);
        child<QComboBox>(window, "SymbologyCombo")->setCurrentIndex(bcCode39);
        child<QPlainTextEdit>(window, "DataEdit")->setPlainText(QStringLiteral("PART-7"));
        child<QPushButton>(window, "FontButton")->click();
        EXPECT_EQ(child<QPushButton>(window, "FontButton")->text(), QStringLiteral("Courier New, 10 pt"));
        child<QCheckBox>(window, "ShowTextCheck")->setChecked(false);
        child<ColorDropDown>(window, "BarColorCombo")->setColor(clMaroon);
        child<QPushButton>(window, button)->click();
        if (qstrcmp(button, "CancelButton") == 0) {
            EXPECT_EQ(barcode->Symbology(), bcEAN13);
            EXPECT_EQ(barcode->Font()->name(), QStringLiteral("Arial"));
            EXPECT_EQ(panel.changes, 0);
        }
    }
    LabelDialogs::chooseFont = {};
    EXPECT_EQ(barcode->Symbology(), bcCode39);
    EXPECT_EQ(barcode->Data(), QStringLiteral("PART-7"));
    EXPECT_FALSE(barcode->ShowText());
    EXPECT_EQ(barcode->BarColor(), clMaroon);
    EXPECT_EQ(barcode->Font()->name(), QStringLiteral("Courier New"));
    EXPECT_EQ(barcode->Font()->size(), 10);
}

TEST_F(BarcodeDialog, InsertFieldWritesAColumnIntoTheDataAtTheCursor)
{
    {
        TBarcodeProperties window(*barcode);
        EXPECT_FALSE(window.InsertField()->isVisibleTo(&window));
    }
    sw::test::chooseDataFile(QStringLiteral("stock.csv"), QStringList{"SKU", "Item"});
    TBarcodeProperties window(*barcode);
    MergeSession::clear();
    ASSERT_TRUE(window.InsertField()->isVisibleTo(&window));
    child<QComboBox>(window, "SymbologyCombo")->setCurrentIndex(bcCode128);
    auto *data = child<QPlainTextEdit>(window, "DataEdit");
    data->setPlainText(QStringLiteral("PART-"));
    data->moveCursor(QTextCursor::End);
    QTest::keyClick(window.InsertField()->Fields(), Qt::Key_Home);
    EXPECT_EQ(data->toPlainText(), QStringLiteral("PART-${SKU}"));
    // In a code that takes digits only, a field alone is no problem yet.
    child<QComboBox>(window, "SymbologyCombo")->setCurrentIndex(bcEAN13);
    data->setPlainText(QStringLiteral("${SKU}"));
    auto *problem = child<QLabel>(window, "ProblemLabel");
    EXPECT_EQ(problem->text(), QStringLiteral("Filled from each record of the data file when printing"));
    EXPECT_NE(problem->palette().color(QPalette::WindowText), QColor(Qt::red));
    data->setPlainText(QStringLiteral("PART-${SKU}"));
    child<QComboBox>(window, "SymbologyCombo")->setCurrentIndex(bcCode128);
    child<QPushButton>(window, "OkButton")->click();
    EXPECT_EQ(barcode->Data(), QStringLiteral("PART-${SKU}"));
}
