#include "richtext/TWPRtfStorage.h"

#include "richtext/TWPRTFTextIo.h"

namespace sw {

TWPRtfStorage::TWPRtfStorage(QObject *owner)
    : QObject(owner)
    , mText(new TWPRTFTextIo(this))
{
}

} // namespace sw
