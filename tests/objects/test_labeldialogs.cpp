// The windows of the text, counter and symbol labels, driven as a user
// would: the label changes on Ok and stays as it was on Cancel.
#include "DataFileSession.h"
#include "FakePanelHost.h"
#include "ObjectTestUtil.h"

#include "merge/MergeSession.h"
#include "objects/LabelDialogs.h"
#include "objects/ObjectEditors.h"
#include "objects/TGCounterLabel.h"
#include "objects/TGPLabel.h"
#include "objects/TGSymbolLabel.h"
#include "objects/ui/ColorDropDown.h"
#include "objects/ui/FontDialog.h"
#include "objects/ui/InsertFieldBox.h"
#include "objects/ui/LabelObjectDialogs.h"
#include "objects/ui/LabelSampleView.h"
#include "objects/ui/TGFont3DEffects.h"
#include "objects/ui/TGetCounter.h"
#include "objects/ui/TGetLabelText.h"
#include "objects/ui/TGetSymbol.h"
#include "platform/TFont.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace sw;

namespace {

// Runs `act` on the modal dialog of type D once it is showing, then presses
// its Ok or Cancel button.
template <class D>
void whenShown(std::function<void(D *)> act, bool ok)
{
    QTimer::singleShot(0, [act, ok] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
        auto *button = dialog->template findChild<QPushButton *>(ok ? QStringLiteral("OkButton")
                                                                     : QStringLiteral("CancelButton"));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

QStringList labelTexts(const QWidget *w)
{
    QStringList texts;
    for (const QLabel *l : w->findChildren<QLabel *>())
        texts << l->text();
    return texts;
}

struct LabelDialogsTest : ::testing::Test
{
    FakePanelHost panel;
    void SetUp() override { LabelObjectDialogs::install(); }
};

} // namespace

TEST_F(LabelDialogsTest, TextWindowChangesTheCaptionOnlyOnOk)
{
    auto *l = panel.adopt(new TGPLabel);
    l->Loaded();
    l->SetBounds(0, 0, 20, 10);

    whenShown<TGetLabelText>([](TGetLabelText *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Text"));
        EXPECT_TRUE(labelTexts(d).contains(QStringLiteral("Enter Text")));
        EXPECT_EQ(d->LabelText()->text(), QStringLiteral("Text"));
        d->LabelText()->clear();
        QTest::keyClicks(d->LabelText(), QStringLiteral("Hello labels"));
    }, false);
    EXPECT_FALSE(l->EditText());
    EXPECT_EQ(l->Caption(), QStringLiteral("Text"));
    EXPECT_EQ(l->Width(), 20);

    panel.resetCounts();
    whenShown<TGetLabelText>([](TGetLabelText *d) {
        d->LabelText()->clear();
        QTest::keyClicks(d->LabelText(), QStringLiteral("Hello labels"));
    }, true);
    // The panel's text tool opens the same window.
    EXPECT_TRUE(ObjectEditors::edit(l));
    EXPECT_EQ(l->Caption(), QStringLiteral("Hello labels"));
    EXPECT_GT(l->Width(), 20); // grown to fit
    EXPECT_GE(panel.changes, 1);
}

TEST_F(LabelDialogsTest, TextWindowInsertsAFieldOfTheDataFileAtTheCursor)
{
    auto *l = panel.adopt(new TGPLabel);
    l->Loaded();
    whenShown<TGetLabelText>([](TGetLabelText *d) {
        EXPECT_FALSE(d->InsertField()->isVisible());
    }, false);
    l->EditText();

    sw::test::chooseDataFile(QStringLiteral("stock.csv"), QStringList{"Item", "Price"});
    whenShown<TGetLabelText>([](TGetLabelText *d) {
        ASSERT_TRUE(d->InsertField()->isVisible());
        d->LabelText()->setText(QStringLiteral("Only  today"));
        d->LabelText()->setCursorPosition(5);
        QComboBox *fields = d->InsertField()->Fields();
        QTest::keyClick(fields, Qt::Key_End);
        EXPECT_EQ(fields->currentIndex(), -1); // ready to insert the same column again
    }, true);
    EXPECT_TRUE(l->EditText());
    MergeSession::clear();
    EXPECT_EQ(l->Caption(), QStringLiteral("Only ${Price} today"));
}

TEST_F(LabelDialogsTest, ThreeDEffectsTryOutOnTheSampleAndApplyOnOk)
{
    auto *l = panel.adopt(new TGPLabel);
    l->Loaded();
    l->SetDepthShadow(3);
    l->SetcolorShadow(clMaroon);
    l->Font()->setColor(clGreen);

    {
        TGFont3DEffects d(*l);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Text 3D Effects"));
        // The controls show the label's settings.
        EXPECT_EQ(d.ShadowDirection()->currentIndex(), int(TGBaseLabel::sdDownRight));
        EXPECT_EQ(d.ShadowDepth()->currentIndex(), 3);
        EXPECT_EQ(d.HighlightDirection()->currentIndex(), int(TGBaseLabel::hdUpLeft));
        EXPECT_EQ(d.ShadowColorCombo()->color(), clMaroon);
        EXPECT_EQ(d.HighLightColorCombo()->color(), clAqua);
        EXPECT_EQ(d.FontColorCombo()->color(), clGreen);
        EXPECT_EQ(d.ShadowDirection()->itemText(3), QStringLiteral("Lower Right"));
        EXPECT_EQ(d.HighlightDirection()->itemText(4), QStringLiteral("Upper Left"));
        EXPECT_EQ(d.HighLightDepth()->count(), 11);
        EXPECT_EQ(d.Sample()->Caption(), QStringLiteral("Text"));

        d.ShadowDirection()->setCurrentIndex(int(TGBaseLabel::sdLeft));
        d.HighLightDepth()->setCurrentIndex(4);
        d.FontColorCombo()->setColor(clRed);
        EXPECT_EQ(d.Sample()->DirectionShadow(), TGBaseLabel::sdLeft);
        EXPECT_EQ(d.Sample()->DepthHighlight(), 4);
        EXPECT_EQ(d.Sample()->Font()->color(), clRed);
        EXPECT_FALSE(d.sampleView()->render().isNull());
        d.reject();
    }
    EXPECT_EQ(l->DirectionShadow(), TGBaseLabel::sdDownRight);
    EXPECT_EQ(l->DepthHighlight(), 0);
    EXPECT_EQ(l->Font()->color(), clGreen);

    panel.resetCounts();
    whenShown<TGFont3DEffects>([](TGFont3DEffects *d) {
        d->ShadowDirection()->setCurrentIndex(int(TGBaseLabel::sdDown));
        d->ShadowColorCombo()->setColor(0x123456);
        d->HighlightDirection()->setCurrentIndex(int(TGBaseLabel::hdUp));
        d->HighLightDepth()->setCurrentIndex(2);
        d->FontColorCombo()->setColor(clBlue);
    }, true);
    EXPECT_TRUE(l->ObjectMenu().trigger(QStringLiteral("3D Effects")));
    EXPECT_EQ(l->DirectionShadow(), TGBaseLabel::sdDown);
    EXPECT_EQ(l->colorShadow(), 0x123456);
    EXPECT_EQ(l->DirectionHighlight(), TGBaseLabel::hdUp);
    EXPECT_EQ(l->DepthHighlight(), 2);
    EXPECT_EQ(l->DepthShadow(), 3);
    EXPECT_EQ(l->Font()->color(), clBlue);
    EXPECT_GE(panel.changes, 1);
}

TEST_F(LabelDialogsTest, CounterWindowHasItsCaptionsAndRanges)
{
    TGetCounter d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Counter"));
    const QStringList texts = labelTexts(&d);
    for (const char *caption : {"Text  before", "Starting Number", "Repeat number for #of  labels?", "Text after",
                                "Leading zeros to ", "digits"})
        EXPECT_TRUE(texts.contains(QLatin1String(caption))) << caption;
    EXPECT_EQ(d.RepeatFor()->minimum(), 1);
    EXPECT_EQ(d.RepeatFor()->maximum(), 999);
    EXPECT_EQ(d.LeadingZeros()->minimum(), 0);
    EXPECT_EQ(d.LeadingZeros()->maximum(), 9);
    EXPECT_EQ(d.StartingNumber()->minimum(), std::numeric_limits<int>::min());
    EXPECT_EQ(d.StartingNumber()->maximum(), std::numeric_limits<int>::max());
}

TEST_F(LabelDialogsTest, CounterWindowInsertsAFieldBeforeOrAfterTheNumber)
{
    auto *c = panel.adopt(new TGCounterLabel);
    c->Loaded();
    c->SetTextBefore(QStringLiteral("Seat "));
    c->SetTextAfter(QString());
    whenShown<TGetCounter>([](TGetCounter *d) { EXPECT_FALSE(d->InsertField()->isVisible()); }, false);
    c->EditCounter();

    sw::test::chooseDataFile(QStringLiteral("guests.csv"), QStringList{"Name", "Table"});
    // Untouched, the text before the number takes it, at its end.
    whenShown<TGetCounter>([](TGetCounter *d) {
        ASSERT_TRUE(d->InsertField()->isVisible());
        QTest::keyClick(d->InsertField()->Fields(), Qt::Key_End);
    }, true);
    EXPECT_TRUE(c->EditCounter());
    EXPECT_EQ(c->TextBefore(), QStringLiteral("Seat ${Table}"));
    // Typed after the number: the field goes there.
    whenShown<TGetCounter>([](TGetCounter *d) {
        QTest::keyClicks(d->TextAfter(), QStringLiteral(" for "));
        QTest::keyClick(d->InsertField()->Fields(), Qt::Key_Home);
    }, true);
    EXPECT_TRUE(c->EditCounter());
    MergeSession::clear();
    EXPECT_EQ(c->TextBefore(), QStringLiteral("Seat ${Table}"));
    EXPECT_EQ(c->TextAfter(), QStringLiteral(" for ${Name}"));
}

TEST_F(LabelDialogsTest, CounterSettingsApplyOnOkAndFitTheBox)
{
    auto *c = panel.adopt(new TGCounterLabel);
    c->Loaded();
    c->SetStartingnumber(1000);

    whenShown<TGetCounter>([](TGetCounter *d) { d->StartingNumber()->setValue(5); }, false);
    EXPECT_FALSE(c->EditCounter());
    EXPECT_EQ(c->Startingnumber(), 1000);

    panel.resetCounts();
    whenShown<TGetCounter>([](TGetCounter *d) {
        EXPECT_EQ(d->StartingNumber()->value(), 1000);
        EXPECT_EQ(d->RepeatFor()->value(), 1);
        QTest::keyClicks(d->TextBefore(), QStringLiteral("Ticket "));
        d->StartingNumber()->setValue(-42);
        d->RepeatFor()->setValue(3);
        QTest::keyClicks(d->TextAfter(), QStringLiteral("!"));
        d->LeadingZeros()->setValue(4);
    }, true);
    EXPECT_TRUE(ObjectEditors::edit(c));
    EXPECT_EQ(c->Startingnumber(), -42);
    EXPECT_EQ(c->CurrentNumber(), -42);
    EXPECT_EQ(c->RepeatEach(), 3);
    EXPECT_EQ(c->TextBefore(), QStringLiteral("Ticket "));
    EXPECT_EQ(c->TextAfter(), QStringLiteral("!"));
    EXPECT_EQ(c->LeadingZeros(), 4);
    EXPECT_EQ(c->Caption(), QStringLiteral("Ticket -0042!"));
    EXPECT_GT(c->Width(), 10);
    EXPECT_GE(panel.changes, 1);
}

TEST_F(LabelDialogsTest, CounterBoxFitsItsCaptionWithLeadingZerosAsATypedTextsBox)
{
    auto *c = panel.adopt(new TGCounterLabel);
    c->Loaded();
    whenShown<TGetCounter>([](TGetCounter *d) {
        QTest::keyClicks(d->TextBefore(), QStringLiteral("Ticket number "));
        d->StartingNumber()->setValue(7);
        QTest::keyClicks(d->TextAfter(), QStringLiteral(" pcs"));
        d->LeadingZeros()->setValue(4);
    }, true);
    ASSERT_TRUE(c->EditCounter());
    EXPECT_EQ(c->Caption(), QStringLiteral("Ticket number 0007 pcs"));

    auto *l = panel.adopt(new TGPLabel);
    l->Loaded();
    l->SetBounds(c->Left(), c->Top(), 10, c->Height());
    whenShown<TGetLabelText>([](TGetLabelText *d) {
        d->LabelText()->clear();
        QTest::keyClicks(d->LabelText(), QStringLiteral("Ticket number 0007 pcs"));
    }, true);
    ASSERT_TRUE(l->EditText());
    EXPECT_EQ(c->BoundsRect(), l->BoundsRect());
    for (float zoom : {1.0f, 1.5f}) {
        c->SetScale(zoom);
        l->SetScale(zoom);
        EXPECT_EQ(test::paint(*c), test::paint(*l)) << zoom;
    }
}

TEST(SymbolWindow, ColumnsFollowTheGridFontSize)
{
    const struct { int points, columns; } table[] = {
        {5, 1},  {6, 14}, {10, 14}, {11, 10}, {20, 10}, {21, 8},  {30, 8},  {31, 6},
        {40, 6}, {41, 4}, {50, 4},  {51, 3},  {60, 3},  {61, 2},  {72, 2},  {73, 1},
    };
    for (const auto &t : table)
        EXPECT_EQ(TGetSymbol::columnsForSize(t.points), t.columns) << t.points;
}

TEST(SymbolWindow, FontButtonCaptionNamesTheGridFont)
{
    EXPECT_EQ(TGetSymbol::fontCaption(QStringLiteral("Wingdings"), 20, {}), QStringLiteral("Wingdings, 20pt "));
    EXPECT_EQ(TGetSymbol::fontCaption(QStringLiteral("Arial"), 12, fsBold), QStringLiteral("Arial, 12pt Bold "));
    EXPECT_EQ(TGetSymbol::fontCaption(QStringLiteral("Arial"), 12, fsBold | fsItalic),
              QStringLiteral("Arial, 12pt Italic "));
}

TEST_F(LabelDialogsTest, SymbolWindowShowsEveryCharacterAndPicksOneOnOk)
{
    auto *s = panel.adopt(new TGSymbolLabel);
    s->Loaded();
    s->SetBounds(5, 5, 50, 50);

    whenShown<TGetSymbol>([](TGetSymbol *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Symbol Selector"));
        EXPECT_EQ(d->SymbolList()->count(), 224);
        EXPECT_EQ(d->SymbolList()->currentRow(), '[' - 32);
        EXPECT_EQ(d->columnCount(), 10);
        EXPECT_EQ(d->Fontbutton()->text(), QStringLiteral("WingDings, 20pt "));
        EXPECT_FALSE(d->SelectedChar()->isVisible());
        d->SymbolList()->setCurrentRow(8);
    }, false);
    EXPECT_FALSE(s->ChooseSymbol());
    EXPECT_EQ(s->Caption(), QStringLiteral("["));

    // A font chosen in the font window travels with the character; the
    // grid keeps its size.
    panel.resetCounts();
    whenShown<TGetSymbol>([](TGetSymbol *d) {
        whenShown<FontDialog>([](FontDialog *f) {
            EXPECT_EQ(f->currentFace(), QStringLiteral("WingDings"));
            f->FaceEdit()->selectAll();
            QTest::keyClicks(f->FaceEdit(), QStringLiteral("Liberation Serif"));
            f->SizeEdit()->setText(QStringLiteral("36"));
            f->StyleList()->setCurrentRow(1); // Italic
            f->ColorBox()->setColor(clRed);
        }, true);
        d->chooseFont();
        EXPECT_EQ(d->gridFont().name(), QStringLiteral("Liberation Serif"));
        EXPECT_EQ(d->gridFont().size(), TGetSymbol::GridPointSize);
        EXPECT_EQ(d->gridFont().color(), clRed);
        EXPECT_EQ(d->Fontbutton()->text(), QStringLiteral("Liberation Serif, 20pt Italic "));
        EXPECT_EQ(d->SymbolList()->item(8)->text(), QStringLiteral("("));
        d->SymbolList()->setCurrentRow(8);
    }, true);
    EXPECT_TRUE(ObjectEditors::edit(s));
    EXPECT_EQ(s->Caption(), QString(QChar(40)));
    EXPECT_EQ(s->Font()->name(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(s->Font()->size(), 36);
    EXPECT_EQ(s->Font()->color(), clRed);
    EXPECT_EQ(s->BoundsRect().size(), s->fittedSize());
    EXPECT_GE(panel.changes, 1);
}
