#pragma once
// The template data file "SKTPL.dat": a component-stream value list
// (vaList, then 18 values per template as in LayoutRecordStream.h, then
// vaNull), with no header and no count.
#include "layouts/TLabelLayout.h"

#include <QString>

#include <vector>

class QIODevice;

namespace sw {

struct TemplateLoadResult
{
    // The templates in file order; layouts[n - 1] belongs in table slot n.
    // Never more than the capacity the reader was given.
    std::vector<TLabelLayout> layouts;
    // False when there was no file to read (an empty catalogue, no message).
    bool fileFound = false;
    // The file holds more templates than the table has slots; the excess
    // was not read.
    bool overflow = false;
    // The error that stopped reading (the file could not be opened or is
    // not a well-formed value list); empty when the file was read to its
    // end marker or up to the capacity. The templates read before the fault
    // are kept in `layouts`.
    QString error;
    // The file's name as shown in messages.
    QString fileName;

    // One line for the user about an over-full or damaged file; empty when
    // there is nothing to report.
    QString statusText() const;
};

// "SKTPL.dat".
QString templateFileName();
// The template data file shipped with the program (ProgramFolder's data
// file search).
QString templateFilePath();

// Reads at most `capacity` templates from `path`. A missing file gives an
// empty result with fileFound false. Never throws.
TemplateLoadResult loadTemplates(const QString &path, int capacity);
// The same for an open device; fileName is used in messages only.
TemplateLoadResult readTemplates(QIODevice *device, int capacity, const QString &fileName = QString());

// Writes `layouts` as a template data file to an open device. Throws
// EWriteError when the device refuses the bytes.
void writeTemplates(QIODevice *device, const std::vector<TLabelLayout> &layouts);

} // namespace sw
