#pragma once
// The template catalogue's table and the rules of the template chooser that
// need no window: which templates a filter keeps, how they are listed and
// sorted, the description of one template, the presets taken from the
// current layout and the list box's select-by-prefix search.
#include "layouts/TLabelLayout.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace sw {

// The table number (1 to TableSize) a list line stands for.
struct TTemplateIndex
{
    int Index = 0;
};

// Radio group items of the chooser, in their display order.
enum class ProductTypeItem { Address, Card, Diskette, FileFolder, Index, Misc, All };
enum class PrinterTypeItem { Laserjet, Inkjet, All };
enum class RegionItem { UnitedStates, European, All };

class TemplateCatalogue
{
public:
    static constexpr int TableSize = 300;

    struct ListLine
    {
        QString text;           // the name from its 7th character on
        TTemplateIndex index;   // the template's table number
    };

    // All slots free (zero-filled records).
    TemplateCatalogue();

    // Empties the table, then puts entries[i] into slot i + 1. Entries beyond
    // TableSize are not stored; returns how many were left out.
    int FillArray(const std::vector<TLabelLayout> &entries);
    void clear();

    // Slot n (1 to TableSize); a free slot has an empty LayoutName. Any
    // other n gives a free record.
    const TLabelLayout &slot(int n) const;
    // Number of slots in use.
    int count() const;

    // The lines of the templates that pass all three tests, sorted
    // alphabetically without regard to case (templates of equal text keep
    // table order).
    std::vector<ListLine> FilterTemplates(ProductTypeItem product, PrinterTypeItem printer,
                                          RegionItem region) const;

    // The three tests one template must pass to be listed.
    static bool regionMatches(const QString &paperCode, RegionItem region);
    static bool productMatches(const QString &productCategory, ProductTypeItem product);
    static bool printerMatches(const QString &printerType, PrinterTypeItem printer);

    // The keyword a filter looks for; empty for "All".
    static QString productFilterKeyword(ProductTypeItem item);
    static QString printerFilterKeyword(PrinterTypeItem item);

    // Captions of the radio group items, in item order.
    static QStringList productTypeCaptions();
    static QStringList printerTypeCaptions();
    static QStringList regionCaptions();

    // The list line of a template name: the name without its first six
    // characters ("Avery 5160 Address" -> "5160 Address"); empty for a name
    // of six characters or fewer.
    static QString listText(const QString &layoutName);

    // The description memo's lines: the ten measurements and counts, then
    // the paper line for a known paper code.
    static QStringList descriptionLines(const TLabelLayout &layout);

    // Presets the chooser takes from the current layout when it serves a
    // change of layout.
    static bool isUserDefinedName(const QString &layoutName);
    static ProductTypeItem productPreset(const QString &productCategory);
    static PrinterTypeItem printerPreset(const QString &printerType);
    static RegionItem regionPreset(const QString &paperCode);
    // The text put into the type-ahead box for the current layout's name.
    static QString typeAheadText(const QString &layoutName);

    // The list box's select-by-prefix search: the first line, searching
    // from the line after `start` to the end and then from the first line
    // round to `start`, that begins with `prefix` without regard to case.
    // Returns its row, or -1 when none matches (or the list is empty).
    static int selectByPrefix(const QStringList &lines, const QString &prefix, int start = 0);

private:
    std::array<TLabelLayout, TableSize> mSlots;
};

} // namespace sw
