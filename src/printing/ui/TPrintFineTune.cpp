#include "printing/ui/TPrintFineTune.h"

#include "help/ui/HelpTopics.h"
#include "help/ui/THelpWindow.h"
#include "help/ui/TODSHelp.h"
#include "printing/ui/TestSheetPanel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace sw {

TPrintFineTune::TPrintFineTune(QWidget *parent)
    : QDialog(parent)
    , mValues(PrinterFineTuning::current())
{
    setObjectName(QStringLiteral("PrintFineTune"));
    setWindowTitle(QStringLiteral("Printer Fine-Tuning"));
    setModal(true);

    auto *grid = new QGridLayout;
    grid->setSpacing(8);
    grid->addWidget(makePanel("TopMarginPanel", QStringLiteral("Top Margin nudge"),
                              QStringLiteral("Increase or decrease to adjust where vertical printing starts. "),
                              TopMarginSpinner, &TPrintFineTune::TopMarginSpinnerUpClick,
                              &TPrintFineTune::TopMarginSpinnerDownClick),
                    0, 0);
    grid->addWidget(makePanel("LeftMarginPanel", QStringLiteral("Left Margin nudge"),
                              QStringLiteral("Increase or decrease to adjust where horizontal printing starts. "),
                              LeftMarginSpinner, &TPrintFineTune::LeftMarginSpinnerUpClick,
                              &TPrintFineTune::LeftMarginSpinnerDownClick),
                    0, 1);
    grid->addWidget(makePanel("VerticalSpacingPanel", QStringLiteral("Vertical Spacing"),
                              QStringLiteral("Increase or decrease to adjust vertical spacing between labels.( You "
                                             "may need to adjust this if printing \"creeps\" between the top and "
                                             "bottom labels.)"),
                              VerticalSpacingSpinner, &TPrintFineTune::VerticalSpacingSpinnerUpClick,
                              &TPrintFineTune::VerticalSpacingSpinnerDownClick),
                    1, 0);
    grid->addWidget(makePanel("HorizontalSpacingPanel", QStringLiteral("Horizontal Spacing"),
                              QStringLiteral("Increase or decrease to adjust horizontal spacing between labels "),
                              HorizontalSpacingSpinner, &TPrintFineTune::HorizontalSpacingSpinnerUpClick,
                              &TPrintFineTune::HorizontalSpacingSpinnerDownClick),
                    1, 1);

    OKButton = new QPushButton(QStringLiteral("Ok"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    Cancelbutton = new QPushButton(QStringLiteral("Cancel"), this);
    Cancelbutton->setObjectName(QStringLiteral("Cancelbutton"));
    DefaultButton = new QPushButton(QStringLiteral("Default"), this);
    DefaultButton->setObjectName(QStringLiteral("DefaultButton"));
    Helpbutton = new QPushButton(QStringLiteral("Help"), this);
    Helpbutton->setObjectName(QStringLiteral("Helpbutton"));
    MouseHelpButton = TODSHelp::makeMouseHelpButton(this);

    SheetPanel = new TestSheetPanel(this);
    connect(SheetPanel, &TestSheetPanel::applied, this, [this](const PrinterFineTuning &values) {
        mValues = values;
        ShowValues();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(MouseHelpButton);
    buttons->addWidget(Helpbutton);
    buttons->addStretch();
    buttons->addWidget(DefaultButton);
    buttons->addWidget(OKButton);
    buttons->addWidget(Cancelbutton);

    auto *layout = new QVBoxLayout(this);
    // The wrapped explanations make the height depend on the width; at its
    // natural size every text shows whole.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addWidget(SheetPanel);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &TPrintFineTune::OKButtonClick);
    connect(Cancelbutton, &QPushButton::clicked, this, &TPrintFineTune::CancelbuttonClick);
    connect(DefaultButton, &QPushButton::clicked, this, &TPrintFineTune::DefaultButtonClick);
    connect(Helpbutton, &QPushButton::clicked, this,
            [this] { THelpWindow::showContext(HelpContext::PrinterFineTuning, this); });

    TODSHelp::attach(this, HelpContext::PrinterFineTuning);
    ShowValues();
}

QWidget *TPrintFineTune::makePanel(const char *name, const QString &caption, const QString &explanation,
                                   Spinner &spinner, void (TPrintFineTune::*up)(), void (TPrintFineTune::*down)())
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);

    auto *title = new QLabel(caption, panel);
    title->setObjectName(QLatin1String(name) + QStringLiteral("Caption"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    const QString base = QString::fromLatin1(name).remove(QStringLiteral("Panel"));
    spinner.up = new QToolButton(panel);
    spinner.up->setObjectName(base + QStringLiteral("SpinnerUp"));
    spinner.up->setArrowType(Qt::UpArrow);
    spinner.up->setToolTip(QStringLiteral("Decrease"));
    spinner.down = new QToolButton(panel);
    spinner.down->setObjectName(base + QStringLiteral("SpinnerDown"));
    spinner.down->setArrowType(Qt::DownArrow);
    spinner.down->setToolTip(QStringLiteral("Increase"));
    for (QToolButton *b : {spinner.up, spinner.down}) {
        b->setFixedSize(22, 18);
        b->setAutoRepeat(true);
    }
    connect(spinner.up, &QToolButton::clicked, this, up);
    connect(spinner.down, &QToolButton::clicked, this, down);

    spinner.value = new QLabel(panel);
    spinner.value->setObjectName(base + QStringLiteral("Value"));
    QFont large = spinner.value->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    spinner.value->setFont(large);
    spinner.value->setMinimumWidth(spinner.value->fontMetrics().horizontalAdvance(QStringLiteral("Decrease by 8/32\"")) + 8);

    auto *text = new QLabel(explanation, panel);
    text->setObjectName(base + QStringLiteral("Explanation"));
    text->setWordWrap(true);
    text->setMinimumWidth(260);

    auto *arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(spinner.up);
    arrows->addWidget(spinner.down);
    auto *row = new QHBoxLayout;
    row->addLayout(arrows);
    row->addWidget(spinner.value, 1);
    auto *column = new QVBoxLayout(panel);
    column->addWidget(title);
    column->addLayout(row);
    column->addWidget(text);
    column->addStretch();
    return panel;
}

QString TPrintFineTune::valueText(int value)
{
    if (value == 0)
        return QStringLiteral("None");
    // Values from a hand-edited configuration may lie outside -8..8; they
    // are shown the same way so that the user sees what will be printed.
    return QStringLiteral("%1 by %2/32\"")
        .arg(value > 0 ? QStringLiteral("Increase") : QStringLiteral("Decrease"))
        .arg(std::abs(value));
}

void TPrintFineTune::setLabelLayout(const TLabelLayout &layout)
{
    SheetPanel->setLabelLayout(layout);
}

void TPrintFineTune::ShowValues()
{
    SheetPanel->setPrintedWith(mValues);
    TopMarginSpinner.value->setText(valueText(mValues.TopMarginNudge));
    LeftMarginSpinner.value->setText(valueText(mValues.LeftMarginNudge));
    VerticalSpacingSpinner.value->setText(valueText(mValues.VerticalSpacing));
    HorizontalSpacingSpinner.value->setText(valueText(mValues.HorizontalSpacing));
}

void TPrintFineTune::stepDown(int &value)
{
    if (value < PrinterFineTuning::Limit)
        ++value;
    ShowValues();
}

void TPrintFineTune::stepUp(int &value)
{
    if (value > -PrinterFineTuning::Limit)
        --value;
    ShowValues();
}

void TPrintFineTune::DefaultButtonClick()
{
    mValues = PrinterFineTuning();
    ShowValues();
}

void TPrintFineTune::OKButtonClick()
{
    PrinterFineTuning::current() = mValues;
    accept();
}

void TPrintFineTune::CancelbuttonClick()
{
    reject();
}

} // namespace sw
