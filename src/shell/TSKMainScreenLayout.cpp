// Construction of the main window's controls and menus. Positions and sizes
// are pixels at 96 pixels per inch, as the window is drawn.
#include "shell/TSKMainScreen.h"

#include "help/ui/TODSHelp.h"
#include "platform/TFont.h"
#include "shell/SpinButton.h"
#include "shell/ToolTipSwitch.h"
#include "surface/ui/LabelPanelView.h"

#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace sw {

namespace {

constexpr int ClientWidth = 634;
constexpr int ClientHeight = 410;
constexpr int ToolBarHeight = 38;
constexpr int BottomBarHeight = 51;
constexpr int StripHeight = 9;
constexpr int ToolTop = 5;
constexpr int ToolSize = 27;
constexpr int BarButtonTop = 7;
constexpr int BarButtonHeight = 35;
constexpr int PanelLeft = 21;
constexpr int PanelTop = 20;

// A tool-tip shows "\r" in a hint as a line break.
QString hintText(const QString &hint)
{
    QString text = hint;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QIcon shellIcon(const QString &name)
{
    return QIcon(QStringLiteral(":/shell/icons/") + name + QStringLiteral(".svg"));
}

// A decorative strip: a soft navy-to-light gradient.
QFrame *makeStrip(QWidget *parent, const char *name)
{
    auto *strip = new QFrame(parent);
    strip->setObjectName(QLatin1String(name));
    strip->setFixedHeight(StripHeight);
    strip->setStyleSheet(QStringLiteral(
        "QFrame { border: none; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
        "stop:0 #000080, stop:0.5 #6070c0, stop:1 #d8dcf0); }"));
    return strip;
}

} // namespace

void TSKMainScreen::buildWindow()
{
    setObjectName(QStringLiteral("SKMainScreen"));
    setWindowTitle(QStringLiteral("Stickwell II"));
    QFont windowFont = TFont::makeQFont(QStringLiteral("Arial"), -11, {}, fpDefault);
    setFont(windowFont);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel2 = new QWidget(client);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(ToolBarHeight);
    buildToolBar(Panel2);

    GraphicPanel1 = makeStrip(client, "GraphicPanel1");
    buildWorkArea();
    ScrollBox1->setParent(client);
    GraphicPanel2 = makeStrip(client, "GraphicPanel2");

    Panel1 = new QWidget(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(BottomBarHeight);
    buildBottomBar(Panel1);

    column->addWidget(Panel2);
    column->addWidget(GraphicPanel1);
    column->addWidget(ScrollBox1, 1);
    column->addWidget(GraphicPanel2);
    column->addWidget(Panel1);
    setCentralWidget(client);

    // Moving over either bar puts a tool's cursor back to the arrow.
    Panel2->setMouseTracking(true);
    Panel1->setMouseTracking(true);
    Panel2->installEventFilter(this);
    Panel1->installEventFilter(this);

    buildMenus();

    // The client area is 634 x 410 below the menu bar.
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    move(162, 185);
    ScrollBox1->setFocus();
}

void TSKMainScreen::buildToolBar(QWidget *bar)
{
    mToolGroup = new QButtonGroup(this);
    mToolGroup->setExclusive(true);
    // A tool whose kind of object this build cannot make yet is shown
    // disabled rather than letting a drawn rectangle come to nothing.
    auto tool = [&](const char *name, int left, int width, const char *icon, const char *hint,
                    TGStickwellPanel32::TLPanelState state) {
        QToolButton *b = addToolButton(bar, name, left, width, QLatin1String(icon), QLatin1String(hint));
        mToolGroup->addButton(b);
        b->setEnabled(state == TGStickwellPanel32::psPointing || TGStickwellPanel32::canCreate(state));
        return b;
    };
    using P = TGStickwellPanel32;
    Pointerbutton = tool("Pointerbutton", 10, ToolSize, "pointer", "Selection tool", P::psPointing);
    DrawLabelButton = tool("DrawLabelButton", 45, ToolSize, "text", "Text tool", P::psLabel);
    DrawMLTextButton = tool("DrawMLTextButton", 71, ToolSize, "multiline", "Multi-line text tool", P::psMultiLineLabel);
    DrawCounterbutton = tool("DrawCounterbutton", 97, ToolSize, "counter", "Counter tool", P::psCounterLabel);
    DrawSymbolButton = tool("DrawSymbolButton", 123, ToolSize, "symbol", "Symbol tool", P::psSymbolLabel);
    DrawRectanglebutton = tool("DrawRectanglebutton", 158, ToolSize, "rectangle", "Rectangle tool", P::psRectangle);
    DrawEllipseButton = tool("DrawEllipseButton", 184, ToolSize, "ellipse", "Ellipse tool", P::psEllipse);
    DrawRoundrectbutton = tool("DrawRoundrectbutton", 210, 28, "roundrect", "Round Rectangle tool", P::psRoundRectangle);
    DrawLinebutton = tool("DrawLinebutton", 237, ToolSize, "line", "Line Tool", P::psLine);
    DrawImageButton = tool("DrawImageButton", 272, ToolSize, "image", "Clip Art Tool", P::psImage);
    DrawSupershape = tool("DrawSupershape", 298, 25, "supershape",
                          "Supershape tool \rMulti-purpose shapes and surfaces", P::psSuperShape);
    DrawRichText = tool("DrawRichText", 322, 25, "richtext", "Rich Text tool \rMixed fonts, colors and styles", P::psRichLabel);
    PSpeedButton1 = tool("PSpeedButton1", 346, 25, "supertext",
                         "SuperText tool \rSpecial Effects Text - fill with gradients or bitmaps", P::psSuperText);
    DrawBarcode = tool("DrawBarcode", 371, 25, "barcode", "Barcode tool \rBarcodes and QR codes", P::psBarcode);
    Pointerbutton->setChecked(true);

    // Undo and redo show the step they take back or do again in their hint.
    UndoButton = addToolButton(bar, "UndoButton", 402, 24, QStringLiteral("undo"), QString());
    RedoButton = addToolButton(bar, "RedoButton", 426, 24, QStringLiteral("redo"), QString());

    connect(Pointerbutton, &QToolButton::clicked, this, &TSKMainScreen::PointerButtonClick);
    connect(DrawLabelButton, &QToolButton::clicked, this, &TSKMainScreen::DrawLabelButtonClick);
    connect(DrawMLTextButton, &QToolButton::clicked, this, &TSKMainScreen::DrawMLTextButtonClick);
    connect(DrawCounterbutton, &QToolButton::clicked, this, &TSKMainScreen::DrawCounterbuttonClick);
    connect(DrawSymbolButton, &QToolButton::clicked, this, &TSKMainScreen::DrawSymbolbuttonClick);
    connect(DrawRectanglebutton, &QToolButton::clicked, this, &TSKMainScreen::DrawRectangleButtonClick);
    connect(DrawEllipseButton, &QToolButton::clicked, this, &TSKMainScreen::DrawEllipsebuttonClick);
    connect(DrawRoundrectbutton, &QToolButton::clicked, this, &TSKMainScreen::DrawRoundRectButtonClick);
    connect(DrawLinebutton, &QToolButton::clicked, this, &TSKMainScreen::DrawLinebuttonClick);
    connect(DrawImageButton, &QToolButton::clicked, this, &TSKMainScreen::DrawImageButtonClick);
    connect(DrawSupershape, &QToolButton::clicked, this, &TSKMainScreen::DrawSupershapeClick);
    connect(DrawRichText, &QToolButton::clicked, this, &TSKMainScreen::DrawRichTextClick);
    connect(PSpeedButton1, &QToolButton::clicked, this, &TSKMainScreen::PSpeedButton1Click);
    connect(DrawBarcode, &QToolButton::clicked, this, &TSKMainScreen::DrawBarcodeClick);

    ZoomSpinner = new SpinButton(bar);
    ZoomSpinner->setObjectName(QStringLiteral("ZoomSpinner"));
    ZoomSpinner->setGeometry(456, ToolTop, 20, ToolSize);
    ZoomSpinner->setToolTip(
        hintText(QStringLiteral("Press plus (+) or minus (-) to \rincrease or decrease the zoom percentage")));
    connect(ZoomSpinner, &SpinButton::upClick, this, &TSKMainScreen::ZoomSpinnerUpClick);
    connect(ZoomSpinner, &SpinButton::downClick, this, &TSKMainScreen::ZoomSpinnerDownClick);

    ZoomCaption = new QLabel(QStringLiteral("100%"), bar);
    ZoomCaption->setObjectName(QStringLiteral("ZoomCaption"));
    ZoomCaption->setGeometry(478, 8, 38, 20);
    ZoomCaption->setFont(TFont::makeQFont(QStringLiteral("Arial"), -13, {}, fpDefault));
    QPalette navy = ZoomCaption->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    ZoomCaption->setPalette(navy);

    ShowGrid = addToolButton(bar, "ShowGrid", 533, ToolSize, QStringLiteral("grid"), QStringLiteral("Show grid toggle"));
    SnapToGrid = addToolButton(bar, "SnapToGrid", 559, ToolSize, QStringLiteral("snap"),
                               QStringLiteral("Snap to Grid toggle"));
    ShowArt = addToolButton(bar, "ShowArt", 591, ToolSize, QStringLiteral("art"), QStringLiteral("Show art toggle"));
    connect(ShowGrid, &QToolButton::clicked, this, &TSKMainScreen::ShowGridClick);
    connect(SnapToGrid, &QToolButton::clicked, this, &TSKMainScreen::SnapToGridClick);
    connect(ShowArt, &QToolButton::clicked, this, &TSKMainScreen::ShowArtClick);
}

QToolButton *TSKMainScreen::addToolButton(QWidget *bar, const char *name, int left, int width,
                                          const QString &icon, const QString &hint)
{
    auto *b = new QToolButton(bar);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(left, ToolTop, width, ToolSize);
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(shellIcon(icon));
    b->setIconSize(QSize(20, 20));
    b->setToolTip(hintText(hint));
    return b;
}

void TSKMainScreen::buildWorkArea()
{
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setFocusPolicy(Qt::StrongFocus);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setBackgroundRole(QPalette::Base);
    QPalette white = ScrollBox1->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Window, Qt::white);
    ScrollBox1->setPalette(white);

    mScrollContents = new QWidget;
    mScrollContents->setObjectName(QStringLiteral("ScrollBox1Contents"));
    mScrollContents->setAutoFillBackground(true);
    mScrollContents->setPalette(white);
    ScrollBox1->setWidget(mScrollContents);

    mLabelPanelView = new LabelPanelView(mLabelPanel, mScrollContents);
    mLabelPanelView->setObjectName(QStringLiteral("LabelPanel"));
    mLabelPanelView->move(PanelLeft, PanelTop);
    connect(mLabelPanel, &TGBasePanel::sizeChanged, this, &TSKMainScreen::updateScrollRange);
    updateScrollRange();
}

void TSKMainScreen::updateScrollRange()
{
    // The panel keeps the same margin right and below as left and above.
    mLabelPanelView->resize(mLabelPanel->Width(), mLabelPanel->Height());
    mScrollContents->setMinimumSize(PanelLeft * 2 + mLabelPanel->Width(), PanelTop * 2 + mLabelPanel->Height());
}

void TSKMainScreen::buildBottomBar(QWidget *bar)
{
    PrintNow = addBarButton(bar, "PrintNow", 10, 94, QStringLiteral("&Print/Preview"), QString());
    PrintNow->setIcon(shellIcon(QStringLiteral("print")));
    SaveButton = addBarButton(bar, "SaveButton", 243, 73, QStringLiteral("&Save"),
                              QStringLiteral("Click to save changes"));
    SaveButton->setDefault(true);
    SaveButton->hide();
    CancelButton = addBarButton(bar, "CancelButton", 320, 68, QStringLiteral("&Cancel"),
                                QStringLiteral("Click to cancel changes"));
    CancelButton->hide();
    Helpbutton = addBarButton(bar, "Helpbutton", 401, 72, QStringLiteral("Help"),
                              QStringLiteral("Click for Windows help"));
    MouseHelpButton = addBarButton(bar, "MouseHelpButton", 475, 37, QString(),
                                   QStringLiteral("Click for mouse help on individual items"));
    MouseHelpButton->setIcon(TODSHelp::mouseHelpIcon());
    MouseHelpButton->setIconSize(QSize(20, 20));
    MouseHelpButton->setProperty(ToolTipSwitch::ShowHintProperty, false);
    CloseButton = addBarButton(bar, "CloseButton", 523, 64, QStringLiteral("E&xit"), QStringLiteral("Click to exit"));
    CloseButton->setIcon(shellIcon(QStringLiteral("exit")));
    // The picture stands right of the caption.
    CloseButton->setLayoutDirection(Qt::RightToLeft);

    // Enter and Esc act on the save and cancel buttons while they are shown.
    auto *enter = new QShortcut(QKeySequence(Qt::Key_Return), this);
    connect(enter, &QShortcut::activated, this, [this] {
        if (SaveButton->isVisible())
            SaveButton->click();
    });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (CancelButton->isVisible())
            CancelButton->click();
    });

    connect(PrintNow, &QPushButton::clicked, this, &TSKMainScreen::PrintNowClick);
    connect(SaveButton, &QPushButton::clicked, this, &TSKMainScreen::SaveButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TSKMainScreen::CancelButtonClick);
    connect(Helpbutton, &QPushButton::clicked, this, &TSKMainScreen::HelpbuttonClick);
    connect(MouseHelpButton, &QPushButton::clicked, this, &TSKMainScreen::MouseHelpButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TSKMainScreen::CloseButtonClick);
}

