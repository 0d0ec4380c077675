#include "layouts/ui/TUserEditLabelLayout.h"

#include "controls/TNumEdit.h"
#include "platform/MessageService.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace sw;

namespace {

class UserEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        dialog.Values = UserLayoutValues::fromLayout(TLabelLayout::defaultLayout());
    }

    template <class T> T *child(const char *name) { return dialog.findChild<T *>(QLatin1String(name)); }
    TNumEdit *box(const char *name) { return child<TNumEdit>(name); }
    QString text(const char *name) { return box(name)->text(); }
    // Replaces a box's text by typing, as the user would.
    void retype(const char *name, const QString &keys)
    {
        TNumEdit *b = box(name);
        b->setFocus();
        b->selectAll();
        QTest::keyClicks(b, keys);
    }
    void open()
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    void pressOk() { QTest::mouseClick(child<QPushButton>("OkButton"), Qt::LeftButton); }
    void choosePaper(int item)
    {
        auto *paper = child<QComboBox>("epapersize");
        paper->setCurrentIndex(item);
        Q_EMIT paper->activated(item);
    }

    ScriptedMessageHandler messages;
    ScopedMessageHandler installed{&messages};
    TUserEditLabelLayout dialog;
};

} // namespace

TEST_F(UserEditTest, ActivationFillsTheBoxesInInches)
{
    dialog.Values.ShapeCode = "XX";
    dialog.Values.PaperCode = "A4L";
    open();
    EXPECT_EQ(dialog.windowTitle(), "User Defined Label Layout");
    EXPECT_EQ(text("elblwidth"), "2.65");
    EXPECT_EQ(text("elblHeight"), "1");
    EXPECT_EQ(text("eHorizPitch"), "2.765");
    EXPECT_EQ(text("eVertPitch"), "1.01");
    EXPECT_EQ(text("eleftmarg"), "0.188");
    EXPECT_EQ(text("etopmarg"), "0.5");
    EXPECT_EQ(child<QSpinBox>("enbracross")->value(), 3);
    EXPECT_EQ(child<QSpinBox>("enbrdown")->value(), 10);
    EXPECT_EQ(child<QComboBox>("eLabelShape")->currentIndex(), 2);
    EXPECT_EQ(child<QComboBox>("epapersize")->currentIndex(), 3);
    // Selecting the paper keeps the layout's own sheet size.
    EXPECT_EQ(text("esheetwidth"), "8.5");
    EXPECT_EQ(text("esheetdepth"), "11");
    EXPECT_TRUE(box("esheetwidth")->isReadOnly());
    EXPECT_EQ(box("esheetdepth")->focusPolicy() & Qt::TabFocus, 0);
    EXPECT_TRUE(child<QRadioButton>("Inchesbutton")->isChecked());
}

TEST_F(UserEditTest, UnitSwitchConvertsTheEightBoxes)
{
    open();
    child<QRadioButton>("MMButton")->click();
    EXPECT_EQ(text("elblwidth"), "67.31");
    EXPECT_EQ(text("elblHeight"), "25.4");
    EXPECT_EQ(text("eleftmarg"), "4.78");
    EXPECT_EQ(text("esheetwidth"), "215.9");
    EXPECT_EQ(text("esheetdepth"), "279.4");
    EXPECT_EQ(box("elblwidth")->Decimals(), 2);

    child<QRadioButton>("Inchesbutton")->click();
    EXPECT_EQ(text("elblwidth"), "2.65");
    EXPECT_EQ(text("elblHeight"), "1.0"); // the inch mask "#0.0##"
    EXPECT_EQ(text("esheetdepth"), "11.0");
    EXPECT_EQ(box("elblwidth")->Masks().PositiveMask, "#0.0##");
    EXPECT_EQ(box("elblwidth")->Decimals(), 3);
    EXPECT_NEAR(box("elblwidth")->Value(), 2.65, 1e-6);
}

TEST_F(UserEditTest, PaperChoiceSetsTheSheetSizeInTheCurrentUnit)
{
    open();
    choosePaper(2);
    EXPECT_EQ(text("esheetwidth"), "8.27");
    EXPECT_EQ(text("esheetdepth"), "11.69");
    dialog.setUseMM(true);
    choosePaper(4);
    EXPECT_EQ(text("esheetwidth"), "147.83");
    EXPECT_EQ(text("esheetdepth"), "210.06");
    pressOk();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values.PaperCode, "A5");
    EXPECT_EQ(dialog.Values.PageWidth, 5.82f);
    EXPECT_EQ(dialog.Values.PageHeight, 8.27f);
}

