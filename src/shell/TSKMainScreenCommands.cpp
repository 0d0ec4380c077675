// The main window's commands other than the label-file ones: zoom, keys,
// layout changes, default font, printing, help and about.
#include "shell/TSKMainScreen.h"

#include "editing/EditHistory.h"
#include "help/ui/HelpTopics.h"
#include "help/ui/TODSHelp.h"
#include "help/ui/THelpWindow.h"
#include "merge/MergeSession.h"
#include "platform/MessageService.h"
#include "platform/ScreenCursor.h"
#include "printing/ui/PrintCommands.h"
#include "shell/CommonDialogs.h"
#include "shell/LayoutChooser.h"
#include "shell/MainScreenRules.h"
#include "shell/TSplashform.h"
#include "surface/ui/LabelPanelView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include <optional>

namespace sw {

// --- zoom --------------------------------------------------------------------------

void TSKMainScreen::zoom(bool in)
{
    // The panel lets pending messages run while it zooms; a click arriving
    // then is dropped rather than zooming a panel half-way through.
    if (mZooming)
        return;
    QScopedValueRollback<bool> zooming(mZooming, true);
    QScopedValueRollback<bool> busy(mBusy, true);
    mLabelPanel->clearSelection();
    const float factor = mLabelPanel->ScaleFactor();
    const float next = in ? zoomedIn(factor) : zoomedOut(factor);
    if (next != factor)
        mLabelPanel->SetZoom(next);
    ZoomCaption->setText(zoomCaption(mLabelPanel->ScaleFactor()));
    QCoreApplication::processEvents();
}

void TSKMainScreen::ZoomSpinnerUpClick()
{
    zoom(true);
}

void TSKMainScreen::ZoomSpinnerDownClick()
{
    zoom(false);
}

// --- keys ---------------------------------------------------------------------------

bool TSKMainScreen::FormKeyDown(int key, Qt::KeyboardModifiers shift, bool panelHasFocus)
{
    QScrollBar *bar = ScrollBox1->verticalScrollBar();
    switch (key) {
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_PageDown:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Home:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    default:
        break;
    }
    // The panel's window hands its keys to the panel itself.
    if (!panelHasFocus)
        mLabelPanel->KeyDown(key, shift);
    return false;
}

bool TSKMainScreen::FormKeyUp(int key, Qt::KeyboardModifiers shift)
{
    // The keypad's + and -, and for keyboards without a keypad the usual
    // Ctrl++ (also Ctrl+=, the same key unshifted) and Ctrl+-.
    const bool keypad = shift.testFlag(Qt::KeypadModifier);
    const bool control = shift.testFlag(Qt::ControlModifier) && !shift.testFlag(Qt::AltModifier);
    if ((keypad && key == Qt::Key_Plus) || (control && (key == Qt::Key_Plus || key == Qt::Key_Equal))) {
        ZoomSpinnerUpClick();
        return true;
    }
    if ((keypad || control) && key == Qt::Key_Minus) {
        ZoomSpinnerDownClick();
        return true;
    }
    return false;
}

void TSKMainScreen::installKeyPreview()
{
    // Keys reach the focused control first; filtering every control of the
    // window lets the window see them before the control does.
    installEventFilter(this);
    for (QWidget *w : findChildren<QWidget *>())
        if (!w->isWindow())
            w->installEventFilter(this);
}

bool TSKMainScreen::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        auto *widget = qobject_cast<QWidget *>(watched);
        QWidget *focus = QApplication::focusWidget();
        const bool focusHere = focus && focus->window() == this;
        // A key the focused control ignores travels on to its parents; it
        // is seen once, where it started.
        const bool start = widget && widget->window() == this && (focusHere ? widget == focus : widget == this);
        if (start) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (type == QEvent::KeyPress)
                return FormKeyDown(key->key(), key->modifiers(), widget == mLabelPanelView);
            if (!key->isAutoRepeat())
                FormKeyUp(key->key(), key->modifiers());
            return false;
        }
    }
    if ((watched == Panel1 || watched == Panel2) && (type == QEvent::MouseMove || type == QEvent::Enter)
        && ScreenCursor::current() != ScreenCursor::Default)
        ScreenCursor::set(ScreenCursor::Default);
    return QMainWindow::eventFilter(watched, event);
}

