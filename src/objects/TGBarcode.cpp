#include "objects/TGBarcode.h"

#include "merge/FieldTemplate.h"
#include "objects/ObjectEditors.h"
#include "persistence/AnsiText.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"
#include "report/TBaseReport.h"

#include <QStringDecoder>
#include <QStringList>

namespace sw {

namespace {

const QString kDataUtf8 = QStringLiteral("DataUtf8");

// Splits text into lines no wider than `width` pixels of the canvas font,
// breaking at spaces (a word wider than the line stands alone).
QStringList wrapped(Canvas &canvas, const QString &text, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && canvas.TextWidth(candidate) > width) {
            lines.append(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

// Where a piece of text of the given width starts for its anchor.
int textLeft(const BarcodeSymbol::Placement::Line &line, int width)
{
    switch (line.align) {
    case BarcodeSymbol::TextAlign::Left: return line.x;
    case BarcodeSymbol::TextAlign::Right: return line.x - width;
    case BarcodeSymbol::TextAlign::Centre: break;
    }
    return line.x - width / 2;
}

} // namespace

TGBarcode::TGBarcode(QObject *owner)
    : TGGraphicControl(owner)
    , mData(DefaultData())
    , mFont(new TFont(this))
{
    mFont->setName(QStringLiteral("Arial"));
    mFont->setSize(8);
    mFont->setColor(clBlack);
    connect(mFont, &TFont::changed, this, [this] { changed(); });
    // The starting size is not a change: the first bounds check after
    // placement records the bounds.
    const bool wasLoading = isLoading();
    setLoading(true);
    SetBounds(Left(), Top(), 144, 72);
    setLoading(wasLoading);
}

TGBarcode::~TGBarcode() = default;

void TGBarcode::changed()
{
    if (isLoading())
        return;
    Invalidate();
    NotifyChanged();
}

// ---- properties -----------------------------------------------------------------

void TGBarcode::SetSymbology(TBarcodeSymbology value)
{
    if (value == mSymbology || value < 0 || value >= SymbologyCount)
        return;
    mSymbology = value;
    changed();
}

void TGBarcode::SetData(const QString &value)
{
    if (value == mData)
        return;
    mData = value;
    changed();
}

void TGBarcode::SetShowText(bool value)
{
    if (value == mShowText)
        return;
    mShowText = value;
    if (mShowTextItem >= 0)
        ObjectMenu().entry(mShowTextItem).checked = value;
    changed();
}

void TGBarcode::SetBarColor(TColor value)
{
    if (value == mBarColor)
        return;
    mBarColor = value;
    changed();
}

void TGBarcode::SetBackColor(TColor value)
{
    if (value == mBackColor)
        return;
    mBackColor = value;
    changed();
}

void TGBarcode::SetTransparent(bool value)
{
    if (value == mTransparent)
        return;
    mTransparent = value;
    changed();
}

void TGBarcode::CopyBarcodeFrom(const TGBarcode &other)
{
    SetSymbology(other.mSymbology);
    SetData(other.mData);
    SetShowText(other.mShowText);
    SetBarColor(other.mBarColor);
    SetBackColor(other.mBackColor);
    SetTransparent(other.mTransparent);
    mFont->Assign(*other.mFont);
}

// ---- stream -----------------------------------------------------------------------

bool TGBarcode::isDataStoredAsText() const
{
    return ansiToText(textToAnsi(mData)) == mData;
}

QByteArray TGBarcode::definedBinary(const QString &name) const
{
    if (name == kDataUtf8 && !isDataStoredAsText())
        return mData.toUtf8();
    return QByteArray();
}

bool TGBarcode::setDefinedBinary(const QString &name, const QByteArray &data)
{
    if (name != kDataUtf8)
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(data);
    if (decoder.hasError())
        return false;
    SetData(text);
    return true;
}

// ---- the symbol -----------------------------------------------------------------

const BarcodeSymbol &TGBarcode::symbolFor(const QString &data) const
{
    if (!mSymbol || mSymbol->symbology() != mSymbology || mSymbolData != data) {
        mSymbol = BarcodeSymbol::encode(mSymbology, data);
        mSymbolData = data;
    }
    return *mSymbol;
}

const BarcodeSymbol &TGBarcode::Symbol() const
{
    return symbolFor(mData);
}

QString TGBarcode::PrintedData() const
{
    return substituted(mData);
}

bool TGBarcode::DataHoldsFields() const
{
    if (!FieldTemplate::mayHoldFields(mData))
        return false;
    for (const FieldTemplate::Span &span : FieldTemplate::spans(mData))
        if (!FieldTemplate::isEscape(QStringView(mData).mid(span.start, span.length)))
            return true;
    return false;
}

QString TGBarcode::PrintProblem() const
{
    const QString problem = symbolFor(PrintedData()).error();
    if (problem.isEmpty())
        return QString();
    return QStringLiteral("The %1 barcode \"%2\" cannot be printed: %3")
        .arg(symbologyName(mSymbology), PrintedData().left(40), problem);
}

bool TGBarcode::showsText(const BarcodeSymbol &symbol) const
{
    return mShowText && !symbol.texts().isEmpty();
}

// ---- screen -----------------------------------------------------------------------

void TGBarcode::Paint(Canvas &canvas, const PaintContext &context)
{
    Q_UNUSED(context)
    if (!mTransparent) {
        canvas.Brush()->setPattern(QImage());
        canvas.Brush()->setStyle(bsSolid);
        canvas.Brush()->setColor(mBackColor);
        canvas.FillRect(0, 0, Width(), Height());
    }
    const BarcodeSymbol &symbol = Symbol();
    if (!symbol.isValid()) {
        if (DataHoldsFields())
            paintNotice(canvas, QStringLiteral("%1: filled from each record when printing").arg(mData),
                        clGray);
        else
            paintNotice(canvas, symbol.error(), clRed);
        return;
    }
    TFont *font = canvas.Font();
    font->Assign(*mFont);
    if (ScaleFactor() != 1.0f)
        font->setSize(truncTowardZero(mFont->size() * static_cast<double>(ScaleFactor())));
    const int textHeight = showsText(symbol) ? canvas.textMetrics().height : 0;
    // The code fills the box as it will on paper; bar edges are rounded to
    // whole pixels (sharp, though at a few pixels per module not all bars of
    // one width come out equally wide on screen).
    const BarcodeSymbol::Placement placement = symbol.place(QRect(0, 0, Width(), Height()), textHeight, false);

    canvas.Brush()->setStyle(bsSolid);
    canvas.Brush()->setColor(mBarColor);
    for (const QRect &bar : placement.bars)
        canvas.FillRect(bar);
    canvas.Brush()->setStyle(bsClear);
    for (const BarcodeSymbol::Placement::Line &line : placement.texts)
        canvas.TextOut(textLeft(line, canvas.TextWidth(line.text)), placement.textTop, line.text);
}

void TGBarcode::paintNotice(Canvas &canvas, const QString &text, TColor color) const
{
    canvas.Pen()->setColor(color);
    canvas.Pen()->setStyle(psSolid);
    canvas.Pen()->setMode(pmCopy);
    canvas.Pen()->setWidth(1);
    canvas.Brush()->setStyle(bsClear);
    canvas.Rectangle(0, 0, Width(), Height());
    TFont *font = canvas.Font();
    font->Assign(*mFont);
    font->setStyle({});
    font->setColor(color);
    if (ScaleFactor() != 1.0f)
        font->setSize(std::max(1, truncTowardZero(mFont->size() * static_cast<double>(ScaleFactor()))));
    const int lineHeight = canvas.textMetrics().height;
    int y = 2;
    for (const QString &line : wrapped(canvas, text, Width() - 6)) {
        canvas.TextOut(3, y, line);
        y += lineHeight;
    }
}

// ---- paper ---------------------------------------------------------------------------

void TGBarcode::PrintTo(TBaseReport &report, double xOff, double yOff)
{
    const double p = ScreenInfo::pixelsPerInch();
    const TDeviceRect box{report.UnitsToDeviceX(xOff + Left() / p), report.UnitsToDeviceY(yOff + Top() / p),
                          report.UnitsToDeviceX(xOff + (Left() + Width()) / p),
                          report.UnitsToDeviceY(yOff + (Top() + Height()) / p)};
    if (!mTransparent) {
        report.SetBrush(mBackColor, bsSolid);
        report.FillRect(box);
    }
    const BarcodeSymbol &symbol = symbolFor(PrintedData());
    // Refused data prints no code; the print run's check has said why.
    if (!symbol.isValid())
        return;

    int textHeight = 0;
    int ascent = 0;
    if (showsText(symbol)) {
        report.SetFont(mFont->name(), mFont->size());
        const TFontStyles style = mFont->style();
        report.SetFontBold(style.testFlag(fsBold));
        report.SetFontItalic(style.testFlag(fsItalic));
        report.SetFontUnderline(style.testFlag(fsUnderline));
        report.SetFontColor(mFont->color());
        const TDeviceFont &font = report.DeviceFont();
        ascent = font.ascent;
        textHeight = font.ascent + font.descent;
    }
    const double aspect = (report.PixelsPerInchY() * report.ScaleY()) / (report.PixelsPerInchX() * report.ScaleX());
    const BarcodeSymbol::Placement placement =
        symbol.place(QRect(box.left, box.top, box.width(), box.height()), textHeight, true, aspect);

    report.SetBrush(mBarColor, bsSolid);
    for (const QRect &bar : placement.bars)
        report.FillRect(TDeviceRect{bar.left(), bar.top(), bar.right() + 1, bar.bottom() + 1});
    if (placement.texts.isEmpty())
        return;
    report.SetBrush(mBarColor, bsClear);
    report.setYPos(report.DeviceToUnitsY(placement.textTop + ascent));
    for (const BarcodeSymbol::Placement::Line &line : placement.texts) {
        const double x = report.DeviceToUnitsX(line.x);
        switch (line.align) {
        case BarcodeSymbol::TextAlign::Left: report.PrintLeft(line.text, x); break;
        case BarcodeSymbol::TextAlign::Right: report.PrintRight(line.text, x); break;
        case BarcodeSymbol::TextAlign::Centre: report.PrintCenter(line.text, x); break;
        }
    }
}

// ---- menu -----------------------------------------------------------------------------

bool TGBarcode::EditProperties()
{
    return ObjectEditors::edit(this);
}

void TGBarcode::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Barcode Properties"), [this] { EditProperties(); });
    mShowTextItem = menu.add(QStringLiteral("Show Text"), [this] { SetShowText(!mShowText); });
    menu.aboutToOpen = [this] { UpdateMenuChecks(); };
    UpdateMenuChecks();
}

void TGBarcode::UpdateMenuChecks()
{
    if (mShowTextItem >= 0)
        ObjectMenu().entry(mShowTextItem).checked = mShowText;
}

} // namespace sw