TEST_F(UserEditTest, LeavingTheLabelSizeRaisesAShorterPitch)
{
    open();
    retype("elblwidth", "3");
    retype("elblHeight", "0.9"); // leaves the width box: pitch 2.765 -> 3
    EXPECT_EQ(text("eHorizPitch"), "3");
    EXPECT_EQ(text("eVertPitch"), "1.01"); // height below the pitch: unchanged
    retype("elblHeight", "1.5");
    pressOk(); // Enter-free path: the click leaves the box first
    EXPECT_EQ(dialog.Values.VertPitch, 1.5f);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(UserEditTest, OkEndsTheEditOfTheFocusedBoxFirst)
{
    open();
    retype("elblwidth", "3");
    // The default button pressed with Enter: the focus is still in the box.
    QTest::keyClick(box("elblwidth"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values.LabelWidth, 3.0f);
    EXPECT_EQ(dialog.Values.HorizPitch, 3.0f);
}

TEST_F(UserEditTest, MillimetreEntriesAreRoundedToThousandthsOfAnInch)
{
    dialog.setUseMM(true);
    open();
    EXPECT_EQ(text("elblHeight"), "25.4"); // opened in millimetres
    retype("elblHeight", "25.4");
    retype("elblwidth", "63.5");
    retype("eHorizPitch", "70");
    pressOk();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values.LabelHeight, 1.0f);
    EXPECT_EQ(dialog.Values.LabelWidth, 2.5f);
    EXPECT_EQ(dialog.Values.HorizPitch, 2.756f); // 2.7559...
    EXPECT_EQ(dialog.Values.LeftMargin, 0.188f);
    EXPECT_EQ(dialog.Values.PageHeight, 11.0f);
}

TEST_F(UserEditTest, SevenMillimetresFailsTheHeightRule)
{
    dialog.setUseMM(true);
    open();
    retype("elblHeight", "7");
    pressOk();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.front().kind, ScriptedMessageHandler::Kind::Information);
    EXPECT_EQ(messages.messages.front().text, "Label Height must be at least .3 inches (or 7mm)");
    EXPECT_EQ(dialog.Values.LabelHeight, 0.276f);
}

TEST_F(UserEditTest, OneColumnAndOneRowLeaveThePitchesUnchecked)
{
    open();
    box("eHorizPitch")->setValue(0.1);
    box("eVertPitch")->setValue(0.1);
    child<QSpinBox>("enbracross")->setValue(1);
    child<QSpinBox>("enbrdown")->setValue(1);
    pressOk();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(UserEditDialog, EditReturnsAUserDefinedLayoutAndTheUnit)
{
    QLocale::setDefault(QLocale::c());
    ScriptedMessageHandler messages;
    ScopedMessageHandler installed(&messages);
    TLabelLayout current = TLabelLayout::defaultLayout();
    current.ArtName = "AV5160";
    current.RightHalfOffset = 0.5;
    bool useMM = false;
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TUserEditLabelLayout *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QRadioButton *>("MMButton")->click();
        dialog->findChild<QComboBox *>("eLabelShape")->setCurrentIndex(1);
        QTest::mouseClick(dialog->findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    });
    const std::optional<TLabelLayout> result = TUserEditLabelLayout::edit(nullptr, current, useMM);
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(useMM);
    EXPECT_EQ(result->LayoutName, "USER DEFINED");
    EXPECT_EQ(result->ShapeCode, "SR");
    EXPECT_EQ(result->PaperCode, "LTR");
    EXPECT_EQ(result->LabelWidth, static_cast<double>(2.65f));
    EXPECT_EQ(result->LeftMargin, static_cast<double>(0.188f));
    EXPECT_TRUE(result->ArtName.isEmpty());
    EXPECT_TRUE(result->PrinterType.isEmpty());
    EXPECT_EQ(result->RightHalfOffset, 0.0);

    // Cancel returns nothing but still reports the unit.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TUserEditLabelLayout *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QRadioButton *>("Inchesbutton")->click();
        QTest::mouseClick(dialog->findChild<QPushButton *>("Cancelbutton"), Qt::LeftButton);
    });
    EXPECT_FALSE(TUserEditLabelLayout::edit(nullptr, current, useMM).has_value());
    EXPECT_FALSE(useMM);

    if (const QByteArray shots = qgetenv("STICKWELL_SCREENSHOT_DIR"); !shots.isEmpty()) {
        TUserEditLabelLayout dialog;
        dialog.Values = UserLayoutValues::fromLayout(current);
        dialog.show();
        QTest::qWait(50);
        dialog.grab().save(QDir(QString::fromLocal8Bit(shots)).filePath("user-layout.png"));
    }
}
