#pragma once
// The help pages shipped with the program and the context numbers the
// windows open them at. Pages are resources under ":/help/pages/".
#include <QString>
#include <QUrl>

namespace sw {

namespace HelpContext {
// Context numbers used by the windows' Help buttons.
constexpr int MainWindow = 1073;
constexpr int SelectTemplate = 1048;
constexpr int UserDefinedLayout = 1050;
constexpr int PrintPreparation = 1019;
constexpr int PrinterFineTuning = 1092;
constexpr int Preview = 1074;
constexpr int MultiLineText = 40001;
constexpr int ClipArt = 40003;
constexpr int Text = 40004;
constexpr int Symbol = 40005;
constexpr int Counter = 40006;
constexpr int Text3DEffects = 40008;
constexpr int SuperShape = 40011;
constexpr int Texture = 40012;
constexpr int RichText = 40013;
constexpr int SuperText = 40014;
constexpr int Barcode = 40020;
} // namespace HelpContext

class HelpTopics
{
public:
    // The contents page.
    static QUrl contentsUrl();
    // The page (and section) for a context number; the contents page for a
    // number no page claims, and for 0.
    static QUrl urlForContext(int context);
    // Makes the pages and pictures of the help available; idempotent.
    static void registerResources();
};

} // namespace sw
