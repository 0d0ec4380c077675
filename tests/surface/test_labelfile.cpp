// Label files, the clipboard file and cloning, on a real panel: the bytes
// the format fixes, fresh names, pasting offsets, errors that keep what was
// read, and files that are not there.
#include "objects/TGGraphicControl.h"
#include "persistence/ClassRegistry.h"
#include "persistence/StreamErrors.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/ProgramFolder.h"
#include "surface/TGHandle.h"
#include "surface/TGStickwellPanel32.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

struct LabelFile : ::testing::Test
{
    QTemporaryDir dir;
    TGStickwellPanel32 panel;

    static void SetUpTestSuite() { RegisterClass<TGGraphicControl>(); }

    void SetUp() override
    {
        ProgramFolder::setPath(dir.path());
        panel.setSize(254, 96);
    }
    void TearDown() override { ProgramFolder::setPath(QString()); }

    QString path(const QString &name) const { return dir.filePath(name); }

    // Places one object of every label class the program registers, as the
    // drawing tools make them; the n-th (from 1, also its Tag) in rect(n).
    // Returns how many.
    int placeEveryKind(QRect (*rect)(int n))
    {
        const char *kinds[] = {"TGLineShape",      "TGImage",     "TGLabelShapes",  "TGPLabel",
                               "TGSymbolLabel",    "TGMultiLineLabel", "TSuperShape", "TGCounterLabel",
                               "TGPRichBaseLabel", "TGSuperText"};
        int made = 0;
        for (const char *kind : kinds) {
            const TPersistentClass *cls = GetClass(QString::fromLatin1(kind));
            // Made on the panel's form, as the tools make them (the panel is
            // on no window: it is its own form).
            auto *o = cls && cls->create ? qobject_cast<TGGraphicControl *>(cls->create(&panel)) : nullptr;
            if (!o)
                continue;
            o->setTag(++made);
            o->ApplyFont(panel.Font());
            o->Loaded();
            panel.PlaceObject(o, rect(made));
        }
        return made;
    }

    TGGraphicControl *place(int l, int t, int w, int h, int tag = 0)
    {
        auto *o = new TGGraphicControl;
        o->setTag(tag);
        o->Loaded();
        panel.PlaceObject(o, QRect(l, t, w, h));
        return o;
    }
};

} // namespace

TEST_F(LabelFile, EmptyDesignIsTwoListsAndTheLayoutValuesHaveTheirSizes)
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    TGLabelObjectFiler().WriteLabelFile(panel, path("empty.sk"), layout);
    const QByteArray bytes = readAll(path("empty.sk"));
    // vaList vaNull, then vaList and the record.
    ASSERT_GE(bytes.size(), 4);
    EXPECT_EQ(bytes.left(3), QByteArray("\x01\x00\x01", 3));
    // Name: vaString, length, 18 characters.
    const int name = 3 + 2 + 18;
    EXPECT_EQ(bytes.mid(3, 2), QByteArray("\x06\x12", 2));
    // LabelHeight 1.0: vaExtended and ten bytes.
    EXPECT_EQ(bytes.mid(name, 11), QByteArray("\x05\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 11));
    // NumAcross 3 after the two floats: vaInt8 and the value.
    EXPECT_EQ(bytes.mid(name + 22, 2), QByteArray("\x02\x03", 2));
    EXPECT_EQ(bytes.right(1), QByteArray("\x00", 1));

    TLabelLayout back;
    TGLabelObjectFiler().ReadLabelFile(panel, back, path("empty.sk"));
    EXPECT_TRUE(panel.labelObjects().isEmpty());
    EXPECT_EQ(back, layout);
}

TEST_F(LabelFile, ObjectsComeBackInOrderWithFreshNames)
{
    place(10, 20, 30, 40, 7)->setObjectName("Same");
    place(50, 60, 70, 15, 8)->setObjectName("Other");
    panel.handle().Select(panel.labelObjects().first());
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.LayoutName = QString(80, QLatin1Char('n'));
    layout.RightHalfOffset = 0.1;
    TGLabelObjectFiler().WriteLabelFile(panel, path("two.sk"), layout);

    TGStickwellPanel32 other;
    TLabelLayout back;
    TGLabelObjectFiler().ReadLabelFile(other, back, path("two.sk"));
    ASSERT_EQ(other.labelObjects().size(), 2);
    EXPECT_EQ(other.labelObjects().at(0)->BoundsRect(), QRect(10, 20, 30, 40));
    EXPECT_EQ(other.labelObjects().at(0)->Tag(), 7);
    EXPECT_EQ(other.labelObjects().at(1)->Tag(), 8);
    EXPECT_EQ(other.labelObjects().at(0)->objectName(), "Component0");
    EXPECT_EQ(other.labelObjects().at(1)->objectName(), "Component1");
    EXPECT_TRUE(other.labelObjects().at(0)->hasMenu()); // loaded
    EXPECT_EQ(back.LayoutName, QString(60, QLatin1Char('n')));
    EXPECT_EQ(back.RightHalfOffset, 0.1);
}

TEST_F(LabelFile, MissingFileChangesNothing)
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.NumAcross = 9;
    TGLabelObjectFiler().ReadLabelFile(panel, layout, path("none.sk"));
    EXPECT_EQ(layout.NumAcross, 9);
    TGLabelObjectFiler().ReadObjects(panel, path("none.tmp"));
    EXPECT_TRUE(panel.labelObjects().isEmpty());
}

