// The multi-line text editor, driven as a user would: typed text reaches
// the label on Ok, Cancel leaves it as it was, and the memo holds at most
// 254 characters; "Insert field" writes a data file's column into it.
#include "DataFileSession.h"
#include "FakePanelHost.h"

#include "merge/MergeSession.h"
#include "objects/ObjectEditors.h"
#include "objects/TGMultiLineLabel.h"
#include "objects/ui/InsertFieldBox.h"
#include "objects/ui/TMultiLineTextEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace sw;

namespace {

// Runs `act` on the editor once it is showing, then presses Ok or Cancel.
void whenShown(std::function<void(TMultiLineTextEditor *)> act, bool ok)
{
    QTimer::singleShot(0, [act, ok] {
        auto *dialog = qobject_cast<TMultiLineTextEditor *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
        auto *button = dialog->findChild<QPushButton *>(ok ? QStringLiteral("OkButton") : QStringLiteral("CancelButton"));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

struct MultiLineEditorTest : ::testing::Test
{
    FakePanelHost panel;
    TGMultiLineLabel *label = nullptr;
    void SetUp() override
    {
        TMultiLineTextEditor::install();
        label = panel.adopt(new TGMultiLineLabel);
        label->Loaded();
        label->SetBounds(10, 10, 200, 40);
    }
};

} // namespace

TEST_F(MultiLineEditorTest, TypedLinesReachTheLabelOnOk)
{
    whenShown([](TMultiLineTextEditor *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Multi-line Text Editor"));
        EXPECT_EQ(d->Memo()->objectName(), QStringLiteral("Memo"));
        EXPECT_EQ(d->Memo()->font().family(), QFont(QStringLiteral("Arial")).family());
        QTest::keyClicks(d->Memo(), QStringLiteral("Ms Jane Miller"));
        QTest::keyClick(d->Memo(), Qt::Key_Return); // a new line, not Ok
        QTest::keyClicks(d->Memo(), QStringLiteral("14 Harbour Street"));
        QTest::keyClick(d->Memo(), Qt::Key_Return);
        QTest::keyClicks(d->Memo(), QStringLiteral("Lowmoor"));
        EXPECT_TRUE(d->isVisible());
    }, true);
    // The multi-line tool's editor: edit, then fit the box to the text.
    EXPECT_TRUE(ObjectEditors::edit(label));
    EXPECT_EQ(label->Items()->strings(),
              (QStringList{"Ms Jane Miller", "14 Harbour Street", "Lowmoor"}));
    EXPECT_EQ(label->Width(), 200);
    EXPECT_LT(label->Height(), 80);
    EXPECT_GT(label->Height(), 30);
}

TEST_F(MultiLineEditorTest, CancelKeepsTheLabel)
{
    label->SetItems({QStringLiteral("first"), QStringLiteral("second")});
    panel.resetCounts();
    whenShown([](TMultiLineTextEditor *d) {
        EXPECT_EQ(d->Memo()->toPlainText(), QStringLiteral("first\nsecond"));
        d->Memo()->selectAll();
        QTest::keyClicks(d->Memo(), QStringLiteral("replaced"));
    }, false);
    EXPECT_TRUE(label->ObjectMenu().trigger(QStringLiteral("Text")));
    EXPECT_EQ(label->Items()->strings(), (QStringList{"first", "second"}));
    EXPECT_EQ(label->BoundsRect(), QRect(10, 10, 200, 40));
    EXPECT_EQ(panel.changes, 0);
}

TEST_F(MultiLineEditorTest, MemoHoldsAtMost254Characters)
{
    TMultiLineTextEditor d;
    d.setLines({QStringLiteral("abc")});
    d.Memo()->moveCursor(QTextCursor::End);
    QTest::keyClicks(d.Memo(), QString(300, QLatin1Char('x')));
    EXPECT_EQ(d.Memo()->toPlainText().size(), 254);
    EXPECT_TRUE(d.Memo()->toPlainText().startsWith(QLatin1String("abcxx")));

    // Pasting into the middle keeps the text on both sides and only as much
    // of the paste as fits; a line break counts two.
    d.setLines({QStringLiteral("head"), QStringLiteral("tail")}); // 10 with the break
    QTextCursor c = d.Memo()->textCursor();
    c.setPosition(4);
    d.Memo()->setTextCursor(c);
    d.Memo()->insertPlainText(QString(250, QLatin1Char('y')));
    EXPECT_EQ(TMultiLineTextEditor::textLength(d.Memo()->toPlainText()), 254);
    EXPECT_EQ(d.lines(), (QStringList{QStringLiteral("head") + QString(244, QLatin1Char('y')), "tail"}));

    // Text longer than the limit from a file is kept as it is.
    d.setLines({QString(300, QLatin1Char('z'))});
    EXPECT_EQ(d.Memo()->toPlainText().size(), 300);

    // A final line break makes no extra line; an empty memo has none.
    d.Memo()->setPlainText(QStringLiteral("a\n\nb\n"));
    EXPECT_EQ(d.lines(), (QStringList{"a", "", "b"}));
    d.Memo()->clear();
    EXPECT_TRUE(d.lines().isEmpty());
}

TEST_F(MultiLineEditorTest, InsertFieldWritesTheChosenColumnWhereTheCursorIs)
{
    // Without a data file there is nothing to insert.
    {
        TMultiLineTextEditor d;
        EXPECT_FALSE(d.InsertField()->isVisibleTo(&d));
    }
    // A nameless column cannot be referred to.
    sw::test::chooseDataFile(QStringLiteral("people.csv"), QStringList{"Name", " ", "Street", "City"});
    whenShown([](TMultiLineTextEditor *d) {
        EXPECT_TRUE(d->InsertField()->isVisible());
        QComboBox *fields = d->InsertField()->Fields();
        ASSERT_EQ(fields->count(), 3);
        EXPECT_EQ(fields->itemText(2), QStringLiteral("City"));
        QTest::keyClicks(d->Memo(), QStringLiteral("To "));
        fields->setFocus();
        QTest::keyClick(fields, Qt::Key_Down); // the first column
        QTest::keyClick(d->Memo(), Qt::Key_Return);
        QTest::keyClicks(d->Memo(), QStringLiteral("Zip: "));
        fields->setFocus();
        QTest::keyClick(fields, Qt::Key_End); // the last
        QTest::keyClick(d->Memo(), Qt::Key_Left); // just before the "}"
        QTest::keyClicks(d->Memo(), QStringLiteral("x"));
    }, true);
    EXPECT_TRUE(ObjectEditors::edit(label));
    MergeSession::clear();
    EXPECT_EQ(label->Items()->strings(), (QStringList{"To ${Name}", "Zip: ${Cityx}"}));
}
