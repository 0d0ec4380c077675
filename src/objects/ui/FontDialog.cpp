#include "objects/ui/FontDialog.h"

#include "objects/SymbolFontMap.h"
#include "objects/ui/ColorDropDown.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/LabelSampleView.h"
#include "platform/TFont.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace sw {

namespace {

// Style list rows: bit 0 italic, bit 1 bold.
const char *const kStyles[] = {"Regular", "Italic", "Bold", "Bold Italic"};
const int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
const char *const kSampleText = "AaBbYyZz";

QString faceOf(const QListWidgetItem *item)
{
    return item ? item->data(Qt::UserRole).toString() : QString();
}

bool sameFace(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

FontDialog::FontDialog(QWidget *parent)
    : QDialog(parent)
    , mPreset(new TFont(this))
    , mResult(new TFont(this))
    , mFaceEdit(new QLineEdit(this))
    , mFaceList(new QListWidget(this))
    , mStyleList(new QListWidget(this))
    , mSizeEdit(new QLineEdit(this))
    , mSizeList(new QListWidget(this))
    , mStrikeOut(new QCheckBox(QStringLiteral("Stri&keout"), this))
    , mUnderline(new QCheckBox(QStringLiteral("&Underline"), this))
    , mColorLabel(new QLabel(QStringLiteral("&Color:"), this))
    , mColorBox(new ColorDropDown(this))
    , mSample(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Font"));
    mFaceEdit->setObjectName(QStringLiteral("FaceEdit"));
    mFaceList->setObjectName(QStringLiteral("FaceList"));
    mStyleList->setObjectName(QStringLiteral("StyleList"));
    mSizeEdit->setObjectName(QStringLiteral("SizeEdit"));
    mSizeList->setObjectName(QStringLiteral("SizeList"));
    mStrikeOut->setObjectName(QStringLiteral("StrikeOut"));
    mUnderline->setObjectName(QStringLiteral("Underline"));
    mColorBox->setObjectName(QStringLiteral("ColorBox"));
    mSample->setObjectName(QStringLiteral("Sample"));

    for (const char *style : kStyles)
        mStyleList->addItem(QLatin1String(style));
    for (int size : kSizes)
        mSizeList->addItem(QString::number(size));
    mSizeEdit->setValidator(new QIntValidator(1, MaxPointSize, mSizeEdit));
    mColorLabel->setBuddy(mColorBox);

    // The sample is drawn as the label will print: on white, in the label's
    // own colour; a large size is cut off rather than growing the window.
    mSample->setAlignment(Qt::AlignCenter);
    mSample->setAutoFillBackground(true);
    mSample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    mSample->setMinimumHeight(80);

    auto *grid = new QGridLayout;
    auto addColumn = [&](int column, const QString &caption, QLineEdit *edit, QListWidget *list) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(edit ? static_cast<QWidget *>(edit) : list);
        grid->addWidget(label, 0, column);
        if (edit)
            grid->addWidget(edit, 1, column);
        grid->addWidget(list, edit ? 2 : 1, column, edit ? 1 : 2, 1);
    };
    addColumn(0, QStringLiteral("&Font:"), mFaceEdit, mFaceList);
    addColumn(1, QStringLiteral("Font st&yle:"), nullptr, mStyleList);
    addColumn(2, QStringLiteral("&Size:"), mSizeEdit, mSizeList);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    mFaceList->setMinimumWidth(300);
    mStyleList->setMinimumWidth(100);
    mSizeList->setMinimumWidth(60);

    auto *effects = new QGroupBox(QStringLiteral("Effects"), this);
    auto *effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(mStrikeOut);
    effectsLayout->addWidget(mUnderline);
    effectsLayout->addWidget(mColorLabel);
    effectsLayout->addWidget(mColorBox);
    effectsLayout->addStretch(1);
    auto *sample = new QGroupBox(QStringLiteral("Sample"), this);
    auto *sampleLayout = new QVBoxLayout(sample);
    sampleLayout->addWidget(mSample);
    grid->addWidget(effects, 3, 0);
    grid->addWidget(sample, 3, 1, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    auto *buttons = new DialogButtons(this, HelpTopic);
    mOk = buttons->okButton();
    layout->addLayout(buttons);
    resize(640, 460);

    connect(mFaceList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        // Typing selects a face; it must not overwrite what is being typed.
        if (!mTyping)
            mFaceEdit->setText(faceOf(item));
        refresh();
    });
    connect(mFaceEdit, &QLineEdit::textEdited, this, &FontDialog::faceTyped);
    connect(mFaceEdit, &QLineEdit::editingFinished, this, [this] {
        if (!currentFace().isEmpty())
            mFaceEdit->setText(currentFace());
    });
    connect(mStyleList, &QListWidget::currentRowChanged, this, [this] { refresh(); });
    // The size box leads: a pick in the list is written into it.
    connect(mSizeEdit, &QLineEdit::textChanged, this, &FontDialog::sizeTyped);
    connect(mSizeList, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty() && text != mSizeEdit->text())
            mSizeEdit->setText(text);
    });
    connect(mStrikeOut, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(mUnderline, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(mColorBox, &ColorDropDown::colorChanged, this, [this] { refresh(); });

    setSelectedFont(*mPreset);
    mFaceEdit->setFocus();
}

FontDialog::~FontDialog() = default;

QString FontDialog::drawnWith(const QString &face)
{
    // Matching a face is slow and the answer lasts the session.
    static QHash<QString, QString> known;
    auto it = known.constFind(face);
    if (it != known.constEnd())
        return *it;
    TFont::installSubstitutions();
    const QString drawn = SymbolFontMap::isWingDings(face) ? SymbolFontMap::displayFace() : face;
    return *known.insert(face, QFontInfo(QFont(drawn)).family());
}

QString FontDialog::listText(const QString &face)
{
    const QString drawn = drawnWith(face);
    if (drawn.isEmpty() || sameFace(drawn, face))
        return face;
    return face + QStringLiteral(" \u2014 drawn with ") + drawn;
}

void FontDialog::fillFaces(const QString &extra)
{
    // A family several foundries make is listed once per foundry as
    // "Name [Foundry]"; a label names the family alone.
    QStringList installed;
    for (const QString &family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family) || !QFontDatabase::isSmoothlyScalable(family))
            continue;
        const qsizetype foundry = family.indexOf(QLatin1String(" ["));
        installed << (foundry > 0 ? family.left(foundry) : family);
    }
    QStringList named = TFont::classicFaces() + SymbolFontMap::faces();
    if (!extra.isEmpty())
        named << extra;

    struct Face { QString name, text; };
    QList<Face> faces;
    QSet<QString> listed; // face names match in any letter case
    auto isNew = [&](const QString &name) {
        const QString key = name.toCaseFolded();
        if (listed.contains(key))
            return false;
        listed.insert(key);
        return true;
    };
    for (const QString &name : named)
        if (isNew(name))
            faces.append({name, listText(name)});
    // Some installed names are aliases ("Sans Serif") and say so too.
    for (const QString &name : installed)
        if (isNew(name))
            faces.append({name, listText(name)});
    std::sort(faces.begin(), faces.end(), [](const Face &a, const Face &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });

    const QSignalBlocker block(mFaceList);
    mFaceList->clear();
    for (const Face &f : faces) {
        auto *item = new QListWidgetItem(f.text, mFaceList);
        item->setData(Qt::UserRole, f.name);
    }
}

