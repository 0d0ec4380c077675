#include "shell/Preferences.h"

#include "platform/IniFile.h"

namespace sw {

namespace {
const QString UserSection = QStringLiteral("User");
const QString FontSection = QStringLiteral("Default Font");
const QString MiscSection = QStringLiteral("Misc");
} // namespace

Preferences Preferences::read(const IniFile &ini)
{
    Preferences p;
    p.printer = PrinterFineTuning::load(ini);
    p.UseMM = ini.readBool(UserSection, QStringLiteral("UseMM"), p.UseMM);
    p.FontName = ini.readString(FontSection, QStringLiteral("Name"), p.FontName);
    p.FontSize = ini.readInteger(FontSection, QStringLiteral("Size"), p.FontSize);
    p.FontBold = ini.readBool(FontSection, QStringLiteral("Bold"), p.FontBold);
    p.FontItalic = ini.readBool(FontSection, QStringLiteral("Italic"), p.FontItalic);
    p.FontUnderline = ini.readBool(FontSection, QStringLiteral("Underline"), p.FontUnderline);
    p.ShowHints = ini.readBool(MiscSection, QStringLiteral("Show Hints"), p.ShowHints);
    return p;
}

bool Preferences::write(IniFile &ini) const
{
    // Every write is attempted, so one unwritable value does not hide the rest.
    bool ok = true;
    ok &= printer.save(ini);
    ok &= ini.writeBool(UserSection, QStringLiteral("UseMM"), UseMM);
    ok &= ini.writeString(FontSection, QStringLiteral("Name"), FontName);
    ok &= ini.writeInteger(FontSection, QStringLiteral("Size"), FontSize);
    ok &= ini.writeBool(FontSection, QStringLiteral("Bold"), FontBold);
    ok &= ini.writeBool(FontSection, QStringLiteral("Italic"), FontItalic);
    ok &= ini.writeBool(FontSection, QStringLiteral("Underline"), FontUnderline);
    ok &= ini.writeBool(MiscSection, QStringLiteral("Show Hints"), ShowHints);
    return ok;
}

QString defaultFontCaption(const QString &name, int size, bool bold, bool italic)
{
    QString caption = QStringLiteral("Default Font: ") + name + QStringLiteral(", ")
                      + QString::number(size) + QStringLiteral(" pt ");
    if (bold)
        caption += QStringLiteral(", bold");
    if (italic)
        caption += QStringLiteral(", italic");
    return caption;
}

} // namespace sw
