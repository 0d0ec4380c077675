#pragma once
// The libFuzzer start-up every target that paints or reads pictures needs:
// a GUI application on the offscreen platform, made once before the first
// input. Included by exactly one file of each fuzz target.
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}
