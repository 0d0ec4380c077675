#pragma once
// The catalogue's source table: a comma-separated file with a header line
// naming the columns (LayoutName, LabelHeight, LabelWidth, NumAcross,
// NumDown, TopMargin, LeftMargin, HorizPitch, VertPitch, PageWidth,
// PageHeight, PrinterType, PaperCode, ShapeCode, ProductCategory; optional
// RightHalfOffset, LowerHalfOffset, ArtName), then one template per line,
// lengths in inches. Blank lines are skipped; a field may be enclosed in
// double quotes ("" for a quote inside).
#include "layouts/TLabelLayout.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace sw {

struct TemplateCsvResult
{
    std::vector<TLabelLayout> layouts;
    // "<file>:<line>: <what is wrong>" for the first bad line; empty when
    // every line was read.
    QString error;
};

// Parses UTF-8 `content`. Stops at the first line that does not parse:
// wrong number of fields, a number that is not one, a text too long for
// its field or not storable as 8-bit text, an unknown paper or shape code,
// an empty name; and when there are more rows than `maxRows`.
TemplateCsvResult parseTemplateCsv(const QByteArray &content, const QString &fileName, int maxRows);

} // namespace sw
