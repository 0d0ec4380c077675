#pragma once
// The main window: the tool bar of drawing tools, zoom and toggles, the
// scroll box holding the design panel, the bottom bar of buttons and the
// menus. It owns the design panel, the working copy of the current layout,
// the current file name, the changed flag and the recent-files list, reads
// and writes the configuration file and restores its placement.
#include "layouts/LayoutWorkingCopy.h"
#include "shell/Preferences.h"
#include "surface/TGStickwellPanel32.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QSessionManager;
class QToolButton;

namespace sw {

class CommonDialogs;
class EditHistory;
class IniFile;
class LayoutChooser;
class LabelPanelView;
class MRUList;
class SpinButton;
class TODSHelp;

class TSKMainScreen : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window and runs FormCreate: preferences, default font,
    // default layout and recent files are loaded; nothing counts as a
    // change until the first activation is over.
    explicit TSKMainScreen(QWidget *parent = nullptr);
    ~TSKMainScreen() override;

    // --- state ---------------------------------------------------------------
    TGStickwellPanel32 &labelPanel() { return *mLabelPanel; }
    LabelPanelView *labelPanelView() const { return mLabelPanelView; }
    const LayoutWorkingCopy &layout() const { return mLayout; }
    const Preferences &preferences() const { return mPreferences; }
    MRUList &recentFiles() { return *mRecentFiles; }
    // Undo and redo of the design's changes.
    EditHistory &editHistory() { return *mHistory; }
    QString currentFileName() const { return mFileName; }
    bool ChangesMade() const { return mChangesMade; }
    bool Busy() const { return mBusy; }
    bool PrinterReady() const { return mPrinterReady; }
    bool firstActivationDone() const { return mActivated; }
    // The help file the Help commands open.
    QString helpFile() const { return mHelpFile; }
    // The configuration file "SK.INI" in the program's folder.
    static QString configFileName();

    // --- dialogs ---------------------------------------------------------------
    // The open, save and font dialogs; not owned, nullptr returns to Qt's.
    void setCommonDialogs(CommonDialogs *dialogs);
    CommonDialogs &commonDialogs() const;
    // The template chooser and the layout editor; not owned, nullptr
    // returns to the real dialogs.
    void setLayoutChooser(LayoutChooser *chooser);
    LayoutChooser &layoutChooser() const;

    // --- configuration file ----------------------------------------------------
    // Reads the printer, "UseMM", default-font and hint settings; the font
    // goes to the design panel at once, the hint setting to the "Show Hints"
    // check mark.
    void LoadPreferences();
    // Takes the panel's font as the default font, then writes the settings.
    void SavePreferences();
    // "Default Font: <name>, <size> pt [, bold][, italic]" on the Edit menu.
    void SetDefaultFontCaption();
    // Restores the stored rectangle (moved back onto a smaller screen) or
    // centres the window, maximises it when stored so, then writes the
    // placement back.
    void LoadWindowPlacement();
    void SaveWindowPlacement();
    // Centres the main window on the screen; any other form over the main
    // window, or on the screen while the main window is maximised.
    void CenterForm(QWidget *form);
    // True when a printer is available; see PrinterCheck.
    bool CheckPrinters(bool report);

    // --- life cycle ------------------------------------------------------------
    // The work of the first activation: placement, panel sizing from the
    // layout, the most recent file, the printer check. Later calls do
    // nothing. Runs by itself when the window is first shown.
    void FormActivate();
    // Saves the preferences and the placement (the window's close request).
    void FormClose();
    // The desktop session is ending. With changes, asks as Exit does when
    // `mayAsk`; false when the session should not end (the user kept the
    // design, or the design has changes and the user cannot be asked). A
    // "No" holds for the close that follows, until the design changes again.
    bool SessionEnding(bool mayAsk);
    // Brings the window forward (restored when minimised) for a second start.
    void bringToFront();
    // A label file given on the command line or by the file manager: the
    // window comes forward and opens it as a recent file is opened (asking
    // first whether to save changes). While another window of the program
    // is open over this one, or the design is busy, the file waits until it
    // is closed.
    void openRequestedFile(const QString &fileName);

