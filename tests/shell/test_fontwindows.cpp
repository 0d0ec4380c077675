// The main window's font commands open the font window: the panel's "Font"
// for the selected objects and "Default Font". Ok on an untouched window
// keeps the classic face names designs use.
#include "ModalWindow.h"

#include "objects/TGPLabel.h"
#include "platform/TFont.h"
#include "shell/CommonDialogs.h"
#include "surface/TGHandle.h"
#include "surface/TGStickwellPanel32.h"
#include "surface/ui/LabelPanelView.h"

#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

TEST(FontWindows, ThePanelsFontCommandKeepsAnUntouchedFace)
{
    TGStickwellPanel32 panel;
    panel.setSize(300, 120);
    LabelPanelView view(&panel);
    panel.Font().setName(QStringLiteral("Times New Roman"));
    panel.Font().setSize(14);
    auto *label = new TGPLabel;
    label->Loaded();
    panel.PlaceObject(label, QRect(10, 10, 120, 30));
    panel.handle().Select(label);

    QString title;
    whenModal([&](QWidget *w) { title = w->windowTitle(); });
    EXPECT_TRUE(panel.panelMenu().trigger(QStringLiteral("Font")));
    EXPECT_EQ(title, QStringLiteral("Font"));
    EXPECT_EQ(label->Font()->name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(label->Font()->size(), 14);
}

TEST(FontWindows, DefaultFontKeepsAnUntouchedFace)
{
    QtCommonDialogs dialogs;
    TFont font; // "MS Sans Serif", window text
    QString title;
    whenModal([&](QWidget *w) { title = w->windowTitle(); });
    EXPECT_TRUE(dialogs.getFont(nullptr, font));
    EXPECT_EQ(title, QStringLiteral("Font"));
    EXPECT_EQ(font.name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(font.height(), TFont::DefaultHeight);
    EXPECT_EQ(font.color(), clWindowText);
}
