// The edit history on a real panel, driven through the panel's own mouse,
// key and menu commands: undoing and redoing give back the design byte for
// byte as the label file holds it, at any zoom; steps are named after the
// command; the saved state is tracked; a large picture is kept once.
#include "editing/EditHistory.h"
#include "layouts/PanelSizing.h"
#include "objects/LabelDialogs.h"
#include "objects/TGGraphicControl.h"
#include "objects/TGImage.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/ProgramFolder.h"
#include "platform/TFont.h"
#include "surface/TGHandle.h"
#include "surface/TGStickwellPanel32.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace sw;

namespace {

qint64 gNow = 1000;

LayoutWorkingCopy layoutOfSize(double width, double height, const char *name)
{
    TLabelLayout l = TLabelLayout::defaultLayout();
    l.LabelWidth = width;
    l.LabelHeight = height;
    l.LayoutName = QLatin1String(name);
    return LayoutWorkingCopy::fromLayout(l);
}

struct EditHistoryTest : ::testing::Test
{
    QTemporaryDir dir;
    TGStickwellPanel32 panel;
    LayoutWorkingCopy layout = layoutOfSize(3.5, 2.5, "Start");
    std::unique_ptr<EditHistory> history;
    std::mt19937 random{20260612};

    void SetUp() override
    {
        ProgramFolder::setPath(dir.path());
        TGHandle::setClock([] { return gNow; });
        applyLayout(layout);
        panel.FontRequest = [this](TFont &font) { return pickFont(font); };
        LabelDialogs::chooseFont = [this](TFont &font) { return pickFont(font); };
        history = std::make_unique<EditHistory>(panel);
        history->setLayoutAccess([this] { return layout; },
                                 [this](const LayoutWorkingCopy &l) { applyLayout(l); });
    }
    void TearDown() override
    {
        history.reset();
        LabelDialogs::chooseFont = nullptr;
        TGHandle::setClock({});
        ProgramFolder::setPath(QString());
    }

    void applyLayout(const LayoutWorkingCopy &l)
    {
        layout = l;
        const float zoom = panel.ScaleFactor();
        panel.SetZoom(1.0f);
        const QSize size = panelPixelSize(l, 96);
        panel.setSize(size.width(), size.height());
        panel.SetZoom(zoom);
    }

    bool pickFont(TFont &font)
    {
        static const char *const faces[] = {"Liberation Serif", "DejaVu Sans", "Liberation Mono"};
        font.setName(QLatin1String(faces[pick(3)]));
        font.setSize(8 + pick(20));
        font.setStyle(pick(2) ? TFontStyles(fsBold) : TFontStyles());
        return true;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    QList<TGGraphicControl *> objects() const { return panel.labelObjects(); }
    TGGraphicControl *anyObject() { return objects().isEmpty() ? nullptr : objects().at(pick(objects().size())); }

    // The design as the label file holds it, at 100 %, laid out as shown.
    QByteArray designBytes()
    {
        EXPECT_EQ(panel.ScaleFactor(), 1.0f);
        panel.render();
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        TGLabelObjectFiler::writeLabel(file, panel.labelObjects(), layout.toLayout());
        return file.data();
    }

    // --- the user's commands, as the panel's window delivers them ---------------

    void draw(TGStickwellPanel32::TLPanelState tool, QRect band)
    {
        panel.clearSelection();
        panel.SetPanelState(tool);
        panel.mouseDown(Qt::LeftButton, Qt::NoModifier, band.topLeft(), band.topLeft());
        panel.mouseMove(Qt::LeftButton, Qt::NoModifier, band.bottomRight());
        panel.mouseUp(Qt::LeftButton, Qt::NoModifier, band.bottomRight());
        panel.SetPanelState(TGStickwellPanel32::psPointing);
    }

    void selectOnly(TGGraphicControl *o)
    {
        panel.clearSelection();
        panel.select(o);
    }

    // Presses on the handle at `at` (handle coordinates; the hover first
    // picks the grip), drags by `delta` and lets go.
    void dragHandle(QPoint at, QPoint delta)
    {
        const QPoint from = panel.handle().bounds().topLeft() + at;
        panel.mouseMove(Qt::NoButton, Qt::NoModifier, from);
        panel.mouseDown(Qt::LeftButton, Qt::NoModifier, from, from);
        gNow += 20;
        panel.mouseMove(Qt::LeftButton, Qt::NoModifier, from + QPoint(1, 0));
        panel.mouseMove(Qt::LeftButton, Qt::NoModifier, from + delta);
        gNow += 200;
        panel.mouseUp(Qt::LeftButton, Qt::NoModifier, from + delta);
    }

    void move(TGGraphicControl *o, QPoint delta)
    {
        selectOnly(o);
        const QRect b = panel.handle().bounds();
        dragHandle(QPoint(b.width() / 2, b.height() / 2), delta);
    }

    void resize(TGGraphicControl *o, QPoint delta)
    {
        selectOnly(o);
        const QRect b = panel.handle().bounds();
        dragHandle(QPoint(b.width() - 2, b.height() - 2), delta);
    }

    void nudge(int key, int times, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        for (int i = 0; i < times; ++i)
            panel.viewKeyDown(key, mods);
        panel.keyUp(key, mods);
    }

    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) { panel.viewKeyDown(k, mods); }

