// Undo and redo in the main window, driven as the user does: the drawing
// tools, the mouse and keys on the design panel, popup menus, the Edit
// menu, its shortcuts and the tool-bar buttons; and how undoing meets the
// changed flag, saving, opening, new designs and layout changes.
#include "editing/EditHistory.h"
#include "objects/LabelDialogs.h"
#include "objects/TGBaseLabel.h"
#include "objects/ui/LabelObjectDialogs.h"
#include "objects/TGSuperText.h"
#include "objects/ui/TGetLabelText.h"
#include "objects/ui/TSuperTextProperties.h"
#include "objects/ui/WidgetMenuPresenter.h"
#include "persistence/TGLabelObjectFiler.h"

#include "MainWindowTest.h"
#include "ModalWindow.h"
#include "../printing/ui/ModalScript.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace sw;
using sw::test::smallLayout;

namespace {

class UndoInWindow : public sw::test::MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        useTestClock();
        WidgetMenuPresenter::install();
        LabelObjectDialogs::install();
        TSuperTextProperties::install();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        PopupMenu::setPresenter({});
    }

    QAction *undoItem() const { return child<QAction>("mnuUndo"); }
    QAction *redoItem() const { return child<QAction>("mnuRedo"); }

    // The design as the label file would hold it.
    QByteArray designBytes() const
    {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        TGLabelObjectFiler::writeLabel(file, objects(), mWindow->layout().toLayout());
        return file.data();
    }

    void drawWith(const char *tool, QRect band)
    {
        child<QToolButton>(tool)->click();
        QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, band.topLeft());
        QTest::mouseMove(view(), band.bottomRight());
        QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, band.bottomRight());
    }

    // Once the real font window shows (opened from a popup menu, so it is
    // looked for until it appears), types `face` into it and presses Ok.
    static void pickFontWhenShown(const QString &face, int triesLeft = 100)
    {
        QTimer::singleShot(20, [face, triesLeft] {
            QWidget *window = QApplication::activeModalWidget();
            if (!window || window->windowTitle() != QStringLiteral("Font")) {
                if (triesLeft > 0)
                    pickFontWhenShown(face, triesLeft - 1);
                else
                    ADD_FAILURE() << "the font window never showed";
                return;
            }
            auto *edit = window->findChild<QLineEdit *>(QStringLiteral("FaceEdit"));
            if (!edit) {
                ADD_FAILURE() << "no face box in the font window";
                sw::test::closeModal(window, false);
                return;
            }
            edit->selectAll();
            QTest::keyClicks(edit, face);
            sw::test::closeModal(window, true);
        });
    }

    // Right-clicks the object and chooses `caption` from its popup menu.
    void popupCommand(TGGraphicControl *o, const QString &caption)
    {
        QTimer::singleShot(50, [caption] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu) {
                ADD_FAILURE() << "no popup menu";
                return;
            }
            for (QAction *a : menu->actions())
                if (a->text() == caption)
                    menu->setActiveAction(a);
            if (!menu->activeAction())
                ADD_FAILURE() << "no entry " << caption.toStdString();
            QTest::keyClick(menu, menu->activeAction() ? Qt::Key_Return : Qt::Key_Escape);
        });
        const QPoint at(o->Left() + o->Width() / 2, o->Top() + o->Height() / 2);
        QTest::mouseClick(view(), Qt::RightButton, Qt::NoModifier, at);
    }

    TGGraphicControl *objectNamed(const QString &name) const
    {
        for (TGGraphicControl *o : objects())
            if (o->objectName() == name)
                return o;
        return nullptr;
    }
};

} // namespace

