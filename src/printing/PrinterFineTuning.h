#pragma once
// The printer fine-tuning corrections: four counts of 1/32 inch that move
// all printing and stretch the spacing between rows and columns. They are
// global to the installation (section "Printer" of the configuration file)
// and applied by every print and preview run.
namespace sw {

class IniFile;

struct PrinterFineTuning
{
    static constexpr double Step = 0.03125; // inches per count
    static constexpr int Limit = 8;         // the dialog's range is -8..8

    int TopMarginNudge = 0;
    int LeftMarginNudge = 0;
    int VerticalSpacing = 0;
    int HorizontalSpacing = 0;

    bool operator==(const PrinterFineTuning &o) const
    {
        return TopMarginNudge == o.TopMarginNudge && LeftMarginNudge == o.LeftMarginNudge
            && VerticalSpacing == o.VerticalSpacing && HorizontalSpacing == o.HorizontalSpacing;
    }

    // The values the program uses while it runs.
    static PrinterFineTuning &current();

    // Reads the four keys (missing ones are 0; values are not clamped).
    static PrinterFineTuning load(const IniFile &ini);
    // Writes the four keys as integers; false when the file could not be
    // written (every key is still tried).
    bool save(IniFile &ini) const;
};

} // namespace sw