    void paste()
    {
        gNow += 1500;
        panel.KeyDown(Qt::Key_V, Qt::ControlModifier);
    }

    // One of the commands of the object's popup menu, submenus included.
    void popupCommand(TGGraphicControl *o)
    {
        PopupMenu &menu = o->ObjectMenu();
        if (menu.aboutToOpen)
            menu.aboutToOpen();
        QList<QPair<PopupMenu *, QString>> commands;
        for (int i = 0; i < menu.count(); ++i) {
            const MenuEntry &e = menu.entry(i);
            if (e.isSeparator() || !e.enabled || !e.visible)
                continue;
            if (e.submenu) {
                for (int j = 0; j < e.submenu->count(); ++j)
                    if (!e.submenu->entry(j).isSeparator())
                        commands.append({e.submenu.get(), e.submenu->entry(j).caption});
            } else {
                commands.append({&menu, e.caption});
            }
        }
        if (!commands.isEmpty()) {
            const auto &c = commands.at(pick(commands.size()));
            c.first->trigger(c.second);
        }
    }

    // One random edit through the panel's commands.
    void randomEdit()
    {
        using P = TGStickwellPanel32;
        static const P::TLPanelState tools[] = {P::psLabel,     P::psCounterLabel,   P::psSymbolLabel, P::psMultiLineLabel,
                                                P::psRectangle, P::psRoundRectangle, P::psEllipse,     P::psLine,
                                                P::psImage,     P::psSuperShape};
        static const char *const panelCommands[] = {"Bring To Front", "Send To Back",        "Align Left",
                                                    "Align Right",    "Align Tops",          "Align Bottoms",
                                                    "Center Vertically", "Center Horizontally", "Lock All",
                                                    "Unlock All",     "Font",                "Mark All Selectable"};
        TGGraphicControl *o = anyObject();
        const int what = o ? pick(13) : 0;
        switch (what) {
        case 0:
        case 1: {
            const P::TLPanelState tool = tools[pick(10)];
            if (!P::canCreate(tool))
                return;
            const QPoint at(pick(panel.Width() - 20), pick(panel.Height() - 20));
            draw(tool, QRect(at, QSize(5 + pick(80), 5 + pick(50))));
            break;
        }
        case 2:
            move(o, QPoint(pick(61) - 30, pick(41) - 20));
            break;
        case 3:
            resize(o, QPoint(pick(41) - 20, pick(31) - 15));
            break;
        case 4:
            selectOnly(o);
            nudge(pick(2) ? Qt::Key_Right : Qt::Key_Down, 1 + pick(4), pick(4) ? Qt::NoModifier : Qt::ShiftModifier);
            break;
        case 5:
            selectOnly(o);
            key(Qt::Key_Delete);
            break;
        case 6:
            selectOnly(o);
            if (TGGraphicControl *other = anyObject())
                panel.select(other);
            key(Qt::Key_C, Qt::ControlModifier);
            paste();
            break;
        case 7:
            selectOnly(o);
            key(Qt::Key_X, Qt::ControlModifier);
            break;
        case 8:
            o->ObjectMenu().trigger(QStringLiteral("Clone"));
            break;
        case 9:
        case 10: {
            panel.clearSelection();
            for (TGGraphicControl *s : objects())
                if (pick(2))
                    panel.select(s);
            panel.panelMenu().trigger(QLatin1String(panelCommands[pick(12)]));
            break;
        }
        case 11: {
            // A layout change as the window makes one: the layout, then the
            // objects kept inside the new label.
            TGBasePanel::UserAction action(panel, QStringLiteral("Change Label Layout"));
            applyLayout(layoutOfSize(1.0 + pick(30) / 10.0, 0.5 + pick(20) / 10.0, pick(2) ? "Small" : "Large"));
            panel.KeepObjectsInside();
            panel.NotifyLabelChanged();
            break;
        }
        default:
            popupCommand(o);
            break;
        }
    }
};

} // namespace