TEST_F(UndoInWindow, ThreeObjectsMovedRestyledAndOneDeletedAreUndoneAndRedone)
{
    TSKMainScreen &w = start();
    ASSERT_FALSE(undoItem()->isEnabled());
    view()->setFocus();

    drawWith("DrawRectanglebutton", QRect(10, 10, 60, 40));
    drawWith("DrawEllipseButton", QRect(90, 10, 50, 50));
    sw::test::ModalScript script;
    script.then<TGetLabelText>([](TGetLabelText *d) {
        d->LabelText()->setText(QStringLiteral("Fragile"));
        sw::test::clickLater(d->findChild<QPushButton *>(QStringLiteral("OkButton")));
    });
    drawWith("DrawLabelButton", QRect(150, 60, 80, 20));
    ASSERT_TRUE(script.finished()) << script.seen.join(QLatin1Char(' ')).toStdString();
    ASSERT_EQ(objects().size(), 3);
    TGGraphicControl *box = objects().at(0);
    auto *text = qobject_cast<TGBaseLabel *>(objects().at(2));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Caption(), QStringLiteral("Fragile"));
    EXPECT_EQ(undoItem()->text(), QStringLiteral("&Undo Draw Text"));

    drag(box, QPoint(30, 20));
    EXPECT_EQ(undoItem()->text(), QStringLiteral("&Undo Move"));
    pickFontWhenShown(QStringLiteral("DejaVu Serif"));
    popupCommand(text, QStringLiteral("Font"));
    EXPECT_EQ(text->Font()->name(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(undoItem()->text(), QStringLiteral("&Undo Font"));
    const QString ellipseName = objects().at(1)->objectName();
    QTest::mouseClick(view(), Qt::LeftButton, Qt::NoModifier, QPoint(115, 35));
    QTest::keyClick(view(), Qt::Key_Delete);
    ASSERT_EQ(objects().size(), 2);
    EXPECT_EQ(undoItem()->text(), QStringLiteral("&Undo Delete"));
    // The tool-bar button says what it undoes.
    EXPECT_EQ(child<QToolButton>("UndoButton")->toolTip(), QStringLiteral("Undo Delete"));
    EXPECT_TRUE(w.ChangesMade());
    const QByteArray edited = designBytes();

    // Six steps back: the menu, the keys and the button all undo. Keys
    // reach the window's shortcuts while it is the active window.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const QStringList undone = {QStringLiteral("Delete"),    QStringLiteral("Font"),
                                QStringLiteral("Move"),      QStringLiteral("Draw Text"),
                                QStringLiteral("Draw Ellipse"), QStringLiteral("Draw Rectangle")};
    for (int i = 0; i < undone.size(); ++i) {
        ASSERT_EQ(undoItem()->text(), QStringLiteral("&Undo ") + undone.at(i));
        if (i % 3 == 0)
            undoItem()->trigger();
        else if (i % 3 == 1)
            QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
        else
            child<QToolButton>("UndoButton")->click();
        EXPECT_EQ(redoItem()->text(), QStringLiteral("&Redo ") + undone.at(i));
        if (i == 0) {
            // The deleted ellipse is back under its name, selected.
            ASSERT_NE(objectNamed(ellipseName), nullptr);
            EXPECT_EQ(w.labelPanel().handle().Selection(), QList<TGGraphicControl *>({objectNamed(ellipseName)}));
        }
        if (i == 1) {
            EXPECT_EQ(qobject_cast<TGBaseLabel *>(objects().at(2))->Font()->name(), QStringLiteral("Arial"));
        }
    }
    // Back to the empty label the program started with: nothing to save.
    EXPECT_TRUE(objects().isEmpty());
    EXPECT_FALSE(undoItem()->isEnabled());
    EXPECT_EQ(undoItem()->text(), QStringLiteral("&Undo"));
    EXPECT_FALSE(child<QToolButton>("UndoButton")->isEnabled());
    EXPECT_FALSE(w.ChangesMade());
    EXPECT_FALSE(saveButtonsShown());

    // And all six again: Ctrl+Y, Ctrl+Shift+Z, the menu, the button.
    for (int i = undone.size() - 1; i >= 0; --i) {
        ASSERT_EQ(redoItem()->text(), QStringLiteral("&Redo ") + undone.at(i));
        if (i % 4 == 0)
            QTest::keyClick(view(), Qt::Key_Y, Qt::ControlModifier);
        else if (i % 4 == 1)
            QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else if (i % 4 == 2)
            redoItem()->trigger();
        else
            child<QToolButton>("RedoButton")->click();
        EXPECT_TRUE(w.ChangesMade());
        EXPECT_TRUE(saveButtonsShown());
    }
    EXPECT_FALSE(redoItem()->isEnabled());
    EXPECT_EQ(designBytes(), edited);
    EXPECT_EQ(objectNamed(ellipseName), nullptr);
}

TEST_F(UndoInWindow, TheChangedFlagFollowsTheStateSavedLast)
{
    TSKMainScreen &w = start();
    drawWith("DrawRectanglebutton", QRect(10, 10, 60, 40));
    drawWith("DrawEllipseButton", QRect(90, 10, 50, 50));
    mDialogs.saveAnswer = path("SK0001.SK");
    w.mnuSaveAsClick();
    // Saving keeps the history.
    EXPECT_EQ(undoItem()->text(), QStringLiteral("&Undo Draw Ellipse"));
    drag(objects().at(0), QPoint(10, 10));

    // Back to what was saved: unchanged, the buttons hidden; past it or
    // forward again: changed.
    const auto changedAfter = [&](QAction *item) {
        item->trigger();
        EXPECT_EQ(saveButtonsShown(), w.ChangesMade());
        return w.ChangesMade();
    };
    EXPECT_FALSE(changedAfter(undoItem()));
    EXPECT_TRUE(changedAfter(undoItem()));
    EXPECT_FALSE(changedAfter(redoItem()));
    EXPECT_TRUE(changedAfter(redoItem()));

    // Saved again further back.
    undoItem()->trigger();
    undoItem()->trigger();
    w.mnuSaveClick();
    EXPECT_TRUE(changedAfter(redoItem()));
    EXPECT_FALSE(changedAfter(undoItem()));

    // The saved file deleted: no state is the saved one any more.
    mDialogs.openAnswer = path("SK0001.SK");
    mMessages.answers.push_back(true);
    w.Delete1Click();
    EXPECT_TRUE(changedAfter(redoItem()));
    EXPECT_TRUE(changedAfter(undoItem()));
}

