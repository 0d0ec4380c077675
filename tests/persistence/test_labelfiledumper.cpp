// A label file as text: every kind of stored value, written byte by byte,
// shows as the file holds it; the layout record follows field by field.
#include "persistence/LabelFileDumper.h"

#include "layouts/TLabelLayout.h"
#include "persistence/LayoutRecordStream.h"
#include "persistence/StreamErrors.h"
#include "persistence/TWriter.h"
#include "StreamBytes.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace sw;
using swtest::StreamBytes;

namespace {

QByteArray defaultLayoutBytes()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TWriter writer(&buffer);
    writer.WriteListBegin();
    writeLayoutRecord(writer, TLabelLayout::defaultLayout());
    writer.WriteListEnd();
    writer.FlushBuffer();
    return buffer.data();
}

std::string dump(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return LabelFileDumper::toText(buffer).toStdString();
}

StreamBytes &extended(StreamBytes &s, const QByteArray &hex)
{
    return s.bytes({5}).raw(QByteArray::fromHex(hex));
}

} // namespace

TEST(LabelFileDumper, ShowsEveryValueAsStoredAndTheLayoutFieldByField)
{
    StreamBytes s;
    s.bytes({1}).signature().str("TGPLabel").str("Component0");
    s.str("Left").int8(24).str("Top").int16(300).str("Tag").int32(-70000);
    // Quote, backslash, line break, the euro sign (0x80) and a control byte.
    s.str("Caption").bytes({6, 14}).raw("Say \"hi\"\\\r\n").bytes({0x80, 0x01, 'x'});
    s.str("Font.Color").ident("clRed").str("Font.Height").int8(-13).str("Font.Name").string("Arial");
    s.str("Font.Style").bytes({11}).str("fsBold").str("fsItalic").bytes({0});
    s.str("Visible").falseValue().str("Locked").trueValue();
    extended(s.str("Scale"), "0000000000000080ff3f");      // 1.0
    extended(s.str("Width"), "00000000009a99a90040");      // 2.65 in single precision
    extended(s.str("Depth"), "0100000000000080ff3f");      // 1 + 2^-63: no double holds it
    s.str("Items.Strings").bytes({1}).string("one").string("").null();
    s.str("Picture.Data").bytes({10}).le32(3).raw("abc");
    s.null().null();
    s.signature().str("TGLine").str("").null().null();
    s.null();
    s.raw(defaultLayoutBytes());

    EXPECT_EQ(dump(s), R"(TGPLabel Component0 {
  Left = 24
  Top = 300
  Tag = -70000
  Caption = "Say \"hi\"\\\r\n€\x01x"
  Font {
    Color = clRed
    Height = -13
    Name = "Arial"
    Style = [fsBold, fsItalic]
  }
  Visible = False
  Locked = True
  Scale = 1.0
  Width = 2.6500000953674316
  Depth = 1.0 (extended 0100000000000080ff3f)
  Items {
    Strings = (
      "one"
      ""
    )
  }
  Picture {
    Data = binary 3 bytes, sha256 ba7816bf
  }
}
TGLine "" {
}
layout {
  LayoutName = "Avery 5160 Address"
  LabelHeight = 1.0
  LabelWidth = 2.65
  NumAcross = 3
  NumDown = 10
  TopMargin = 0.5
  LeftMargin = 0.188
  HorizPitch = 2.765
  VertPitch = 1.01
  PageWidth = 8.5
  PageHeight = 11.0
  RightHalfOffset = 0.0
  LowerHalfOffset = 0.0
  PrinterType = "LJ"
  PaperCode = "LTR"
  ShapeCode = "RR"
  ProductCategory = "ADDRESS/SHIPPING LABELS"
  ArtName = ""
}
)");
}

TEST(LabelFileDumper, AnEmptyDesignIsTheLayoutAlone)
{
    const std::string text = dump(StreamBytes().bytes({1, 0}).raw(defaultLayoutBytes()));
    EXPECT_EQ(text.rfind("layout {\n  LayoutName = \"Avery 5160 Address\"\n", 0), 0u) << text;
}

TEST(LabelFileDumper, BytesThatAreNoLabelFileGiveTheReadersMessages)
{
    const QByteArray good = StreamBytes().bytes({1}).signature().str("TGPLabel").str("A").str("Left").int8(1).null().null().null()
                            + defaultLayoutBytes();
    struct Case
    {
        QByteArray bytes;
        const char *message;
    } cases[] = {
        {"shopping list", "Invalid property value"},
        {StreamBytes().bytes({1}).raw("TPF1"), "Invalid stream format"},
        {good.left(good.size() - 1), "Stream read error"}, // the layout's closing tag is missing
        {good.left(20), "Stream read error"},
        {StreamBytes().bytes({1}).signature().str("T").str("A").str("Left").bytes({0x2A}), "Invalid property value"},
    };
    for (const Case &c : cases) {
        try {
            dump(c.bytes);
            ADD_FAILURE() << "no error for " << c.bytes.toHex().constData();
        } catch (const EReadError &e) {
            EXPECT_EQ(e.message().toStdString(), c.message) << c.bytes.toHex().constData();
        }
    }
}