TEST_F(EditHistoryTest, RandomEditsUndoToTheStartAndRedoToTheEndByteForByte)
{
    // Most sequences run at 100 % and are checked step by step; the others
    // are edited, undone and redone at another zoom (never a step) and
    // checked at 100 % at their start and end.
    const float zooms[] = {1.0f, 1.0f, 1.0f, 0.5f, 0.8f, 1.2f, 1.5f};
    for (int sequence = 0; sequence < 12; ++sequence) {
        history->clear();
        const QByteArray start = designBytes();
        const float zoom = zooms[pick(7)];
        panel.SetZoom(zoom);
        // At 100 %: the design after each step, as it was made.
        std::vector<QByteArray> after;
        const int edits = 10 + pick(30);
        for (int i = 0; i < edits; ++i) {
            const int before = history->undoCount();
            randomEdit();
            if (zoom != 1.0f)
                continue;
            const int now = history->undoCount();
            ASSERT_LE(std::abs(now - before), 1) << "sequence " << sequence << ", edit " << i;
            // A burst of nudges continues its step, or vanishes when it came
            // back to where it started.
            if (now == before + 1) {
                after.push_back(designBytes());
            } else if (now == before && now > 0 && designBytes() != after.back()) {
                after.back() = designBytes();
            } else if (now + 1 == before) {
                after.pop_back();
            }
        }
        panel.SetZoom(1.0f);
        const QByteArray end = designBytes();
        const int steps = history->undoCount();
        const auto where = [&](const char *what, int step) {
            return QStringLiteral("sequence %1 at %2 %, %3 step %4").arg(sequence).arg(zoom * 100).arg(what).arg(step).toStdString();
        };
        if (zoom == 1.0f) {
            ASSERT_EQ(static_cast<int>(after.size()), steps);
            if (!after.empty()) {
                EXPECT_EQ(after.back(), end);
            }
            for (int k = steps - 1; k >= 0; --k) {
                ASSERT_TRUE(history->undo());
                ASSERT_EQ(designBytes(), k > 0 ? after[static_cast<size_t>(k - 1)] : start) << where("undoing", k + 1);
            }
            for (int k = 0; k < steps; ++k) {
                ASSERT_TRUE(history->redo());
                ASSERT_EQ(designBytes(), after[static_cast<size_t>(k)]) << where("redoing", k + 1);
            }
        } else {
            panel.SetZoom(zoom);
            for (int k = 0; k < steps; ++k)
                ASSERT_TRUE(history->undo());
            panel.SetZoom(1.0f);
            ASSERT_EQ(designBytes(), start) << where("undone to", 0);
            panel.SetZoom(zoom);
            for (int k = 0; k < steps; ++k)
                ASSERT_TRUE(history->redo());
            panel.SetZoom(1.0f);
        }
        EXPECT_FALSE(history->canRedo());
        EXPECT_EQ(designBytes(), end) << where("redone to", steps);
    }
}

