#include "controls/TDFSColorButton.h"

#include "controls/TDFSColorButtonPalette.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

namespace sw {

namespace {

// A direct colour from its red, green and blue.
constexpr TColor rgbToColor(int r, int g, int b)
{
    return r | (g << 8) | (b << 16);
}

const TColor kDefaultPalette[TDFSColorButton::PaletteRows][TDFSColorButton::PaletteColumns] = {
    {rgbToColor(255, 255, 255), rgbToColor(0, 0, 0), rgbToColor(191, 191, 191), rgbToColor(127, 127, 127)},
    {rgbToColor(255, 0, 0), rgbToColor(127, 0, 0), rgbToColor(255, 255, 0), rgbToColor(127, 127, 0)},
    {rgbToColor(0, 255, 0), rgbToColor(0, 127, 0), rgbToColor(0, 255, 255), rgbToColor(0, 127, 127)},
    {rgbToColor(0, 0, 255), rgbToColor(0, 0, 127), rgbToColor(255, 0, 255), rgbToColor(127, 0, 127)},
    {rgbToColor(191, 215, 191), rgbToColor(159, 191, 239), rgbToColor(255, 247, 239), rgbToColor(159, 159, 159)},
};

// The drop-down arrow: 7 x 4 pixels in the colour given.
QImage arrowImage(const QColor &color)
{
    QImage arrow(7, 4, QImage::Format_ARGB32);
    arrow.fill(Qt::transparent);
    for (int row = 0; row < 4; ++row)
        for (int x = row; x < 7 - row; ++x)
            arrow.setPixelColor(x, row, color);
    return arrow;
}

} // namespace

TDFSColorButton::TDFSColorButton(QWidget *parent)
    : QPushButton(parent)
    , mPaletteColors(new TColorArrayClass(PaletteColumns, PaletteRows, this))
    , mCustomColors(new TColorArrayClass(8, 2, this))
{
    setDefaultPalette(*mPaletteColors);
    for (int y = 1; y <= 2; ++y)
        for (int x = 1; x <= 8; ++x)
            mCustomColors->setColor(x, y, clWhite);
    mPaletteIndex = mPaletteColors->indexOf(mColor);
    resize(45, 22);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { handleClick(); });
    connect(mPaletteColors, &TColorArrayClass::changed, this, [this] {
        mPaletteIndex = mPaletteColors->indexOf(mColor);
    });
}

TDFSColorButton::~TDFSColorButton()
{
    if (mPalette) {
        mPalette->OnClosed = nullptr;
        mPalette->OnColorChosen = nullptr;
        mPalette->close();
    }
    saveCustomColors();
}

QString TDFSColorButton::Version() const
{
    return QStringLiteral("TDFSColorButton v2.51");
}

void TDFSColorButton::setDefaultPalette(TColorArrayClass &palette)
{
    palette.setSize(PaletteColumns, PaletteRows);
    for (int y = 1; y <= PaletteRows; ++y)
        for (int x = 1; x <= PaletteColumns; ++x)
            palette.setColor(x, y, kDefaultPalette[y - 1][x - 1]);
}

void TDFSColorButton::setStyle(TButtonStyle style)
{
    mStyle = style;
    update();
}

void TDFSColorButton::setFlat(bool flat)
{
    mFlat = flat;
    update();
}

void TDFSColorButton::setColor(TColor color)
{
    if (color == mColor)
        return;
    mColor = color;
    mPaletteIndex = mPaletteColors->indexOf(color);
    update();
    Q_EMIT colorChanged(color);
}

void TDFSColorButton::selectPaletteIndex(int index)
{
    const TColor color = index == 0 ? mOtherColor : mPaletteColors->colorAt(index);
    mColor = color;
    mPaletteIndex = index;
    update();
    Q_EMIT colorChanged(color);
}

// ---- the pop-up ----------------------------------------------------------------------------

TDFSColorButtonPalette *TDFSColorButton::Palette() const
{
    return mPalette.data();
}

void TDFSColorButton::handleClick()
{
    if (mSwallowClick) {
        mSwallowClick = false;
        return;
    }
    if (mCycleColors && mClickX >= 0 && mClickX <= width() - ArrowWidth) {
        const int count = mPaletteColors->count();
        int next = mPaletteIndex + 1;
        if (next > count)
            next = 0;
        selectPaletteIndex(next);
        return;
    }
    openPalette();
}

QPoint TDFSColorButton::palettePosition(const QSize &size) const
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 20, 1 << 20);
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    QPoint at(topLeft.x(), topLeft.y() + height());
    if (at.y() + size.height() > work.bottom() + 1)
        at.setY(topLeft.y() - size.height());
    if (at.x() < work.left())
        at.setX(work.left());
    if (at.x() + size.width() > work.right() + 1)
        at.setX(work.right() + 1 - size.width());
    return at;
}

void TDFSColorButton::openPalette()
{
    if (mPalette)
        return;
    auto *palette = new TDFSColorButtonPalette(*mPaletteColors, *mCustomColors, this);
    palette->setObjectName(QStringLiteral("ColorPalette"));
    palette->setShowHints(mShowColorHints);
    palette->setOtherCaption(mOtherBtnCaption);
    palette->setOtherColor(mOtherColor);
    palette->OnGetColorHintText = OnGetColorHintText;
    palette->OnColorChosen = [this](TColor color, bool other) { colorChosen(color, other); };
    palette->OnClosed = [this](bool cancelled) { paletteClosed(cancelled); };
    if (!palette->highlightColor(mColor))
        palette->setOtherColor(mColor);
    mPalette = palette;
    palette->move(palettePosition(palette->size()));
    setDown(true);
    palette->show();
    palette->setFocus();
}

