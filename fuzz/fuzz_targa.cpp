// libFuzzer target: any bytes as a Targa picture.
#include "FuzzApplication.h"

#include "objects/TSmartImage.h"

using namespace sw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TSmartImage::DecodeData(QByteArray(reinterpret_cast<const char *>(data), int(size)), TSmartImage::fcTga);
    return 0;
}
