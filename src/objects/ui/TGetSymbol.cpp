#include "objects/ui/TGetSymbol.h"

#include "objects/LabelDialogs.h"
#include "objects/SymbolFontMap.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/LabelSampleView.h"
#include "platform/TFont.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace sw {

TGetSymbol::TGetSymbol(QWidget *parent)
    : QDialog(parent)
    , mGridFont(new TFont(this))
    , mSelectedFont(new TFont(this))
    , mFontButton(new QPushButton(this))
    , mSelectedChar(new QLabel(this))
    , mSymbolList(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Symbol Selector"));
    mFontButton->setObjectName(QStringLiteral("Fontbutton"));
    mFontButton->setAutoDefault(false);
    mSelectedChar->setObjectName(QStringLiteral("SelectedChar"));
    mSelectedChar->hide();
    mSymbolList->setObjectName(QStringLiteral("SymbolList"));

    mGridFont->setName(QStringLiteral("Wingdings"));
    mGridFont->setSize(GridPointSize);
    mGridFont->setColor(clBlack);
    mSelectedFont->Assign(*mGridFont);

    mSymbolList->setFlow(QListView::LeftToRight);
    mSymbolList->setWrapping(true);
    mSymbolList->setResizeMode(QListView::Adjust);
    mSymbolList->setUniformItemSizes(true);
    // A symbol outside the basic plane is two UTF-16 units, which elision
    // would drop; cells are sized for the glyphs instead.
    mSymbolList->setTextElideMode(Qt::ElideNone);
    mSymbolList->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int code = FirstCode; code <= LastCode; ++code) {
        auto *item = new QListWidgetItem(mSymbolList);
        item->setTextAlignment(Qt::AlignCenter);
        item->setData(Qt::UserRole, code);
    }

    auto *top = new QHBoxLayout;
    auto *fontLabel = new QLabel(QStringLiteral("&Font"), this);
    fontLabel->setBuddy(mFontButton);
    top->addWidget(fontLabel);
    top->addWidget(mFontButton, 1);
    top->addWidget(mSelectedChar);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mSymbolList, 1);
    auto *buttons = new DialogButtons(this, HelpTopic);
    layout->addLayout(buttons);
    // A double-click picks the character and closes, like Ok.
    connect(mSymbolList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(mFontButton, &QPushButton::clicked, this, &TGetSymbol::chooseFont);

    setFixedSize(480, 420);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    refreshGrid();
}

TGetSymbol::~TGetSymbol() = default;

int TGetSymbol::columnsForSize(int points)
{
    if (points >= 6 && points <= 10)
        return 14;
    if (points >= 11 && points <= 20)
        return 10;
    if (points >= 21 && points <= 30)
        return 8;
    if (points >= 31 && points <= 40)
        return 6;
    if (points >= 41 && points <= 50)
        return 4;
    if (points >= 51 && points <= 60)
        return 3;
    if (points >= 61 && points <= 72)
        return 2;
    return 1;
}

QString TGetSymbol::fontCaption(const QString &name, int points, TFontStyles style)
{
    QString caption = name + QStringLiteral(", ") + QString::number(points) + QStringLiteral("pt ");
    if (style.testFlag(fsItalic))
        caption += QStringLiteral("Italic ");
    else if (style.testFlag(fsBold))
        caption += QStringLiteral("Bold ");
    return caption;
}

void TGetSymbol::setSelectedFont(const TFont &font)
{
    mSelectedFont->Assign(font);
    QFont shown = font.toQFont();
    mSelectedChar->setFont(shown);
}

void TGetSymbol::setGridFont(const QString &name, TFontStyles style)
{
    mGridFont->setName(name);
    mGridFont->setStyle(style);
    refreshGrid();
}

int TGetSymbol::selectedIndex() const
{
    return mSymbolList->currentRow();
}

void TGetSymbol::setSelectedIndex(int index)
{
    if (index < 0 || index >= mSymbolList->count()) {
        mSymbolList->setCurrentRow(-1);
        return;
    }
    mSymbolList->setCurrentRow(index);
    mSymbolList->scrollToItem(mSymbolList->item(index));
}

void TGetSymbol::refreshGrid()
{
    QString face, text;
    SymbolFontMap::forDisplay(mGridFont->name(), QString(), &face, &text);
    QFont font = TFont::makeQFont(face, mGridFont->height(), mGridFont->style(), mGridFont->pitch());
    mSymbolList->setFont(font);
    const bool wingDings = SymbolFontMap::isWingDings(mGridFont->name());
    LabelSampleView::showAsOnPaper(mSymbolList, mGridFont->color());
    for (int i = 0; i < mSymbolList->count(); ++i) {
        QListWidgetItem *item = mSymbolList->item(i);
        const QString ch(QChar(FirstCode + i));
        item->setText(wingDings ? SymbolFontMap::toDisplay(ch) : ch);
    }
    mFontButton->setText(fontCaption(mGridFont->name(), mGridFont->size(), mGridFont->style()));
}

void TGetSymbol::activate()
{
    mColumns = columnsForSize(mGridFont->size());
    const QSize cell(qMax(1, mSymbolList->viewport()->width() / mColumns), 30);
    mSymbolList->setGridSize(cell);
    for (int i = 0; i < mSymbolList->count(); ++i)
        mSymbolList->item(i)->setSizeHint(cell);
    refreshGrid();
}

void TGetSymbol::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    activate();
}

void TGetSymbol::chooseFont()
{
    if (!LabelDialogs::chooseFont)
        return;
    TFont chosen;
    chosen.Assign(*mSelectedFont);
    if (!LabelDialogs::chooseFont(chosen))
        return;
    setSelectedFont(chosen);
    mGridFont->setName(chosen.name());
    mGridFont->setColor(chosen.color());
    mGridFont->setStyle(chosen.style());
    refreshGrid();
}

} // namespace sw
