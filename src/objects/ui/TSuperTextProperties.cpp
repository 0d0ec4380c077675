#include "objects/ui/TSuperTextProperties.h"

#include "controls/TDFSColorButton.h"
#include "objects/ObjectEditors.h"
#include "objects/ScreenCanvas.h"
#include "objects/SymbolFontMap.h"
#include "objects/TGSuperText.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/FontDialog.h"
#include "objects/ui/InsertFieldBox.h"
#include "objects/ui/LabelSampleView.h"
#include "objects/ui/TGBrushImageBrowser.h"
#include "objects/ui/TSuperTextGetSymbol.h"
#include "platform/MessageService.h"
#include "platform/ScreenCursor.h"
#include "platform/TFont.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace sw {

namespace {

QComboBox *combo(const char *name, const QStringList &items, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

QSpinBox *spin(const char *name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, 10);
    return box;
}

TDFSColorButton *colorButton(const char *name, QWidget *parent)
{
    auto *button = new TDFSColorButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(45, 22);
    return button;
}

QWidget *panel(const char *name, QWidget *parent, QFormLayout **form)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(name));
    *form = new QFormLayout(widget);
    (*form)->setContentsMargins(0, 0, 0, 0);
    return widget;
}

QToolButton *arrowButton(const char *name, Qt::ArrowType arrow, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setFixedSize(18, 11);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

TSuperTextProperties::TSuperTextProperties(TGSuperText &object, QWidget *parent)
    : QDialog(parent)
    , mObject(object)
    , mSample(new TGSuperText)
    , mTimer1(new QTimer(this))
{
    setWindowTitle(QStringLiteral("SuperText Properties"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    mSample->setObjectName(QStringLiteral("Sample"));
    mTimer1->setObjectName(QStringLiteral("Timer1"));

    // The sample at (0, 0) on white paper; it keeps its own size, and a
    // large text scrolls.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Panel1"));
    scroll->setFrameShape(QFrame::Box);
    auto *paper = new QWidget;
    paper->setAutoFillBackground(true);
    LabelSampleView::showAsOnPaper(paper, clBlack);
    mView = new LabelSampleView(mSample, paper);
    mView->setMinimumSize(1, 1);
    mView->move(0, 0);
    scroll->setWidget(paper);
    scroll->setWidgetResizable(true);
    scroll->setFixedHeight(128);
    mSample->SetBounds(0, 0, 100, 100);

    // Text.
    mCaptionText = new QLineEdit(this);
    mCaptionText->setObjectName(QStringLiteral("CaptionText"));
    auto *selectFontButton = new QPushButton(QStringLiteral("Select Font"), this);
    selectFontButton->setObjectName(QStringLiteral("SelectFont"));
    auto *rapid = new QWidget(this);
    rapid->setObjectName(QStringLiteral("RapidChangeFontSize"));
    rapid->setToolTip(QStringLiteral("Font size up or down by 5 points"));
    auto *rapidUp = arrowButton("RapidChangeFontSizeUp", Qt::UpArrow, rapid);
    auto *rapidDown = arrowButton("RapidChangeFontSizeDown", Qt::DownArrow, rapid);
    auto *rapidColumn = new QVBoxLayout(rapid);
    rapidColumn->setContentsMargins(0, 0, 0, 0);
    rapidColumn->setSpacing(0);
    rapidColumn->addWidget(rapidUp);
    rapidColumn->addWidget(rapidDown);
    auto *selectSymbolButton = new QPushButton(QStringLiteral("Select Symbol"), this);
    selectSymbolButton->setObjectName(QStringLiteral("SelectSymbol"));
    for (QPushButton *b : {selectFontButton, selectSymbolButton})
        b->setAutoDefault(false);

    // Fill of the letters, and the option panel of the chosen fill.
    mSurfaceTypeCombo = combo("SurfaceTypeCombo",
                              {QStringLiteral("Normal"), QStringLiteral("Transparent"), QStringLiteral("Texture"),
                               QStringLiteral("Gradient Fill")},
                              this);
    QFormLayout *form = nullptr;
    mFillPanel = panel("FillPanel", this, &form);
    mFillDirectionCombo = combo("FillDirectionCombo",
                                {QStringLiteral("Up"), QStringLiteral("Down"), QStringLiteral("Left"),
                                 QStringLiteral("Right")},
                                mFillPanel);
    mGradientFromcolorButton = colorButton("GradientFromcolorButton", mFillPanel);
    mGradientToColorButton = colorButton("GradientToColorButton", mFillPanel);
    form->addRow(QStringLiteral("Fill Direction"), mFillDirectionCombo);
    form->addRow(QStringLiteral("From Color"), mGradientFromcolorButton);
    form->addRow(QStringLiteral("To Color"), mGradientToColorButton);
    mImagePanel = panel("ImagePanel", this, &form);
    auto *loadTextureButton = new QPushButton(QStringLiteral("Load Texture"), mImagePanel);
    loadTextureButton->setObjectName(QStringLiteral("LoadTexture"));
    loadTextureButton->setAutoDefault(false);
    form->addRow(loadTextureButton);
    mFontcolorPanel = panel("FontcolorPanel", this, &form);
    mFontColorButton = colorButton("FontColorButton", mFontcolorPanel);
    form->addRow(QStringLiteral("Font Color"), mFontColorButton);

    // Outline and shadow.
    mOutlineColorButton = colorButton("OutlineColorButton", this);
    mOutlineStyleCombo = combo("OutlineStyleCombo",
                               {QStringLiteral("Solid Line"), QStringLiteral("Dash Line"),
                                QStringLiteral("Dotted Line"), QStringLiteral("DashDot Line"),
                                QStringLiteral("DashDotDot Line"), QStringLiteral("Clear")},
                               this);
    mOutLineWidthSpinner = spin("OutLineWidthSpinner", this);
    mShadowColorButton = colorButton("ShadowColorButton", this);
    mShadowOrientationCombo = combo("ShadowOrientationCombo",
                                    {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
                                     QStringLiteral("Down and Right"), QStringLiteral("Down and Left"),
                                     QStringLiteral("Down")},
                                    this);
    mShadowDepthSpinner = spin("ShadowDepthSpinner", this);

    auto *textGroup = new QGroupBox(QStringLiteral("Text"), this);
    auto *textColumn = new QVBoxLayout(textGroup);
    textColumn->addWidget(mCaptionText);
    auto *textButtons = new QHBoxLayout;
    textButtons->addWidget(selectFontButton);
    textButtons->addWidget(rapid);
    textButtons->addWidget(selectSymbolButton);
    textButtons->addStretch(1);
    textColumn->addLayout(textButtons);
    auto *fillGroup = new QGroupBox(QStringLiteral("Surface"), this);
    auto *fillColumn = new QVBoxLayout(fillGroup);
    fillColumn->addWidget(mSurfaceTypeCombo);
    for (QWidget *w : {mFillPanel, mImagePanel, mFontcolorPanel})
        fillColumn->addWidget(w);
    fillColumn->addStretch(1);
    auto *outlineGroup = new QGroupBox(QStringLiteral("Outline"), this);
    auto *outlineForm = new QFormLayout(outlineGroup);
    outlineForm->addRow(QStringLiteral("Outline Color"), mOutlineColorButton);
    outlineForm->addRow(QStringLiteral("Style"), mOutlineStyleCombo);
    outlineForm->addRow(QStringLiteral("Width"), mOutLineWidthSpinner);
    auto *shadowGroup = new QGroupBox(QStringLiteral("Shadow"), this);
    auto *shadowForm = new QFormLayout(shadowGroup);
    shadowForm->addRow(QStringLiteral("Shadow Color"), mShadowColorButton);
    shadowForm->addRow(QStringLiteral("Orientation"), mShadowOrientationCombo);
    shadowForm->addRow(QStringLiteral("Depth"), mShadowDepthSpinner);

    auto *controls = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(textGroup);
    left->addWidget(fillGroup, 1);
    controls->addLayout(left, 3);
    auto *right = new QVBoxLayout;
    right->addWidget(outlineGroup);
    right->addWidget(shadowGroup);
    controls->addLayout(right, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addLayout(controls, 1);
    // The window keeps its size: "Insert field" shares the button row.
    mInsertField = new InsertFieldBox(this);
    connect(mInsertField, &InsertFieldBox::fieldChosen, this, [this](const QString &reference) {
        mCaptionText->insert(reference);
        mCaptionText->setFocus();
    });
    auto *buttons = new DialogButtons(this, HelpTopic);
    buttons->insertWidget(1, mInsertField);
    layout->addLayout(buttons);
    setFixedSize(582, 423);

    mSample->CopyTextFrom(object);
    mSample->SetLastBitmapFileNameandPath(object.LastBitmapFileNameandPath());
    mLastFile = object.LastBitmapFileNameandPath();
    mLastUsedImage = mSample->Image()->isEmpty() ? builtInTexture() : mSample->Image()->image();
    fillControls();
    sampleChanged();

    auto onChange = [this](auto apply) {
        return [this, apply](auto value) {
            if (mFilling)
                return;
            apply(value);
            sampleChanged();
        };
    };
    connect(mSurfaceTypeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, onChange([this](int i) {
                const auto type = static_cast<TGSuperText::TSurfaceType>(i);
                mSample->SetSurfaceType(type);
                if (type == TGSuperText::stBrushImage)
                    mSample->SetImage(mLastUsedImage);
                refit();
                // Unfilled text may have turned a clear outline solid.
                fillControls();
            }));
    connect(mFillDirectionCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            onChange([this](int i) { mSample->SetFillDirection(static_cast<TGSuperText::TFillDirection>(i)); }));
    connect(mGradientFromcolorButton, &TDFSColorButton::colorChanged, this,
            onChange([this](int c) { mSample->SetGradientFromColor(c); }));
    connect(mGradientToColorButton, &TDFSColorButton::colorChanged, this,
            onChange([this](int c) { mSample->SetGradientToColor(c); }));
    connect(mFontColorButton, &TDFSColorButton::colorChanged, this,
            onChange([this](int c) { mSample->Font()->setColor(c); }));
    connect(mOutlineColorButton, &TDFSColorButton::colorChanged, this,
            onChange([this](int c) { mSample->SetOutlineColor(c); }));
    connect(mShadowColorButton, &TDFSColorButton::colorChanged, this,
            onChange([this](int c) { mSample->SetShadowcolor(c); }));
    connect(mOutlineStyleCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            onChange([this](int i) { mSample->SetOutlineStyle(static_cast<TPenStyle>(i)); }));
    connect(mOutLineWidthSpinner, qOverload<int>(&QSpinBox::valueChanged), this,
            onChange([this](int v) { mSample->SetOutlineWidth(v); }));
    connect(mShadowOrientationCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            onChange([this](int i) {
                mSample->SetShadowOrientation(static_cast<TGSuperText::TShadowOrientation>(i));
            }));
    connect(mShadowDepthSpinner, qOverload<int>(&QSpinBox::valueChanged), this,
            onChange([this](int v) { mSample->SetShadowDepth(v); }));
    connect(mCaptionText, &QLineEdit::textChanged, this, onChange([this](const QString &text) {
                mSample->SetCaption(text);
                mCaptionChanged = true;
            }));
    connect(selectFontButton, &QPushButton::clicked, this, [this] { selectFont(); });
    connect(rapidUp, &QToolButton::clicked, this, [this] { rapidFontSize(true); });
    connect(rapidDown, &QToolButton::clicked, this, [this] { rapidFontSize(false); });
    connect(selectSymbolButton, &QPushButton::clicked, this, [this] { selectSymbol(); });
    connect(loadTextureButton, &QPushButton::clicked, this, [this] { loadTexture(); });
    connect(mTimer1, &QTimer::timeout, this, &TSuperTextProperties::refitIfTyped);
    mTimer1->start(RefitInterval);
}

TSuperTextProperties::~TSuperTextProperties() = default;

QImage TSuperTextProperties::builtInTexture()
{
    // Gold and amber diagonal stripes, 16 pixels square, which tile
    // without a seam.
    QImage tile(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            tile.setPixel(x, y, ((x + y) / 4) % 2 ? qRgb(255, 191, 0) : qRgb(255, 230, 110));
    return tile;
}

void TSuperTextProperties::fillControls()
{
    mFilling = true;
    mSurfaceTypeCombo->setCurrentIndex(mSample->SurfaceType());
    mFillDirectionCombo->setCurrentIndex(mSample->FillDirection());
    mGradientFromcolorButton->setColor(mSample->GradientFromColor());
    mGradientToColorButton->setColor(mSample->GradientToColor());
    mFontColorButton->setColor(mSample->Font()->color());
    mOutlineColorButton->setColor(mSample->OutlineColor());
    mOutlineStyleCombo->setCurrentIndex(mSample->OutlineStyle() <= psClear ? mSample->OutlineStyle() : -1);
    mOutLineWidthSpinner->setValue(mSample->OutlineWidth());
    mShadowColorButton->setColor(mSample->Shadowcolor());
    mShadowOrientationCombo->setCurrentIndex(mSample->ShadowOrientation());
    mShadowDepthSpinner->setValue(mSample->ShadowDepth());
    if (mCaptionText->text() != mSample->Caption())
        mCaptionText->setText(mSample->Caption());
    mFilling = false;
    showFace();
    choosePanels();
}

void TSuperTextProperties::choosePanels()
{
    const auto surface = mSample->SurfaceType();
    mFillPanel->setVisible(surface == TGSuperText::stGradientFill);
    mImagePanel->setVisible(surface == TGSuperText::stBrushImage);
    mFontcolorPanel->setVisible(surface == TGSuperText::stBrushTransparent);
}

void TSuperTextProperties::showFace()
{
    QString face, unused;
    SymbolFontMap::forDisplay(mSample->Font()->name(), QString(), &face, &unused);
    QFont shown = mCaptionText->font();
    shown.setFamily(face);
    mCaptionText->setFont(shown);
}

void TSuperTextProperties::sampleChanged()
{
    choosePanels();
    // The sample lays itself out (a transparent one shrinks to its text);
    // its view follows its size.
    {
        ScreenCanvas screen;
        mSample->setLayoutDirty();
        mSample->Layout(screen.canvas());
    }
    const QSize size(std::max(1, mSample->Width()), std::max(1, mSample->Height()));
    mView->setFixedSize(size);
    if (QWidget *paper = mView->parentWidget())
        paper->setMinimumSize(size);
    mView->update();
}

void TSuperTextProperties::refit()
{
    mSample->FitToText();
    sampleChanged();
}

void TSuperTextProperties::refitIfTyped()
{
    if (!mCaptionChanged)
        return;
    mCaptionChanged = false;
    refit();
}

bool TSuperTextProperties::selectFont()
{
    TFont chosen;
    chosen.Assign(*mSample->Font());
    if (!FontDialog::getFont(this, chosen))
        return false;
    mSample->ApplyFont(chosen);
    refit();
    fillControls();
    return true;
}

void TSuperTextProperties::rapidFontSize(bool up)
{
    TFont *font = mSample->Font();
    const int size = font->size();
    if (up && size < MaxRapidSize)
        font->setSize(size + RapidStep);
    else if (!up && size > MinRapidSize)
        font->setSize(size - RapidStep);
    else
        return;
    refit();
}

bool TSuperTextProperties::selectSymbol()
{
    TSuperTextGetSymbol selector(this);
    const bool ok = selector.exec() == QDialog::Accepted;
    if (ok) {
        if (selector.chosenCode() != 0) {
            mCaptionText->setText(QString(QChar(selector.chosenCode())));
            mSample->SetCaption(mCaptionText->text());
        }
        if (!selector.chosenFont().isEmpty())
            mSample->Font()->setName(selector.chosenFont());
        // Fitted now: the typing refit has nothing left to do.
        mCaptionChanged = false;
        refit();
        showFace();
    }
    ScreenCursor::set(ScreenCursor::Default);
    return ok;
}

void TSuperTextProperties::takeTexture(const QImage &texture, const QString &fileName)
{
    mSample->SetImage(texture);
    mLastUsedImage = mSample->Image()->image();
    mLastFile = fileName;
    mSample->SetLastBitmapFileNameandPath(fileName);
}

bool TSuperTextProperties::loadTexture()
{
    const QString folder = QDir::currentPath();
    bool ok = false;
    {
        TGBrushImageBrowser browser(*mSample, mLastFile, this);
        ok = browser.exec() == QDialog::Accepted;
        if (ok)
            takeTexture(browser.Texture(), browser.selectedFile());
    }
    QDir::setCurrent(folder); // a failure here does not matter
    refit();
    return ok;
}

void TSuperTextProperties::accept()
{
    if (mCaptionText->text().isEmpty()) {
        MessageService::information(QStringLiteral("Please enter some text"));
        mCaptionText->setFocus();
        return;
    }
    apply();
    QDialog::accept();
}

void TSuperTextProperties::apply()
{
    mObject.ApplyTextFrom(*mSample);
}

bool TSuperTextProperties::Edit(TGSuperText &object, QWidget *parent)
{
    TSuperTextProperties window(object, parent ? parent : QApplication::activeWindow());
    return window.exec() == QDialog::Accepted;
}

void TSuperTextProperties::install()
{
    ObjectEditors::setEditorOf<TGSuperText>("TGSuperText", [](TGSuperText &text) { return Edit(text); });
}

} // namespace sw
