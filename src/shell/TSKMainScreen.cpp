#include "shell/TSKMainScreen.h"

#include "editing/EditHistory.h"
#include "help/ui/HelpTopics.h"
#include "help/ui/TODSHelp.h"
#include "layouts/LabelShape.h"
#include "layouts/LayoutArt.h"
#include "layouts/PanelSizing.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenCursor.h"
#include "platform/ScreenInfo.h"
#include "platform/TPicture.h"
#include "platform/ui/WindowPosition.h"
#include "richtext/TWPRichText.h"
#include "shell/CommonDialogs.h"
#include "shell/LayoutChooser.h"
#include "shell/MainScreenRules.h"
#include "shell/PrinterCheck.h"
#include "shell/RecentFiles.h"
#include "shell/ToolTipSwitch.h"
#include "shell/WindowPlacement.h"
#include "surface/ui/LabelPanelView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSessionManager>
#include <QTimer>
#include <QToolButton>

#include <cmath>

// Resources of a static library must be registered by name, outside any
// namespace.
static void initShellResources()
{
    Q_INIT_RESOURCE(shell);
}

namespace sw {

TSKMainScreen::TSKMainScreen(QWidget *parent)
    : QMainWindow(parent)
{
    initShellResources();
    mLabelPanel = new TGStickwellPanel32(this);
    mLabelPanel->setObjectName(QStringLiteral("LabelPanelModel"));
    mLabelPanel->setPointing(true);
    mLabelPanel->setDrawOutline(true);
    mLabelPanel->setPrinting(false);
    mLabelPanel->setGridSize(TGBasePanel::gs4x4);
    mLabelPanel->setShowGrid(false);
    mLabelPanel->setSnapToGrid(false);
    mLabelPanel->SetPanelState(TGStickwellPanel32::psPointing);
    mLabelPanel->DroppedObjectEvent = [this](const QRect &) { LabelPanelDroppedObjectEvent(); };
    // The clipboard and scratch files are this panel's: panels that print a
    // copy of the design leave them alone.
    mLabelPanel->setOwnsScratchFiles(true);
    mHistory = new EditHistory(*mLabelPanel, this);
    // The hidden rich-text control the rich-text labels paint through.
    TWPRichText::createMaster(this);

    mDefaultDialogs = std::make_unique<QtCommonDialogs>();
    mDialogs = mDefaultDialogs.get();
    mDefaultChooser = std::make_unique<DialogLayoutChooser>([this](QWidget *dialog) {
        // Centred at the size it will be shown at.
        if (!dialog->testAttribute(Qt::WA_Resized))
            dialog->adjustSize();
        CenterForm(dialog);
    });
    mChooser = mDefaultChooser.get();

    buildWindow();
    installKeyPreview();
    // The layout is part of the design: undoing a layout change gives the
    // old one back.
    mHistory->setLayoutAccess([this] { return mLayout; },
                              [this](const LayoutWorkingCopy &layout) { restoreLayout(layout); });
    connect(mHistory, &EditHistory::changed, this, &TSKMainScreen::updateUndoCommands);
    updateUndoCommands();
    // The end of the desktop session asks about unsaved changes as Exit
    // does; the answer is needed before the signal returns.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &TSKMainScreen::commitSessionData,
            Qt::DirectConnection);
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!mClosed)
            FormClose();
    });
    ODSHelp1 = TODSHelp::attach(this, HelpContext::MainWindow);
    FormCreate();
}

TSKMainScreen::~TSKMainScreen()
{
    // The panel's events point back at this window.
    mLabelPanel->LabelChangedEvent = nullptr;
    mLabelPanel->DroppedObjectEvent = nullptr;
}

QString TSKMainScreen::configFileName()
{
    return ProgramFolder::filePath(QStringLiteral("SK.INI"));
}

void TSKMainScreen::setCommonDialogs(CommonDialogs *dialogs)
{
    mDialogs = dialogs ? dialogs : mDefaultDialogs.get();
}

CommonDialogs &TSKMainScreen::commonDialogs() const
{
    return *mDialogs;
}

void TSKMainScreen::setLayoutChooser(LayoutChooser *chooser)
{
    mChooser = chooser ? chooser : mDefaultChooser.get();
}

LayoutChooser &TSKMainScreen::layoutChooser() const
{
    return *mChooser;
}

