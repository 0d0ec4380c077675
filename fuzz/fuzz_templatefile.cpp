// libFuzzer target: any bytes as the template data file. The reader must
// never store past its slots and never crash.
#include "persistence/TemplateFile.h"

#include <QBuffer>
#include <QCoreApplication>

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const TemplateLoadResult result = readTemplates(&buffer, 300);
    if (result.layouts.size() > 300)
        __builtin_trap();
    return 0;
}
