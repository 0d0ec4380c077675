#include "layouts/TemplateCatalogue.h"

#include "layouts/PaperCodes.h"

#include <algorithm>

namespace sw {

namespace {

const TLabelLayout kFreeSlot{};

QString number(double value)
{
    // Shortest general form, up to 15 significant digits.
    return QString::number(value, 'g', 15);
}

} // namespace

TemplateCatalogue::TemplateCatalogue()
{
    clear();
}

void TemplateCatalogue::clear()
{
    mSlots.fill(TLabelLayout{});
}

int TemplateCatalogue::FillArray(const std::vector<TLabelLayout> &entries)
{
    clear();
    const int stored = std::min(static_cast<int>(entries.size()), TableSize);
    for (int i = 0; i < stored; ++i)
        mSlots[static_cast<size_t>(i)] = entries[static_cast<size_t>(i)];
    return static_cast<int>(entries.size()) - stored;
}

const TLabelLayout &TemplateCatalogue::slot(int n) const
{
    if (n < 1 || n > TableSize)
        return kFreeSlot;
    return mSlots[static_cast<size_t>(n - 1)];
}

int TemplateCatalogue::count() const
{
    return static_cast<int>(std::count_if(mSlots.begin(), mSlots.end(),
                                          [](const TLabelLayout &l) { return !l.LayoutName.isEmpty(); }));
}

std::vector<TemplateCatalogue::ListLine>
TemplateCatalogue::FilterTemplates(ProductTypeItem product, PrinterTypeItem printer, RegionItem region) const
{
    std::vector<ListLine> lines;
    for (int n = 1; n <= TableSize; ++n) {
        const TLabelLayout &t = mSlots[static_cast<size_t>(n - 1)];
        if (t.LayoutName.isEmpty())
            continue;
        if (regionMatches(t.PaperCode, region) && productMatches(t.ProductCategory, product)
            && printerMatches(t.PrinterType, printer))
            lines.push_back({listText(t.LayoutName), TTemplateIndex{n}});
    }
    // The list box keeps its lines sorted alphabetically, ignoring case.
    std::stable_sort(lines.begin(), lines.end(), [](const ListLine &a, const ListLine &b) {
        return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
    });
    return lines;
}

bool TemplateCatalogue::regionMatches(const QString &paperCode, RegionItem region)
{
    // The one place a paper code is searched rather than compared: "A4L"
    // is European as well as "A4".
    const bool european = paperCode.contains(QLatin1String("A4")) || paperCode.contains(QLatin1String("A5"));
    switch (region) {
    case RegionItem::UnitedStates:
        return !european;
    case RegionItem::European:
        return european;
    case RegionItem::All:
        break;
    }
    return true;
}

bool TemplateCatalogue::productMatches(const QString &productCategory, ProductTypeItem product)
{
    const QString keyword = productFilterKeyword(product);
    return keyword.isEmpty() || productCategory.toUpper().contains(keyword);
}

bool TemplateCatalogue::printerMatches(const QString &printerType, PrinterTypeItem printer)
{
    const QString keyword = printerFilterKeyword(printer);
    return keyword.isEmpty() || printerType.toUpper().contains(keyword);
}

QString TemplateCatalogue::productFilterKeyword(ProductTypeItem item)
{
    switch (item) {
    case ProductTypeItem::Address:
        return QStringLiteral("ADDRESS");
    case ProductTypeItem::Card:
        return QStringLiteral("CARD");
    case ProductTypeItem::Diskette:
        return QStringLiteral("DISK");
    case ProductTypeItem::FileFolder:
        // The filter looks for "FILE"; the preset looks for "FOLDER".
        return QStringLiteral("FILE");
    case ProductTypeItem::Index:
        return QStringLiteral("INDEX");
    case ProductTypeItem::Misc:
        return QStringLiteral("MISC");
    case ProductTypeItem::All:
        break;
    }
    return QString();
}

QString TemplateCatalogue::printerFilterKeyword(PrinterTypeItem item)
{
    switch (item) {
    case PrinterTypeItem::Laserjet:
        return QStringLiteral("LJ");
    case PrinterTypeItem::Inkjet:
        return QStringLiteral("IJ");
    case PrinterTypeItem::All:
        break;
    }
    return QString();
}

QStringList TemplateCatalogue::productTypeCaptions()
{
    return {QStringLiteral("Address Labels"), QStringLiteral("Card Products"), QStringLiteral("Diskette Labels"),
            QStringLiteral("File Folder Labels"), QStringLiteral("Index Products"), QStringLiteral("Miscellaneous"),
            QStringLiteral("All")};
}

QStringList TemplateCatalogue::printerTypeCaptions()
{
    return {QStringLiteral("Laserjet"), QStringLiteral("Inkjet/Deskjet"), QStringLiteral("All")};
}

QStringList TemplateCatalogue::regionCaptions()
{
    return {QStringLiteral("United States"), QStringLiteral("European"), QStringLiteral("All")};
}

QString TemplateCatalogue::listText(const QString &layoutName)
{
    return layoutName.mid(6);
}

QStringList TemplateCatalogue::descriptionLines(const TLabelLayout &t)
{
    QStringList lines{
        QStringLiteral("Label Height: ") + number(t.LabelHeight),
        QStringLiteral("Label Width: ") + number(t.LabelWidth),
        QStringLiteral("# Across: ") + QString::number(t.NumAcross),
        QStringLiteral("# Down: ") + QString::number(t.NumDown),
        QStringLiteral("Top Margin: ") + number(t.TopMargin),
        QStringLiteral("Left Margin: ") + number(t.LeftMargin),
        QStringLiteral("Horizontal Pitch: ") + number(t.HorizPitch),
        QStringLiteral("Vertical Pitch: ") + number(t.VertPitch),
        QStringLiteral("Page Width: ") + number(t.PageWidth),
        QStringLiteral("Page Height: ") + number(t.PageHeight),
    };
    const QString paper = paperDescription(t.PaperCode);
    if (!paper.isEmpty())
        lines << paper;
    return lines;
}

bool TemplateCatalogue::isUserDefinedName(const QString &layoutName)
{
    return layoutName.toUpper().contains(QLatin1String("USER"));
}

ProductTypeItem TemplateCatalogue::productPreset(const QString &productCategory)
{
    const QString category = productCategory.toUpper();
    static const std::pair<const char *, ProductTypeItem> keywords[] = {
        {"ADDRESS", ProductTypeItem::Address}, {"CARD", ProductTypeItem::Card},
        {"DISK", ProductTypeItem::Diskette},   {"FOLDER", ProductTypeItem::FileFolder},
        {"INDEX", ProductTypeItem::Index},     {"MISC", ProductTypeItem::Misc},
    };
    for (const auto &[keyword, item] : keywords) {
        if (category.contains(QLatin1String(keyword)))
            return item;
    }
    return ProductTypeItem::All;
}

PrinterTypeItem TemplateCatalogue::printerPreset(const QString &printerType)
{
    if (printerType == QLatin1String("LJ"))
        return PrinterTypeItem::Laserjet;
    if (printerType == QLatin1String("IJ"))
        return PrinterTypeItem::Inkjet;
    return PrinterTypeItem::All;
}

RegionItem TemplateCatalogue::regionPreset(const QString &paperCode)
{
    const QString code = paperCode.toUpper();
    if (code.contains(QLatin1String("A4")) || code.contains(QLatin1String("A5")))
        return RegionItem::European;
    if (code.contains(QLatin1String("LTR")))
        return RegionItem::UnitedStates;
    return RegionItem::All;
}

QString TemplateCatalogue::typeAheadText(const QString &layoutName)
{
    if (layoutName.toUpper().contains(QLatin1String("AVERY")))
        return layoutName.mid(6, 60);
    return layoutName;
}

int TemplateCatalogue::selectByPrefix(const QStringList &lines, const QString &prefix, int start)
{
    const int n = static_cast<int>(lines.size());
    if (n == 0)
        return -1;
    if (start < 0 || start >= n)
        start = -1; // search the whole list from the first line
    for (int step = 1; step <= n; ++step) {
        const int row = (start + step) % n;
        if (lines.at(row).startsWith(prefix, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

} // namespace sw
