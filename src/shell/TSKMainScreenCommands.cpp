// Commands of the main window whose work is done by the label-file, layout,
// zoom, font, printing and help features. Each is connected to its control
// and menu item; until its feature is in place it does nothing.
#include "shell/TSKMainScreen.h"

namespace sw {

void TSKMainScreen::ZoomSpinnerUpClick() {}
void TSKMainScreen::ZoomSpinnerDownClick() {}

void TSKMainScreen::mnuNewFromTemplateClick() {}
void TSKMainScreen::mnuNewUserDefinedLayoutClick() {}
void TSKMainScreen::Open1Click() {}
void TSKMainScreen::Delete1Click() {}
void TSKMainScreen::mnuSaveClick() {}
void TSKMainScreen::mnuSaveAsClick() {}
void TSKMainScreen::SaveButtonClick() {}
void TSKMainScreen::CancelButtonClick() {}

void TSKMainScreen::mnuPrintClick() {}
void TSKMainScreen::PrintNowClick() {}
void TSKMainScreen::PrinterFineTuning1Click() {}
void TSKMainScreen::mnuPrintSetupClick() {}

void TSKMainScreen::mnuDefaultFontClick() {}
void TSKMainScreen::mnuChangeFromTemplateClick() {}
void TSKMainScreen::mnuChangeUserDefinedLayoutClick() {}

void TSKMainScreen::Contents1Click() {}
void TSKMainScreen::About1Click() {}
void TSKMainScreen::HelpbuttonClick() {}
void TSKMainScreen::MouseHelpButtonClick() {}
void TSKMainScreen::WhatsthisClick() {}

} // namespace sw
