#include "objects/ui/TSuperTextGetSymbol.h"

#include "help/ui/TODSHelp.h"
#include "objects/SymbolFontMap.h"
#include "objects/ui/LabelSampleView.h"
#include "platform/MessageService.h"
#include "platform/ScreenCursor.h"
#include "platform/TFont.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace sw {

TSuperTextGetSymbol::TSuperTextGetSymbol(QWidget *parent)
    : QDialog(parent)
    , mSymbolSets(new QComboBox(this))
    , mSymbolList(new QListWidget(this))
    , mOk(new QPushButton(QStringLiteral("Ok"), this))
{
    setWindowTitle(QStringLiteral("Symbol Selector"));
    ScreenCursor::set(ScreenCursor::Hourglass);
    mSymbolSets->setObjectName(QStringLiteral("SymbolSets"));
    mSymbolSets->setToolTip(QStringLiteral("Select a symbol font set"));
    mSymbolList->setObjectName(QStringLiteral("SymbolList"));
    mOk->setObjectName(QStringLiteral("OkButton"));
    mOk->setToolTip(QStringLiteral("Copy the selected symbol to the label"));
    mOk->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);

    // Fifteen characters to a row, each in a square cell.
    const int cell = GlyphPixels + 8;
    mSymbolList->setFlow(QListView::LeftToRight);
    mSymbolList->setWrapping(true);
    mSymbolList->setResizeMode(QListView::Adjust);
    mSymbolList->setUniformItemSizes(true);
    mSymbolList->setGridSize(QSize(cell, cell));
    mSymbolList->setTextElideMode(Qt::ElideNone);
    mSymbolList->setFixedWidth(Columns * cell + mSymbolList->frameWidth() * 2 + 20);
    LabelSampleView::showAsOnPaper(mSymbolList, clBlack);
    for (int code = FirstCode; code <= LastCode; ++code) {
        auto *item = new QListWidgetItem(mSymbolList);
        item->setTextAlignment(Qt::AlignCenter);
        item->setSizeHint(QSize(cell, cell));
        item->setData(Qt::UserRole, code);
    }

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Symbol font"), this));
    top->addWidget(mSymbolSets, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(TODSHelp::makeMouseHelpButton(this));
    buttons->addStretch(1);
    buttons->addWidget(mOk);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mSymbolList, 1, Qt::AlignHCenter);
    layout->addLayout(buttons);
    setFixedSize(530, 371);
    TODSHelp::attach(this, HelpTopic);

    connect(mSymbolSets, &QComboBox::currentTextChanged, this, &TSuperTextGetSymbol::chooseFont);
    connect(mSymbolList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            chooseCode(FirstCode + row);
    });
    connect(mSymbolList, &QListWidget::itemDoubleClicked, this, &TSuperTextGetSymbol::accept);
    connect(mOk, &QPushButton::clicked, this, &TSuperTextGetSymbol::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const QStringList fonts = symbolFonts();
    {
        const QSignalBlocker quiet(mSymbolSets);
        mSymbolSets->addItems(fonts);
    }
    const auto wingDings = std::find_if(fonts.begin(), fonts.end(), [](const QString &name) {
        return name.toUpper().contains(QLatin1String("WINGDING"));
    });
    if (!fonts.isEmpty()) {
        const int index = wingDings != fonts.end() ? int(wingDings - fonts.begin()) : 0;
        const QSignalBlocker quiet(mSymbolSets);
        mSymbolSets->setCurrentIndex(index);
        showFont(fonts.at(index));
    }
    ScreenCursor::set(ScreenCursor::Default);
}

TSuperTextGetSymbol::~TSuperTextGetSymbol() = default;

QStringList TSuperTextGetSymbol::symbolFonts()
{
    QStringList fonts;
    // Families come as "Name [Foundry]" when several foundries make one.
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    for (QString family : QFontDatabase::families(QFontDatabase::Symbol)) {
        family.remove(foundry);
        if (QFontDatabase::isSmoothlyScalable(family) && !fonts.contains(family))
            fonts << family;
    }
    // Faces the program draws through their Unicode symbols are there when
    // the face that draws them is.
    if (QFontDatabase::hasFamily(SymbolFontMap::displayFace()))
        for (const QString &face : SymbolFontMap::faces())
            if (!fonts.contains(face, Qt::CaseInsensitive))
                fonts << face;
    fonts.sort(Qt::CaseInsensitive);
    return fonts;
}

bool TSuperTextGetSymbol::hasFonts() const
{
    return mSymbolSets->count() > 0;
}

int TSuperTextGetSymbol::exec()
{
    if (!hasFonts()) {
        MessageService::information(QStringLiteral("No Symbol fonts installed"));
        return QDialog::Rejected;
    }
    const int result = QDialog::exec();
    ScreenCursor::set(ScreenCursor::Default);
    return result;
}

void TSuperTextGetSymbol::showFont(const QString &name)
{
    QString face, unused;
    SymbolFontMap::forDisplay(name, QString(), &face, &unused);
    QFont font(face);
    font.setPixelSize(GlyphPixels);
    mSymbolList->setFont(font);
    const bool mapped = SymbolFontMap::isWingDings(name);
    for (int i = 0; i < mSymbolList->count(); ++i) {
        const QString ch(QChar(FirstCode + i));
        mSymbolList->item(i)->setText(mapped ? SymbolFontMap::toDisplay(ch) : ch);
    }
}

void TSuperTextGetSymbol::chooseFont(const QString &name)
{
    mChosenFont = name;
    const int index = mSymbolSets->findText(name);
    if (index >= 0 && index != mSymbolSets->currentIndex()) {
        const QSignalBlocker quiet(mSymbolSets);
        mSymbolSets->setCurrentIndex(index);
    }
    showFont(name);
}

void TSuperTextGetSymbol::chooseCode(int code)
{
    if (code < FirstCode || code > LastCode)
        return;
    mChosenCode = code;
    // A character is chosen as shown: in the font of the list.
    if (mChosenFont.isEmpty())
        mChosenFont = mSymbolSets->currentText();
    const int row = code - FirstCode;
    if (mSymbolList->currentRow() != row)
        mSymbolList->setCurrentRow(row);
}

void TSuperTextGetSymbol::accept()
{
    // Nothing chosen yet: the window stays.
    if (mChosenFont.isEmpty() && mChosenCode == 0)
        return;
    QDialog::accept();
}

} // namespace sw
