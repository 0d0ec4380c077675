#include "printing/ui/TestSheetPanel.h"

#include "layouts/LayoutWorkingCopy.h"
#include "platform/Exception.h"
#include "platform/MessageService.h"
#include "platform/ScreenCursor.h"
#include "printing/TestSheet.h"
#include "printing/ui/PrintCommands.h"
#include "printing/ui/TPrintFineTune.h"
#include "report/printer/TRPDevice.h"
#include "report/printer/TReportPrinter.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

namespace {

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// The hourglass while the sheet prints.
struct BusyCursor
{
    BusyCursor() { ScreenCursor::set(ScreenCursor::Hourglass); }
    ~BusyCursor() { ScreenCursor::set(ScreenCursor::Default); }
};

} // namespace

TestSheetPanel::TestSheetPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("Test Sheet"), parent)
    , mLayout(LayoutWorkingCopy::fromLayout(TLabelLayout::defaultLayout()).toLayout())
{
    setObjectName(QStringLiteral("TestSheetPanel"));

    auto *intro = new QLabel(QStringLiteral(
        "Print the test sheet on a sheet of your labels (or on plain paper held against a sheet of labels to the "
        "light). Where the cut edges of the first and the last label cross the scales, read the numbers and type "
        "them below; each step is 1/32\"."), this);
    intro->setWordWrap(true);

    auto *printerLabel = new QLabel(QStringLiteral("P&rinter"), this);
    PrinterCombo = new QComboBox(this);
    PrinterCombo->setObjectName(QStringLiteral("TestSheetPrinterCombo"));
    printerLabel->setBuddy(PrinterCombo);
    TRPDevice &device = TRPDevice::shared();
    PrinterCombo->addItems(device.Printers());
    if (device.PrinterIndex() >= 0 && device.PrinterIndex() < PrinterCombo->count())
        PrinterCombo->setCurrentIndex(device.PrinterIndex());
    connect(PrinterCombo, qOverload<int>(&QComboBox::activated), this, [](int index) {
        if (index >= 0)
            TRPDevice::shared().setPrinterIndex(index);
    });
    PrintTestSheetButton = new QPushButton(QStringLiteral("&Print Test Sheet"), this);
    PrintTestSheetButton->setObjectName(QStringLiteral("PrintTestSheetButton"));
    PrintTestSheetButton->setAutoDefault(false);
    connect(PrintTestSheetButton, &QPushButton::clicked, this, &TestSheetPanel::PrintTestSheetClick);
    auto *printerRow = new QHBoxLayout;
    printerRow->addWidget(printerLabel);
    printerRow->addWidget(PrinterCombo, 1);
    printerRow->addWidget(PrintTestSheetButton);

    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("TestSheetStatus"));
    StatusLabel->setWordWrap(true);

    TopLeftAcross = makeReading("TopLeftAcross");
    TopLeftDown = makeReading("TopLeftDown");
    BottomRightAcross = makeReading("BottomRightAcross");
    BottomRightDown = makeReading("BottomRightDown");
    auto *readings = new QGridLayout;
    readings->addWidget(boldLabel(QStringLiteral("Readings"), this), 0, 0);
    readings->addWidget(new QLabel(QStringLiteral("Across"), this), 0, 1);
    readings->addWidget(new QLabel(QStringLiteral("Down"), this), 0, 2);
    auto *topLeft = new QLabel(QStringLiteral("&Top-left corner of the first label"), this);
    topLeft->setBuddy(TopLeftAcross);
    readings->addWidget(topLeft, 1, 0);
    readings->addWidget(TopLeftAcross, 1, 1);
    readings->addWidget(TopLeftDown, 1, 2);
    auto *bottomRight = new QLabel(QStringLiteral("&Bottom-right corner of the last label"), this);
    bottomRight->setBuddy(BottomRightAcross);
    readings->addWidget(bottomRight, 2, 0);
    readings->addWidget(BottomRightAcross, 2, 1);
    readings->addWidget(BottomRightDown, 2, 2);

    const auto proposed = [this](const char *name) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        return label;
    };
    ProposedTopMargin = proposed("ProposedTopMargin");
    ProposedLeftMargin = proposed("ProposedLeftMargin");
    ProposedVerticalSpacing = proposed("ProposedVerticalSpacing");
    ProposedHorizontalSpacing = proposed("ProposedHorizontalSpacing");
    auto *proposal = new QGridLayout;
    proposal->addWidget(boldLabel(QStringLiteral("Proposed corrections"), this), 0, 0, 1, 4);
    proposal->addWidget(new QLabel(QStringLiteral("Top Margin nudge"), this), 1, 0);
    proposal->addWidget(ProposedTopMargin, 1, 1);
    proposal->addWidget(new QLabel(QStringLiteral("Left Margin nudge"), this), 1, 2);
    proposal->addWidget(ProposedLeftMargin, 1, 3);
    proposal->addWidget(new QLabel(QStringLiteral("Vertical Spacing"), this), 2, 0);
    proposal->addWidget(ProposedVerticalSpacing, 2, 1);
    proposal->addWidget(new QLabel(QStringLiteral("Horizontal Spacing"), this), 2, 2);
    proposal->addWidget(ProposedHorizontalSpacing, 2, 3);
    proposal->setColumnStretch(1, 1);
    proposal->setColumnStretch(3, 1);

    ProposalNote = new QLabel(this);
    ProposalNote->setObjectName(QStringLiteral("ProposalNote"));
    ProposalNote->setWordWrap(true);
    ApplyButton = new QPushButton(QStringLiteral("&Apply"), this);
    ApplyButton->setObjectName(QStringLiteral("ApplyButton"));
    ApplyButton->setAutoDefault(false);
    connect(ApplyButton, &QPushButton::clicked, this, &TestSheetPanel::ApplyClick);
    auto *applyRow = new QHBoxLayout;
    applyRow->addWidget(ProposalNote, 1);
    applyRow->addWidget(ApplyButton, 0, Qt::AlignBottom);

    auto *column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addLayout(printerRow);
    column->addWidget(StatusLabel);
    column->addLayout(readings);
    column->addLayout(proposal);
    column->addLayout(applyRow);
    showProposal();
}