// --- layouts ------------------------------------------------------------------------

bool TSKMainScreen::GetLayoutFromTemplate(bool isNew)
{
    const std::optional<TLabelLayout> chosen = mChooser->chooseTemplate(this, mLayout.toLayout(), isNew);
    if (!chosen)
        return false;
    mLayout = LayoutWorkingCopy::fromLayout(*chosen);
    SetLabelSizeFromInches();
    ShowArt->setEnabled(!mLayout.ArtName.isEmpty());
    ShowArt->setChecked(ShowArt->isEnabled());
    DoDrawArt();
    if (!isNew)
        SetChangesMade(true);
    return true;
}

bool TSKMainScreen::GetUserDefinedLayout()
{
    // The editor's unit is kept in the configuration file.
    LoadPreferences();
    bool useMM = mPreferences.UseMM;
    const std::optional<TLabelLayout> edited = mChooser->editUserDefined(this, mLayout.toLayout(), useMM);
    if (edited) {
        mLayout.LabelHeight = static_cast<float>(edited->LabelHeight);
        mLayout.LabelWidth = static_cast<float>(edited->LabelWidth);
        mLayout.NumAcross = edited->NumAcross;
        mLayout.NumDown = edited->NumDown;
        mLayout.TopMargin = static_cast<float>(edited->TopMargin);
        mLayout.LeftMargin = static_cast<float>(edited->LeftMargin);
        mLayout.HorizPitch = static_cast<float>(edited->HorizPitch);
        mLayout.VertPitch = static_cast<float>(edited->VertPitch);
        mLayout.PageWidth = static_cast<float>(edited->PageWidth);
        mLayout.PageHeight = static_cast<float>(edited->PageHeight);
        mLayout.PaperCode = edited->PaperCode;
        mLayout.ShapeCode = edited->ShapeCode;
        mLayout.LayoutName = QLatin1String(TLabelLayout::UserDefinedName);
        mLayout.PrinterType.clear();
        mLayout.ProductCategory.clear();
        mLayout.ArtName.clear();
        mLayout.RightHalfOffset = 0.0;
        mLayout.LowerHalfOffset = 0.0;
        SetLabelSizeFromInches();
        ShowArt->setChecked(false);
        ShowArt->setEnabled(false);
        DoDrawArt();
        SetChangesMade(true);
    }
    mPreferences.UseMM = useMM;
    SavePreferences();
    return edited.has_value();
}

void TSKMainScreen::runLayoutCommand(LayoutCommand command)
{
    const bool isNew = command == LayoutCommand::NewFromTemplate || command == LayoutCommand::NewUserDefined;
    // A new design drops the current one: ask first, as Open does.
    if (isNew && !CheckSaveNeeded())
        return;
    const bool artWasDown = ShowArt->isChecked();
    // A change of the current design's layout is a step of its own.
    std::optional<TGBasePanel::UserAction> action;
    if (!isNew)
        action.emplace(*mLabelPanel, QStringLiteral("Change Label Layout"));
    switch (command) {
    case LayoutCommand::NewFromTemplate:
        if (!GetLayoutFromTemplate(true))
            return;
        mFileName.clear();
        mLabelPanel->ClearObjects();
        MergeSession::clear();
        break;
    case LayoutCommand::NewUserDefined:
        if (!GetUserDefinedLayout())
            return;
        mLabelPanel->ClearObjects();
        mFileName.clear();
        MergeSession::clear();
        break;
    case LayoutCommand::ChangeFromTemplate:
        if (!GetLayoutFromTemplate(false))
            return;
        mLabelPanel->KeepObjectsInside();
        break;
    case LayoutCommand::ChangeUserDefined:
        if (!GetUserDefinedLayout())
            return;
        mLabelPanel->KeepObjectsInside();
        break;
    }
    SetArtButton();
    if (artWasDown && ShowArt->isEnabled()) {
        ShowArt->setChecked(true);
        ShowArtClick();
    }
    SetTemplateCaption();
    if (isNew) {
        // A new design has never been saved: undoing back to its start
        // leaves it changed.
        SetChangesMade(true);
        mHistory->clear();
        mHistory->forgetSaved();
    } else {
        mLabelPanel->NotifyLabelChanged();
    }
    SetButtons();
}