    // --- design state ------------------------------------------------------------
    void SetChangesMade(bool value);
    void SetButtons();
    void SetTemplateCaption();
    void SetArtButton();
    void DoDrawArt();
    // Sizes and shapes the panel from the working copy (at zoom 1.0, the
    // zoom restored afterwards); only when the size or shape code changed.
    void SetLabelSizeFromInches();
    void LoadDefaultTemplateValues();
    // Before a command that drops the design: when there are changes and the
    // user answers Yes to "Save changes?", saves (through Save As when the
    // design has no file yet). False when the user asked to save and the
    // design was not saved (save dialog cancelled, or the save failed and
    // was reported), so the caller must keep the design.
    bool CheckSaveNeeded();
    // Reads a label file: the objects onto the panel, the layout into the
    // working copy, the file becomes current and first of the recent files.
    // The file is read completely aside first: a file that cannot be read
    // is reported ("Unable to open ...") and leaves the design, its layout,
    // its file name and its changed flag as they were. True when opened.
    // Runs with Busy set, so that opening never counts as a change; a call
    // made while another open is running does nothing and returns false.
    bool OpenLabelFile(const QString &fileName);
    // Writes the design at zoom 1.0 (objects outside the label removed) and
    // the working copy's layout to a label file; the zoom is restored
    // afterwards, also on failure. Throws the file's errors
    // (EPersistenceError); the old file is then left as it was.
    void SaveLabelFile(const QString &fileName);
    // The template chooser for a new design (`isNew`) or for the current
    // one; on OK the chosen layout becomes current and the panel follows.
    // False on Cancel, nothing changed.
    bool GetLayoutFromTemplate(bool isNew);
    // The user-defined layout editor; on OK a "USER DEFINED" layout becomes
    // current. The editor's unit is kept in the preferences either way.
    bool GetUserDefinedLayout();

    // --- printing ----------------------------------------------------------------
    // The printing windows: print preparation (on a copy of the design),
    // printer fine tuning and printer setup.
    void PrintOrPreview();
    void PrinterFineTuning();
    void PrinterSetup();

    // --- keys --------------------------------------------------------------------
    // The window sees every key before its controls. Key-down: Page Up,
    // Page Down, Home and End scroll the panel's scroll box (true: the key
    // is used up); every other key goes to the panel's key handling unless
    // the panel's own window has the focus and handles it itself.
    bool FormKeyDown(int key, Qt::KeyboardModifiers shift, bool panelHasFocus = false);
    // Key-up: the numeric keypad's + zooms in, its - zooms out.
    bool FormKeyUp(int key, Qt::KeyboardModifiers shift);

public Q_SLOTS:
    // Drawing tools.
    void PointerButtonClick();
    void DrawLabelButtonClick();
    void DrawMLTextButtonClick();
    void DrawCounterbuttonClick();
    void DrawSymbolbuttonClick();
    void DrawRectangleButtonClick();
    void DrawEllipsebuttonClick();
    void DrawRoundRectButtonClick();
    void DrawLinebuttonClick();
    void DrawImageButtonClick();
    void DrawSupershapeClick();
    void DrawRichTextClick();
    void PSpeedButton1Click();
    void DrawBarcodeClick();
    // Panel events.
    void LabelPanelDroppedObjectEvent();
    void LabelPanelChangeEvent();
    // Toggles and zoom.
    void ShowGridClick();
    void SnapToGridClick();
    void ShowArtClick();
    void ZoomSpinnerUpClick();
    void ZoomSpinnerDownClick();
    // File menu.
    void mnuNewFromTemplateClick();
    void mnuNewUserDefinedLayoutClick();
    void Open1Click();
    void Delete1Click();
    void mnuSaveClick();
    void mnuSaveAsClick();
    void SaveButtonClick();
    void CancelButtonClick();
    void mnuPrintClick();
    void PrintNowClick();
    void PrinterFineTuning1Click();
    void mnuPrintSetupClick();
    void Exit1Click();
    void CloseButtonClick();
    // A recent file was clicked; the list has already dropped it from
    // `index`, where it goes back when the user keeps the current design.
    void RecentFileClick(const QString &fileName, int index = -1);
    // Edit menu. Undo and redo take a step back or forward; the design is
    // unchanged when that brings it to the state saved last.
    void mnuUndoClick();
    void mnuRedoClick();
    void mnuDefaultFontClick();
    void mnuChangeFromTemplateClick();
    void mnuChangeUserDefinedLayoutClick();
    // Help. The "Show Hints" item flips its own check mark when chosen;
    // mnushowHintsClick stores and applies the new state.
    void Contents1Click();
    void About1Click();
    void mnushowHintsClick();
    void HelpbuttonClick();
    // Mouse help; "What's this?" on the controls and F1 come with the
    // window's help component.
    void MouseHelpButtonClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Window construction (TSKMainScreenLayout.cpp).
    void buildWindow();
    void buildToolBar(QWidget *bar);
    void buildBottomBar(QWidget *bar);
    void buildWorkArea();
    void buildMenus();
    QToolButton *addToolButton(QWidget *bar, const char *name, int left, int width,
                               const QString &icon, const QString &hint);
    QPushButton *addBarButton(QWidget *bar, const char *name, int left, int width,
                              const QString &caption, const QString &hint);
    QAction *addMenuItem(QMenu *menu, const char *name, const QString &caption);
    void FormCreate();
    void commitSessionData(QSessionManager &manager);
    void setTool(TGStickwellPanel32::TLPanelState state);
    enum class LayoutCommand { NewFromTemplate, NewUserDefined, ChangeFromTemplate, ChangeUserDefined };
    void runLayoutCommand(LayoutCommand command);
    void zoom(bool in);
    // Undo and redo commands follow the history: names and enabling.
    void updateUndoCommands();
    // The layout of a state the history went back or forward to.
    void restoreLayout(const LayoutWorkingCopy &layout);
    // The design is what the file now holds.
    void designSaved();
    // Shows a save failure the way the application shows any failure;
    // true when `work` finished.
    bool runFileCommand(const std::function<void()> &work);
    void saveRecentFiles();
    bool printerReadyOrSay();
    void installKeyPreview();
    void updateScrollRange();
    QSize screenSize() const;
    void applyHints();
    void openWhenIdle(const QString &fileName);

