#pragma once
// Every window of the program that carries context help, made the way the
// program makes it, for the tests that walk them.
#include "../objects/FakePanelHost.h"

#include "layouts/ui/TSelectTemplate.h"
#include "layouts/ui/TUserEditLabelLayout.h"
#include "objects/TGBarcode.h"
#include "objects/TGPLabel.h"
#include "objects/TGSuperText.h"
#include "objects/TSuperShape.h"
#include "objects/ui/FontDialog.h"
#include "objects/ui/TBarcodeProperties.h"
#include "objects/ui/TGBrushImageBrowser.h"
#include "objects/ui/TGFont3DEffects.h"
#include "objects/ui/TGImageBrowser.h"
#include "objects/ui/TGetCounter.h"
#include "objects/ui/TGetLabelText.h"
#include "objects/ui/TGetSymbol.h"
#include "objects/ui/TMultiLineTextEditor.h"
#include "objects/ui/TRichTextLabelEditor.h"
#include "objects/ui/TSuperShapeProperties.h"
#include "objects/ui/TSuperTextGetSymbol.h"
#include "objects/ui/TSuperTextProperties.h"
#include "printing/ui/TLabelPrintPrep.h"
#include "printing/ui/TPreviewForm.h"
#include "printing/ui/TPrintFineTune.h"
#include "report/TReportFiler.h"
#include "shell/TSKMainScreen.h"

#include <QBuffer>

#include <functional>
#include <memory>

namespace sw::test {

// One recorded sheet with a black square, for the preview.
inline QByteArray previewSheet()
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TReportFiler filer;
    filer.StreamMode = smUser;
    filer.setStream(&buffer);
    filer.OnPrint = [](TBaseReport &r) {
        r.SetBrush(clBlack, bsSolid);
        r.Rectangle(1, 1, 2, 2);
    };
    filer.Execute();
    return buffer.data();
}

struct HelpWindow
{
    const char *name;
    std::function<std::unique_ptr<QWidget>(FakePanelHost &host)> make;
};

inline const std::vector<HelpWindow> &helpWindows()
{
    static const std::vector<HelpWindow> windows = {
        {"TSKMainScreen", [](FakePanelHost &) { return std::make_unique<TSKMainScreen>(); }},
        {"TGetLabelText", [](FakePanelHost &) { return std::make_unique<TGetLabelText>(); }},
        {"TGFont3DEffects",
         [](FakePanelHost &host) { return std::make_unique<TGFont3DEffects>(*host.adopt(new TGPLabel)); }},
        {"TMultiLineTextEditor", [](FakePanelHost &) { return std::make_unique<TMultiLineTextEditor>(); }},
        {"TGetCounter", [](FakePanelHost &) { return std::make_unique<TGetCounter>(); }},
        {"TGetSymbol", [](FakePanelHost &) { return std::make_unique<TGetSymbol>(); }},
        {"TGImageBrowser", [](FakePanelHost &) { return std::make_unique<TGImageBrowser>(); }},
        {"TSuperShapeProperties",
         [](FakePanelHost &host) { return std::make_unique<TSuperShapeProperties>(*host.adopt(new TSuperShape)); }},
        {"TGBrushImageBrowser",
         [](FakePanelHost &host) {
             return std::make_unique<TGBrushImageBrowser>(*host.adopt(new TSuperShape), QString());
         }},
        {"TSuperTextProperties",
         [](FakePanelHost &host) { return std::make_unique<TSuperTextProperties>(*host.adopt(new TGSuperText)); }},
        {"TSuperTextGetSymbol", [](FakePanelHost &) { return std::make_unique<TSuperTextGetSymbol>(); }},
        {"TRichTextLabelEditor", [](FakePanelHost &) { return std::make_unique<TRichTextLabelEditor>(); }},
        {"TBarcodeProperties",
         [](FakePanelHost &host) { return std::make_unique<TBarcodeProperties>(*host.adopt(new TGBarcode)); }},
        {"FontDialog", [](FakePanelHost &) { return std::make_unique<FontDialog>(); }},
        {"TSelectTemplate", [](FakePanelHost &) { return std::make_unique<TSelectTemplate>(); }},
        {"TUserEditLabelLayout", [](FakePanelHost &) { return std::make_unique<TUserEditLabelLayout>(); }},
        {"TLabelPrintPrep", [](FakePanelHost &) { return std::make_unique<TLabelPrintPrep>(); }},
        {"TPreviewForm", [](FakePanelHost &) { return std::make_unique<TPreviewForm>(previewSheet()); }},
        {"TPrintFineTune", [](FakePanelHost &) { return std::make_unique<TPrintFineTune>(); }},
    };
    return windows;
}

} // namespace sw::test
