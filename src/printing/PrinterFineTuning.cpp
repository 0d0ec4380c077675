#include "printing/PrinterFineTuning.h"

#include "platform/IniFile.h"

namespace sw {

namespace {
const QString kSection = QStringLiteral("Printer");
}

PrinterFineTuning &PrinterFineTuning::current()
{
    static PrinterFineTuning values;
    return values;
}

PrinterFineTuning PrinterFineTuning::load(IniFile &ini)
{
    PrinterFineTuning t;
    t.TopMarginNudge = ini.readInteger(kSection, QStringLiteral("TopMarginNudge"), 0);
    t.LeftMarginNudge = ini.readInteger(kSection, QStringLiteral("LeftMarginNudge"), 0);
    t.VerticalSpacing = ini.readInteger(kSection, QStringLiteral("VerticalSpacing"), 0);
    t.HorizontalSpacing = ini.readInteger(kSection, QStringLiteral("HorizontalSpacing"), 0);
    return t;
}

void PrinterFineTuning::save(IniFile &ini) const
{
    ini.writeInteger(kSection, QStringLiteral("TopMarginNudge"), TopMarginNudge);
    ini.writeInteger(kSection, QStringLiteral("LeftMarginNudge"), LeftMarginNudge);
    ini.writeInteger(kSection, QStringLiteral("VerticalSpacing"), VerticalSpacing);
    ini.writeInteger(kSection, QStringLiteral("HorizontalSpacing"), HorizontalSpacing);
}

} // namespace sw
