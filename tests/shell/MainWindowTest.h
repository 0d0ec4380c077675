#pragma once
// The main window driven offscreen, for the shell's tests: a fixture that
// starts the real window in a program folder of its own, answers message
// boxes through the message service and the file and layout dialogs through
// the window's seams.
#include "objects/TGGraphicControl.h"
#include "persistence/ClassRegistry.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/TFont.h"
#include "help/ui/THelpWindow.h"
#include "shell/CommonDialogs.h"
#include "shell/LayoutChooser.h"
#include "shell/TSKMainScreen.h"
#include "surface/TGHandle.h"
#include "surface/ui/LabelPanelView.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace sw::test {

// Answers the file dialogs from fields and records what they were asked.
class FakeDialogs : public CommonDialogs
{
public:
    QString getOpenFileName(QWidget *, const QString &title, const QString &folder, const QString &filter) override
    {
        openTitles << title;
        openFolder = folder;
        openFilterAsked = filter;
        return openAnswer;
    }
    QString getSaveFileName(QWidget *, const QString &, const QString &folder, const QString &proposed,
                            const QString &filter, const QString &suffix) override
    {
        ++saveCalls;
        saveFolder = folder;
        proposedName = proposed;
        saveFilterAsked = filter;
        saveSuffix = suffix;
        return saveAnswer;
    }
    bool getFont(QWidget *, TFont &font) override
    {
        if (!fontAnswer)
            return false;
        font.setName(*fontAnswer);
        font.setSize(12);
        font.setStyle(fsItalic);
        return true;
    }

    QString openAnswer, saveAnswer;
    std::optional<QString> fontAnswer;
    QStringList openTitles;
    QString openFolder, openFilterAsked, saveFolder, proposedName, saveFilterAsked, saveSuffix;
    int saveCalls = 0;
};

class FakeChooser : public LayoutChooser
{
public:
    std::optional<TLabelLayout> chooseTemplate(QWidget *, const TLabelLayout &current, bool newLabel) override
    {
        ++templateCalls;
        lastCurrent = current;
        lastNewLabel = newLabel;
        return templateAnswer;
    }
    std::optional<TLabelLayout> editUserDefined(QWidget *, const TLabelLayout &current, bool &useMM) override
    {
        lastCurrent = current;
        useMMIn = useMM;
        useMM = useMMOut;
        return userAnswer;
    }

    std::optional<TLabelLayout> templateAnswer, userAnswer;
    TLabelLayout lastCurrent;
    bool lastNewLabel = false;
    bool useMMIn = false;
    bool useMMOut = true;
    int templateCalls = 0;
};

// A 1.0 x 0.5 inch label: 96 x 48 pixels at 96 pixels per inch.
inline TLabelLayout smallLayout()
{
    TLabelLayout l = TLabelLayout::defaultLayout();
    l.LayoutName = QStringLiteral("Small Test Stock");
    l.LabelWidth = 1.0;
    l.LabelHeight = 0.5;
    l.ShapeCode = QStringLiteral("SR");
    return l;
}

inline QString unableToOpen(const QString &name)
{
    return QStringLiteral("Unable to open ") + name + QStringLiteral(". Possibly corrupted, posibly not a Stickwell file");
}

class MainWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { RegisterClass<TGGraphicControl>(); }

    void SetUp() override { ProgramFolder::setPath(mDir.path()); }
    void TearDown() override
    {
        TGHandle::setClock({});
        mWindow.reset();
        if (THelpWindow *help = THelpWindow::current())
            delete help;
        ProgramFolder::setPath(QString());
    }

    TSKMainScreen &start()
    {
        mWindow.reset();
        mWindow = std::make_unique<TSKMainScreen>();
        mWindow->setCommonDialogs(&mDialogs);
        mWindow->setLayoutChooser(&mChooser);
        mWindow->show();
        mWindow->FormActivate();
        return *mWindow;
    }

    TGGraphicControl *place(int left, int top, int width, int height, int tag)
    {
        auto *o = new TGGraphicControl;
        o->setTag(tag);
        o->Loaded();
        mWindow->labelPanel().PlaceObject(o, QRect(left, top, width, height));
        return o;
    }

    QList<TGGraphicControl *> objects() const { return mWindow->labelPanel().labelObjects(); }
    LabelPanelView *view() const { return mWindow->labelPanelView(); }

    // The selection handle's drag rules count milliseconds: tests that drag
    // run it on a clock of their own, which drag() moves on.
    void useTestClock()
    {
        TGHandle::setClock([this] { return mNow; });
    }
    // A mouse drag of the object by `delta` through the panel's window.
    void drag(TGGraphicControl *o, QPoint delta)
    {
        const QPoint from(o->Left() + o->Width() / 2, o->Top() + o->Height() / 2);
        QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, from);
        mNow += 20;
        QTest::mouseMove(view(), from + QPoint(1, 0));
        QTest::mouseMove(view(), from + delta);
        mNow += 200;
        QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, from + delta);
    }
    template<class T> T *child(const char *name) const { return mWindow->findChild<T *>(QLatin1String(name)); }
    bool saveButtonsShown() const
    {
        return child<QPushButton>("SaveButton")->isVisible() || child<QPushButton>("CancelButton")->isVisible();
    }
    QString zoomText() const { return child<QLabel>("ZoomCaption")->text(); }
    QString layoutCaption() const { return child<QMenu>("mnuChangeLabelLayout")->title(); }
    QString path(const char *name) const { return mDir.filePath(QLatin1String(name)); }

    // A saved design with two objects, made through Save As.
    QString saveDesign(const char *name)
    {
        place(10, 12, 60, 20, 1);
        place(100, 40, 80, 30, 2);
        mDialogs.saveAnswer = path(name);
        mWindow->mnuSaveAsClick();
        return path(name);
    }

    QTemporaryDir mDir;
    FakeDialogs mDialogs;
    FakeChooser mChooser;
    ScriptedMessageHandler mMessages;
    ScopedMessageHandler mInstalled{&mMessages};
    std::unique_ptr<TSKMainScreen> mWindow;
    qint64 mNow = 1000;
};

} // namespace sw::test
