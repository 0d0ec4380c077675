#include "richtext/ui/TWPToolBar.h"

#include "richtext/ui/TWPRichTextView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QToolButton>

#include <algorithm>
#include <utility>

static void initRichTextUiResources()
{
    Q_INIT_RESOURCE(richtext_ui);
}

namespace sw {

namespace {

struct NamedColor
{
    const char *name;
    QRgb rgb;
};

const NamedColor kColors[] = {
    {"Black", 0x000000}, {"Maroon", 0x800000}, {"Green", 0x008000},  {"Olive", 0x808000},
    {"Navy", 0x000080},  {"Purple", 0x800080}, {"Teal", 0x008080},   {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},   {"Lime", 0x00FF00},   {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF},
};

QIcon swatch(const QColor &color)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 13, 13);
    return QIcon(pixmap);
}

QFont styled(QFont font, bool bold, bool italic, bool underline)
{
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

} // namespace

TWPToolBar::TWPToolBar(QWidget *parent)
    : QWidget(parent)
    , mLayout(new QHBoxLayout(this))
{
    initRichTextUiResources();
    setObjectName(QStringLiteral("WPToolBar"));
    mLayout->setContentsMargins(2, 2, 2, 2);
    mLayout->setSpacing(2);

    mFontName = new QComboBox(this);
    mFontName->setObjectName(QStringLiteral("FontName"));
    mFontName->setEditable(true);
    mFontName->setInsertPolicy(QComboBox::NoInsert);
    mFontName->addItems(fontNames());
    mFontName->setMinimumContentsLength(16);
    mFontName->setToolTip(QStringLiteral("Font"));
    mLayout->addWidget(mFontName);

    mFontSize = new QComboBox(this);
    mFontSize->setObjectName(QStringLiteral("FontSize"));
    mFontSize->setEditable(true);
    mFontSize->setInsertPolicy(QComboBox::NoInsert);
    for (int size : fontSizes())
        mFontSize->addItem(QString::number(size));
    mFontSize->lineEdit()->setValidator(new QIntValidator(8, 999, mFontSize));
    mFontSize->setMinimumContentsLength(3);
    mFontSize->setToolTip(QStringLiteral("Font size"));
    mLayout->addWidget(mFontSize);

    mFontColor = new QComboBox(this);
    mFontColor->setObjectName(QStringLiteral("FontColor"));
    for (const NamedColor &c : kColors)
        mFontColor->addItem(swatch(QColor(c.rgb)), QLatin1String(c.name), QColor(c.rgb));
    mFontColor->setToolTip(QStringLiteral("Font color"));
    mLayout->addWidget(mFontColor);
    mLayout->addSpacing(6);

    QToolButton *normal = toolButton("NormalButton", QStringLiteral("Normal"), false);
    normal->setText(QStringLiteral("N"));
    mBold = toolButton("BoldButton", QStringLiteral("Bold"), true);
    mBold->setText(QStringLiteral("B"));
    mBold->setFont(styled(mBold->font(), true, false, false));
    mItalic = toolButton("ItalicButton", QStringLiteral("Italic"), true);
    mItalic->setText(QStringLiteral("I"));
    mItalic->setFont(styled(mItalic->font(), false, true, false));
    mUnderline = toolButton("UnderlineButton", QStringLiteral("Underline"), true);
    mUnderline->setText(QStringLiteral("U"));
    mUnderline->setFont(styled(mUnderline->font(), false, false, true));
    // The keys every word processor has for these, typed in the text.
    for (const auto &[button, keys] : styleKeys())
        button->setToolTip(QStringLiteral("%1 (%2)").arg(button->toolTip(), QKeySequence(keys).toString(
                                                                                  QKeySequence::NativeText)));
    mLayout->addSpacing(6);

    mLeft = toolButton("LeftButton", QStringLiteral("Left"), true);
    mLeft->setIcon(QIcon(QStringLiteral(":/richtext/icons/alignleft.svg")));
    mRight = toolButton("RightButton", QStringLiteral("Right"), true);
    mRight->setIcon(QIcon(QStringLiteral(":/richtext/icons/alignright.svg")));
    mJustify = toolButton("JustifyButton", QStringLiteral("Justified"), true);
    mJustify->setIcon(QIcon(QStringLiteral(":/richtext/icons/alignjustify.svg")));
    mCenter = toolButton("CenterButton", QStringLiteral("Center"), true);
    mCenter->setIcon(QIcon(QStringLiteral(":/richtext/icons/aligncenter.svg")));
    mLayout->addSpacing(6);

    QToolButton *copy = toolButton("CopyButton", QStringLiteral("Copy"), false);
    copy->setIcon(QIcon(QStringLiteral(":/richtext/icons/copy.svg")));
    QToolButton *cut = toolButton("CutButton", QStringLiteral("Cut"), false);
    cut->setIcon(QIcon(QStringLiteral(":/richtext/icons/cut.svg")));
    QToolButton *paste = toolButton("PasteButton", QStringLiteral("Paste"), false);
    paste->setIcon(QIcon(QStringLiteral(":/richtext/icons/paste.svg")));
    mLayout->addSpacing(6);
    mLayout->addStretch(1);

    mFontName->installEventFilter(this);
    mFontSize->installEventFilter(this);
    connect(mFontName, &QComboBox::textActivated, this, &TWPToolBar::applyFontName);
    connect(mFontSize, &QComboBox::textActivated, this, &TWPToolBar::applyFontSize);
    connect(mFontColor, qOverload<int>(&QComboBox::activated), this, &TWPToolBar::applyColor);

    auto apply = [this](auto &&change) {
        return [this, change] {
            if (mView && !mUpdating)
                change(*mView);
        };
    };
    connect(normal, &QToolButton::clicked, this, apply([](TWPRichTextView &v) { v.setNormal(); }));
    connect(mBold, &QToolButton::clicked, this, apply([this](TWPRichTextView &v) {
        QTextCharFormat f;
        f.setFontWeight(mBold->isChecked() ? QFont::Bold : QFont::Normal);
        v.mergeCharFormat(f);
    }));
    connect(mItalic, &QToolButton::clicked, this, apply([this](TWPRichTextView &v) {
        QTextCharFormat f;
        f.setFontItalic(mItalic->isChecked());
        v.mergeCharFormat(f);
    }));
    connect(mUnderline, &QToolButton::clicked, this, apply([this](TWPRichTextView &v) {
        QTextCharFormat f;
        f.setFontUnderline(mUnderline->isChecked());
        v.mergeCharFormat(f);
    }));
    connect(mLeft, &QToolButton::clicked, this,
            apply([](TWPRichTextView &v) { v.setParagraphAlignment(Qt::AlignLeft); }));
    connect(mRight, &QToolButton::clicked, this,
            apply([](TWPRichTextView &v) { v.setParagraphAlignment(Qt::AlignRight); }));
    connect(mJustify, &QToolButton::clicked, this,
            apply([](TWPRichTextView &v) { v.setParagraphAlignment(Qt::AlignJustify); }));
    connect(mCenter, &QToolButton::clicked, this,
            apply([](TWPRichTextView &v) { v.setParagraphAlignment(Qt::AlignHCenter); }));
    connect(copy, &QToolButton::clicked, this, apply([](TWPRichTextView &v) { v.copy(); }));
    connect(cut, &QToolButton::clicked, this, apply([](TWPRichTextView &v) { v.cut(); }));
    connect(paste, &QToolButton::clicked, this, apply([](TWPRichTextView &v) { v.paste(); }));
}

