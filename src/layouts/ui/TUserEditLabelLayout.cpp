#include "layouts/ui/TUserEditLabelLayout.h"

#include "controls/TNumEdit.h"
#include "help/ui/TODSHelp.h"
#include "layouts/LabelShape.h"
#include "layouts/PaperCodes.h"
#include "platform/MessageService.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace sw {

namespace {

// The paper list's captions, in the order of paperCodes().
const QStringList &paperCaptions()
{
    static const QStringList captions = {
        QStringLiteral("Letter (8.5 x 11\")"),
        QStringLiteral("Letter Landscape (11 x 8.5\")"),
        QStringLiteral("A4 (210 x 297mm)"),
        QStringLiteral("A4 Landscape ( 297 x 210mm)"),
        QStringLiteral("A5 (148 x 210mm)"),
    };
    return captions;
}

TNumMasks masks(const QString &mask)
{
    TNumMasks m;
    m.PositiveMask = mask;
    m.NegativeMask = mask.isEmpty() ? QString() : QStringLiteral("-") + mask;
    m.ZeroMask = mask;
    return m;
}

} // namespace

TUserEditLabelLayout::TUserEditLabelLayout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("UserEditLabelLayout"));
    setWindowTitle(QStringLiteral("User Defined Label Layout"));

    auto *grid = new QGridLayout;
    auto addField = [this, grid](QWidget *field, const char *name, const QString &caption, int row, int column) {
        field->setObjectName(QLatin1String(name));
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        grid->addWidget(label, row, column * 2);
        grid->addWidget(field, row, column * 2 + 1);
    };
    auto numEdit = [this] {
        auto *box = new TNumEdit(this);
        box->setDecimals(3);
        box->setDigits(6);
        box->setMasks(masks(QStringLiteral("#0.###")));
        return box;
    };

    elblwidth = numEdit();
    elblHeight = numEdit();
    eHorizPitch = numEdit();
    eVertPitch = numEdit();
    enbracross = new QSpinBox(this);
    enbracross->setRange(1, 10);
    enbrdown = new QSpinBox(this);
    enbrdown->setRange(1, 30);
    eleftmarg = numEdit();
    etopmarg = numEdit();
    epapersize = new QComboBox(this);
    epapersize->addItems(paperCaptions());
    esheetwidth = numEdit();
    esheetdepth = numEdit();
    for (TNumEdit *sheet : {esheetwidth, esheetdepth}) {
        sheet->setReadOnly(true);
        sheet->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    }
    eLabelShape = new QComboBox(this);
    for (const ShapeCodeInfo &shape : shapeCodes())
        eLabelShape->addItem(shape.editorItem);

    addField(elblwidth, "elblwidth", QStringLiteral("Label &Width"), 0, 0);
    addField(elblHeight, "elblHeight", QStringLiteral("Label &Height"), 0, 1);
    addField(eHorizPitch, "eHorizPitch", QStringLiteral("Hori&zontal Pitch"), 1, 0);
    addField(eVertPitch, "eVertPitch", QStringLiteral("&Vertical Pitch"), 1, 1);
    addField(enbracross, "enbracross", QStringLiteral("# &across"), 2, 0);
    addField(enbrdown, "enbrdown", QStringLiteral("# &down"), 2, 1);
    addField(eleftmarg, "eleftmarg", QStringLiteral("&Left Margin"), 3, 0);
    addField(etopmarg, "etopmarg", QStringLiteral("&Top Margin"), 3, 1);
    addField(epapersize, "epapersize", QStringLiteral("&Paper size"), 4, 0);
    addField(eLabelShape, "eLabelShape", QStringLiteral("Label &Shape"), 4, 1);
    addField(esheetwidth, "esheetwidth", QStringLiteral("Paper Width"), 5, 0);
    addField(esheetdepth, "esheetdepth", QStringLiteral("Paper Height"), 5, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 100);

    Inchesbutton = new QRadioButton(QStringLiteral("Use &Inches"), this);
    Inchesbutton->setObjectName(QStringLiteral("Inchesbutton"));
    Inchesbutton->setChecked(true);
    MMButton = new QRadioButton(QStringLiteral("Use &Millimeters"), this);
    MMButton->setObjectName(QStringLiteral("MMButton"));
    auto *units = new QGroupBox(QStringLiteral("Units"), this);
    auto *unitsLayout = new QHBoxLayout(units);
    unitsLayout->addWidget(Inchesbutton);
    unitsLayout->addWidget(MMButton);
    unitsLayout->addStretch();

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    Cancelbutton = new QPushButton(QStringLiteral("Cancel"), this);
    Cancelbutton->setObjectName(QStringLiteral("Cancelbutton"));
    HelpButton = new QPushButton(QStringLiteral("&Help"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    MouseHelpButton = TODSHelp::makeMouseHelpButton(this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(MouseHelpButton);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(Cancelbutton);
    buttons->addWidget(HelpButton);

    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addWidget(units);
    main->addStretch();
    main->addLayout(buttons);

    connect(MMButton, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && mActivated)
            MMButtonClick();
    });
    connect(Inchesbutton, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && mActivated)
            InchesbuttonClick();
    });
    connect(epapersize, qOverload<int>(&QComboBox::activated), this, &TUserEditLabelLayout::epapersizeClick);
    connect(elblwidth, &TNumEdit::exited, this, &TUserEditLabelLayout::elblwidthExit);
    connect(elblHeight, &TNumEdit::exited, this, &TUserEditLabelLayout::elblHeightExit);
    connect(OkButton, &QPushButton::clicked, this, &TUserEditLabelLayout::OkButtonClick);
    connect(Cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, [this] { Q_EMIT helpRequested(HelpContext); });
    TODSHelp::attach(this, HelpContext);
}

