// Test helper: saves label files the way the program does.
//   save_loop_probe once <A|B> <file>   writes design A or B once and exits
//   save_loop_probe loop <file>         writes B, A, B, ... over <file> until
//                                       killed; prints "ready" after the
//                                       first save
// Both designs hold many objects, so that a save takes long enough to be
// interrupted half-way.
#include "objects/TGGraphicControl.h"
#include "persistence/ClassRegistry.h"
#include "persistence/TGLabelObjectFiler.h"
#include "surface/TGStickwellPanel32.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>

using namespace sw;

namespace {

constexpr int kObjects = 200;

void fill(TGStickwellPanel32 &panel, int design)
{
    panel.ClearObjects();
    for (int i = 0; i < kObjects; ++i) {
        auto *o = new TGGraphicControl;
        o->setTag(design);
        o->setHint(QStringLiteral("design %1 object %2 ").arg(design).arg(i).repeated(40));
        o->setObjectName(QStringLiteral("Special%1").arg(i + 1));
        o->SetBounds(i % 200, (i * design) % 90, 10 + design, 15 + i % 7);
        o->Loaded();
        panel.addObject(o);
    }
}

TLabelLayout layout(int design)
{
    TLabelLayout l = TLabelLayout::defaultLayout();
    l.LayoutName = QStringLiteral("Design %1").arg(design);
    return l;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    RegisterClass<TGGraphicControl>();
    TGStickwellPanel32 a, b;
    fill(a, 1);
    fill(b, 2);
    if (argc == 4 && std::strcmp(argv[1], "once") == 0) {
        const bool first = std::strcmp(argv[2], "A") == 0;
        TGLabelObjectFiler().WriteLabelFile(first ? a : b, QString::fromLocal8Bit(argv[3]), layout(first ? 1 : 2));
        return 0;
    }
    if (argc != 3 || std::strcmp(argv[1], "loop") != 0)
        return 64;
    const QString file = QString::fromLocal8Bit(argv[2]);
    for (unsigned n = 0;; ++n) {
        const bool first = n % 2 == 1;
        TGLabelObjectFiler().WriteLabelFile(first ? a : b, file, layout(first ? 1 : 2));
        if (n == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