TEST_F(LabelFile, UnknownClassFailsAndKeepsTheObjectsBeforeIt)
{
    place(10, 20, 30, 40, 1);
    place(11, 21, 31, 41, 2);
    TGLabelObjectFiler().WriteLabelFile(panel, path("x.sk"), TLabelLayout::defaultLayout());
    QByteArray bytes = readAll(path("x.sk"));
    // The second record's class name becomes one nobody registered.
    const int second = bytes.indexOf("TPF0", bytes.indexOf("TPF0") + 1);
    ASSERT_GT(second, 0);
    bytes.replace(second + 5, 16, "TGUnknownControl");
    writeAll(path("x.sk"), bytes);

    TGStickwellPanel32 other;
    TLabelLayout back;
    try {
        TGLabelObjectFiler().ReadLabelFile(other, back, path("x.sk"));
        FAIL() << "no error";
    } catch (const EPersistenceError &e) {
        EXPECT_EQ(e.message(), "Class TGUnknownControl not found");
    }
    ASSERT_EQ(other.labelObjects().size(), 1);
    EXPECT_EQ(other.labelObjects().at(0)->Tag(), 1);
}

TEST_F(LabelFile, EveryTruncationFailsCleanly)
{
    place(10, 20, 30, 40, 1);
    TGLabelObjectFiler().WriteLabelFile(panel, path("t.sk"), TLabelLayout::defaultLayout());
    const QByteArray bytes = readAll(path("t.sk"));
    for (int n = 0; n < bytes.size(); ++n) {
        writeAll(path("cut.sk"), bytes.left(n));
        TGStickwellPanel32 other;
        TLabelLayout back;
        EXPECT_THROW(TGLabelObjectFiler().ReadLabelFile(other, back, path("cut.sk")), EPersistenceError) << n;
    }
}

TEST_F(LabelFile, PasteMovesFifteenAndIsDroppedWithinASecond)
{
    auto *o = place(10, 20, 30, 40, 3);
    panel.handle().Select(o);
    panel.ClipboardCommand(1);
    ASSERT_TRUE(QFile::exists(panel.ClipboardFileName()));
    panel.ClipboardCommand(2);
    ASSERT_EQ(panel.labelObjects().size(), 2);
    EXPECT_EQ(panel.labelObjects().at(1)->BoundsRect(), QRect(25, 35, 30, 40));
    EXPECT_EQ(panel.handle().Count(), 1); // pasted objects are not selected
    panel.ClipboardCommand(2); // within a second: dropped
    EXPECT_EQ(panel.labelObjects().size(), 2);

    panel.ClipboardCommand(0); // cut the selection
    EXPECT_EQ(panel.labelObjects().size(), 1);
    EXPECT_EQ(panel.handle().Count(), 0);
}

