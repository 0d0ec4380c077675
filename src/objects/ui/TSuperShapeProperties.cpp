#include "objects/ui/TSuperShapeProperties.h"

#include "objects/ObjectEditors.h"
#include "objects/TSuperShape.h"
#include "objects/ui/ColorDropDown.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/LabelSampleView.h"
#include "objects/ui/TGBrushImageBrowser.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace sw {

namespace {

QSpinBox *spin(const char *name, int min, int max, int step, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(min, max);
    box->setSingleStep(step);
    return box;
}

QComboBox *combo(const char *name, const QStringList &items, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

ColorDropDown *colors(const char *name, QWidget *parent)
{
    auto *box = new ColorDropDown(parent, ColorDropDown::ColorDrop);
    box->setObjectName(QLatin1String(name));
    return box;
}

QWidget *panel(const char *name, QWidget *parent, QFormLayout **form)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(name));
    *form = new QFormLayout(widget);
    (*form)->setContentsMargins(0, 0, 0, 0);
    return widget;
}

} // namespace

TSuperShapeProperties::TSuperShapeProperties(TSuperShape &object, QWidget *parent)
    : QDialog(parent)
    , mObject(object)
    , mSample(new TSuperShape)
{
    setWindowTitle(QStringLiteral("Super Shape Properties"));
    setFont(QFont(QStringLiteral("Arial"), 8));

    // The sample, 96 x 96 at (10, 10) on a white ground.
    auto *scroll = LabelSampleView::onWhiteGround(mSample, 96, this, &mView);
    mSample->SetBounds(0, 0, 96, 96);

    mShapeCombo = combo("ShapeCombo",
                        {QStringLiteral("Rectangle"), QStringLiteral("Round Rectangle"),
                         QStringLiteral("Ellipse         "), QStringLiteral("Diamond"), QStringLiteral("Star"),
                         QStringLiteral("Triangle Left"), QStringLiteral("Triangle Right"),
                         QStringLiteral("Triangle Up"), QStringLiteral("Triangle Down")},
                        this);
    mSurfaceTypeCombo = combo("SurfaceTypeCombo",
                              {QStringLiteral("Transparent"), QStringLiteral("Solid"), QStringLiteral("Texture"),
                               QStringLiteral("Gradient Fill")},
                              this);
    mOutlineColorCombo = colors("OutlineColorCombo", this);
    mOutlineStyleCombo = combo("OutlineStyleCombo",
                               {QStringLiteral("Solid Line"), QStringLiteral("Dash Line"),
                                QStringLiteral("Dotted Line"), QStringLiteral("DashDot Line"),
                                QStringLiteral("DashDotDot Line"), QStringLiteral("Clear")},
                               this);
    mOutLineWidthSpinner = spin("OutLineWidthSpinner", 0, 10, 1, this);
    mShadowColorCombo = colors("ShadowColorCombo", this);
    mShadowOrientationCombo = combo("ShadowOrientationCombo",
                                    {QStringLiteral("None"), QStringLiteral("Lower Right"),
                                     QStringLiteral("Upper Right"), QStringLiteral("Upper Left"),
                                     QStringLiteral("Lower Left")},
                                    this);
    mShadowDepthSpinner = spin("ShadowDepthSpinner", 0, 10, 1, this);

    // The option panels share one place; only the ones that apply show.
    QFormLayout *form = nullptr;
    mStarPanel = panel("StarPanel", this, &form);
    mPointsOnStar = spin("PointsOnStar", 5, 20, 1, mStarPanel);
    mPercentinVector = spin("PercentinVector", 0, 90, 5, mStarPanel);
    form->addRow(QStringLiteral("Points On Star"), mPointsOnStar);
    form->addRow(QStringLiteral("% of Inward Vector"), mPercentinVector);
    mRRPanel = panel("RRPanel", this, &form);
    mRoundPercent = spin("RoundPercent", 0, 90, 5, mRRPanel);
    form->addRow(QStringLiteral("Round Percentage"), mRoundPercent);
    mPatternPanel = panel("PatternPanel", this, &form);
    mBackGroundColorCombo2 = colors("BackGroundColorCombo2", mPatternPanel);
    form->addRow(QStringLiteral("Background Color"), mBackGroundColorCombo2);
    mFillPanel = panel("FillPanel", this, &form);
    mFillDirectionCombo = combo("FillDirectionCombo",
                                {QStringLiteral("Up"), QStringLiteral("Down"), QStringLiteral("Left"),
                                 QStringLiteral("Right")},
                                mFillPanel);
    mBackGroundColorCombo = colors("BackGroundColorCombo", mFillPanel);
    mGradientToColorCombo = colors("GradientToColorCombo", mFillPanel);
    form->addRow(QStringLiteral("Fill Direction"), mFillDirectionCombo);
    form->addRow(QStringLiteral("From Color"), mBackGroundColorCombo);
    form->addRow(QStringLiteral("To Color"), mGradientToColorCombo);
    mImagePanel = panel("ImagePanel", this, &form);
    mLoadTexture = new QPushButton(QStringLiteral("Load Texture"), mImagePanel);
    mLoadTexture->setObjectName(QStringLiteral("LoadTexture"));
    form->addRow(mLoadTexture);

    auto *shapeGroup = new QGroupBox(QStringLiteral("Shape"), this);
    auto *shapeForm = new QFormLayout(shapeGroup);
    shapeForm->addRow(QStringLiteral("Shape"), mShapeCombo);
    shapeForm->addRow(QStringLiteral("Surface"), mSurfaceTypeCombo);
    auto *options = new QVBoxLayout;
    for (QWidget *w : {mStarPanel, mRRPanel, mPatternPanel, mFillPanel, mImagePanel})
        options->addWidget(w);
    options->addStretch(1);
    shapeForm->addRow(options);
    auto *outlineGroup = new QGroupBox(QStringLiteral("Outline"), this);
    auto *outlineForm = new QFormLayout(outlineGroup);
    outlineForm->addRow(QStringLiteral("Color"), mOutlineColorCombo);
    outlineForm->addRow(QStringLiteral("Style"), mOutlineStyleCombo);
    outlineForm->addRow(QStringLiteral("Width"), mOutLineWidthSpinner);
    auto *shadowGroup = new QGroupBox(QStringLiteral("Shadow"), this);
    auto *shadowForm = new QFormLayout(shadowGroup);
    shadowForm->addRow(QStringLiteral("Color"), mShadowColorCombo);
    shadowForm->addRow(QStringLiteral("Orientation"), mShadowOrientationCombo);
    shadowForm->addRow(QStringLiteral("Depth"), mShadowDepthSpinner);

    auto *sampleColumn = new QVBoxLayout;
    sampleColumn->addWidget(new QLabel(QStringLiteral("Sample"), this));
    sampleColumn->addWidget(scroll, 1);
    auto *rightColumn = new QVBoxLayout;
    rightColumn->addWidget(outlineGroup);
    rightColumn->addWidget(shadowGroup);
    auto *top = new QHBoxLayout;
    top->addLayout(sampleColumn, 2);
    top->addWidget(shapeGroup, 3);
    top->addLayout(rightColumn, 3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(new DialogButtons(this, HelpTopic));
    setFixedSize(592, 393);

    mSample->CopyShapeFrom(object);
    mSample->SetBounds(0, 0, 96, 96);
    mSample->SetLastBitmapFileNameandPath(object.LastBitmapFileNameandPath());
    mLastFile = object.LastBitmapFileNameandPath();
    mLastUsedImage = mSample->Image()->image();
    fillControls();

    auto onChange = [this](auto apply) {
        return [this, apply](auto value) {
            if (mFilling)
                return;
            apply(value);
            sampleChanged();
        };
    };
    connect(mShapeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, onChange([this](int i) {
                mSample->SetShape(static_cast<TSuperShape::TGPShapeType>(i));
                // Choosing the star restores its proportions.
                fillControls();
            }));
    connect(mPointsOnStar, qOverload<int>(&QSpinBox::valueChanged), this,
            onChange([this](int v) { mSample->SetVectors(2 * v); }));
    connect(mPercentinVector, qOverload<int>(&QSpinBox::valueChanged), this,
            onChange([this](int v) { mSample->SetInVectorPercent(v); }));
    connect(mRoundPercent, qOverload<int>(&QSpinBox::valueChanged), this,
            onChange([this](int v) { mSample->SetRoundPerc(v); }));
    connect(mSurfaceTypeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, onChange([this](int i) {
                const auto type = static_cast<TSuperShape::TSurfaceType>(i);
                mSample->SetSurfaceType(type);
                if (type == TSuperShape::stBrushImage)
                    mSample->SetImage(mLastUsedImage);
                // The transparent surface may have changed shadow and outline.
                fillControls();
            }));
    connect(mBackGroundColorCombo, &ColorDropDown::colorChanged, this, onChange([this](TColor c) {
                mSample->SetBackColor(c);
                const QSignalBlocker block(mBackGroundColorCombo2);
                mBackGroundColorCombo2->setColor(c);
            }));
    connect(mBackGroundColorCombo2, &ColorDropDown::colorChanged, this, onChange([this](TColor c) {
                mSample->SetBackColor(c);
                const QSignalBlocker block(mBackGroundColorCombo);
                mBackGroundColorCombo->setColor(c);
            }));
    connect(mGradientToColorCombo, &ColorDropDown::colorChanged, this,
            onChange([this](TColor c) { mSample->SetGradientToColor(c); }));
    connect(mFillDirectionCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            onChange([this](int i) { mSample->SetFillDirection(static_cast<TSuperShape::TFillDirection>(i)); }));
    connect(mOutlineColorCombo, &ColorDropDown::colorChanged, this,
            onChange([this](TColor c) { mSample->SetOutlineColor(c); }));
    connect(mOutlineStyleCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            onChange([this](int i) { mSample->SetOutlineStyle(static_cast<TPenStyle>(i)); }));
    connect(mOutLineWidthSpinner, qOverload<int>(&QSpinBox::valueChanged), this,
            onChange([this](int v) { mSample->SetOutlineWidth(v); }));
    connect(mShadowColorCombo, &ColorDropDown::colorChanged, this,
            onChange([this](TColor c) { mSample->SetShadowColor(c); }));
    connect(mShadowOrientationCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            onChange([this](int i) { mSample->SetShadowOrient(static_cast<TSuperShape::TShadowOrient>(i)); }));
    connect(mShadowDepthSpinner, qOverload<int>(&QSpinBox::valueChanged), this,
            onChange([this](int v) { mSample->SetShadowDepth(v); }));
    connect(mLoadTexture, &QPushButton::clicked, this, [this] { loadTexture(); });
    connect(this, &QDialog::accepted, this, [this] { apply(); });
}

TSuperShapeProperties::~TSuperShapeProperties() = default;

void TSuperShapeProperties::fillControls()
{
    mFilling = true;
    mShapeCombo->setCurrentIndex(mSample->Shape() == TSuperShape::gstPolyGon ? -1 : mSample->Shape());
    mPointsOnStar->setValue(mSample->Vectors() / 2);
    mPercentinVector->setValue(mSample->InVectorPercent());
    mRoundPercent->setValue(mSample->RoundPerc());
    mSurfaceTypeCombo->setCurrentIndex(mSample->SurfaceType());
    mFillDirectionCombo->setCurrentIndex(mSample->FillDirection());
    mBackGroundColorCombo->setColor(mSample->BackColor());
    mBackGroundColorCombo2->setColor(mSample->BackColor());
    mGradientToColorCombo->setColor(mSample->GradientToColor());
    mOutlineColorCombo->setColor(mSample->OutlineColor());
    mOutlineStyleCombo->setCurrentIndex(mSample->OutlineStyle() <= psClear ? mSample->OutlineStyle() : -1);
    mOutLineWidthSpinner->setValue(mSample->OutlineWidth());
    mShadowColorCombo->setColor(mSample->ShadowColor());
    mShadowOrientationCombo->setCurrentIndex(mSample->ShadowOrient());
    mShadowDepthSpinner->setValue(mSample->ShadowDepth());
    mFilling = false;
    choosePanels();
}

void TSuperShapeProperties::choosePanels()
{
    const auto surface = mSample->SurfaceType();
    mStarPanel->setVisible(mSample->Shape() == TSuperShape::gstStar);
    mRRPanel->setVisible(mSample->Shape() == TSuperShape::gstRoundRect);
    mPatternPanel->setVisible(surface == TSuperShape::stBrushPattern);
    mFillPanel->setVisible(surface == TSuperShape::stGradientFill);
    mImagePanel->setVisible(surface == TSuperShape::stBrushImage);
}

void TSuperShapeProperties::sampleChanged()
{
    choosePanels();
    mView->update();
}

void TSuperShapeProperties::takeTexture(const QImage &texture, const QString &fileName)
{
    mSample->SetImage(texture);
    mLastUsedImage = mSample->Image()->image();
    mLastFile = fileName;
    mSample->SetLastBitmapFileNameandPath(fileName);
    mView->update();
}

void TSuperShapeProperties::loadTexture()
{
    const QString folder = QDir::currentPath();
    {
        TGBrushImageBrowser browser(*mSample, mLastFile, this);
        if (browser.exec() == QDialog::Accepted)
            takeTexture(browser.Texture(), browser.selectedFile());
    }
    QDir::setCurrent(folder); // a failure here does not matter
    mView->update();
}

void TSuperShapeProperties::apply()
{
    mObject.ApplyShapeFrom(*mSample);
    mObject.Invalidate();
}

bool TSuperShapeProperties::Edit(TSuperShape &object, QWidget *parent)
{
    TSuperShapeProperties window(object, parent ? parent : QApplication::activeWindow());
    return window.exec() == QDialog::Accepted;
}

void TSuperShapeProperties::install()
{
    ObjectEditors::setEditorOf<TSuperShape>("TSuperShape", [](TSuperShape &shape) { return Edit(shape); });
}

} // namespace sw
