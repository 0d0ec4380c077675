#include "layouts/PaperCodes.h"

namespace sw {

const std::vector<PaperCodeInfo>& paperCodes()
{
    // Sheet sizes are the ones the layout editor sets; A4 and A5 are the
    // rounded inch sizes, not the exact ISO millimetres.
    static const std::vector<PaperCodeInfo> table = {
        {QStringLiteral("LTR"), 1, false, QStringLiteral("Paper Size: Letter"), QSizeF(8.5, 11.0)},
        {QStringLiteral("LTRL"), 1, true, QStringLiteral("Paper Size: Letter Landscape"), QSizeF(11.0, 8.5)},
        {QStringLiteral("A4"), 9, false, QStringLiteral("Paper Size: A4"), QSizeF(8.27, 11.69)},
        {QStringLiteral("A4L"), 9, true, QStringLiteral("Paper Size: A4 Landscape"), QSizeF(11.69, 8.27)},
        {QStringLiteral("A5"), 11, false, QStringLiteral("Paper Size: A5"), QSizeF(5.82, 8.27)},
    };
    return table;
}

const PaperCodeInfo* findPaperCode(const QString& code)
{
    for (const PaperCodeInfo& info : paperCodes()) {
        if (info.code == code) // exact, case-sensitive
            return &info;
    }
    return nullptr;
}

bool isLandscape(const QString& code)
{
    const PaperCodeInfo* info = findPaperCode(code);
    return info && info->landscape;
}

std::optional<int> printerPaperNumber(const QString& code)
{
    if (const PaperCodeInfo* info = findPaperCode(code))
        return info->printerPaper;
    return std::nullopt;
}

QString paperDescription(const QString& code)
{
    if (const PaperCodeInfo* info = findPaperCode(code))
        return info->description;
    return QString();
}

std::optional<QPageSize> pageSizeForPaperCode(const QString& code)
{
    const std::optional<int> paper = printerPaperNumber(code);
    if (!paper)
        return std::nullopt;
    switch (*paper) {
    case 1:
        return QPageSize(QPageSize::Letter);
    case 9:
        return QPageSize(QPageSize::A4);
    case 11:
        return QPageSize(QPageSize::A5);
    }
    return std::nullopt;
}

} // namespace sw
