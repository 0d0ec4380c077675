#include "objects/ui/TGFont3DEffects.h"

#include "objects/TGPLabel.h"
#include "objects/ui/ColorDropDown.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/LabelSampleView.h"
#include "platform/TFont.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace sw {

namespace {
QComboBox *depthList(QWidget *parent, const QString &name)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    for (int d = 0; d <= 10; ++d)
        list->addItem(QString::number(d));
    return list;
}

QComboBox *directionList(QWidget *parent, const QString &name, const QStringList &items)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    return list;
}

void addRow(QGridLayout *grid, int row, const QString &caption, QWidget *control)
{
    auto *label = new QLabel(caption, control->parentWidget());
    label->setBuddy(control);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
}
} // namespace

TGFont3DEffects::TGFont3DEffects(TGBaseLabel &label, QWidget *parent)
    : QDialog(parent)
    , mLabel(label)
{
    setWindowTitle(QStringLiteral("Text 3D Effects"));

    auto *shadowGroup = new QGroupBox(this);
    auto *shadowGrid = new QGridLayout(shadowGroup);
    // Item index = the direction's ordinal.
    mShadowDirection = directionList(shadowGroup, QStringLiteral("ShadowDirection"),
                                     {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
                                      QStringLiteral("Lower Right"), QStringLiteral("Lower Left"),
                                      QStringLiteral("Down")});
    mShadowColorCombo = new ColorDropDown(shadowGroup);
    mShadowColorCombo->setObjectName(QStringLiteral("ShadowColorCombo"));
    mShadowDepth = depthList(shadowGroup, QStringLiteral("ShadowDepth"));
    addRow(shadowGrid, 0, QStringLiteral("Shadow Direction"), mShadowDirection);
    addRow(shadowGrid, 1, QStringLiteral("Shadow Color"), mShadowColorCombo);
    addRow(shadowGrid, 2, QStringLiteral("Shadow Depth"), mShadowDepth);

    auto *highlightGroup = new QGroupBox(this);
    auto *highlightGrid = new QGridLayout(highlightGroup);
    mHighlightDirection = directionList(highlightGroup, QStringLiteral("HighlightDirection"),
                                        {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
                                         QStringLiteral("Upper Right"), QStringLiteral("Upper Left"),
                                         QStringLiteral("Up")});
    mHighLightColorCombo = new ColorDropDown(highlightGroup);
    mHighLightColorCombo->setObjectName(QStringLiteral("HighLightColorCombo"));
    mHighLightDepth = depthList(highlightGroup, QStringLiteral("HighLightDepth"));
    addRow(highlightGrid, 0, QStringLiteral("Highlight Direction"), mHighlightDirection);
    addRow(highlightGrid, 1, QStringLiteral("Highlight Color"), mHighLightColorCombo);
    addRow(highlightGrid, 2, QStringLiteral("Highlight Depth"), mHighLightDepth);

    auto *fontGroup = new QGroupBox(this);
    auto *fontGrid = new QGridLayout(fontGroup);
    mFontColorCombo = new ColorDropDown(fontGroup);
    mFontColorCombo->setObjectName(QStringLiteral("FontColorCombo"));
    addRow(fontGrid, 0, QStringLiteral("Font Color"), mFontColorCombo);
    fontGrid->setRowStretch(1, 1);

    auto *groups = new QHBoxLayout;
    groups->addWidget(shadowGroup);
    groups->addWidget(highlightGroup);
    groups->addWidget(fontGroup);

    auto *sampleFrame = new QFrame(this);
    sampleFrame->setFrameShape(QFrame::Box);
    auto *frameLayout = new QVBoxLayout(sampleFrame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    mSample = new TGPLabel;
    mSample->setObjectName(QStringLiteral("Sample"));
    mSample->SetCaption(QStringLiteral("Text"));
    mSampleView = new LabelSampleView(mSample, sampleFrame);
    mSampleView->setObjectName(QStringLiteral("SampleView"));
    mSampleView->setMinimumHeight(90);
    frameLayout->addWidget(mSampleView);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(sampleFrame, 1);
    layout->addLayout(new DialogButtons(this, HelpTopic));

    loadFromLabel();

    for (QComboBox *list : {mShadowDirection, mShadowDepth, mHighlightDirection, mHighLightDepth})
        connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { controlChanged(); });
    for (ColorDropDown *combo : {mShadowColorCombo, mHighLightColorCombo, mFontColorCombo})
        connect(combo, &ColorDropDown::colorChanged, this, [this] { controlChanged(); });
}

void TGFont3DEffects::loadFromLabel()
{
    mLoading = true;
    mSample->Font()->Assign(*mLabel.Font());
    mSample->SetDepthShadow(mLabel.DepthShadow());
    mSample->SetDepthHighlight(mLabel.DepthHighlight());
    mSample->SetDirectionShadow(mLabel.DirectionShadow());
    mSample->SetDirectionHighlight(mLabel.DirectionHighlight());
    mSample->SetcolorShadow(mLabel.colorShadow());
    mSample->SetcolorHighlight(mLabel.colorHighlight());

    mShadowDirection->setCurrentIndex(mLabel.DirectionShadow());
    mHighlightDirection->setCurrentIndex(mLabel.DirectionHighlight());
    // Depths beyond the list's 10 select nothing rather than a wrong value.
    mShadowDepth->setCurrentIndex(mLabel.DepthShadow() <= 10 ? mLabel.DepthShadow() : -1);
    mHighLightDepth->setCurrentIndex(mLabel.DepthHighlight() <= 10 ? mLabel.DepthHighlight() : -1);
    mShadowColorCombo->setColor(mLabel.colorShadow());
    mHighLightColorCombo->setColor(mLabel.colorHighlight());
    mFontColorCombo->setColor(mLabel.Font()->color());
    mLoading = false;
}

void TGFont3DEffects::controlChanged()
{
    if (mLoading)
        return;
    if (mShadowDirection->currentIndex() >= 0)
        mSample->SetDirectionShadow(static_cast<TGBaseLabel::TShadowDirection>(mShadowDirection->currentIndex()));
    if (mHighlightDirection->currentIndex() >= 0)
        mSample->SetDirectionHighlight(
            static_cast<TGBaseLabel::THighlightDirection>(mHighlightDirection->currentIndex()));
    if (mShadowDepth->currentIndex() >= 0)
        mSample->SetDepthShadow(mShadowDepth->currentIndex());
    if (mHighLightDepth->currentIndex() >= 0)
        mSample->SetDepthHighlight(mHighLightDepth->currentIndex());
    mSample->SetcolorShadow(mShadowColorCombo->color());
    mSample->SetcolorHighlight(mHighLightColorCombo->color());
    mSample->Font()->setColor(mFontColorCombo->color());
    mSampleView->update();
}

void TGFont3DEffects::accept()
{
    mLabel.Font()->Assign(*mSample->Font());
    mLabel.SetDepthShadow(mSample->DepthShadow());
    mLabel.SetDepthHighlight(mSample->DepthHighlight());
    mLabel.SetDirectionShadow(mSample->DirectionShadow());
    mLabel.SetDirectionHighlight(mSample->DirectionHighlight());
    mLabel.SetcolorShadow(mSample->colorShadow());
    mLabel.SetcolorHighlight(mSample->colorHighlight());
    QDialog::accept();
}

} // namespace sw