void TDFSColorButton::colorChosen(TColor color, bool other)
{
    if (other)
        mOtherColor = color;
    setColor(color);
}

void TDFSColorButton::paletteClosed(bool cancelled)
{
    if (mPalette)
        mCustomColors->Assign(mPalette->CustomColors());
    // The press that closed the pop-up over this button comes back to it;
    // it must not open the pop-up again. Only that press is swallowed.
    if (!cancelled && QGuiApplication::mouseButtons() != Qt::NoButton
        && rect().contains(mapFromGlobal(QCursor::pos()))) {
        mSwallowClick = true;
        QTimer::singleShot(0, this, [this] { mSwallowClick = false; });
    }
    mPalette = nullptr;
    setDown(false);
    update();
}

void TDFSColorButton::mousePressEvent(QMouseEvent *event)
{
    if (mSwallowClick) {
        // The press that closed the pop-up: no click comes of it.
        mSwallowClick = false;
        event->accept();
        return;
    }
    QPushButton::mousePressEvent(event);
}

void TDFSColorButton::mouseReleaseEvent(QMouseEvent *event)
{
    mClickX = event->position().toPoint().x();
    QPushButton::mouseReleaseEvent(event);
    mClickX = -1;
}

void TDFSColorButton::enterEvent(QEnterEvent *event)
{
    mMouseOver = true;
    if (mFlat)
        update();
    QPushButton::enterEvent(event);
}

void TDFSColorButton::leaveEvent(QEvent *event)
{
    mMouseOver = false;
    if (mFlat)
        update();
    QPushButton::leaveEvent(event);
}

// ---- painting ------------------------------------------------------------------------------------

void TDFSColorButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    const bool pressed = isDown() || mPalette;
    if (pressed)
        option.state |= QStyle::State_Sunken;
    if (mFlat && !mMouseOver && !hasFocus())
        option.features |= QStyleOptionButton::Flat;
    option.state &= ~QStyle::State_HasFocus;
    p.drawControl(QStyle::CE_PushButtonBevel, option);

    const int shift = pressed ? 1 : 0;
    const QRect inner = rect().adjusted(3 + shift, 3 + shift, -3 + shift, -3 + shift);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = inner;
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }

    const QPalette &pal = palette();
    const QColor frame = Qt::black; // the window-frame colour
    const QRect swatch = rect().adjusted(6 + shift, 5 + shift, -6 - 10 + shift, -5 + shift);
    if (swatch.width() > 1 && swatch.height() > 1) {
        p.setPen(frame);
        p.setBrush(Qt::NoBrush);
        p.drawRect(swatch.adjusted(0, 0, -1, -1));
        const QRect inside = swatch.adjusted(1, 1, -1, -1);
        if (isEnabled())
            p.fillRect(inside, toQColor(mColor));
        else
            p.fillRect(inside, QBrush(pal.color(QPalette::Dark), Qt::Dense4Pattern));
    }
    const int sepX = swatch.right() + 1 + 3;
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(sepX, swatch.top(), sepX, swatch.bottom());
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(sepX + 1, swatch.top(), sepX + 1, swatch.bottom());
    const QImage arrow = arrowImage(isEnabled() ? pal.color(QPalette::ButtonText) : pal.color(QPalette::Dark));
    p.drawImage(QPoint(sepX + 3, (height() - arrow.height()) / 2 + shift), arrow);
}

// ---- custom colours kept between runs ---------------------------------------------------------------

QString TDFSColorButton::customColorsText(const TColorArrayClass &colors)
{
    QStringList parts;
    for (TColor c : colors.streamOrder())
        parts << QLatin1Char('$') + QStringLiteral("%1").arg(static_cast<quint32>(c), 8, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char(','));
}

void TDFSColorButton::readCustomColorsText(const QString &text, TColorArrayClass &colors)
{
    const QStringList parts = text.split(QLatin1Char(','));
    QVector<TColor> values;
    for (int i = 0; i < colors.count(); ++i) {
        TColor value = clWhite;
        if (i < parts.size()) {
            const QString part = parts.at(i).trimmed();
            bool ok = false;
            const quint32 v = part.startsWith(QLatin1Char('$')) ? part.mid(1).toUInt(&ok, 16) : 0;
            if (ok && part.size() > 1)
                value = static_cast<TColor>(v);
        }
        values.append(value);
    }
    colors.setFromStreamOrder(colors.XSize(), colors.YSize(), values);
}

QString TDFSColorButton::customColorsValueName() const
{
    const QString parentName = parentWidget() ? parentWidget()->objectName() : QString();
    return objectName() + QLatin1Char('.') + parentName;
}

QString TDFSColorButton::customColorsFile() const
{
    QString name = mCustomColorsKey;
    name.replace(QLatin1Char('\\'), QLatin1Char('_')).replace(QLatin1Char('/'), QLatin1Char('_'));
    return ProgramFolder::filePath(name + QStringLiteral(".ini"));
}

void TDFSColorButton::setCustomColorsKey(const QString &key)
{
    mCustomColorsKey = key;
    loadCustomColors();
}

void TDFSColorButton::loadCustomColors()
{
    if (mCustomColorsKey.isEmpty())
        return;
    const IniFile file(customColorsFile());
    if (file.valueExists(QStringLiteral("Colors"), customColorsValueName()))
        readCustomColorsText(file.readString(QStringLiteral("Colors"), customColorsValueName()), *mCustomColors);
}

void TDFSColorButton::saveCustomColors()
{
    if (mCustomColorsKey.isEmpty())
        return;
    IniFile file(customColorsFile());
    // A failed write leaves the colours of the last run; nothing else is lost.
    file.writeString(QStringLiteral("Colors"), customColorsValueName(), customColorsText(*mCustomColors));
}

} // namespace sw
