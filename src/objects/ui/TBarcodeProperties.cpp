#include "objects/ui/TBarcodeProperties.h"

#include "objects/LabelDialogs.h"
#include "objects/ObjectEditors.h"
#include "objects/TGBarcode.h"
#include "objects/ui/ColorDropDown.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/InsertFieldBox.h"
#include "objects/ui/LabelSampleView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

namespace {

template <class W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QString fontCaption(const TFont &font)
{
    return QStringLiteral("%1, %2 pt").arg(font.name()).arg(font.size());
}

} // namespace

TBarcodeProperties::TBarcodeProperties(TGBarcode &object, QWidget *parent)
    : QDialog(parent)
    , mObject(object)
    , mSample(new TGBarcode)
{
    setWindowTitle(QStringLiteral("Barcode Properties"));

    mSymbologyCombo = named(new QComboBox(this), "SymbologyCombo");
    for (int i = 0; i < SymbologyCount; ++i)
        mSymbologyCombo->addItem(symbologyName(TBarcodeSymbology(i)));
    mDataEdit = named(new QPlainTextEdit(this), "DataEdit");
    mDataEdit->setTabChangesFocus(true);
    mDataEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mDataEdit->installEventFilter(this);
    mDataEdit->setFixedHeight(mDataEdit->fontMetrics().lineSpacing() * 3 + 12);
    mProblemLabel = named(new QLabel(this), "ProblemLabel");
    mProblemLabel->setWordWrap(true);
    mShowTextCheck = named(new QCheckBox(QStringLiteral("Show human-readable text"), this), "ShowTextCheck");
    mFontButton = named(new QPushButton(this), "FontButton");
    mBarColorCombo = named(new ColorDropDown(this, ColorDropDown::ColorDrop), "BarColorCombo");
    mBackColorCombo = named(new ColorDropDown(this, ColorDropDown::ColorDrop), "BackColorCombo");
    mTransparentCheck = named(new QCheckBox(QStringLiteral("Transparent background"), this), "TransparentCheck");

    auto *codeGroup = new QGroupBox(QStringLiteral("Code"), this);
    auto *codeForm = new QFormLayout(codeGroup);
    codeForm->addRow(QStringLiteral("&Symbology"), mSymbologyCombo);
    codeForm->addRow(QStringLiteral("&Data"), mDataEdit);
    codeForm->addRow(QString(), mProblemLabel);
    mInsertField = new InsertFieldBox(this);
    codeForm->addRow(mInsertField);
    connect(mInsertField, &InsertFieldBox::fieldChosen, this, [this](const QString &reference) {
        mDataEdit->insertPlainText(reference);
        mDataEdit->setFocus();
    });
    auto *textGroup = new QGroupBox(QStringLiteral("Human-readable text"), this);
    auto *textForm = new QFormLayout(textGroup);
    textForm->addRow(mShowTextCheck);
    textForm->addRow(QStringLiteral("&Font"), mFontButton);
    auto *colorGroup = new QGroupBox(QStringLiteral("Colors"), this);
    auto *colorForm = new QFormLayout(colorGroup);
    colorForm->addRow(QStringLiteral("&Bars"), mBarColorCombo);
    colorForm->addRow(QStringLiteral("Bac&kground"), mBackColorCombo);
    colorForm->addRow(mTransparentCheck);

    mView = new LabelSampleView(mSample, this);
    mView->setObjectName(QStringLiteral("Sample"));
    mView->setFixedSize(240, 150);

    auto *left = new QVBoxLayout;
    left->addWidget(codeGroup);
    left->addWidget(textGroup);
    left->addWidget(colorGroup);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Sample"), this));
    right->addWidget(mView);
    right->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    auto *buttons = new DialogButtons(this, TGBarcode::HelpTopic);
    mOkButton = buttons->okButton();
    layout->addLayout(buttons);

    mSample->CopyBarcodeFrom(object);
    mSample->SetBounds(0, 0, mView->width(), mView->height());
    fillControls();

    // Each control changes the sample (unless the controls are being
    // filled from it) and the window follows.
    auto onChange = [this](auto apply) {
        return [this, apply](auto value) {
            if (mFilling)
                return;
            apply(value);
            sampleChanged();
        };
    };
    connect(mSymbologyCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, onChange([this](int i) {
                if (i >= 0)
                    mSample->SetSymbology(TBarcodeSymbology(i));
            }));
    connect(mDataEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (!mFilling) {
            mSample->SetData(mDataEdit->toPlainText());
            sampleChanged();
        }
    });
    connect(mShowTextCheck, &QCheckBox::toggled, this, onChange([this](bool on) { mSample->SetShowText(on); }));
    connect(mBarColorCombo, &ColorDropDown::colorChanged, this,
            onChange([this](TColor c) { mSample->SetBarColor(c); }));
    connect(mBackColorCombo, &ColorDropDown::colorChanged, this, onChange([this](TColor c) {
                mSample->SetBackColor(c);
                // Choosing a background means wanting to see it.
                mSample->SetTransparent(false);
                fillControls();
            }));
    connect(mTransparentCheck, &QCheckBox::toggled, this, onChange([this](bool on) { mSample->SetTransparent(on); }));
    connect(mFontButton, &QPushButton::clicked, this, [this] { chooseFont(); });
    connect(this, &QDialog::accepted, this, [this] { apply(); });
    mDataEdit->setFocus();
}

