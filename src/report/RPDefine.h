#pragma once
// The report engine's shared definitions: its enumerations, the device
// rectangle, and EReportPrinter with the texts it is raised with.
#include "platform/Exception.h"

#include <QByteArray>
#include <QString>

#include <exception>

namespace sw {

enum TPrintUnits { unInch, unMM, unCM, unPoint, unUser };
enum TLineHeightMethod { lhmLinesPerInch, lhmFont, lhmUser };
enum TBKMode { bkTransparent, bkOpaque };
enum TOrientation { poPortrait, poLandScape, poDefault };
enum TAccuracyMethod { amPositioning, amAppearance };
enum TStreamMode { smMemory, smFile, smUser, smTempFile };

// A rectangle in device pixels: right and bottom are exclusive, as the
// drawing calls take them (Rectangle(left, top, right, bottom)).
struct TDeviceRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const TDeviceRect &o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Misuse of a report, and damaged recorded streams.
class EReportPrinter : public Exception
{
public:
    using Exception::Exception;
};

// The texts the engine shows or raises.
namespace rpmsg {
extern const char *const NotPrinting;        // drawing outside BeginDoc/EndDoc
extern const char *const AlreadyPrinting;    // paper or printer change while printing
extern const char *const StreamIsNil;        // smUser without a stream
extern const char *const OwnerNotForm;       // filer with nothing to measure against
extern const char *const ScrollBoxNeeded;    // preview started without its view
extern const char *const CopyRectInFile;     // CopyRect on a recorded report
extern const char *const NoPrinters;         // error box of BeginDoc
extern const char *const StreamInitError;    // followed by the quoted file name
extern const char *const MonochromeShadows;  // preview: monochrome with shadows
extern const char *const ShadowsMonochrome;  // preview: shadows with monochrome
extern const char *const TooManyRegions;     // a 22nd region on the stack
extern const char *const DamagedStream;      // a recorded stream that cannot be read
extern const char *const NoPdfFileName;      // the PDF printer without a file name
} // namespace rpmsg

// The most regions a report holds at once.
constexpr int MaxReportRegions = 21;

} // namespace sw
