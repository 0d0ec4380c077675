#include "report/PaperSizes.h"

#include "platform/Rounding.h"

#include <QSizeF>

namespace sw {

namespace {

struct PaperEntry
{
    int number;
    QPageSize::PageSizeId id;
};

// The first entry of an id is the number it is reported as.
const PaperEntry kPapers[] = {
    {1, QPageSize::Letter},   {2, QPageSize::Letter},    {3, QPageSize::Tabloid},
    {4, QPageSize::Ledger},   {5, QPageSize::Legal},     {7, QPageSize::Executive},
    {8, QPageSize::A3},       {9, QPageSize::A4},        {10, QPageSize::A4},
    {11, QPageSize::A5},      {12, QPageSize::B4},       {13, QPageSize::B5},
    {20, QPageSize::Envelope10}, {27, QPageSize::EnvelopeDL}, {28, QPageSize::EnvelopeC5},
};

} // namespace

std::optional<QPageSize::PageSizeId> pageSizeForPaperNumber(int paperNumber)
{
    for (const PaperEntry &e : kPapers) {
        if (e.number == paperNumber)
            return e.id;
    }
    return std::nullopt;
}

int paperNumberForPageSize(QPageSize::PageSizeId id)
{
    for (const PaperEntry &e : kPapers) {
        if (e.id == id)
            return e.number;
    }
    return 256;
}

std::optional<QPageSize> pageSizeForPaper(int paperNumber, double widthInches, double heightInches)
{
    if (const auto id = pageSizeForPaperNumber(paperNumber))
        return QPageSize(*id);
    if (widthInches > 0 && heightInches > 0 && widthInches < 1000 && heightInches < 1000) {
        const double w = roundHalfEven(widthInches * 254) / 10.0;
        const double h = roundHalfEven(heightInches * 254) / 10.0;
        return QPageSize(QSizeF(w, h), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    }
    return std::nullopt;
}

} // namespace sw
