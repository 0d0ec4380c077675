#include "surface/LabelObjectClasses.h"

#include "persistence/ClassRegistry.h"

namespace sw {

void registerLabelObjectClasses()
{
    // In the order the label files expect: TGLineShape, TGImage,
    // TGLabelShapes, TGPLabel, TGSymbolLabel, TGMultiLineLabel, TSuperShape,
    // TGCounterLabel, TGPRichBaseLabel, TGSuperText. Each kind is added
    // here as it is built.
}

} // namespace sw
