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

PrinterFineTuning PrinterFineTuning::load(const IniFile &ini)
{
    PrinterFineTuning t;
    t.TopMarginNudge = ini.readInteger(kSection, QStringLiteral("TopMarginNudge"), 0);
    t.LeftMarginNudge = ini.readInteger(kSection, QStringLiteral("LeftMarginNudge"), 0);
    t.VerticalSpacing = ini.readInteger(kSection, QStringLiteral("VerticalSpacing"), 0);
    t.HorizontalSpacing = ini.readInteger(kSection, QStringLiteral("HorizontalSpacing"), 0);
    return t;
}

bool PrinterFineTuning::save(IniFile &ini) const
{
    bool ok = ini.writeInteger(kSection, QStringLiteral("TopMarginNudge"), TopMarginNudge);
    ok &= ini.writeInteger(kSection, QStringLiteral("LeftMarginNudge"), LeftMarginNudge);
    ok &= ini.writeInteger(kSection, QStringLiteral("VerticalSpacing"), VerticalSpacing);
    ok &= ini.writeInteger(kSection, QStringLiteral("HorizontalSpacing"), HorizontalSpacing);
    return ok;
}

} // namespace sw
