#pragma once
// A report drawn on page images (TImageDevice) that it owns: output that
// can be looked at pixel by pixel, at any resolution and unprintable border.
#include "report/TCanvasReport.h"
#include "report/TImageDevice.h"

namespace sw {

class TImageReport : public TCanvasReport
{
public:
    explicit TImageReport(int ppiX = 96, int ppiY = 96);
    ~TImageReport() override;

    // Change the device's settings between documents, then call
    // DeviceChanged() so that the report reads them.
    TImageDevice &ImageDevice() { return *mImages; }
    void DeviceChanged() { readDeviceState(); }

    int PageImageCount() const { return mImages->pageCount(); }
    QImage PageImage(int index) const { return mImages->page(index); }

private:
    std::unique_ptr<TImageDevice> mImages;
};

} // namespace sw
