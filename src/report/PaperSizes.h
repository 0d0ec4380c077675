#pragma once
// Printer paper numbers and the page sizes they stand for.
#include <QPageSize>

#include <optional>

namespace sw {

// The standard size of a paper number (1 Letter, 5 Legal, 8 A3, 9 A4,
// 11 A5 ...); empty for numbers without one.
std::optional<QPageSize::PageSizeId> pageSizeForPaperNumber(int paperNumber);

// The paper number of a standard size; 256 (a custom size) for the rest.
int paperNumberForPageSize(QPageSize::PageSizeId id);

// The page size selectPaper asks for: the standard size of the number, else
// a custom size from a positive width and height in inches (kept to tenths
// of a millimetre, Round(inches x 254)); empty when neither applies.
std::optional<QPageSize> pageSizeForPaper(int paperNumber, double widthInches, double heightInches);

} // namespace sw
