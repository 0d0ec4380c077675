#pragma once
// The one-byte type tags that start every value of the component stream.
// The numbers are the file format: never renumber them.
#include <QtGlobal>

namespace sw {

enum TValueType : quint8 {
    vaNull = 0,        // ends a list, a property list or a child list
    vaList = 1,        // values up to a matching vaNull
    vaInt8 = 2,        // 1 byte, signed
    vaInt16 = 3,       // 2 bytes, signed, little-endian
    vaInt32 = 4,       // 4 bytes, signed, little-endian
    vaExtended = 5,    // 10 bytes: 80-bit extended float (ExtendedFloat.h)
    vaString = 6,      // length byte N, then N bytes of 8-bit text
    vaIdent = 7,       // length byte N, then N bytes: an identifier
    vaFalse = 8,       // no payload
    vaTrue = 9,        // no payload
    vaBinary = 10,     // 4-byte length N, then N bytes
    vaSet = 11,        // short strings naming members, ended by an empty one
    vaLString = 12,    // 4-byte length N, then N bytes of 8-bit text
    vaNil = 13,        // a null object reference
    vaCollection = 14, // items, each vaList ... vaNull of properties, then vaNull
};

// The highest tag this format knows; a larger byte is corrupt input.
constexpr quint8 kLastValueType = vaCollection;

// The four bytes that start every root component record.
constexpr char kFilerSignature[4] = {'T', 'P', 'F', '0'};

// Short strings (class, object, property and set member names) hold at most
// this many bytes; longer text is cut when written.
constexpr int kMaxShortString = 255;

// Writers and readers buffer this many bytes unless told otherwise.
constexpr int kDefaultFilerBufferSize = 1000;

} // namespace sw
