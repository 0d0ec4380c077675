#pragma once
// One label of the design drawn as a print draws it, on a picture the size
// of the layout's label: what print preparation shows of the first
// record's label. Works on the panel a run prints from (its counters go
// back to their starting numbers).
#include "layouts/TLabelLayout.h"

#include <QImage>
#include <QStringList>

namespace sw {

class TGBasePanel;

class LabelPicture
{
public:
    // The label at `ppi` pixels per inch on white; with columns, the
    // fields are filled from `record` (one value per column).
    static QImage render(TGBasePanel &panel, const TLabelLayout &layout, int ppi,
                         const QStringList &columns = {}, const QStringList &record = {});
};

} // namespace sw
