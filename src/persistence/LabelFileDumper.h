#pragma once
// A label file as readable text, for reading and for diffing designs kept
// in version control. The stream is walked value by value, so the text
// shows what the file holds, not what the program makes of it:
//
//   TGPLabel Component0 {
//     Left = 24
//     Caption = "Hello \"world\""
//     Font {
//       Height = -13
//       Name = "Arial"
//       Style = [fsBold]
//     }
//     Picture {
//       Data = binary 1718 bytes, sha256 4f1c09ab
//     }
//   }
//   layout {
//     LayoutName = "Avery 5160 Address"
//     LabelHeight = 1.0
//     ...
//   }
//
// Objects and properties appear in file order; properties that share a
// dotted prefix (a font's fields) are shown together in a block. Integers
// are decimal, floats the shortest decimal that reads back to the same
// double (always with a point or an exponent; an extended value no double
// holds exactly adds its ten bytes), strings quoted with C escapes,
// identifiers and sets bare, binary data as its size and the first eight
// hex digits of its SHA-256. The same bytes always give the same text.
#include <QString>

class QIODevice;

namespace sw {

class LabelFileDumper
{
public:
    // The text of a whole label file (objects, then the layout record)
    // read from the device's current position. Throws EReadError with the
    // stream's messages when the bytes are not a label file's.
    static QString toText(QIODevice &device);
};

} // namespace sw
