#include "report/TImageReport.h"

namespace sw {

TImageReport::TImageReport(int ppiX, int ppiY)
    : TCanvasReport(nullptr)
{
    mImages = std::make_unique<TImageDevice>(ppiX, ppiY);
    setDevice(mImages.get());
}

TImageReport::~TImageReport()
{
    // The device goes before the base class: let go of it first.
    releaseDevice();
}

} // namespace sw
