#pragma once
// The enumerations shared by the graphic value types, in ordinal order: the
// ordinal is what the label objects keep, the identifier ("psSolid") is what
// the component stream writes, read through QMetaEnum.
//
// The enumerations live in the nested namespace sw::graphics so that this
// header owns only that namespace's meta-object: a Q_NAMESPACE can be
// declared once per namespace, and other headers may want their own enums
// in namespace sw with a meta-object of their own (a class's Q_ENUM, or
// another nested namespace). The using-directive below makes every name
// available as sw::TPenStyle, sw::psSolid and so on.
#include <QFlags>
#include <QObject>

namespace sw {
namespace graphics {
Q_NAMESPACE

enum TPenStyle {
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    psInsideFrame
};
Q_ENUM_NS(TPenStyle)

// The sixteen binary raster operations of a pen (P = pen or brush colour,
// D = destination pixel).
enum TPenMode {
    pmBlack,       // 0
    pmWhite,       // 1
    pmNop,         // D
    pmNot,         // ~D
    pmCopy,        // P
    pmNotCopy,     // ~P
    pmMergePenNot, // P | ~D
    pmMaskPenNot,  // P & ~D
    pmMergeNotPen, // ~P | D
    pmMaskNotPen,  // ~P & D
    pmMerge,       // P | D
    pmNotMerge,    // ~(P | D)
    pmMask,        // P & D
    pmNotMask,     // ~(P & D)
    pmXor,         // P ^ D
    pmNotXor       // ~(P ^ D)
};
Q_ENUM_NS(TPenMode)

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
Q_ENUM_NS(TBrushStyle)

enum TFontPitch {
    fpDefault,
    fpVariable,
    fpFixed
};
Q_ENUM_NS(TFontPitch)

// Set members are bits 1 << ordinal, so the set's integer value is the
// stored set's bit mask.
enum TFontStyle {
    fsBold = 0x1,
    fsItalic = 0x2,
    fsUnderline = 0x4,
    fsStrikeOut = 0x8
};
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

enum TAlignment {
    taLeftJustify,
    taRightJustify,
    taCenter
};
Q_ENUM_NS(TAlignment)

enum TBorderStyle {
    bsNone,
    bsSingle
};
Q_ENUM_NS(TBorderStyle)

} // namespace graphics

using namespace graphics;

} // namespace sw

Q_DECLARE_OPERATORS_FOR_FLAGS(sw::graphics::TFontStyles)
