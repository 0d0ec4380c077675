#pragma once
// The help pages shipped with the program and the context numbers the
// windows and their controls open them at. Pages are resources under
// ":/help/pages/"; one table in HelpTopics.cpp ties every context to its
// page and section.
#include <QList>
#include <QString>
#include <QUrl>

namespace sw {

namespace HelpContext {
// Context numbers of the windows' Help buttons.
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
constexpr int SuperTextSymbol = 40015;
constexpr int Barcode = 40020;
constexpr int FontWindow = 1077;
// Topics the controls' help links open.
constexpr int PrinterSetup = 1020;
constexpr int DataFile = 1021;
constexpr int DesignPanel = 1075;
constexpr int ContextHelp = 1076;
constexpr int ShapesAndLines = 1078;
constexpr int DrawingTools = 1079;
constexpr int ViewOptions = 1081;
constexpr int SaveAndCancel = 1082;
constexpr int FileMenu = 1083;
constexpr int EditMenu = 1084;
constexpr int TestSheet = 1093;
} // namespace HelpContext

class HelpTopics
{
public:
    // The contents page.
    static QUrl contentsUrl();
    // The page (and section) for a context number; the contents page for a
    // number no page claims, and for 0.
    static QUrl urlForContext(int context);
    // Every context number with a page.
    static QList<int> contexts();
    // Every page, as file names under ":/help/pages/".
    static QStringList pages();
    // Makes the pages and pictures of the help available; idempotent.
    static void registerResources();
};

} // namespace sw