TEST_F(EditHistoryTest, EachCommandIsOneStepNamedAfterIt)
{
    draw(TGStickwellPanel32::psRectangle, QRect(10, 10, 60, 30));
    EXPECT_EQ(history->undoName(), QStringLiteral("Draw Rectangle"));
    draw(TGStickwellPanel32::psLabel, QRect(100, 60, 80, 20));
    EXPECT_EQ(history->undoName(), QStringLiteral("Draw Text"));
    TGGraphicControl *box = objects().at(0);
    TGGraphicControl *text = objects().at(1);
    PopupMenu &alignment = *text->ObjectMenu().entry(text->ObjectMenu().indexOf(QStringLiteral("Alignment"))).submenu;
    const std::pair<std::function<void()>, const char *> commands[] = {
        {[&] { move(box, QPoint(20, 10)); }, "Move"},
        {[&] { resize(box, QPoint(12, 8)); }, "Resize"},
        // Arrow presses one after another on the same object.
        {[&] { selectOnly(box); nudge(Qt::Key_Right, 3); nudge(Qt::Key_Down, 2); }, "Nudge"},
        {[&] { selectOnly(text); panel.panelMenu().trigger(QStringLiteral("Font")); }, "Font"},
        {[&] { alignment.trigger(QStringLiteral("Right")); }, "Alignment"},
        {[&] { box->ObjectMenu().trigger(QStringLiteral("Clone")); }, "Clone"},
        {[&] { panel.panelMenu().trigger(QStringLiteral("Lock All")); }, "Lock All"},
        // Copying changes nothing.
        {[&] { selectOnly(text); key(Qt::Key_C, Qt::ControlModifier); paste(); }, "Paste"},
        {[&] { key(Qt::Key_X, Qt::ControlModifier); }, "Cut"},
        {[&] { selectOnly(box); key(Qt::Key_Delete); }, "Delete"},
    };
    int steps = history->undoCount();
    for (const auto &[command, name] : commands) {
        command();
        EXPECT_EQ(history->undoName(), QLatin1String(name));
        EXPECT_EQ(history->undoCount(), ++steps) << name;
    }

    // A change made outside any command is a step of its own once undoing
    // starts.
    objects().first()->SetBounds(5, 5, 40, 20);
    ASSERT_TRUE(history->undo());
    EXPECT_EQ(history->redoName(), EditHistory::unnamedStep());
    EXPECT_EQ(history->undoName(), QStringLiteral("Delete"));
}

TEST_F(EditHistoryTest, UndoSelectsWhatTheStepTouchedAndKeepsTheRest)
{
    // (Deleted objects coming back selected: tests/shell/test_undo.)
    for (int i = 0; i < 4; ++i)
        draw(TGStickwellPanel32::psRectangle, QRect(10 + 60 * i, 10, 40, 30));
    const QString movedName = objects().at(2)->objectName();
    const auto selection = [this] { return panel.handle().Selection(); };

    // Moved, and moved in the z-order: that object only. The others are
    // the very objects they were.
    move(objects().at(2), QPoint(0, 30));
    const QList<TGGraphicControl *> before = objects();
    ASSERT_TRUE(history->undo());
    ASSERT_EQ(selection().size(), 1);
    EXPECT_EQ(selection().first()->objectName(), movedName);
    EXPECT_EQ(objects().mid(0, 2), before.mid(0, 2));
    ASSERT_TRUE(history->redo());
    EXPECT_EQ(selection().size(), 1);
    selectOnly(objects().at(0));
    panel.panelMenu().trigger(QStringLiteral("Bring To Front"));
    ASSERT_TRUE(history->undo());
    EXPECT_EQ(selection(), QList<TGGraphicControl *>({before.at(0)}));

    // A drawn object undone: nothing is left to select.
    draw(TGStickwellPanel32::psEllipse, QRect(20, 60, 30, 30));
    ASSERT_TRUE(history->undo());
    EXPECT_TRUE(selection().isEmpty());
}

