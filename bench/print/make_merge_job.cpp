// make_merge_job <folder> [records]: writes the merge benchmark's inputs:
// address.sk, one multi-line label "${Name}" / "${Street}" / "${City} ${Zip}"
// on the default 3 x 10 address sheet, and people.csv with that many
// records (30,000 by default: 1000 full sheets).
#include "layouts/TLabelLayout.h"
#include "objects/TGMultiLineLabel.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/TFont.h"
#include "surface/TGStickwellPanel32.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

using namespace sw;

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_merge_job <folder> [records]\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
        return 1;
    }
    const int records = argc > 2 ? std::atoi(argv[2]) : 30000;

    TGStickwellPanel32 panel;
    panel.setSize(254, 96);
    auto *address = new TGMultiLineLabel;
    address->Font()->setName(QStringLiteral("Arial"));
    address->Font()->setSize(10);
    address->SetItems({QStringLiteral("${Name}"), QStringLiteral("${Street}"), QStringLiteral("${City} ${Zip}")});
    address->Loaded();
    panel.PlaceObject(address, QRect(18, 16, 220, 60));
    TGLabelObjectFiler().WriteLabelFile(panel, folder.filePath(QStringLiteral("address.sk")),
                                        TLabelLayout::defaultLayout());

    QFile csv(folder.filePath(QStringLiteral("people.csv")));
    if (!csv.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(csv.fileName()));
        return 1;
    }
    QByteArray text = "Name,Street,City,Zip\r\n";
    for (int i = 1; i <= records; ++i)
        text += QStringLiteral("Person %1,\"%2 Harbour Lane, Flat %3\",Portsmouth,PO%4 3AX\r\n")
                    .arg(i)
                    .arg(i % 200 + 1)
                    .arg(i % 7 + 1)
                    .arg(i % 9 + 1)
                    .toUtf8();
    csv.write(text);
    return 0;
}