QPushButton *TSKMainScreen::addBarButton(QWidget *bar, const char *name, int left, int width,
                                         const QString &caption, const QString &hint)
{
    auto *b = new QPushButton(caption, bar);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(left, BarButtonTop, width, BarButtonHeight);
    b->setAutoDefault(false);
    if (!hint.isEmpty())
        b->setToolTip(hintText(hint));
    return b;
}

QAction *TSKMainScreen::addMenuItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

void TSKMainScreen::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    File1 = bar->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    mnuNew = File1->addMenu(QStringLiteral("&New"));
    mnuNew->setObjectName(QStringLiteral("mnuNew"));
    mnuNewFromTemplate = addMenuItem(mnuNew, "mnuNewFromTemplate", QStringLiteral("From Template"));
    mnuNewUserDefinedLayout = addMenuItem(mnuNew, "mnuNewUserDefinedLayout", QStringLiteral("User Defined Layout"));
    Open1 = addMenuItem(File1, "Open1", QStringLiteral("&Open"));
    Delete1 = addMenuItem(File1, "Delete1", QStringLiteral("&Delete"));
    File1->addSeparator();
    mnuSave = addMenuItem(File1, "mnuSave", QStringLiteral("Save"));
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveAs = addMenuItem(File1, "mnuSaveAs", QStringLiteral("Save &As..."));
    File1->addSeparator();
    mnuPrint = addMenuItem(File1, "mnuPrint", QStringLiteral("&Print or Preview"));
    PrinterFineTuning1 = addMenuItem(File1, "PrinterFineTuning1", QStringLiteral("Printer Fine &Tuning"));
    mnuPrintSetup = addMenuItem(File1, "mnuPrintSetup", QStringLiteral("Printer &Setup"));
    File1->addSeparator();
    Exit1 = addMenuItem(File1, "Exit1", QStringLiteral("E&xit"));

    Edit1 = bar->addMenu(QStringLiteral("&Edit"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    mnuUndo = addMenuItem(Edit1, "mnuUndo", QStringLiteral("&Undo"));
    mnuUndo->setIcon(shellIcon(QStringLiteral("undo")));
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = addMenuItem(Edit1, "mnuRedo", QStringLiteral("&Redo"));
    mnuRedo->setIcon(shellIcon(QStringLiteral("redo")));
    mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    Edit1->addSeparator();
    mnuDefaultFont = addMenuItem(Edit1, "mnuDefaultFont", QStringLiteral("&Default Font - "));
    mnuChangeLabelLayout = Edit1->addMenu(QStringLiteral("Change Label Layout"));
    mnuChangeLabelLayout->setObjectName(QStringLiteral("mnuChangeLabelLayout"));
    mnuChangeFromTemplate = addMenuItem(mnuChangeLabelLayout, "mnuChangeFromTemplate", QStringLiteral("From Template"));
    mnuChangeUserDefinedLayout =
        addMenuItem(mnuChangeLabelLayout, "mnuChangeUserDefinedLayout", QStringLiteral("User Defined Layout"));

    Help1 = bar->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Contents1 = addMenuItem(Help1, "Contents1", QStringLiteral("&Contents"));
    About1 = addMenuItem(Help1, "About1", QStringLiteral("&About"));
    Help1->addSeparator();
    mnushowHints = addMenuItem(Help1, "mnushowHints", QStringLiteral("Show Hints"));
    mnushowHints->setCheckable(true);
    mnushowHints->setChecked(true);

    connect(mnuNewFromTemplate, &QAction::triggered, this, &TSKMainScreen::mnuNewFromTemplateClick);
    connect(mnuNewUserDefinedLayout, &QAction::triggered, this, &TSKMainScreen::mnuNewUserDefinedLayoutClick);
    connect(Open1, &QAction::triggered, this, &TSKMainScreen::Open1Click);
    connect(Delete1, &QAction::triggered, this, &TSKMainScreen::Delete1Click);
    connect(mnuSave, &QAction::triggered, this, &TSKMainScreen::mnuSaveClick);
    connect(mnuSaveAs, &QAction::triggered, this, &TSKMainScreen::mnuSaveAsClick);
    connect(mnuPrint, &QAction::triggered, this, &TSKMainScreen::mnuPrintClick);
    connect(PrinterFineTuning1, &QAction::triggered, this, &TSKMainScreen::PrinterFineTuning1Click);
    connect(mnuPrintSetup, &QAction::triggered, this, &TSKMainScreen::mnuPrintSetupClick);
    connect(Exit1, &QAction::triggered, this, &TSKMainScreen::Exit1Click);
    connect(mnuUndo, &QAction::triggered, this, &TSKMainScreen::mnuUndoClick);
    connect(mnuRedo, &QAction::triggered, this, &TSKMainScreen::mnuRedoClick);
    connect(mnuDefaultFont, &QAction::triggered, this, &TSKMainScreen::mnuDefaultFontClick);
    connect(mnuChangeFromTemplate, &QAction::triggered, this, &TSKMainScreen::mnuChangeFromTemplateClick);
    connect(mnuChangeUserDefinedLayout, &QAction::triggered, this, &TSKMainScreen::mnuChangeUserDefinedLayoutClick);
    connect(Contents1, &QAction::triggered, this, &TSKMainScreen::Contents1Click);
    connect(About1, &QAction::triggered, this, &TSKMainScreen::About1Click);
    // Triggering a checkable item has already flipped its mark; the handler
    // works from the mark's new state.
    connect(mnushowHints, &QAction::triggered, this, &TSKMainScreen::mnushowHintsClick);

    // The tool-bar buttons are the menu commands: same enabling, and the
    // command's caption ("Undo Move") as their hint.
    for (QToolButton *b : {UndoButton, RedoButton})
        b->setCheckable(false);
    UndoButton->setDefaultAction(mnuUndo);
    RedoButton->setDefaultAction(mnuRedo);
}

} // namespace sw
