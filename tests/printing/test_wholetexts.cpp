// Texts the user never typed as they print - a counter's caption, a field
// filled from a data file - come out of skprint whole: pixel for pixel as
// the same text typed in full.
#include "ProgramRun.h"

#include "objects/TGCounterLabel.h"
#include "objects/TGMultiLineLabel.h"
#include "objects/TGPLabel.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/TFont.h"
#include "surface/TGStickwellPanel32.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace {

void arial(TFont *font)
{
    font->setName(QStringLiteral("Arial"));
    font->setSize(10);
    font->setColor(clBlack);
}

TGPLabel *text(TGStickwellPanel32 &panel, const QString &caption, const QPoint &at, int height)
{
    auto *label = new TGPLabel;
    label->SetCaption(caption);
    arial(label->Font());
    label->Loaded();
    panel.PlaceObject(label, QRect(at, QSize(10, height)));
    label->GrowToFit(); // as after typing it
    return label;
}

TGMultiLineLabel *lines(TGStickwellPanel32 &panel, const QStringList &items, const QRect &bounds)
{
    auto *label = new TGMultiLineLabel;
    label->SetItems(items);
    arial(label->Font());
    label->Loaded();
    panel.PlaceObject(label, bounds);
    return label;
}

struct WholeTexts : ::testing::Test
{
    QTemporaryDir dir;

    QString save(TGStickwellPanel32 &panel, const char *name)
    {
        const QString file = dir.filePath(QLatin1String(name));
        TGLabelObjectFiler().WriteLabelFile(panel, file, TLabelLayout::defaultLayout());
        return file;
    }

    // The first sheet as skprint renders it at 150 dpi.
    QImage sheet(const QString &design, QStringList args)
    {
        const QString png = design + QStringLiteral(".png");
        const auto run = sw::test::runProgram(QStringLiteral(SKPRINT_PATH), QStringList{design, "--png", png} + args);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return QImage(png);
    }
};

} // namespace

TEST_F(WholeTexts, ACounterWithLeadingZerosInABoxMadeTooNarrowPrintsItsLastCharacter)
{
    // The box a counter got before its window fitted the padded caption.
    TGStickwellPanel32 counterPanel;
    counterPanel.setSize(254, 96);
    auto *counter = new TGCounterLabel;
    counter->SetTextBefore(QStringLiteral("Ticket number "));
    counter->SetStartingnumber(7);
    counter->SetTextAfter(QStringLiteral(" pcs"));
    counter->SetLeadingZeros(4);
    counter->SetRepeatEach(999); // the same number on the whole sheet
    arial(counter->Font());
    counter->Loaded();
    counterPanel.PlaceObject(counter, QRect(9, 10, 135, 20));
    const QString counterFile = save(counterPanel, "counter.sk");
    const auto shown = sw::test::runProgram(QStringLiteral(SKPRINT_PATH), {counterFile, "--text"});
    ASSERT_TRUE(shown.out.contains("  Width = 135\n")) << shown.out.toStdString();

    TGStickwellPanel32 textPanel;
    textPanel.setSize(254, 96);
    text(textPanel, QStringLiteral("Ticket number 0007 pcs"), QPoint(9, 10), 20);
    const QString textFile = save(textPanel, "text.sk");

    const QImage printed = sheet(counterFile, {});
    ASSERT_FALSE(printed.isNull());
    EXPECT_EQ(printed, sheet(textFile, {}));
}

TEST_F(WholeTexts, FieldsFilledFromADataFilePrintAsTheValuesTypedInFull)
{
    // Sized to the placeholders, as the design panel fits them.
    TGStickwellPanel32 mergePanel;
    mergePanel.setSize(254, 96);
    TGPLabel *hello = text(mergePanel, QStringLiteral("Hello ${Name}"), QPoint(19, 10), 17);
    TGMultiLineLabel *address = lines(mergePanel, {"${Street}", "${City}"}, QRect(19, 35, 10, 10));
    address->FitToText();
    const QString mergeFile = save(mergePanel, "merge.sk");
    const QString people = dir.filePath("people.csv");
    {
        QFile csv(people);
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write("Name,Street,City\r\n"
                  "\"Smith, John Bartholomew\",1200 Longstreet Boulevard,Saint-Jean-sur-Richelieu\r\n");
    }

    TGStickwellPanel32 typedPanel;
    typedPanel.setSize(254, 96);
    text(typedPanel, QStringLiteral("Hello Smith, John Bartholomew"), QPoint(19, 10), hello->Height());
    lines(typedPanel, {"1200 Longstreet Boulevard", "Saint-Jean-sur-Richelieu"},
          QRect(19, 35, 220, address->Height()));
    const QString typedFile = save(typedPanel, "typed.sk");

    const QImage merged = sheet(mergeFile, {"--merge", people});
    ASSERT_FALSE(merged.isNull());
    EXPECT_EQ(merged, sheet(typedFile, {"--positions", "1"}));
}