TEST_F(UndoInWindow, ALayoutChangeIsAStepWhileOpenNewAndCancelStartAfresh)
{
    TSKMainScreen &w = start();
    drawWith("DrawRectanglebutton", QRect(10, 10, 60, 40));
    mDialogs.saveAnswer = path("SK0001.SK");
    w.mnuSaveAsClick();

    // Undoing a layout change gives the old layout and panel size back.
    const QString caption = layoutCaption();
    const QSize size(w.labelPanel().Width(), w.labelPanel().Height());
    mChooser.templateAnswer = smallLayout();
    w.mnuChangeFromTemplateClick();
    EXPECT_EQ(w.labelPanel().Width(), 96);
    EXPECT_EQ(undoItem()->text(), QStringLiteral("&Undo Change Label Layout"));
    undoItem()->trigger();
    EXPECT_EQ(layoutCaption(), caption);
    EXPECT_EQ(QSize(w.labelPanel().Width(), w.labelPanel().Height()), size);
    EXPECT_FALSE(w.ChangesMade());
    redoItem()->trigger();
    EXPECT_EQ(w.layout().LayoutName, smallLayout().LayoutName);
    EXPECT_EQ(w.labelPanel().Width(), 96);

    // Cancel all changes, Open and New leave nothing to undo or redo.
    const auto fresh = [this] { return !undoItem()->isEnabled() && !redoItem()->isEnabled(); };
    mMessages.answers.push_back(true);
    w.CancelButtonClick();
    EXPECT_TRUE(fresh());
    drag(objects().at(0), QPoint(5, 5));
    mMessages.answers.push_back(false);
    mDialogs.openAnswer = path("SK0001.SK");
    w.Open1Click();
    EXPECT_TRUE(fresh());
    mMessages.answers.push_back(false);
    w.mnuNewFromTemplateClick();
    EXPECT_TRUE(fresh());
    // A new design has never been saved: undoing back to its start leaves
    // it changed.
    drawWith("DrawRectanglebutton", QRect(10, 10, 30, 20));
    undoItem()->trigger();
    EXPECT_TRUE(objects().isEmpty());
    EXPECT_TRUE(w.ChangesMade());
}

TEST_F(UndoInWindow, SuperTextDrawnAndRestyledInItsWindowIsUndoneStepByStep)
{
    TSKMainScreen &w = start();
    view()->setFocus();
    ASSERT_TRUE(child<QToolButton>("PSpeedButton1")->isEnabled());

    // The tool opens the window at once; its OK is part of the drawing.
    sw::test::ModalScript script;
    script.then<TSuperTextProperties>([](TSuperTextProperties *d) {
        d->CaptionText()->setText(QStringLiteral("SALE"));
        sw::test::clickLater(d->findChild<QPushButton *>(QStringLiteral("OkButton")));
    });
    drawWith("PSpeedButton1", QRect(20, 20, 150, 50));
    ASSERT_TRUE(script.finished()) << script.seen.join(QLatin1Char(' ')).toStdString();
    ASSERT_EQ(objects().size(), 1);
    auto *text = qobject_cast<TGSuperText *>(objects().at(0));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Caption(), QStringLiteral("SALE"));
    EXPECT_EQ(undoItem()->text(), QStringLiteral("&Undo Draw SuperText"));
    const QByteArray drawn = designBytes();

    // "Properties" from the popup menu: a solid fill is one step.
    script.then<TSuperTextProperties>([](TSuperTextProperties *d) {
        d->SurfaceTypeCombo()->setCurrentIndex(TGSuperText::stBrushTransparent);
        sw::test::clickLater(d->findChild<QPushButton *>(QStringLiteral("OkButton")));
    });
    popupCommand(text, QStringLiteral("Properties"));
    ASSERT_TRUE(script.finished()) << script.seen.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(text->SurfaceType(), TGSuperText::stBrushTransparent);
    EXPECT_EQ(undoItem()->text(), QStringLiteral("&Undo Properties"));
    const QByteArray restyled = designBytes();

    // Cancel changes nothing and adds no step.
    script.then<TSuperTextProperties>([](TSuperTextProperties *d) {
        d->CaptionText()->setText(QStringLiteral("GONE"));
        sw::test::clickLater(d->findChild<QPushButton *>(QStringLiteral("CancelButton")));
    });
    popupCommand(text, QStringLiteral("Properties"));
    ASSERT_TRUE(script.finished()) << script.seen.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(undoItem()->text(), QStringLiteral("&Undo Properties"));

    undoItem()->trigger();
    EXPECT_EQ(designBytes(), drawn);
    auto *back = qobject_cast<TGSuperText *>(objects().at(0));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->SurfaceType(), TGSuperText::stGradientFill);
    EXPECT_EQ(back->Caption(), QStringLiteral("SALE"));
    undoItem()->trigger();
    EXPECT_TRUE(objects().isEmpty());
    EXPECT_FALSE(w.ChangesMade());
    redoItem()->trigger();
    redoItem()->trigger();
    EXPECT_EQ(designBytes(), restyled);
}