TEST_F(EditHistoryTest, TheSavedStateIsKeptUntilItCannotBeReachedAgain)
{
    // (Undoing to and past a save in the window: tests/shell/test_undo.)
    draw(TGStickwellPanel32::psRectangle, QRect(10, 10, 40, 30));
    selectOnly(objects().at(0));
    nudge(Qt::Key_Right, 1);
    history->markSaved();
    // Nudges after a save are a step of their own, not part of the one
    // before it.
    selectOnly(objects().at(0));
    nudge(Qt::Key_Right, 1);
    EXPECT_EQ(history->undoCount(), 3);
    ASSERT_TRUE(history->undo());
    EXPECT_TRUE(history->isAtSavedState());

    // Undone past the save and changed otherwise: the saved state is gone.
    ASSERT_TRUE(history->undo());
    draw(TGStickwellPanel32::psEllipse, QRect(60, 10, 40, 30));
    EXPECT_FALSE(history->canRedo());
    do {
        EXPECT_FALSE(history->isAtSavedState()) << history->undoCount();
    } while (history->undo());

    // So is a saved state that falls off the end of the history.
    draw(TGStickwellPanel32::psEllipse, QRect(60, 10, 40, 30));
    history->markSaved();
    history->setLimit(3);
    for (int i = 0; i < 4; ++i)
        move(objects().at(0), QPoint(4, 0));
    EXPECT_EQ(history->undoCount(), 3);
    do {
        EXPECT_FALSE(history->isAtSavedState()) << history->undoCount();
    } while (history->undo());
}

TEST_F(EditHistoryTest, ALargePictureIsKeptOnceOverAHundredSteps)
{
    // A noisy picture does not compress: 600 x 500 x 3 bytes of BMP.
    QImage noise(600, 500, QImage::Format_RGB888);
    QRandomGenerator bits(7);
    for (int y = 0; y < noise.height(); ++y)
        bits.fillRange(reinterpret_cast<quint32 *>(noise.scanLine(y)), noise.bytesPerLine() / 4);
    draw(TGStickwellPanel32::psImage, QRect(10, 10, 120, 100));
    ASSERT_EQ(objects().size(), 1);
    auto *image = qobject_cast<TGImage *>(objects().at(0));
    ASSERT_NE(image, nullptr);
    TPicture picture;
    picture.setImage(noise);
    image->ApplyBrowsedPicture(picture, true, false);
    draw(TGStickwellPanel32::psRectangle, QRect(200, 10, 40, 30));
    history->clear();
    const QByteArray pictureBytes = image->Picture()->data();
    ASSERT_GT(pictureBytes.size(), 900000);

    // 150 moves, every other one of the picture.
    QList<QRect> picturePlaces;
    for (int i = 0; i < 150; ++i) {
        TGGraphicControl *o = objects().at(i % 2);
        move(o, i % 4 < 2 ? QPoint(6, 4) : QPoint(-5, -3));
        picturePlaces << objects().at(0)->unitBounds();
    }
    EXPECT_EQ(history->undoCount(), EditHistory::DefaultLimit);
    EXPECT_EQ(EditHistory::DefaultLimit, 100);
    // One copy of the picture, and a little for the pieces that moved.
    EXPECT_LT(history->storedBytes(), pictureBytes.size() * 11 / 10) << history->storedBytes();

    while (history->undo()) {
    }
    // Back 100 steps: the design after the 50th move, picture and all.
    auto *back = qobject_cast<TGImage *>(objects().at(0));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->unitBounds(), picturePlaces.at(49));
    EXPECT_EQ(back->Picture()->data(), pictureBytes);
}