std::optional<TLabelLayout> TUserEditLabelLayout::edit(QWidget *parent, const TLabelLayout &current, bool &useMM)
{
    TUserEditLabelLayout dialog(parent);
    dialog.Values = UserLayoutValues::fromLayout(current);
    dialog.setUseMM(useMM);
    const int result = dialog.exec();
    useMM = dialog.useMM();
    if (result != QDialog::Accepted)
        return std::nullopt;
    return dialog.Values.toUserDefinedLayout();
}

void TUserEditLabelLayout::setUseMM(bool useMM)
{
    (useMM ? MMButton : Inchesbutton)->setChecked(true);
}

bool TUserEditLabelLayout::useMM() const
{
    return MMButton->isChecked();
}

TNumEdit *TUserEditLabelLayout::measurementBox(int i) const
{
    TNumEdit *const boxes[] = {elblwidth, elblHeight, eHorizPitch, eVertPitch,
                               eleftmarg, etopmarg,   esheetwidth, esheetdepth};
    return boxes[i];
}

void TUserEditLabelLayout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TUserEditLabelLayout::FormActivate()
{
    if (mActivated)
        return;
    mActivated = true;
    elblwidth->setValue(Values.LabelWidth);
    elblHeight->setValue(Values.LabelHeight);
    eHorizPitch->setValue(Values.HorizPitch);
    eVertPitch->setValue(Values.VertPitch);
    eleftmarg->setValue(Values.LeftMargin);
    etopmarg->setValue(Values.TopMargin);
    esheetwidth->setValue(Values.PageWidth);
    esheetdepth->setValue(Values.PageHeight);
    enbracross->setValue(Values.NumAcross);
    enbrdown->setValue(Values.NumDown);

    int shapeItem = 2;
    if (Values.ShapeCode == QLatin1String("RR"))
        shapeItem = 0;
    else if (Values.ShapeCode == QLatin1String("SR"))
        shapeItem = 1;
    eLabelShape->setCurrentIndex(shapeItem);

    // Selecting the paper keeps the layout's own sheet size in the boxes.
    int paperItem = 0;
    const auto &papers = paperCodes();
    for (int i = 0; i < static_cast<int>(papers.size()); ++i) {
        if (papers[static_cast<size_t>(i)].code == Values.PaperCode)
            paperItem = i;
    }
    epapersize->setCurrentIndex(paperItem);

    if (MMButton->isChecked())
        MMButtonClick();
}

