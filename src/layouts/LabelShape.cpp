#include "layouts/LabelShape.h"

namespace sw {

const std::vector<ShapeCodeInfo>& shapeCodes()
{
    static const std::vector<ShapeCodeInfo> table = {
        {QStringLiteral("RR"), TLabelShapeType::lsRoundRect, QStringLiteral("Rectangular with Rounded Edges")},
        {QStringLiteral("SR"), TLabelShapeType::lsRectangle, QStringLiteral("Rectangular")},
        {QStringLiteral("EL"), TLabelShapeType::lsEllipse, QStringLiteral("Round")},
    };
    return table;
}

std::optional<TLabelShapeType> shapeForCode(const QString& code)
{
    for (const ShapeCodeInfo& info : shapeCodes()) {
        if (info.code == code)
            return info.shape;
    }
    return std::nullopt;
}

} // namespace sw
