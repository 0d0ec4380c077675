#pragma once
// The settings kept in the configuration file "SK.INI" between runs, apart
// from the recent files and the window placement: the printer fine-tuning
// corrections, the layout editor's unit, the default font and the tool-tip
// switch.
#include "printing/PrinterFineTuning.h"

#include <QString>

namespace sw {

class IniFile;

struct Preferences
{
    // Printer fine tuning, each in 1/32 inch ("Printer" section).
    PrinterFineTuning printer;
    // The layout editor shows millimetres ("User" section).
    bool UseMM = false;
    // The default font for new text objects ("Default Font" section).
    QString FontName = QStringLiteral("Arial");
    int FontSize = 10; // points
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    // Tool-tips on ("Misc" section).
    bool ShowHints = true;

    // Every value from the file; a missing key keeps the default above.
    static Preferences read(const IniFile &ini);
    // Writes every value, in the order printer, "UseMM", font, hints.
    // False when the file could not be written.
    bool write(IniFile &ini) const;
};

// The Edit menu's default-font caption: "Default Font: Arial, 10 pt , bold".
QString defaultFontCaption(const QString &name, int size, bool bold, bool italic);

} // namespace sw
