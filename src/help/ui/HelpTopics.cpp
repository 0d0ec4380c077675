#include "help/ui/HelpTopics.h"

#include <QDir>

// Resources of a static library must be registered by name, outside any
// namespace.
static void initHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace sw {

namespace {

const QString PageRoot = QStringLiteral("qrc:/help/pages/");

struct Topic
{
    int context;
    const char *page;
    const char *section; // nullptr: the top of the page
};

// Every context number and where it leads; the windows' help-text files
// name these numbers too.
const Topic kTopics[] = {
    {HelpContext::MainWindow, "mainwindow.html", nullptr},
    {HelpContext::DrawingTools, "mainwindow.html", "toolbar"},
    {HelpContext::ViewOptions, "mainwindow.html", "view"},
    {HelpContext::SaveAndCancel, "mainwindow.html", "save"},
    {HelpContext::FileMenu, "mainwindow.html", "file"},
    {HelpContext::EditMenu, "mainwindow.html", "edit"},
    {HelpContext::DesignPanel, "designpanel.html", nullptr},
    {HelpContext::ContextHelp, "contexthelp.html", nullptr},
    {HelpContext::Text, "text.html", nullptr},
    {HelpContext::Text3DEffects, "effects.html", nullptr},
    {HelpContext::MultiLineText, "multiline.html", nullptr},
    {HelpContext::Counter, "counter.html", nullptr},
    {HelpContext::Symbol, "symbol.html", nullptr},
    {HelpContext::ShapesAndLines, "shapes.html", nullptr},
    {HelpContext::ClipArt, "clipart.html", nullptr},
    {HelpContext::SuperShape, "supershape.html", nullptr},
    {HelpContext::Texture, "texture.html", nullptr},
    {HelpContext::SuperText, "supertext.html", nullptr},
    {HelpContext::SuperTextSymbol, "supertext.html", "symbol"},
    {HelpContext::RichText, "richtext.html", nullptr},
    {HelpContext::Barcode, "barcode.html", nullptr},
    {HelpContext::FontWindow, "font.html", nullptr},
    {HelpContext::SelectTemplate, "template.html", nullptr},
    {HelpContext::UserDefinedLayout, "userlayout.html", nullptr},
    {HelpContext::PrintPreparation, "printing.html", nullptr},
    {HelpContext::PrinterSetup, "printing.html", "setup"},
    {HelpContext::DataFile, "printing.html", "datafile"},
    {HelpContext::Preview, "preview.html", nullptr},
    {HelpContext::PrinterFineTuning, "finetuning.html", nullptr},
    {HelpContext::TestSheet, "testsheet.html", nullptr},
};

QUrl page(const QString &file, const QString &section = QString())
{
    QUrl url(PageRoot + file);
    if (!section.isEmpty())
        url.setFragment(section);
    return url;
}

} // namespace

void HelpTopics::registerResources()
{
    static const bool registered = [] {
        initHelpResources();
        return true;
    }();
    Q_UNUSED(registered)
}

QUrl HelpTopics::contentsUrl()
{
    return page(QStringLiteral("index.html"));
}

QUrl HelpTopics::urlForContext(int context)
{
    for (const Topic &topic : kTopics)
        if (topic.context == context)
            return page(QLatin1String(topic.page), QLatin1String(topic.section));
    return contentsUrl();
}

QList<int> HelpTopics::contexts()
{
    QList<int> all;
    for (const Topic &topic : kTopics)
        all << topic.context;
    return all;
}

QStringList HelpTopics::pages()
{
    registerResources();
    return QDir(QStringLiteral(":/help/pages")).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

} // namespace sw