QList<std::pair<QToolButton *, QKeySequence::StandardKey>> TWPToolBar::styleKeys() const
{
    return {{mBold, QKeySequence::Bold}, {mItalic, QKeySequence::Italic}, {mUnderline, QKeySequence::Underline}};
}

bool TWPToolBar::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+B, Ctrl+I and Ctrl+U in the text press the buttons, so that the
    // buttons show the style as the cursor moves on.
    if (watched == mView && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto *key = static_cast<QKeyEvent *>(event);
        for (const auto &[button, keys] : styleKeys()) {
            if (!key->matches(keys))
                continue;
            if (event->type() == QEvent::ShortcutOverride)
                event->accept();
            else
                button->click();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == mFontName)
                applyFontName(mFontName->currentText());
            else if (watched == mFontSize)
                applyFontSize(mFontSize->currentText());
            else
                return QWidget::eventFilter(watched, event);
            if (mView)
                mView->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QToolButton *TWPToolBar::toolButton(const char *name, const QString &tip, bool checkable)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setCheckable(checkable);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumSize(24, 24);
    mLayout->addWidget(button);
    return button;
}

QStringList TWPToolBar::fontNames()
{
    QStringList names = QFontDatabase::families();
    for (const char *classic : {"Arial", "Courier New", "Times New Roman"})
        if (!names.contains(QLatin1String(classic)))
            names.append(QLatin1String(classic));
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

QList<int> TWPToolBar::fontSizes()
{
    return {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
}

bool TWPToolBar::AddButton(QAbstractButton *button)
{
    if (!button || mAdded >= MaxAddedButtons)
        return false;
    ++mAdded;
    button->setParent(this);
    button->setFocusPolicy(Qt::NoFocus);
    // After the groups, before the closing stretch.
    mLayout->insertWidget(mLayout->count() - 1, button);
    button->show();
    return true;
}

void TWPToolBar::setView(TWPRichTextView *view)
{
    if (mView)
        disconnect(mView, nullptr, this, nullptr);
    if (mView)
        mView->removeEventFilter(this);
    mView = view;
    if (mView) {
        connect(mView, &TWPRichTextView::cursorChanged, this, &TWPToolBar::updateFromView);
        mView->installEventFilter(this);
    }
    updateFromView();
}

void TWPToolBar::applyFontName(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (!mView || mUpdating || trimmed.isEmpty())
        return;
    QTextCharFormat f;
    f.setFontFamilies(QStringList{trimmed});
    mView->mergeCharFormat(f);
    mView->setFocus();
}

void TWPToolBar::applyFontSize(const QString &text)
{
    bool ok = false;
    const int size = text.trimmed().toInt(&ok);
    if (!mView || mUpdating || !ok || size < 8)
        return;
    QTextCharFormat f;
    f.setFontPointSize(size);
    mView->mergeCharFormat(f);
    mView->setFocus();
}

void TWPToolBar::applyColor(int index)
{
    if (!mView || mUpdating || index < 0)
        return;
    QTextCharFormat f;
    f.setForeground(mFontColor->itemData(index).value<QColor>());
    mView->mergeCharFormat(f);
    mView->setFocus();
}

void TWPToolBar::showColor(const QColor &color)
{
    for (int i = 0; i < mFontColor->count(); ++i) {
        if (i != mCustomColorIndex && mFontColor->itemData(i).value<QColor>().rgb() == color.rgb()) {
            mFontColor->setCurrentIndex(i);
            return;
        }
    }
    // A colour of a document from elsewhere: shown as it is.
    if (mCustomColorIndex < 0) {
        mFontColor->addItem(QString(), QVariant());
        mCustomColorIndex = mFontColor->count() - 1;
    }
    mFontColor->setItemIcon(mCustomColorIndex, swatch(color));
    mFontColor->setItemText(mCustomColorIndex, QStringLiteral("Custom"));
    mFontColor->setItemData(mCustomColorIndex, color);
    mFontColor->setCurrentIndex(mCustomColorIndex);
}

void TWPToolBar::updateFromView()
{
    if (!mView)
        return;
    mUpdating = true;
    const QSignalBlocker blockName(mFontName);
    const QSignalBlocker blockSize(mFontSize);
    const QSignalBlocker blockColor(mFontColor);
    const QTextCharFormat f = mView->currentCharFormat();
    const QFont font = f.font();
    QString family = f.fontFamilies().toStringList().value(0);
    if (family.isEmpty())
        family = font.family();
    // The document's name is kept even when no such font is installed.
    if (mFontName->findText(family, Qt::MatchFixedString) < 0)
        mFontName->insertItem(0, family);
    mFontName->setCurrentIndex(mFontName->findText(family, Qt::MatchFixedString));
    mFontName->setEditText(family);
    const double points = f.fontPointSize() > 0 ? f.fontPointSize() : font.pointSizeF();
    mFontSize->setEditText(QString::number(qRound(points)));
    showColor(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor(Qt::black));
    mBold->setChecked(font.weight() >= QFont::DemiBold);
    mItalic->setChecked(font.italic());
    mUnderline->setChecked(font.underline());
    const Qt::Alignment align = mView->currentParagraphAlignment() & Qt::AlignHorizontal_Mask;
    mJustify->setChecked(align.testFlag(Qt::AlignJustify));
    mCenter->setChecked(!mJustify->isChecked() && align.testFlag(Qt::AlignHCenter));
    mRight->setChecked(!mJustify->isChecked() && !mCenter->isChecked()
                       && (align.testFlag(Qt::AlignRight) || align.testFlag(Qt::AlignTrailing)));
    mLeft->setChecked(!mJustify->isChecked() && !mCenter->isChecked() && !mRight->isChecked());
    mUpdating = false;
}

} // namespace sw
