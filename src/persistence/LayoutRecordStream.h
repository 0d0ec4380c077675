#pragma once
// The label layout record in the component stream: 18 values in field
// order (string, two floats, two integers, eight floats, five strings).
// Strings read back are cut to 255 characters and then to the field width;
// an integer is accepted where a float is expected.
#include "layouts/TLabelLayout.h"

#include <QStringList>

namespace sw {

class TReader;
class TWriter;

void writeLayoutRecord(TWriter &writer, const TLabelLayout &layout);
// Throws the stream's errors (EReadError) on a value of the wrong kind or
// a stream that ends early; `layout` is then partly filled.
void readLayoutRecord(TReader &reader, TLabelLayout &layout);
// The 18 field names in stored order ("LayoutName" ... "ArtName").
const QStringList &layoutRecordFieldNames();

} // namespace sw