// --- undo and redo --------------------------------------------------------------------

void TSKMainScreen::mnuUndoClick()
{
    if (mHistory->undo())
        SetChangesMade(!mHistory->isAtSavedState());
}

void TSKMainScreen::mnuRedoClick()
{
    if (mHistory->redo())
        SetChangesMade(!mHistory->isAtSavedState());
}

void TSKMainScreen::updateUndoCommands()
{
    const auto caption = [](const QString &command, const QString &step) {
        return step.isEmpty() ? command : command + QLatin1Char(' ') + step;
    };
    mnuUndo->setEnabled(mHistory->canUndo());
    mnuUndo->setText(caption(QStringLiteral("&Undo"), mHistory->undoName()));
    mnuRedo->setEnabled(mHistory->canRedo());
    mnuRedo->setText(caption(QStringLiteral("&Redo"), mHistory->redoName()));
}

void TSKMainScreen::mnuNewFromTemplateClick()
{
    runLayoutCommand(LayoutCommand::NewFromTemplate);
}

void TSKMainScreen::mnuNewUserDefinedLayoutClick()
{
    runLayoutCommand(LayoutCommand::NewUserDefined);
}

void TSKMainScreen::mnuChangeFromTemplateClick()
{
    runLayoutCommand(LayoutCommand::ChangeFromTemplate);
}

void TSKMainScreen::mnuChangeUserDefinedLayoutClick()
{
    runLayoutCommand(LayoutCommand::ChangeUserDefined);
}

// --- default font -----------------------------------------------------------------------

void TSKMainScreen::mnuDefaultFontClick()
{
    TFont font;
    font.Assign(mLabelPanel->Font());
    if (mDialogs->getFont(this, font))
        mLabelPanel->Font().Assign(font);
    SetDefaultFontCaption();
    SavePreferences();
}

// --- printing -------------------------------------------------------------------------------

bool TSKMainScreen::printerReadyOrSay()
{
    if (mPrinterReady)
        return true;
    MessageService::information(
        QStringLiteral("No printers and/or no default printer found.\rPrint related action cannot continue."));
    return false;
}

void TSKMainScreen::PrintOrPreview()
{
    PrintCommands::printOrPreview(this, *mLabelPanel, mLayout, mFileName);
}

void TSKMainScreen::PrinterFineTuning()
{
    if (PrintCommands::fineTuning(this, mLayout.toLayout()))
        SavePreferences();
}

void TSKMainScreen::PrinterSetup()
{
    PrintCommands::printerSetup(this);
}

void TSKMainScreen::mnuPrintClick()
{
    if (printerReadyOrSay())
        PrintOrPreview();
}

void TSKMainScreen::PrintNowClick()
{
    mnuPrintClick();
}

void TSKMainScreen::PrinterFineTuning1Click()
{
    if (printerReadyOrSay())
        PrinterFineTuning();
}

void TSKMainScreen::mnuPrintSetupClick()
{
    if (printerReadyOrSay())
        PrinterSetup();
}

// --- help ---------------------------------------------------------------------------------------

void TSKMainScreen::HelpbuttonClick()
{
    THelpWindow::showContext(HelpContext::MainWindow, this);
}

void TSKMainScreen::Contents1Click()
{
    THelpWindow::showContents(this);
}

void TSKMainScreen::About1Click()
{
    TSplashform about(this);
    about.adjustSize();
    CenterForm(&about);
    about.exec();
}

void TSKMainScreen::MouseHelpButtonClick()
{
    ODSHelp1->StartPointerMode();
}

} // namespace sw