QDoubleSpinBox *TestSheetPanel::makeReading(const char *name)
{
    auto *box = new QDoubleSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setRange(-TestSheet::ScaleSteps, TestSheet::ScaleSteps);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral("/32\""));
    connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &TestSheetPanel::showProposal);
    return box;
}

void TestSheetPanel::setLabelLayout(const TLabelLayout &layout)
{
    mLayout = layout;
    showProposal();
}

void TestSheetPanel::setPrintedWith(const PrinterFineTuning &values)
{
    mPrintedWith = values;
    showProposal();
}

TestSheetReadings TestSheetPanel::readings() const
{
    TestSheetReadings r;
    r.topLeftAcross = TopLeftAcross->value();
    r.topLeftDown = TopLeftDown->value();
    r.bottomRightAcross = BottomRightAcross->value();
    r.bottomRightDown = BottomRightDown->value();
    return r;
}

void TestSheetPanel::clearReadings()
{
    for (QDoubleSpinBox *box : {TopLeftAcross, TopLeftDown, BottomRightAcross, BottomRightDown})
        box->setValue(0);
}

FineTuningProposal TestSheetPanel::proposal() const
{
    const QPoint last = TestSheet(mLayout, mPrintedWith).lastPosition();
    return FineTuningProposal::compute(mPrintedWith, readings(), last.x(), last.y());
}

void TestSheetPanel::showProposal()
{
    if (!ApplyButton)
        return; // still being built
    const FineTuningProposal p = proposal();
    const auto show = [](QLabel *label, int value, int now) {
        label->setText(TPrintFineTune::valueText(value));
        QFont font = label->font();
        font.setBold(value != now); // what Apply would change
        label->setFont(font);
    };
    show(ProposedTopMargin, p.values.TopMarginNudge, mPrintedWith.TopMarginNudge);
    show(ProposedLeftMargin, p.values.LeftMarginNudge, mPrintedWith.LeftMarginNudge);
    show(ProposedVerticalSpacing, p.values.VerticalSpacing, mPrintedWith.VerticalSpacing);
    show(ProposedHorizontalSpacing, p.values.HorizontalSpacing, mPrintedWith.HorizontalSpacing);

    QStringList notes;
    if (!p.horizontalMeasured)
        notes << QStringLiteral("With one label across, the horizontal spacing cannot be measured; it stays.");
    if (!p.verticalMeasured)
        notes << QStringLiteral("With one row of labels, the vertical spacing cannot be measured; it stays.");
    if (p.anyLimited())
        notes << QStringLiteral("Some corrections would be more than 8/32\" and are limited to it. Check that the "
                                "label layout matches the stock.");
    ProposalNote->setText(notes.join(QLatin1Char(' ')));
    ApplyButton->setEnabled(!(p.values == mPrintedWith));
}

void TestSheetPanel::ApplyClick()
{
    const FineTuningProposal p = proposal();
    // The readings were taken against the values the proposal replaces;
    // kept, they would be applied a second time.
    clearReadings();
    Q_EMIT applied(p.values);
}

void TestSheetPanel::PrintTestSheetClick()
{
    StatusLabel->clear();
    try {
        if (!PrintCommands::prepareOutputFile(this))
            return;
        TRPDevice &device = TRPDevice::shared();
        TReportPrinter report(&device);
        {
            BusyCursor busy;
            TestSheet(mLayout, mPrintedWith).print(report);
        }
        if (report.Aborted()) {
            StatusLabel->setText(QStringLiteral("The test sheet was not printed."));
            return;
        }
        StatusLabel->setText(device.isPdfPrinter()
                                 ? QStringLiteral("The test sheet was written to %1.").arg(device.OutputFileName())
                                 : QStringLiteral("The test sheet was sent to %1.").arg(device.deviceName()));
    } catch (const Exception &e) {
        StatusLabel->setText(QStringLiteral("The test sheet was not printed."));
        MessageService::error(e.message());
    } catch (...) {
        StatusLabel->setText(QStringLiteral("The test sheet was not printed."));
        MessageService::information(PrintCommands::errorMessage());
    }
}

} // namespace sw
