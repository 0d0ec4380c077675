#pragma once
// The paper codes a layout names its sheet by. Codes are compared exactly
// and case-sensitively: "ltr" is not "LTR". (The catalogue's region filter
// is the one place that searches inside a code; it does so itself.)
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

namespace sw {

struct PaperCodeInfo
{
    QString code;          // "LTR", "LTRL", "A4", "A4L", "A5"
    int printerPaper;      // printer paper number: 1 Letter, 9 A4, 11 A5
    bool landscape;        // true for "LTRL" and "A4L"
    QString description;   // catalogue line, e.g. "Paper Size: Letter"
    QSizeF sheetInches;    // width x height of the sheet as it lies, in inches
};

// The five known codes in the order the layout editor lists them.
const std::vector<PaperCodeInfo>& paperCodes();

// The entry for `code`, or nullptr for any other code.
const PaperCodeInfo* findPaperCode(const QString& code);

// True exactly for "LTRL" and "A4L".
bool isLandscape(const QString& code);

// The printer paper number for `code`; empty for an unknown code, which
// leaves the printer's paper as it is.
std::optional<int> printerPaperNumber(const QString& code);

// The catalogue's paper line; empty for an unknown code (no line is shown).
QString paperDescription(const QString& code);

// The page size the printer is given for `code` (Letter, A4 or A5, without
// orientation); empty for an unknown code.
std::optional<QPageSize> pageSizeForPaperCode(const QString& code);

} // namespace sw
