// mktemplates <catalogue.csv> <SKTPL.dat>
// Builds the template data file from the catalogue's CSV source. Stops with
// a message naming the line when a row does not parse; the output file is
// replaced only when everything was written.
#include "layouts/TemplateCatalogue.h"
#include "layouts/tools/TemplateCsv.h"
#include "persistence/StreamErrors.h"
#include "persistence/TemplateFile.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mktemplates <catalogue.csv> <SKTPL.dat>\n");
        return 2;
    }
    const QString csvPath = QString::fromLocal8Bit(argv[1]);
    const QString outPath = QString::fromLocal8Bit(argv[2]);

    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "mktemplates: cannot open %s: %s\n", argv[1], qPrintable(csv.errorString()));
        return 1;
    }
    const sw::TemplateCsvResult parsed =
        sw::parseTemplateCsv(csv.readAll(), csvPath, sw::TemplateCatalogue::TableSize);
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "mktemplates: %s\n", qPrintable(parsed.error));
        return 1;
    }

    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "mktemplates: cannot create %s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    try {
        sw::writeTemplates(&out, parsed.layouts);
    } catch (const sw::EPersistenceError &e) {
        std::fprintf(stderr, "mktemplates: %s: %s\n", argv[2], qPrintable(e.message()));
        return 1;
    }
    if (!out.commit()) {
        std::fprintf(stderr, "mktemplates: cannot write %s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    std::printf("mktemplates: %d templates written to %s\n", static_cast<int>(parsed.layouts.size()), argv[2]);
    return 0;
}
