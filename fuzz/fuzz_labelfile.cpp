// libFuzzer target: any bytes as a label file. Reading must end in the
// label file's errors or in a design, never in a crash, a hang or a leak.
#include "FuzzApplication.h"

#include "persistence/StreamErrors.h"
#include "persistence/TGLabelObjectFiler.h"
#include "report/TImageReport.h"
#include "surface/TGStickwellPanel32.h"

#include <QBuffer>

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TGStickwellPanel32 panel;
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TLabelLayout layout;
    try {
        TGLabelObjectFiler().readLabel(buffer, panel, layout);
        panel.AttachAllObjects();
        // What was read must paint, zoom and print like any design.
        panel.render();
        panel.SetZoom(1.5f);
        panel.render();
        panel.SetZoom(1.0f);
        TImageReport report(10, 10);
        report.BeginDoc();
        panel.PrintObjects(report, 0.25, 0.5);
        panel.AdvanceObjects();
        report.EndDoc();
    } catch (const Exception &) {
    }
    panel.ClearObjects();
    return 0;
}
