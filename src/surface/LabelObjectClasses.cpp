#include "surface/LabelObjectClasses.h"

#include "objects/TGBarcode.h"
#include "objects/TGCounterLabel.h"
#include "objects/TGImage.h"
#include "objects/TGLabelShapes.h"
#include "objects/TGLineShape.h"
#include "objects/TGMultiLineLabel.h"
#include "objects/TGPLabel.h"
#include "objects/TGPRichBaseLabel.h"
#include "objects/TGSuperText.h"
#include "objects/TGSymbolLabel.h"
#include "objects/TSuperShape.h"
#include "persistence/ClassRegistry.h"

namespace sw {

void registerLabelObjectClasses()
{
    // In the order the label files expect: TGLineShape, TGImage,
    // TGLabelShapes, TGPLabel, TGSymbolLabel, TGMultiLineLabel, TSuperShape,
    // TGCounterLabel, TGPRichBaseLabel, TGSuperText. Each kind is added
    // here as it is built.
    RegisterClass<TGLineShape>();
    RegisterClass<TGImage>();
    RegisterClass<TGLabelShapes>();
    RegisterClass<TGPLabel>();
    RegisterClass<TGSymbolLabel>();
    RegisterClass<TGMultiLineLabel>();
    RegisterClass<TSuperShape>();
    RegisterClass<TGCounterLabel>();
    RegisterClass<TGPRichBaseLabel>();
    RegisterClass<TGSuperText>();
    // Kinds this program added, after all of the above.
    RegisterClass<TGBarcode>();
}

} // namespace sw