TBarcodeProperties::~TBarcodeProperties() = default;

bool TBarcodeProperties::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mDataEdit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && !key->modifiers().testFlag(Qt::ShiftModifier)) {
            if (mOkButton->isEnabled())
                mOkButton->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TBarcodeProperties::fillControls()
{
    mFilling = true;
    mSymbologyCombo->setCurrentIndex(mSample->Symbology());
    if (mDataEdit->toPlainText() != mSample->Data())
        mDataEdit->setPlainText(mSample->Data());
    mShowTextCheck->setChecked(mSample->ShowText());
    mFontButton->setText(fontCaption(*mSample->Font()));
    mBarColorCombo->setColor(mSample->BarColor());
    mBackColorCombo->setColor(mSample->BackColor());
    mTransparentCheck->setChecked(mSample->Transparent());
    mFilling = false;
    sampleChanged();
}

void TBarcodeProperties::sampleChanged()
{
    const BarcodeSymbol &symbol = mSample->Symbol();
    // Fields are no problem yet: each record's value is checked when the
    // labels are printed.
    const bool fields = !symbol.isValid() && mSample->DataHoldsFields();
    QPalette palette = mProblemLabel->palette();
    palette.setColor(QPalette::WindowText,
                     symbol.isValid() || fields ? palette.color(QPalette::Text) : QColor(Qt::red));
    mProblemLabel->setPalette(palette);
    if (fields)
        mProblemLabel->setText(QStringLiteral("Filled from each record of the data file when printing"));
    else if (!symbol.isValid())
        mProblemLabel->setText(symbol.error());
    else if (!symbol.humanReadable().isEmpty())
        mProblemLabel->setText(QStringLiteral("Reads: %1").arg(symbol.humanReadable()));
    else
        mProblemLabel->clear();
    // The text and its font belong to linear codes.
    const bool linear = !isTwoDimensional(mSample->Symbology());
    mShowTextCheck->setEnabled(linear);
    mFontButton->setEnabled(linear && mSample->ShowText());
    // Empty data could not be kept in the label file.
    mOkButton->setEnabled(!mSample->Data().isEmpty());
    mView->update();
}

void TBarcodeProperties::chooseFont()
{
    TFont font;
    font.Assign(*mSample->Font());
    if (!LabelDialogs::chooseFont || !LabelDialogs::chooseFont(font))
        return;
    mSample->Font()->Assign(font);
    mFontButton->setText(fontCaption(*mSample->Font()));
    sampleChanged();
}

void TBarcodeProperties::apply()
{
    mObject.CopyBarcodeFrom(*mSample);
    mObject.Invalidate();
}

bool TBarcodeProperties::Edit(TGBarcode &object, QWidget *parent)
{
    TBarcodeProperties window(object, parent ? parent : QApplication::activeWindow());
    return window.exec() == QDialog::Accepted;
}

void TBarcodeProperties::install()
{
    ObjectEditors::setEditorOf<TGBarcode>("TGBarcode", [](TGBarcode &barcode) { return Edit(barcode); });
}

} // namespace sw