TEST_F(LabelFile, CloneLandsTwentyFivePixelsLowerOnTopAndSelected)
{
    auto *a = place(10, 20, 30, 40, 4);
    place(100, 10, 20, 20, 5);
    panel.handle().Select(a);
    a->ObjectMenu().trigger("Clone");
    ASSERT_EQ(panel.labelObjects().size(), 3);
    TGGraphicControl *copy = panel.labelObjects().last();
    EXPECT_NE(copy, a);
    EXPECT_EQ(copy->Tag(), 4);
    EXPECT_EQ(copy->BoundsRect(), QRect(10, 45, 30, 40));
    EXPECT_EQ(panel.handle().Count(), 1);
    EXPECT_EQ(panel.handle().SelectedObject(0), copy);
}

TEST_F(LabelFile, ObjectMenuCopyWritesOnlyThatObject)
{
    auto *a = place(10, 20, 30, 40, 6);
    place(100, 10, 20, 20, 7);
    a->ObjectMenu().trigger("Copy");
    TGStickwellPanel32 other;
    TGLabelObjectFiler().ReadObjects(other, panel.ClipboardFileName());
    ASSERT_EQ(other.labelObjects().size(), 1);
    EXPECT_EQ(other.labelObjects().at(0)->Tag(), 6);
}

TEST_F(LabelFile, EveryKindOfObjectRoundTripsByteForByte)
{
    // Every label class the program registers, as the drawing tools make
    // them, in one design: written, read back, written again.
    const int made = placeEveryKind([](int n) { return QRect(5 * n, 4 * n, 40, 20); });
    ASSERT_GE(made, 3); // text, counter and symbol labels at least

    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.LowerHalfOffset = 0.1;
    TGLabelObjectFiler().WriteLabelFile(panel, path("a.sk"), layout);
    TGStickwellPanel32 other;
    TLabelLayout back;
    TGLabelObjectFiler().ReadLabelFile(other, back, path("a.sk"));
    ASSERT_EQ(other.labelObjects().size(), made);
    for (int i = 0; i < made; ++i)
        EXPECT_EQ(other.labelObjects().at(i)->metaObject(), panel.labelObjects().at(i)->metaObject());
    // Names differ (every object read gets a fresh one); write the original
    // names back so that the bytes can be compared.
    for (int i = 0; i < made; ++i)
        other.labelObjects().at(i)->setObjectName(panel.labelObjects().at(i)->objectName());
    TGLabelObjectFiler().WriteLabelFile(other, path("b.sk"), back);
    EXPECT_EQ(readAll(path("a.sk")), readAll(path("b.sk")));
}

TEST_F(LabelFile, EveryKindOfObjectIsSavedTheSameAfterZoomingAndBack)
{
    panel.setSize(375, 256);
    ASSERT_GE(placeEveryKind([](int n) { return QRect(7 * n + 3, 11 * n + 1, 37 + 3 * n, 19 + n); }), 3);
    const TLabelLayout layout = TLabelLayout::defaultLayout();
    panel.render();
    TGLabelObjectFiler().WriteLabelFile(panel, path("a.sk"), layout);

    // The program's zoom steps, 0.1 at a time in single precision: to 150 %
    // and back, to 50 % and back; each painted. None is a change.
    int changes = 0;
    panel.LabelChangedEvent = [&changes](QObject *) { ++changes; };
    const auto steps = [this](int n, double by) {
        for (int i = 0; i < n; ++i) {
            panel.SetZoom(static_cast<float>(panel.ScaleFactor() + by));
            panel.render();
        }
    };
    steps(5, 0.1);
    steps(5, -0.1);
    steps(5, -0.1);
    steps(5, 0.1);
    ASSERT_EQ(panel.ScaleFactor(), 1.0f);
    EXPECT_EQ(changes, 0);
    TGLabelObjectFiler().WriteLabelFile(panel, path("b.sk"), layout);
    EXPECT_EQ(readAll(path("a.sk")), readAll(path("b.sk")));
}
