#pragma once
// The kinds of barcode a barcode object can draw, in ordinal order: the
// ordinal is what the object keeps, the identifier ("bcEAN13") is what the
// component stream writes. New kinds are added at the end, so that stored
// ordinals and identifiers keep their meaning.
//
// A nested namespace of its own (see platform/GraphicsTypes.h): it owns
// this enumeration's meta-object.
#include <QObject>
#include <QString>

namespace sw {
namespace barcodes {
Q_NAMESPACE

enum TBarcodeSymbology {
    bcCode128,
    bcEAN13,
    bcUPCA,
    bcCode39,
    bcITF14,
    bcQRCode,
    bcDataMatrix,
    bcPDF417
};
Q_ENUM_NS(TBarcodeSymbology)

constexpr int SymbologyCount = bcPDF417 + 1;

// The name users know the symbology by ("EAN-13", "QR Code").
inline QString symbologyName(TBarcodeSymbology symbology)
{
    switch (symbology) {
    case bcCode128: return QStringLiteral("Code 128");
    case bcEAN13: return QStringLiteral("EAN-13");
    case bcUPCA: return QStringLiteral("UPC-A");
    case bcCode39: return QStringLiteral("Code 39");
    case bcITF14: return QStringLiteral("ITF-14");
    case bcQRCode: return QStringLiteral("QR Code");
    case bcDataMatrix: return QStringLiteral("Data Matrix");
    case bcPDF417: return QStringLiteral("PDF417");
    }
    return QString();
}

// Matrix and stacked codes: square modules, no human-readable line.
inline bool isTwoDimensional(TBarcodeSymbology symbology)
{
    return symbology == bcQRCode || symbology == bcDataMatrix || symbology == bcPDF417;
}

} // namespace barcodes

using namespace barcodes;

} // namespace sw