bool FontDialog::selectFace(const QString &face)
{
    for (int i = 0; i < mFaceList->count(); ++i) {
        if (sameFace(faceOf(mFaceList->item(i)), face)) {
            mFaceList->setCurrentRow(i);
            mFaceList->scrollToItem(mFaceList->item(i));
            return true;
        }
    }
    return false;
}

QString FontDialog::currentFace() const
{
    return faceOf(mFaceList->currentItem());
}

void FontDialog::faceTyped(const QString &text)
{
    if (text.isEmpty())
        return;
    for (int i = 0; i < mFaceList->count(); ++i) {
        if (faceOf(mFaceList->item(i)).startsWith(text, Qt::CaseInsensitive)) {
            mTyping = true;
            mFaceList->setCurrentRow(i);
            mTyping = false;
            mFaceList->scrollToItem(mFaceList->item(i));
            return;
        }
    }
}

void FontDialog::sizeTyped(const QString &text)
{
    const QList<QListWidgetItem *> match = mSizeList->findItems(text.trimmed(), Qt::MatchExactly);
    {
        const QSignalBlocker block(mSizeList);
        mSizeList->setCurrentItem(match.isEmpty() ? nullptr : match.first());
    }
    refresh();
}

int FontDialog::typedSize() const
{
    bool ok = false;
    const int size = mSizeEdit->text().trimmed().toInt(&ok);
    // A font may come with a size the box would not take; it stays valid.
    return ok && ((size >= 1 && size <= MaxPointSize) || size == mPresetSize) ? size : 0;
}