void TUserEditLabelLayout::MMButtonClick()
{
    for (int i = 0; i < 8; ++i) {
        TNumEdit *box = measurementBox(i);
        if (box->isModified())
            box->leave(); // take a half-typed entry in the old unit first
        const double inches = box->Value();
        box->setDecimals(2);
        box->setValue(inches * LayoutUnits::MillimetresPerInch);
    }
}

void TUserEditLabelLayout::InchesbuttonClick()
{
    for (int i = 0; i < 8; ++i) {
        TNumEdit *box = measurementBox(i);
        if (box->isModified())
            box->leave();
        const double millimetres = box->Value();
        box->setMasks(masks(QStringLiteral("#0.0##")));
        box->setDecimals(3);
        box->setDigits(6);
        box->setValue(millimetres * LayoutUnits::InchesPerMillimetre);
    }
}

void TUserEditLabelLayout::epapersizeClick()
{
    const int item = epapersize->currentIndex();
    const auto &papers = paperCodes();
    if (item < 0 || item >= static_cast<int>(papers.size()))
        return;
    const QSizeF inches = papers[static_cast<size_t>(item)].sheetInches;
    const double scale = MMButton->isChecked() ? LayoutUnits::MillimetresPerInch : 1.0;
    esheetwidth->setValue(inches.width() * scale);
    esheetdepth->setValue(inches.height() * scale);
}

void TUserEditLabelLayout::elblwidthExit()
{
    if (elblwidth->Value() > eHorizPitch->Value())
        eHorizPitch->setValue(elblwidth->Value());
}

void TUserEditLabelLayout::elblHeightExit()
{
    if (elblHeight->Value() > eVertPitch->Value())
        eVertPitch->setValue(elblHeight->Value());
}

void TUserEditLabelLayout::OkButtonClick()
{
    // Leave the box being edited first, so that its exit rule runs. When
    // the window cannot take the focus (it is not active), end the edit
    // directly.
    QWidget *editing = focusWidget();
    eLabelShape->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    if (auto *box = qobject_cast<TNumEdit *>(editing); box && box->isModified())
        if (box->isModified())
            box->leave();
    enbrdown->interpretText();
    enbracross->interpretText();

    Values.NumDown = enbrdown->value();
    Values.NumAcross = enbracross->value();
    const bool mm = MMButton->isChecked();
    auto inches = [mm](const TNumEdit *box) {
        return static_cast<float>(mm ? LayoutUnits::millimetresToRoundedInches(box->Value()) : box->Value());
    };
    Values.LabelWidth = inches(elblwidth);
    Values.LabelHeight = inches(elblHeight);
    Values.HorizPitch = inches(eHorizPitch);
    Values.VertPitch = inches(eVertPitch);
    Values.LeftMargin = inches(eleftmarg);
    Values.TopMargin = inches(etopmarg);
    Values.PageWidth = inches(esheetwidth);
    Values.PageHeight = inches(esheetdepth);

    const auto &papers = paperCodes();
    if (const int item = epapersize->currentIndex(); item >= 0 && item < static_cast<int>(papers.size()))
        Values.PaperCode = papers[static_cast<size_t>(item)].code;
    const auto &shapes = shapeCodes();
    if (const int item = eLabelShape->currentIndex(); item >= 0 && item < static_cast<int>(shapes.size()))
        Values.ShapeCode = shapes[static_cast<size_t>(item)].code;

    if (ValidLabel())
        accept();
}

bool TUserEditLabelLayout::ValidLabel()
{
    try {
        Values.ValidLabel();
        return true;
    } catch (const EValid &e) {
        MessageService::information(e.message());
        return false;
    }
}

} // namespace sw
