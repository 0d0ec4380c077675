#pragma once
// The label shapes a design panel can take, and the layout's two-letter
// shape codes for them.
#include <QString>
#include <optional>
#include <vector>

namespace sw {

enum class TLabelShapeType { lsRectangle, lsRoundRect, lsEllipse };

struct ShapeCodeInfo
{
    QString code;          // "RR", "SR", "EL"
    TLabelShapeType shape;
    QString editorItem;    // the layout editor's list item
};

// The three codes in the layout editor's list order: "RR", "SR", "EL".
const std::vector<ShapeCodeInfo>& shapeCodes();

// The panel shape for `code` (exact, case-sensitive); empty for any other
// code, which leaves the panel's shape as it was.
std::optional<TLabelShapeType> shapeForCode(const QString& code);

} // namespace sw
