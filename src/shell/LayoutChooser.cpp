#include "shell/LayoutChooser.h"

#include "help/ui/THelpWindow.h"
#include "layouts/ui/TSelectTemplate.h"
#include "layouts/ui/TUserEditLabelLayout.h"

namespace sw {

LayoutChooser::~LayoutChooser() = default;

DialogLayoutChooser::DialogLayoutChooser(std::function<void(QWidget *dialog)> place)
    : mPlace(std::move(place))
{
}

std::optional<TLabelLayout> DialogLayoutChooser::chooseTemplate(QWidget *parent, const TLabelLayout &current,
                                                                bool newLabel)
{
    TSelectTemplate dialog(parent);
    dialog.setCurrentLayout(current);
    dialog.setNewLabel(newLabel);
    QObject::connect(&dialog, &TSelectTemplate::helpRequested, &dialog,
                     [&dialog](int context) { THelpWindow::showContext(context, &dialog); });
    if (mPlace)
        mPlace(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.SelectedLayout();
}

std::optional<TLabelLayout> DialogLayoutChooser::editUserDefined(QWidget *parent, const TLabelLayout &current,
                                                                 bool &useMM)
{
    TUserEditLabelLayout dialog(parent);
    dialog.Values = UserLayoutValues::fromLayout(current);
    dialog.setUseMM(useMM);
    QObject::connect(&dialog, &TUserEditLabelLayout::helpRequested, &dialog,
                     [&dialog](int context) { THelpWindow::showContext(context, &dialog); });
    if (mPlace)
        mPlace(&dialog);
    const int result = dialog.exec();
    useMM = dialog.useMM();
    if (result != QDialog::Accepted)
        return std::nullopt;
    return dialog.Values.toUserDefinedLayout();
}

} // namespace sw