    // --- controls, named as in the window's description --------------------------
    QWidget *Panel2 = nullptr;
    QToolButton *Pointerbutton = nullptr;
    QToolButton *DrawLabelButton = nullptr;
    QToolButton *DrawMLTextButton = nullptr;
    QToolButton *DrawCounterbutton = nullptr;
    QToolButton *DrawSymbolButton = nullptr;
    QToolButton *DrawRectanglebutton = nullptr;
    QToolButton *DrawEllipseButton = nullptr;
    QToolButton *DrawRoundrectbutton = nullptr;
    QToolButton *DrawLinebutton = nullptr;
    QToolButton *DrawImageButton = nullptr;
    QToolButton *DrawSupershape = nullptr;
    QToolButton *DrawRichText = nullptr;
    QToolButton *PSpeedButton1 = nullptr;
    QToolButton *DrawBarcode = nullptr;
    SpinButton *ZoomSpinner = nullptr;
    QLabel *ZoomCaption = nullptr;
    QToolButton *ShowGrid = nullptr;
    QToolButton *SnapToGrid = nullptr;
    QToolButton *ShowArt = nullptr;
    QToolButton *UndoButton = nullptr;
    QToolButton *RedoButton = nullptr;
    QFrame *GraphicPanel1 = nullptr;
    QFrame *GraphicPanel2 = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QWidget *Panel1 = nullptr;
    QPushButton *PrintNow = nullptr;
    QPushButton *SaveButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *Helpbutton = nullptr;
    QPushButton *MouseHelpButton = nullptr;
    QPushButton *CloseButton = nullptr;
    TODSHelp *ODSHelp1 = nullptr;

    QMenu *File1 = nullptr;
    QMenu *Edit1 = nullptr;
    QMenu *Help1 = nullptr;
    QMenu *mnuNew = nullptr;
    QMenu *mnuChangeLabelLayout = nullptr;
    QAction *mnuNewFromTemplate = nullptr;
    QAction *mnuNewUserDefinedLayout = nullptr;
    QAction *Open1 = nullptr;
    QAction *Delete1 = nullptr;
    QAction *mnuSave = nullptr;
    QAction *mnuSaveAs = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *PrinterFineTuning1 = nullptr;
    QAction *mnuPrintSetup = nullptr;
    QAction *Exit1 = nullptr;
    QAction *mnuUndo = nullptr;
    QAction *mnuRedo = nullptr;
    QAction *mnuDefaultFont = nullptr;
    QAction *mnuChangeFromTemplate = nullptr;
    QAction *mnuChangeUserDefinedLayout = nullptr;
    QAction *Contents1 = nullptr;
    QAction *About1 = nullptr;
    QAction *mnushowHints = nullptr;

    QButtonGroup *mToolGroup = nullptr;
    QWidget *mScrollContents = nullptr;
    TGStickwellPanel32 *mLabelPanel = nullptr; // child QObject of the window
    LabelPanelView *mLabelPanelView = nullptr;
    MRUList *mRecentFiles = nullptr;
    EditHistory *mHistory = nullptr; // child QObject of the window

    Preferences mPreferences;
    LayoutWorkingCopy mLayout;
    QString mPanelShapeCode; // shape code last applied to the panel
    QString mFileName;
    QString mHelpFile;
    std::unique_ptr<CommonDialogs> mDefaultDialogs;
    CommonDialogs *mDialogs = nullptr;
    std::unique_ptr<LayoutChooser> mDefaultChooser;
    LayoutChooser *mChooser = nullptr;
    bool mOpening = false;
    bool mZooming = false;
    int mPixelsPerInch = 96;
    bool mChangesMade = false;
    bool mBusy = true;
    bool mPrinterReady = false;
    bool mActivated = false;
    bool mActivationQueued = false;
    bool mAskingToClose = false;
    bool mClosed = false;
    // The user declined to save at the end of the session.
    bool mDropAgreed = false;
};

} // namespace sw