void TSKMainScreen::FormCreate()
{
    setWindowIcon(QApplication::windowIcon().isNull() ? QIcon(QStringLiteral(":/shell/icons/stickwell.svg"))
                                                      : QApplication::windowIcon());
    mBusy = true;
    mPrinterReady = false;
    mPixelsPerInch = ScreenInfo::pixelsPerInch();
    mHelpFile = ProgramFolder::filePath(QStringLiteral("SK.HLP"));

    LoadPreferences();
    applyHints();

    mPanelShapeCode.clear();
    SetDefaultFontCaption();
    LoadDefaultTemplateValues();

    mRecentFiles = new MRUList(this);
    mRecentFiles->setMaxEntries(MRUList::DefaultMaxEntries);
    mRecentFiles->setMenu(File1);
    connect(mRecentFiles, &MRUList::fileClicked, this, &TSKMainScreen::RecentFileClick);
    IniFile ini(configFileName());
    mRecentFiles->Load(ini);
}

// --- configuration file ----------------------------------------------------------

void TSKMainScreen::LoadPreferences()
{
    IniFile ini(configFileName());
    mPreferences = Preferences::read(ini);
    PrinterFineTuning::current() = mPreferences.printer;
    TFont &font = mLabelPanel->Font();
    font.setName(mPreferences.FontName);
    font.setSize(mPreferences.FontSize);
    TFontStyles style = font.style();
    style.setFlag(fsBold, mPreferences.FontBold);
    style.setFlag(fsItalic, mPreferences.FontItalic);
    style.setFlag(fsUnderline, mPreferences.FontUnderline);
    font.setStyle(style);
    mnushowHints->setChecked(mPreferences.ShowHints);
}

void TSKMainScreen::SavePreferences()
{
    const TFont &font = mLabelPanel->Font();
    mPreferences.FontName = font.name();
    mPreferences.FontSize = font.size();
    mPreferences.FontBold = font.style().testFlag(fsBold);
    mPreferences.FontItalic = font.style().testFlag(fsItalic);
    mPreferences.FontUnderline = font.style().testFlag(fsUnderline);
    mPreferences.ShowHints = mnushowHints->isChecked();
    mPreferences.printer = PrinterFineTuning::current();
    IniFile ini(configFileName());
    mPreferences.write(ini);
}

void TSKMainScreen::SetDefaultFontCaption()
{
    const TFont &font = mLabelPanel->Font();
    mnuDefaultFont->setText(defaultFontCaption(font.name(), font.size(), font.style().testFlag(fsBold),
                                               font.style().testFlag(fsItalic)));
}

QSize TSKMainScreen::screenSize() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