void FontDialog::setSelectedFont(const TFont &font)
{
    mPresetting = true;
    mPreset->setPixelsPerInch(font.pixelsPerInch());
    mPreset->Assign(font);

    fillFaces(font.name());
    selectFace(font.name());
    mFaceEdit->setText(font.name());

    const TFontStyles style = font.style();
    mStyleList->setCurrentRow((style.testFlag(fsBold) ? 2 : 0) | (style.testFlag(fsItalic) ? 1 : 0));
    mStrikeOut->setChecked(style.testFlag(fsStrikeOut));
    mUnderline->setChecked(style.testFlag(fsUnderline));

    // A cell height (positive Height) has no exact size in points; the
    // window shows the nearest one and keeps Height unless it is changed.
    mPresetSize = font.size();
    if (mPresetSize <= 0)
        mPresetSize = static_cast<int>(
            std::lround(TFont::pixelSizeFor(font.name(), font.height()) * 72.0 / font.pixelsPerInch()));
    mSizeEdit->setText(QString::number(mPresetSize));
    sizeTyped(mSizeEdit->text());

    mColorBox->setColor(font.color());
    mPresetting = false;
    refresh();
}

void FontDialog::setColorShown(bool shown)
{
    mColorLabel->setVisible(shown);
    mColorBox->setVisible(shown);
    refresh();
}

void FontDialog::refresh()
{
    if (mPresetting)
        return;
    mResult->setPixelsPerInch(mPreset->pixelsPerInch());
    mResult->Assign(*mPreset);

    const QString face = currentFace();
    if (!face.isEmpty() && !sameFace(face, mPreset->name())) {
        mResult->setName(face);
        mResult->setPitch(fpDefault);
    }
    TFontStyles style = mPreset->style();
    const int row = mStyleList->currentRow();
    if (row >= 0) {
        style.setFlag(fsItalic, row & 1);
        style.setFlag(fsBold, row & 2);
    }
    style.setFlag(fsStrikeOut, mStrikeOut->isChecked());
    style.setFlag(fsUnderline, mUnderline->isChecked());
    mResult->setStyle(style);
    const int size = typedSize();
    if (size > 0 && size != mPresetSize)
        mResult->setSize(size);
    if (!mColorBox->isHidden())
        mResult->setColor(mColorBox->color());
    mOk->setEnabled(size > 0);

    QString sampleFace, sampleText;
    SymbolFontMap::forDisplay(mResult->name(), QLatin1String(kSampleText), &sampleFace, &sampleText);
    mSample->setFont(TFont::makeQFont(sampleFace, mResult->height(), mResult->style(), mResult->pitch()));
    mSample->setText(sampleText);
    LabelSampleView::showAsOnPaper(mSample, mResult->color());
}

bool FontDialog::getFont(QWidget *parent, TFont &font, bool showColor)
{
    FontDialog dialog(parent);
    dialog.setColorShown(showColor);
    dialog.setSelectedFont(font);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font.Assign(dialog.selectedFont());
    return true;
}

} // namespace sw
