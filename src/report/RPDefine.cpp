#include "report/RPDefine.h"

namespace sw {
namespace rpmsg {

const char *const NotPrinting = "Invalid method call.  ReportPrinter is not printing.";
const char *const AlreadyPrinting = "Invalid method call.  ReportPrinter already printing.";
const char *const StreamIsNil = "StreamMode is smUser but Stream is nil";
const char *const OwnerNotForm = "TReportFiler.Owner must be a TForm if no printers are defined.";
const char *const ScrollBoxNeeded = "ScrollBox must be assigned for FilePreview component";
const char *const CopyRectInFile = "CopyRect() not supported in file mode.";
const char *const NoPrinters = "No printers are defined, aborting print job.";
const char *const StreamInitError = "Error initializing stream ";
const char *const MonochromeShadows = "Monochrome not allowed while shadows are in effect.\rChange ShadowDepth to 0 first";
const char *const ShadowsMonochrome = "Shadows not allowed while monochrome in effect.\rChange Monochrome to false first";
const char *const TooManyRegions = "Invalid method call.  Too many regions (at most 21 at once).";
const char *const DamagedStream = "The report stream is damaged or incomplete.";
const char *const NoPdfFileName = "No output file name is set for the PDF printer.";

} // namespace rpmsg
} // namespace sw
