#pragma once
// A data file that cannot be used: it cannot be read, or it is not CSV as
// the merge reads it. The message names the file and, where there is one,
// the line, and says what is wrong in words a user can act on.
#include "platform/Exception.h"

namespace sw {

class DataFileError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace sw
