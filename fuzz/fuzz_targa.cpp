// libFuzzer target: any bytes as a Targa picture.
#include "objects/TSmartImage.h"

#include <QGuiApplication>

using namespace sw;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TSmartImage::DecodeData(QByteArray(reinterpret_cast<const char *>(data), int(size)), TSmartImage::fcTga);
    return 0;
}
