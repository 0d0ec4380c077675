// A label file holding SuperText lettering: it reads back and saves to the
// same bytes, and the command-line printer puts the letters into a PDF as
// outlines - no text, and no pictures except a texture's tiles.
#include "objects/TGSuperText.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/ProgramFolder.h"
#include "surface/TGStickwellPanel32.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    if (exitCode)
        *exitCode = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

struct SuperTextFile : ::testing::Test
{
    QTemporaryDir dir;

    void SetUp() override { ProgramFolder::setPath(dir.path()); }
    void TearDown() override { ProgramFolder::setPath(QString()); }

    // "SALE" in every fill the file is to hold, one under the other, with
    // an outline and a shadow; written to `name` on a 3.5 x 4 inch label.
    QString design(const QString &name, const QList<TGSuperText::TSurfaceType> &surfaces)
    {
        TGStickwellPanel32 panel;
        panel.setSize(336, 384);
        int row = 0;
        for (TGSuperText::TSurfaceType surface : surfaces) {
            auto *t = new TGSuperText;
            t->Loaded();
            panel.PlaceObject(t, QRect(10, 10 + 90 * row, 300, 85));
            t->SetCaption(QStringLiteral("SALE"));
            t->SetShadowDepth(4);
            t->SetOutlineColor(clNavy);
            t->SetSurfaceType(surface);
            t->SetFillDirection(GradientFill::TFillDirection(row % 4));
            if (surface == TGSuperText::stBrushImage) {
                QImage tile(16, 16, QImage::Format_RGB32);
                tile.fill(Qt::darkGreen);
                QPainter(&tile).fillRect(0, 0, 8, 8, Qt::magenta);
                t->SetImage(tile);
            }
            ++row;
        }
        TLabelLayout layout = TLabelLayout::defaultLayout();
        layout.LabelWidth = 3.5;
        layout.LabelHeight = 4.0;
        layout.NumAcross = 1;
        layout.NumDown = 1;
        const QString path = dir.filePath(name);
        TGLabelObjectFiler().WriteLabelFile(panel, path, layout);
        return path;
    }
};

} // namespace

TEST_F(SuperTextFile, OpensAndSavesToTheSameBytes)
{
    // Objects read from a file are named afresh, so a file the program
    // has saved once is the one that must come back unchanged.
    QString path = design(QStringLiteral("sale.sk"),
                          {TGSuperText::stBrushTransparent, TGSuperText::stBrushImage, TGSuperText::stGradientFill,
                           TGSuperText::stBrushPattern});
    QByteArray saved[2];
    for (QByteArray &bytes : saved) {
        TGStickwellPanel32 panel;
        TLabelLayout layout;
        TGLabelObjectFiler().ReadLabelFile(panel, layout, path);
        ASSERT_EQ(panel.labelObjects().size(), 4);
        auto *texture = qobject_cast<TGSuperText *>(panel.labelObjects().at(1));
        ASSERT_TRUE(texture);
        EXPECT_EQ(texture->Caption(), QStringLiteral("SALE"));
        EXPECT_EQ(texture->Image()->width(), 16);
        path += QStringLiteral(".again.sk");
        TGLabelObjectFiler().WriteLabelFile(panel, path, layout);
        bytes = readAll(path);
    }
    EXPECT_EQ(saved[1], saved[0]);
}

TEST_F(SuperTextFile, PrintsToPdfAsOutlines)
{
    for (const char *tool : {"pdfimages", "pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " (poppler-utils) is not installed";
    const QString plain = design(QStringLiteral("plain.sk"),
                                 {TGSuperText::stBrushTransparent, TGSuperText::stGradientFill,
                                  TGSuperText::stGradientFill, TGSuperText::stBrushPattern});
    const QString textured = design(QStringLiteral("textured.sk"), {TGSuperText::stBrushImage});
    for (const QString &sk : {plain, textured}) {
        int status = -1;
        const QString pdf = sk + QStringLiteral(".pdf");
        const QString said = run(QStringLiteral(SKPRINT_PATH), {sk, QStringLiteral("-o"), pdf,
                                                                QStringLiteral("--positions"), QStringLiteral("1")},
                                 &status);
        ASSERT_EQ(status, 0) << said.toStdString();
        // Letters are paths: no text to find.
        EXPECT_TRUE(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).trimmed().isEmpty());
        // Pictures: only the texture's tiles, each a 16 x 16 image.
        const QStringList images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                       .mid(2);
        if (sk == plain) {
            EXPECT_TRUE(images.isEmpty()) << images.join(QLatin1Char('\n')).toStdString();
        } else {
            ASSERT_FALSE(images.isEmpty());
            for (const QString &line : images)
                EXPECT_TRUE(line.simplified().contains(QStringLiteral("image 16 16"))) << line.toStdString();
        }
    }

    // The page shows the letters: the solid red of the first "SALE" inside
    // the label, 0.5 inch from the top of the sheet.
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                                     plain + QStringLiteral(".pdf"), dir.filePath(QStringLiteral("page"))});
    const QImage page(dir.filePath(QStringLiteral("page-1.png")));
    ASSERT_FALSE(page.isNull());
    QRect black;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 40)
                black |= QRect(x, y, 1, 1);
    // Black (the new object's font colour) letters, 48 points high at most.
    EXPECT_FALSE(black.isEmpty());
    EXPECT_GE(black.top(), 36);
    EXPECT_LT(black.height(), 4 * 90 * 72 / 96);
}
