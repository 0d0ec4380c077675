#include "layouts/ui/TSelectTemplate.h"

#include "controls/TRadioGroup.h"
#include "help/ui/TODSHelp.h"
#include "persistence/TemplateFile.h"
#include "platform/MessageService.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace sw {

namespace {
constexpr int TemplateIndexRole = Qt::UserRole;
}

TSelectTemplate::TSelectTemplate(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SelectTemplate"));
    setWindowTitle(QStringLiteral("Select Template"));

    auto makeGroup = [this](const char *name, const QString &caption, const QStringList &items, int columns) {
        auto *group = new TRadioGroup(caption, this);
        group->setObjectName(QLatin1String(name));
        group->setItems(items, columns);
        group->setItemIndex(0);
        connect(group, &TRadioGroup::itemClicked, this, &TSelectTemplate::radioGroupClicked);
        return group;
    };
    ProductType = makeGroup("ProductType", QStringLiteral("Product Type"), TemplateCatalogue::productTypeCaptions(), 2);
    PrinterType = makeGroup("PrinterType", QStringLiteral("Printer Type"), TemplateCatalogue::printerTypeCaptions(), 1);
    Region = makeGroup("Region", QStringLiteral("Region"), TemplateCatalogue::regionCaptions(), 1);

    TypeAhead = new QLineEdit(this);
    TypeAhead->setObjectName(QStringLiteral("TypeAhead"));
    TypeAhead->setPlaceholderText(QStringLiteral("Type a product number"));
    TemplateList = new QListWidget(this);
    TemplateList->setObjectName(QStringLiteral("TemplateList"));
    TemplateList->setSelectionMode(QAbstractItemView::SingleSelection);
    auto *listLabel = new QLabel(QStringLiteral("&Templates"), this);
    listLabel->setBuddy(TypeAhead);

    Description = new QPlainTextEdit(this);
    Description->setObjectName(QStringLiteral("Description"));
    Description->setReadOnly(true);
    Description->setTabChangesFocus(true);
    auto *descLabel = new QLabel(QStringLiteral("Description"), this);

    StatusLine = new QLabel(this);
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusLine->setWordWrap(true);
    StatusLine->hide();

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    HelpButton = new QPushButton(QStringLiteral("&Help"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));

    auto *groups = new QHBoxLayout;
    groups->addWidget(ProductType, 2);
    groups->addWidget(PrinterType, 1);
    groups->addWidget(Region, 1);

    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(listLabel);
    listColumn->addWidget(TypeAhead);
    listColumn->addWidget(TemplateList, 1);
    auto *descColumn = new QVBoxLayout;
    descColumn->addWidget(descLabel);
    descColumn->addWidget(Description, 1);
    auto *middle = new QHBoxLayout;
    middle->addLayout(listColumn, 3);
    middle->addLayout(descColumn, 2);

    MouseHelpButton = TODSHelp::makeMouseHelpButton(this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(MouseHelpButton);
    buttons->addWidget(StatusLine, 1);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);

    auto *main = new QVBoxLayout(this);
    main->addLayout(groups);
    main->addLayout(middle, 1);
    main->addLayout(buttons);
    resize(620, 460);

    connect(TypeAhead, &QLineEdit::textChanged, this, &TSelectTemplate::TypeAheadChange);
    connect(TemplateList, &QListWidget::itemSelectionChanged, this, &TSelectTemplate::ShowDescript);
    connect(TemplateList, &QListWidget::itemDoubleClicked, this, &TSelectTemplate::OKButtonClick);
    connect(OKButton, &QPushButton::clicked, this, &TSelectTemplate::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, [this] { Q_EMIT helpRequested(HelpContext); });
    TODSHelp::attach(this, HelpContext);
}

std::optional<TLabelLayout> TSelectTemplate::choose(QWidget *parent, const TLabelLayout &current, bool newLabel,
                                                    const QString &templateFile)
{
    TSelectTemplate dialog(parent);
    dialog.setCurrentLayout(current);
    dialog.setNewLabel(newLabel);
    if (!templateFile.isEmpty())
        dialog.setTemplateFile(templateFile);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.SelectedLayout();
}

