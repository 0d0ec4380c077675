#pragma once
// A barcode on the label: linear codes (Code 128, EAN-13, UPC-A, Code 39,
// ITF-14) with their human-readable line under the bars, and 2D codes (QR
// Code, Data Matrix, PDF417). The code fills the object's box, quiet zones
// inside it: linear codes take the whole width and height, 2D codes keep
// their proportions. On paper every module is a whole number of printer
// dots, so that bar widths are exact.
//
// Data its symbology refuses is never drawn as a code: the panel shows the
// reason in red in a red frame, PrintProblem() names it before a print
// run, and PrintTo prints nothing (only an opaque background). Data that
// refers to a data file's columns ("${Code}") and cannot be encoded as
// written shows in grey as what it is, to be filled from each record.
//
// Data is stored as text when the file's 8-bit character set holds it;
// otherwise the property Data is left out and the defined property
// DataUtf8 holds its UTF-8 bytes.
#include "objects/BarcodeSymbol.h"
#include "objects/TGGraphicControl.h"
#include "platform/TColor.h"
#include "platform/TFont.h" // complete for the meta-object of Font

#include <QByteArray>
#include <QString>

#include <optional>

namespace sw {

class TGBarcode : public TGGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(sw::barcodes::TBarcodeSymbology Symbology READ Symbology WRITE SetSymbology)
    Q_PROPERTY(QString Data READ Data WRITE SetData)
    Q_PROPERTY(bool ShowText READ ShowText WRITE SetShowText)
    Q_PROPERTY(int BarColor READ BarColor WRITE SetBarColor)
    Q_PROPERTY(int BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(sw::TFont *Font READ Font)
    Q_CLASSINFO("default:Symbology", "bcCode128")
    Q_CLASSINFO("stored:Data", "isDataStoredAsText")
    Q_CLASSINFO("default:ShowText", "True")
    Q_CLASSINFO("type:BarColor", "TColor")
    Q_CLASSINFO("default:BarColor", "clBlack")
    Q_CLASSINFO("type:BackColor", "TColor")
    Q_CLASSINFO("default:BackColor", "clWhite")
    Q_CLASSINFO("default:Transparent", "True")
    Q_CLASSINFO("definedBinary", "DataUtf8")

public:
    static constexpr int HelpTopic = 40020;
    static QString DefaultData() { return QStringLiteral("12345678"); }

    // Code 128 of "12345678" in black, Arial 8 pt text, 144 x 72 pixels
    // until the panel gives it the dragged bounds.
    explicit TGBarcode(QObject *owner = nullptr);
    ~TGBarcode() override;

    TBarcodeSymbology Symbology() const { return mSymbology; }
    void SetSymbology(TBarcodeSymbology value);
    QString Data() const { return mData; }
    void SetData(const QString &value);
    // The human-readable line under linear codes.
    bool ShowText() const { return mShowText; }
    void SetShowText(bool value);
    TColor BarColor() const { return mBarColor; }
    void SetBarColor(TColor value);
    // Fills the box unless Transparent.
    TColor BackColor() const { return mBackColor; }
    void SetBackColor(TColor value);
    bool Transparent() const { return mTransparent; }
    void SetTransparent(bool value);
    // The human-readable line's font (and colour); owned.
    TFont *Font() const { return mFont; }

    // Data goes to the stream as text only when the 8-bit character set
    // holds every character; DataUtf8 carries it otherwise.
    Q_INVOKABLE bool isDataStoredAsText() const;
    Q_INVOKABLE QByteArray definedBinary(const QString &name) const;
    // Refuses bytes that are not UTF-8.
    Q_INVOKABLE bool setDefinedBinary(const QString &name, const QByteArray &data);

    // The symbol of the data as stored (what the panel shows).
    const BarcodeSymbol &Symbol() const;
    // Why the data cannot be encoded, as the panel shows it; empty when it can.
    QString Problem() const { return Symbol().error(); }
    // The data a print run encodes: Data through the print substitution.
    QString PrintedData() const;
    // Whether the data refers to a data file's columns (an escaped "$${"
    // does not count).
    bool DataHoldsFields() const;

    // Every persisted property of other through the setters (not the bounds).
    void CopyBarcodeFrom(const TGBarcode &other);

    // "Barcode Properties": the editor registered for the class.
    bool EditProperties();

    void Loaded() override;
    void UpdateMenuChecks() override;
    void Paint(Canvas &canvas, const PaintContext &context) override;
    void PrintTo(TBaseReport &report, double xOff, double yOff) override;
    QString PrintProblem() const override;
    QStringList SubstitutedTexts() const override { return {mData}; }

private:
    void changed();
    const BarcodeSymbol &symbolFor(const QString &data) const;
    bool showsText(const BarcodeSymbol &symbol) const;
    void paintNotice(Canvas &canvas, const QString &text, TColor color) const;

    TBarcodeSymbology mSymbology = bcCode128;
    QString mData;
    bool mShowText = true;
    TColor mBarColor = clBlack;
    TColor mBackColor = clWhite;
    bool mTransparent = true;
    TFont *mFont;
    int mShowTextItem = -1;
    // The last symbol encoded and what it was encoded from.
    mutable std::optional<BarcodeSymbol> mSymbol;
    mutable QString mSymbolData;
};

} // namespace sw