void TSKMainScreen::LoadWindowPlacement()
{
    const QString section = WindowPlacement::sectionName(mPixelsPerInch);
    const WindowPlacement placement = [&] {
        IniFile ini(configFileName());
        return WindowPlacement::read(ini, section, isMaximized());
    }();
    // A stored rectangle without area is as good as none: centre instead.
    if (placement.storedBottom() != 0 && placement.normal.width() > 0 && placement.normal.height() > 0)
        setGeometry(fitRectToScreen(placement.normal, screenSize()));
    else
        CenterForm(this);
    if (placement.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    SaveWindowPlacement();
}

void TSKMainScreen::SaveWindowPlacement()
{
    WindowPlacement placement;
    placement.normal = normalGeometry().isValid() && isMaximized() ? normalGeometry() : geometry();
    placement.maximized = isMaximized();
    IniFile ini(configFileName());
    placement.write(ini, WindowPlacement::sectionName(mPixelsPerInch));
}

void TSKMainScreen::CenterForm(QWidget *form)
{
    if (!form)
        return;
    if (form == this) {
        form->move(centeredOnScreen(screenSize(), form->frameGeometry().size()));
    } else if (isMaximized()) {
        form->move(centeredOnScreen(screenSize(), form->frameGeometry().size()));
        WindowPosition::keepOnScreen(form, screen());
    } else {
        WindowPosition::centreOver(form, this);
    }
    if (form->windowFlags().testFlag(Qt::WindowContextHelpButtonHint))
        form->setWindowFlag(Qt::WindowSystemMenuHint, true);
}

bool TSKMainScreen::CheckPrinters(bool report)
{
    return PrinterCheck::CheckPrinters(report);
}

// --- life cycle ----------------------------------------------------------------------

void TSKMainScreen::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The first showing finishes the start-up once the window is up.
    if (!mActivated && !mActivationQueued) {
        mActivationQueued = true;
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
}

void TSKMainScreen::FormActivate()
{
    if (mActivated || !mBusy)
        return;
    mActivated = true;

    LoadWindowPlacement();
    show();
    QCoreApplication::processEvents();

    mLabelPanelView->hide();
    SetChangesMade(false);
    mLabelPanel->LabelChangedEvent = [this](QObject *) { LabelPanelChangeEvent(); };
    QCoreApplication::processEvents();
    SaveButton->hide();

    // The last file worked on opens again.
    if (!mRecentFiles->isEmpty() && QFileInfo::exists(mRecentFiles->files().first()))
        OpenLabelFile(mRecentFiles->files().first());

    SetLabelSizeFromInches();
    SetTemplateCaption();
    SetArtButton();
    ShowArt->setChecked(ShowArt->isEnabled());
    DoDrawArt();

    SetChangesMade(false);
    ScreenCursor::set(ScreenCursor::Default);
    mLabelPanelView->show();
    QCoreApplication::processEvents();

    if (CheckPrinters(false))
        mPrinterReady = true;

    SetChangesMade(false);
    SetButtons();
    mHistory->clear();
    mBusy = false;
}

void TSKMainScreen::closeEvent(QCloseEvent *event)
{
    // Exit, the close box, Alt+F4 and the end of the session all come here
    // and ask the same question. A second close arriving while the question
    // is open waits for its answer.
    if (mAskingToClose) {
        event->ignore();
        return;
    }
    {
        QScopedValueRollback<bool> asking(mAskingToClose, true);
        if (!mDropAgreed && !CheckSaveNeeded()) {
            event->ignore();
            return;
        }
    }
    FormClose();
    mClosed = true;
    event->accept();
}

void TSKMainScreen::FormClose()
{
    SavePreferences();
    SaveWindowPlacement();
}

bool TSKMainScreen::SessionEnding(bool mayAsk)
{
    if (!mChangesMade)
        return true;
    if (!mayAsk || !CheckSaveNeeded())
        return false;
    mDropAgreed = mChangesMade;
    return true;
}

void TSKMainScreen::commitSessionData(QSessionManager &manager)
{
    const bool mayAsk = mChangesMade && manager.allowsInteraction();
    const bool mayEnd = SessionEnding(mayAsk);
    if (mayAsk)
        manager.release();
    if (!mayEnd)
        manager.cancel();
}

void TSKMainScreen::bringToFront()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TSKMainScreen::openRequestedFile(const QString &fileName)
{
    bringToFront();
    openWhenIdle(fileName);
}

void TSKMainScreen::openWhenIdle(const QString &fileName)
{
    if (QApplication::activeModalWidget() || mBusy) {
        QTimer::singleShot(250, this, [this, fileName] { openWhenIdle(fileName); });
        return;
    }
    // Named on the command line or by the file manager: a name that names
    // nothing is said so before anything is asked, and the design stays.
    if (!QFileInfo::exists(fileName)) {
        MessageService::information(fileName + QStringLiteral(" does not exist"));
        return;
    }
    RecentFileClick(fileName);
}

void TSKMainScreen::applyHints()
{
    ToolTipSwitch::setEnabled(mnushowHints->isChecked());
}

// --- design state ------------------------------------------------------------------

void TSKMainScreen::SetChangesMade(bool value)
{
    mChangesMade = value;
    if (value)
        mDropAgreed = false;
    CancelButton->setVisible(value);
    SaveButton->setVisible(value);
    SaveButton->setText(mFileName.isEmpty() ? QStringLiteral("&Save As") : QStringLiteral("&Save"));
    mnuSave->setEnabled(!mFileName.isEmpty());
}

void TSKMainScreen::SetButtons()
{
    mnuSave->setEnabled(!mFileName.isEmpty());
    setWindowTitle(mFileName.isEmpty() ? QStringLiteral("Stickwell")
                                       : QStringLiteral("Stickwell - ") + QFileInfo(mFileName).fileName());
    mnuPrint->setEnabled(mPrinterReady);
    PrinterFineTuning1->setEnabled(mPrinterReady);
    mnuPrintSetup->setEnabled(mPrinterReady);
}

void TSKMainScreen::SetTemplateCaption()
{
    const QString prefix = QStringLiteral("Change Label Layout    (");
    if (mLayout.LayoutName != QLatin1String(TLabelLayout::UserDefinedName))
        mnuChangeLabelLayout->setTitle(prefix + mLayout.LayoutName + QLatin1Char(')'));
    else
        mnuChangeLabelLayout->setTitle(prefix + QStringLiteral("User Defined)"));
}

void TSKMainScreen::SetArtButton()
{
    ShowArt->setEnabled(!mLayout.ArtName.isEmpty());
}

void TSKMainScreen::DoDrawArt()
{
    TPicture picture;
    if (ShowArt->isChecked() && !mLayout.ArtName.isEmpty()) {
        // The label's size at zoom 1.0: the part of the art that is shown
        // as a silver shadow of the stock's printing.
        const QSize label(mLabelPanel->unitWidth(), mLabelPanel->unitHeight());
        const QImage art = twoToneArt(loadArt(mLayout.ArtName), label);
        if (!art.isNull())
            picture.setImage(art);
    }
    mLabelPanel->setPicture(picture);
    mLabelPanel->invalidate();
}

void TSKMainScreen::SetLabelSizeFromInches()
{
    const QSize wanted = panelPixelSize(mLayout, mPixelsPerInch);
    const float zoom = mLabelPanel->ScaleFactor();
    if (zoom != 1.0f)
        mLabelPanel->SetZoom(1.0f);
    const QSize current(mLabelPanel->Width(), mLabelPanel->Height());
    if (panelNeedsResize(current, mPanelShapeCode, wanted, mLayout.ShapeCode)) {
        mLabelPanel->setSize(wanted.width(), wanted.height());
        if (const auto shape = shapeForCode(mLayout.ShapeCode))
            mLabelPanel->setShape(*shape);
        mPanelShapeCode = mLayout.ShapeCode;
    }
    if (zoom != 1.0f)
        mLabelPanel->SetZoom(zoom);
    updateScrollRange();
}

void TSKMainScreen::restoreLayout(const LayoutWorkingCopy &layout)
{
    mLayout = layout;
    SetLabelSizeFromInches();
    SetTemplateCaption();
    SetArtButton();
    ShowArt->setChecked(ShowArt->isEnabled());
    DoDrawArt();
}

void TSKMainScreen::LoadDefaultTemplateValues()
{
    mLayout = LayoutWorkingCopy::fromLayout(TLabelLayout::defaultLayout());
}

// --- drawing tools and panel events ------------------------------------------------------

void TSKMainScreen::setTool(TGStickwellPanel32::TLPanelState state)
{
    mLabelPanel->SetPanelState(state);
}

void TSKMainScreen::PointerButtonClick() { setTool(TGStickwellPanel32::psPointing); }
void TSKMainScreen::DrawLabelButtonClick() { setTool(TGStickwellPanel32::psLabel); }
void TSKMainScreen::DrawMLTextButtonClick() { setTool(TGStickwellPanel32::psMultiLineLabel); }
void TSKMainScreen::DrawCounterbuttonClick() { setTool(TGStickwellPanel32::psCounterLabel); }
void TSKMainScreen::DrawSymbolbuttonClick() { setTool(TGStickwellPanel32::psSymbolLabel); }
void TSKMainScreen::DrawRectangleButtonClick() { setTool(TGStickwellPanel32::psRectangle); }
void TSKMainScreen::DrawEllipsebuttonClick() { setTool(TGStickwellPanel32::psEllipse); }
void TSKMainScreen::DrawRoundRectButtonClick() { setTool(TGStickwellPanel32::psRoundRectangle); }
void TSKMainScreen::DrawLinebuttonClick() { setTool(TGStickwellPanel32::psLine); }
void TSKMainScreen::DrawImageButtonClick() { setTool(TGStickwellPanel32::psImage); }
void TSKMainScreen::DrawSupershapeClick() { setTool(TGStickwellPanel32::psSuperShape); }
void TSKMainScreen::DrawRichTextClick() { setTool(TGStickwellPanel32::psRichLabel); }
void TSKMainScreen::PSpeedButton1Click() { setTool(TGStickwellPanel32::psSuperText); }
void TSKMainScreen::DrawBarcodeClick() { setTool(TGStickwellPanel32::psBarcode); }

void TSKMainScreen::LabelPanelDroppedObjectEvent()
{
    mLabelPanel->SetPanelState(TGStickwellPanel32::psPointing);
    Pointerbutton->setChecked(true);
}

void TSKMainScreen::LabelPanelChangeEvent()
{
    if (!mBusy)
        SetChangesMade(true);
}

void TSKMainScreen::ShowGridClick()
{
    mLabelPanel->setShowGrid(ShowGrid->isChecked());
}

void TSKMainScreen::SnapToGridClick()
{
    mLabelPanel->setSnapToGrid(SnapToGrid->isChecked());
}

void TSKMainScreen::ShowArtClick()
{
    DoDrawArt();
}

void TSKMainScreen::mnushowHintsClick()
{
    SavePreferences();
    applyHints();
}

void TSKMainScreen::Exit1Click()
{
    // The window's close asks about unsaved changes.
    close();
}

void TSKMainScreen::CloseButtonClick()
{
    Exit1Click();
}

void TSKMainScreen::RecentFileClick(const QString &fileName, int index)
{
    if (!CheckSaveNeeded()) {
        // The design stays, and so does the file's place in the list.
        if (index >= 0)
            mRecentFiles->InsertFile(index, fileName);
        return;
    }
    if (QFileInfo::exists(fileName))
        OpenLabelFile(fileName);
    else
        MessageService::information(fileName + QStringLiteral(" no longer exists"));
}

} // namespace sw
