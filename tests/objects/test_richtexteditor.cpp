// The Rich Text Editor, driven as a user drives it: the rich-text tool and a
// double-click open it, typing and the toolbar format the text, Ok hands it
// to the label and Cancel does not, the zoom buttons keep to 50..100 per
// cent. End to end: the text typed is saved, read back and printed by
// skprint to PDF, where every label position shows the words in order.
#include "DataFileSession.h"
#include "PdfWords.h"
#include "RichTextTestUtil.h"
#include "merge/MergeSession.h"
#include "objects/ObjectEditors.h"
#include "objects/TGPRichBaseLabel.h"
#include "objects/ui/InsertFieldBox.h"
#include "objects/ui/TRichTextLabelEditor.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenInfo.h"
#include "richtext/TWPRTFTextIo.h"
#include "richtext/TWPRichText.h"
#include "richtext/ui/RichTextEditItem.h"
#include "richtext/ui/TWPRichTextView.h"
#include "richtext/ui/TWPToolBar.h"
#include "surface/TGStickwellPanel32.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace sw;
using sw::test::paragraphs;

namespace {

// Runs `act` on the editor once it shows (events run before it opens,
// so it is looked for until it is there), then presses Ok or Cancel.
void whenShown(std::function<void(TRichTextLabelEditor *)> act, bool ok, int *shown = nullptr, int tries = 200)
{
    QTimer::singleShot(tries == 200 ? 0 : 10, [act, ok, shown, tries] {
        auto *editor = qobject_cast<TRichTextLabelEditor *>(QApplication::activeModalWidget());
        // Shown and set up: the editing area appears on the first activation.
        if (!editor || !editor->WPPanel()->isVisible()) {
            ASSERT_GT(tries, 0) << "the editor did not open";
            whenShown(act, ok, shown, tries - 1);
            return;
        }
        if (shown)
            ++*shown;
        act(editor);
        auto *button = editor->findChild<QPushButton *>(ok ? QStringLiteral("OkButton") : QStringLiteral("CancelButton"));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

QToolButton *toolButton(TRichTextLabelEditor *e, const char *name)
{
    return e->WPToolBar1()->findChild<QToolButton *>(QLatin1String(name));
}

void click(TRichTextLabelEditor *e, const char *name)
{
    QToolButton *b = toolButton(e, name);
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

void type(TRichTextLabelEditor *e, const QString &text)
{
    QTest::keyClicks(e->richTextView(), text);
}

// Types into a font box and presses Return, as a user does.
void enterInBox(QComboBox *box, const QString &text)
{
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
    QTest::keyClick(box, Qt::Key_Return);
}

void chooseColor(TRichTextLabelEditor *e, const QString &name)
{
    QComboBox *box = e->WPToolBar1()->fontColorBox();
    const int index = box->findText(name);
    ASSERT_GE(index, 0);
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

using Word = sw::test::PdfWord;
using sw::test::pdfWords;

struct RichTextEditor : ::testing::Test
{
    QTemporaryDir dir;
    TGStickwellPanel32 panel;
    int popups = 0;

    void SetUp() override
    {
        ProgramFolder::setPath(dir.path());
        ScreenInfo::overridePixelsPerInch(96);
        TRichTextLabelEditor::install();
        PopupMenu::setPresenter([this](PopupMenu &, const QPoint &) { ++popups; });
        panel.setSize(254, 96);
    }
    void TearDown() override
    {
        PopupMenu::setPresenter(nullptr);
        ScreenInfo::overridePixelsPerInch(0);
        ProgramFolder::setPath(QString());
    }

    // Draws a rich-text box with the tool; the editor opens on it.
    TGPRichBaseLabel *draw(const QRect &band, std::function<void(TRichTextLabelEditor *)> act, bool ok)
    {
        panel.SetPanelState(TGStickwellPanel32::psRichLabel);
        int shown = 0;
        whenShown(act, ok, &shown);
        panel.CreateObjectInRect(band);
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(panel.PanelState(), TGStickwellPanel32::psPointing);
        return panel.labelObjects().isEmpty() ? nullptr : qobject_cast<TGPRichBaseLabel *>(panel.labelObjects().last());
    }
};

} // namespace

TEST_F(RichTextEditor, DoubleClickOpensTheEditorNotThePopup)
{
    TGPRichBaseLabel *label = draw(QRect(20, 10, 190, 33), [](TRichTextLabelEditor *e) {
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Rich Text Editor"));
        EXPECT_TRUE(e->WPPanel()->isVisible());
        EXPECT_EQ(e->WPPanel()->size(), QSize(191, 34));
    }, false);
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->RTFText()->isEmpty());

    // A double-click: the first press selects, the second opens the editor.
    const QPoint inside(60, 20);
    panel.mouseDown(Qt::LeftButton, {}, inside, inside);
    panel.mouseUp(Qt::LeftButton, {}, inside);
    int shown = 0;
    whenShown([](TRichTextLabelEditor *) {}, false, &shown);
    panel.doubleClick(inside, inside);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(popups, 0);
    // The popup's "Edit" opens it too.
    whenShown([](TRichTextLabelEditor *) {}, false, &shown);
    EXPECT_TRUE(label->ObjectMenu().trigger(QStringLiteral("Edit")));
    EXPECT_EQ(shown, 2);
}

TEST_F(RichTextEditor, TypedAndFormattedTextReachesTheLabelOnOkOnly)
{
    TGPRichBaseLabel *label = draw(QRect(20, 10, 190, 40), [](TRichTextLabelEditor *e) {
        type(e, QStringLiteral("Plain "));
        click(e, "BoldButton");
        type(e, QStringLiteral("bold"));
        click(e, "BoldButton");
        click(e, "UnderlineButton");
        type(e, QStringLiteral(" under"));
        EXPECT_TRUE(e->isVisible());
    }, true);
    ASSERT_NE(label, nullptr);
    const auto lines = paragraphs(*label->RTFText()->document());
    ASSERT_EQ(lines.size(), 1);
    ASSERT_EQ(lines[0].runs.size(), 3);
    EXPECT_EQ(lines[0].runs[0].text, QStringLiteral("Plain "));
    EXPECT_EQ(lines[0].runs[0].family, QStringLiteral("Arial"));
    EXPECT_EQ(lines[0].runs[0].points, 10);
    EXPECT_TRUE(lines[0].runs[1].bold);
    EXPECT_EQ(lines[0].runs[1].text, QStringLiteral("bold"));
    EXPECT_FALSE(lines[0].runs[2].bold);

    // Cancel leaves the label as it was.
    const QByteArray before = label->RTFText()->rtf();
    whenShown([](TRichTextLabelEditor *e) {
        // The editor shows the label's text, caret at the start.
        EXPECT_EQ(e->richTextView()->textCursor().position(), 0);
        type(e, QStringLiteral("discarded "));
    }, false);
    EXPECT_FALSE(label->EditRichText());
    EXPECT_EQ(label->RTFText()->rtf(), before);
}

TEST_F(RichTextEditor, InsertFieldWritesAColumnAtTheCaretInItsFormat)
{
    sw::test::chooseDataFile(QStringLiteral("guests.csv"), QStringList{"Name", "Table"});
    TGPRichBaseLabel *label = draw(QRect(20, 10, 190, 40), [](TRichTextLabelEditor *e) {
        ASSERT_TRUE(e->InsertField()->isVisible());
        type(e, QStringLiteral("Dear "));
        click(e, "BoldButton");
        QTest::keyClick(e->InsertField()->Fields(), Qt::Key_Home);
        click(e, "BoldButton");
        type(e, QStringLiteral(","));
    }, true);
    MergeSession::clear();
    ASSERT_NE(label, nullptr);
    const auto lines = paragraphs(*label->RTFText()->document());
    ASSERT_EQ(lines.size(), 1);
    ASSERT_EQ(lines[0].runs.size(), 3);
    EXPECT_EQ(lines[0].runs[0].text, QStringLiteral("Dear "));
    EXPECT_EQ(lines[0].runs[1].text, QStringLiteral("${Name}"));
    EXPECT_TRUE(lines[0].runs[1].bold);
    EXPECT_EQ(lines[0].runs[2].text, QStringLiteral(","));
    EXPECT_FALSE(lines[0].runs[2].bold);

    // Without a data file there is nothing to insert.
    whenShown([](TRichTextLabelEditor *e) { EXPECT_FALSE(e->InsertField()->isVisible()); }, false);
    label->EditRichText();
}

TEST_F(RichTextEditor, CtrlBIAndUFormatWhatIsTypedNext)
{
    TGPRichBaseLabel *label = draw(QRect(20, 10, 190, 40), [](TRichTextLabelEditor *e) {
        EXPECT_EQ(toolButton(e, "BoldButton")->toolTip(), QStringLiteral("Bold (Ctrl+B)"));
        type(e, QStringLiteral("a"));
        QTest::keyClick(e->richTextView(), Qt::Key_B, Qt::ControlModifier);
        type(e, QStringLiteral("b"));
        QTest::keyClick(e->richTextView(), Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(e->richTextView(), Qt::Key_I, Qt::ControlModifier);
        type(e, QStringLiteral("i"));
        QTest::keyClick(e->richTextView(), Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(e->richTextView(), Qt::Key_U, Qt::ControlModifier);
        type(e, QStringLiteral("u"));
    }, true);
    ASSERT_NE(label, nullptr);
    const auto lines = paragraphs(*label->RTFText()->document());
    ASSERT_EQ(lines.size(), 1);
    ASSERT_EQ(lines[0].runs.size(), 4);
    EXPECT_FALSE(lines[0].runs[0].bold);
    EXPECT_EQ(lines[0].runs[1].text, QStringLiteral("b"));
    EXPECT_TRUE(lines[0].runs[1].bold);
    EXPECT_FALSE(lines[0].runs[1].italic);
    EXPECT_EQ(lines[0].runs[2].text, QStringLiteral("i"));
    EXPECT_TRUE(lines[0].runs[2].italic);
    EXPECT_FALSE(lines[0].runs[2].bold);
    EXPECT_EQ(lines[0].runs[3].text, QStringLiteral("u"));
    EXPECT_TRUE(lines[0].runs[3].underline);
    EXPECT_FALSE(lines[0].runs[3].italic);
}

TEST_F(RichTextEditor, OkWithoutEditsKeepsTheRtfAsItWasRead)
{
    const QByteArray foreign = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n\\pard\\f0\\fs20 As "
                               "{\\b read}\\par\r\n}\r\n";
    auto *label = new TGPRichBaseLabel(&panel);
    label->Loaded();
    label->RTFText()->setRtf(foreign);
    panel.PlaceObject(label, QRect(0, 0, 190, 33));
    whenShown([](TRichTextLabelEditor *e) {
        // Looking is not editing: moving the caret and the zoom.
        QTest::keyClick(e->richTextView(), Qt::Key_End);
        e->ZoomMinusButtonClick();
    }, true);
    EXPECT_TRUE(label->EditRichText());
    EXPECT_EQ(label->RTFText()->rtf(), foreign);
}

TEST_F(RichTextEditor, ZoomStaysWithin50And100AndTheAreaFollows)
{
    // A panel at 150 %: the 190 x 33 box is 285 x 50 there.
    auto *label = new TGPRichBaseLabel(&panel);
    label->Loaded();
    panel.PlaceObject(label, QRect(0, 0, 190, 33));
    panel.SetZoom(1.5f);
    ASSERT_EQ(label->BoundsRect().size(), QSize(285, 50));
    whenShown([](TRichTextLabelEditor *e) {
        TWPRichText *rich = e->WPRichText1();
        EXPECT_EQ(rich->Zooming(), 150);
        EXPECT_EQ(e->WPPanel()->size(), QSize(286, 51));
        // Zoom In only below 100 %.
        e->ZoomPlusButtonClick();
        EXPECT_EQ(rich->Zooming(), 150);
        e->ZoomMinusButtonClick();
        EXPECT_EQ(rich->Zooming(), 140);
        // Round(140 x 286 / 150) by Round(140 x 51 / 150).
        EXPECT_EQ(e->WPPanel()->size(), QSize(267, 48));
        for (int i = 0; i < 20; ++i)
            QTest::mouseClick(e->ZoomMinusButton(), Qt::LeftButton);
        EXPECT_EQ(rich->Zooming(), 50);
        EXPECT_EQ(e->WPPanel()->size(), QSize(95, 17));
        for (int i = 0; i < 20; ++i)
            QTest::mouseClick(e->ZoomPlusButton(), Qt::LeftButton);
        EXPECT_EQ(rich->Zooming(), 100);
        EXPECT_EQ(e->WPPanel()->size(), QSize(191, 34));
        // The page keeps the label's size on the panel at 100 %, whatever
        // the editor's zoom.
        EXPECT_EQ(e->richTextView()->pageSize(), QSizeF(285 / 1.5, 50 / 1.5));
    }, false);
    EXPECT_FALSE(label->EditRichText());
}

TEST_F(RichTextEditor, FontNamesOfTheDocumentAreKeptEvenWhenNotInstalled)
{
    auto *label = new TGPRichBaseLabel(&panel);
    label->Loaded();
    label->RTFText()->setRtf("{\\rtf1{\\fonttbl{\\f0 Imaginary Grotesk;}}\\f0\\fs22 text}");
    panel.PlaceObject(label, QRect(0, 0, 190, 33));
    whenShown([](TRichTextLabelEditor *e) {
        QComboBox *names = e->WPToolBar1()->fontNameBox();
        EXPECT_EQ(names->currentText(), QStringLiteral("Imaginary Grotesk"));
        EXPECT_EQ(e->WPToolBar1()->fontSizeBox()->currentText(), QStringLiteral("11"));
        // The classic names are offered beside the installed families.
        for (const char *classic : {"Arial", "Courier New", "Times New Roman"})
            EXPECT_GE(names->findText(QLatin1String(classic)), 0) << classic;
    }, true);
    EXPECT_TRUE(label->EditRichText());
    EXPECT_EQ(paragraphs(*label->RTFText()->document())[0].runs[0].family, QStringLiteral("Imaginary Grotesk"));
}

TEST_F(RichTextEditor, CopyAndPasteKeepTheFormatting)
{
    TGPRichBaseLabel *label = draw(QRect(0, 0, 190, 40), [](TRichTextLabelEditor *e) {
        click(e, "BoldButton");
        type(e, QStringLiteral("Bold"));
        QTest::keyClick(e->richTextView(), Qt::Key_Home, Qt::ShiftModifier);
        click(e, "CopyButton");
        const QMimeData *data = QApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        EXPECT_TRUE(data->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
        EXPECT_EQ(data->text(), QStringLiteral("Bold"));
        QTest::keyClick(e->richTextView(), Qt::Key_End);
        click(e, "BoldButton");
        type(e, QStringLiteral(" and "));
        click(e, "PasteButton");
    }, true);
    ASSERT_NE(label, nullptr);
    const auto lines = paragraphs(*label->RTFText()->document());
    ASSERT_EQ(lines.size(), 1);
    ASSERT_EQ(lines[0].runs.size(), 3);
    EXPECT_EQ(lines[0].runs[2].text, QStringLiteral("Bold"));
    EXPECT_TRUE(lines[0].runs[2].bold);
    EXPECT_FALSE(lines[0].runs[1].bold);
}

TEST_F(RichTextEditor, TypedLabelIsSavedReopenedAndPrintedInEveryPosition)
{
    // An Arial 10 line with one bold and one red italic word, and a centred
    // second line in Times New Roman 14.
    TGPRichBaseLabel *label = draw(QRect(20, 10, 200, 50), [](TRichTextLabelEditor *e) {
        type(e, QStringLiteral("Dear "));
        click(e, "BoldButton");
        type(e, QStringLiteral("Jane"));
        click(e, "BoldButton");
        type(e, QStringLiteral(" have a "));
        click(e, "ItalicButton");
        chooseColor(e, QStringLiteral("Red"));
        type(e, QStringLiteral("good"));
        click(e, "ItalicButton");
        chooseColor(e, QStringLiteral("Black"));
        type(e, QStringLiteral(" day"));
        QTest::keyClick(e->richTextView(), Qt::Key_Return);
        click(e, "CenterButton");
        enterInBox(e->WPToolBar1()->fontNameBox(), QStringLiteral("Times New Roman"));
        enterInBox(e->WPToolBar1()->fontSizeBox(), QStringLiteral("14"));
        // Return in the boxes applied them; the window is still open.
        EXPECT_TRUE(e->isVisible());
        type(e, QStringLiteral("Happy Birthday"));
    }, true);
    ASSERT_NE(label, nullptr);

    auto check = [](const QTextDocument *doc) {
        const auto lines = paragraphs(*doc);
        ASSERT_EQ(lines.size(), 2);
        ASSERT_EQ(lines[0].runs.size(), 5);
        const char *texts[] = {"Dear ", "Jane", " have a ", "good", " day"};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(lines[0].runs[i].text, QLatin1String(texts[i]));
            EXPECT_EQ(lines[0].runs[i].family, QStringLiteral("Arial"));
            EXPECT_EQ(lines[0].runs[i].points, 10);
            EXPECT_EQ(lines[0].runs[i].bold, i == 1);
            EXPECT_EQ(lines[0].runs[i].italic, i == 3);
        }
        EXPECT_EQ(lines[0].runs[3].color, QStringLiteral("#ff0000"));
        ASSERT_EQ(lines[1].runs.size(), 1);
        EXPECT_EQ(lines[1].runs[0].text, QStringLiteral("Happy Birthday"));
        EXPECT_EQ(lines[1].runs[0].family, QStringLiteral("Times New Roman"));
        EXPECT_EQ(lines[1].runs[0].points, 14);
        EXPECT_EQ(doc->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    };
    check(label->RTFText()->document());

    // Saved, reopened, saved again byte for byte.
    const QString file = dir.filePath(QStringLiteral("birthday.sk"));
    TGLabelObjectFiler().WriteLabelFile(panel, file, TLabelLayout::defaultLayout());
    TGStickwellPanel32 reopened;
    TLabelLayout layout;
    TGLabelObjectFiler().ReadLabelFile(reopened, layout, file);
    ASSERT_EQ(reopened.labelObjects().size(), 1);
    auto *read = qobject_cast<TGPRichBaseLabel *>(reopened.labelObjects().at(0));
    ASSERT_NE(read, nullptr);
    check(read->RTFText()->document());
    read->setObjectName(label->objectName());
    const QString again = dir.filePath(QStringLiteral("again.sk"));
    TGLabelObjectFiler().WriteLabelFile(reopened, again, layout);
    QFile a(file), b(again);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString pdf = dir.filePath(QStringLiteral("birthday.pdf"));
    QProcess skprint;
    skprint.start(QStringLiteral(SKPRINT_PATH), {file, QStringLiteral("-o"), pdf});
    ASSERT_TRUE(skprint.waitForFinished(60000));
    ASSERT_EQ(skprint.exitCode(), 0) << skprint.readAllStandardError().constData();

    // Every word in its position (3 across, 10 down), in reading order.
    const QList<Word> words = pdfWords(pdf);
    const double left = double(0.188f) * 72, top = 0.5 * 72;
    const double pitchX = double(2.765f) * 72, pitchY = double(1.01f) * 72;
    QList<QList<Word>> positions(30);
    for (const Word &w : words) {
        ASSERT_EQ(w.page, 1);
        const int column = int((w.x - left) / pitchX), row = int((w.y - top) / pitchY);
        ASSERT_TRUE(column >= 0 && column < 3 && row >= 0 && row < 10) << w.text.toStdString();
        positions[row * 3 + column].append(w);
    }
    const QStringList expected = QStringLiteral("Dear Jane have a good day Happy Birthday").split(QLatin1Char(' '));
    for (int p = 0; p < 30; ++p) {
        QList<Word> &in = positions[p];
        // Lines by height (within a few points), then left to right.
        std::sort(in.begin(), in.end(), [](const Word &a, const Word &b) {
            return std::abs(a.y - b.y) > 4 ? a.y < b.y : a.x < b.x;
        });
        QStringList got;
        for (const Word &w : in)
            got.append(w.text);
        EXPECT_EQ(got, expected) << "position " << p + 1 << ": " << got.join(QLatin1Char(' ')).toStdString();
    }
}