void TSelectTemplate::setCurrentLayout(const TLabelLayout &current)
{
    mCurrent = current;
}

QString TSelectTemplate::statusText() const
{
    return StatusLine->text();
}

void TSelectTemplate::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TSelectTemplate::FormActivate()
{
    if (!mFirstActivation)
        return;
    const bool userDefined = TemplateCatalogue::isUserDefinedName(mCurrent.LayoutName);

    const TemplateLoadResult loaded =
        loadTemplates(mTemplateFile.isEmpty() ? templateFilePath() : mTemplateFile, TemplateCatalogue::TableSize);
    mCatalogue.FillArray(loaded.layouts);
    const QString status = loaded.statusText();
    StatusLine->setText(status);
    StatusLine->setVisible(!status.isEmpty());

    const bool preset = !userDefined && !mNewLabel;
    if (preset) {
        // The flag is still set, so these do not filter.
        ProductType->setItemIndex(static_cast<int>(TemplateCatalogue::productPreset(mCurrent.ProductCategory)));
        PrinterType->setItemIndex(static_cast<int>(TemplateCatalogue::printerPreset(mCurrent.PrinterType)));
        Region->setItemIndex(static_cast<int>(TemplateCatalogue::regionPreset(mCurrent.PaperCode)));
    }
    mFirstActivation = false;
    FilterTemplates();
    if (preset)
        TypeAhead->setText(TemplateCatalogue::typeAheadText(mCurrent.LayoutName));

    // A damaged file is reported like any failed command, once the dialog
    // shows what could be read.
    if (!loaded.error.isEmpty())
        MessageService::error(status);
}

void TSelectTemplate::radioGroupClicked()
{
    if (mFirstActivation)
        return;
    FilterTemplates();
}

void TSelectTemplate::FilterTemplates()
{
    const auto product = static_cast<ProductTypeItem>(qMax(0, ProductType->ItemIndex()));
    const auto printer = static_cast<PrinterTypeItem>(qMax(0, PrinterType->ItemIndex()));
    const auto region = static_cast<RegionItem>(qMax(0, Region->ItemIndex()));

    const QSignalBlocker block(TemplateList);
    TemplateList->clear();
    for (const TemplateCatalogue::ListLine &line : mCatalogue.FilterTemplates(product, printer, region)) {
        auto *item = new QListWidgetItem(line.text, TemplateList);
        item->setData(TemplateIndexRole, line.index.Index);
    }
    if (TemplateList->count() > 0)
        TemplateList->setCurrentRow(0);
    ShowDescript();
}

void TSelectTemplate::TypeAheadChange()
{
    QStringList lines;
    lines.reserve(TemplateList->count());
    for (int i = 0; i < TemplateList->count(); ++i)
        lines << TemplateList->item(i)->text();
    const int row = TemplateCatalogue::selectByPrefix(lines, TypeAhead->text(), 0);
    {
        const QSignalBlocker block(TemplateList);
        if (row >= 0) {
            TemplateList->setCurrentRow(row);
            TemplateList->scrollToItem(TemplateList->item(row));
        } else {
            TemplateList->setCurrentRow(-1);
            TemplateList->clearSelection();
        }
    }
    ShowDescript();
}

int TSelectTemplate::selectedRow() const
{
    const QListWidgetItem *item = TemplateList->currentItem();
    if (!item || !item->isSelected())
        return -1;
    return TemplateList->row(item);
}

void TSelectTemplate::ShowDescript()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const int index = TemplateList->item(row)->data(TemplateIndexRole).toInt();
    Description->setPlainText(TemplateCatalogue::descriptionLines(mCatalogue.slot(index)).join(QLatin1Char('\n')));
}

void TSelectTemplate::OKButtonClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    mSelected = mCatalogue.slot(TemplateList->item(row)->data(TemplateIndexRole).toInt());
    accept();
}

} // namespace sw
