#pragma once
// Raised when a rich-text label is set up on a form that keeps no master
// rich-text control to paint it through.
#include "platform/Exception.h"

namespace sw {

class ENoMasterWPRich : public Exception
{
public:
    ENoMasterWPRich()
        : Exception(QStringLiteral("No master rich text object found"))
    {
    }
};

} // namespace sw
