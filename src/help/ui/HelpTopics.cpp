#include "help/ui/HelpTopics.h"

// Resources of a static library must be registered by name, outside any
// namespace.
static void initHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace sw {

namespace {

const QString PageRoot = QStringLiteral("qrc:/help/pages/");

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
    using namespace HelpContext;
    switch (context) {
    case MainWindow:
        return page(QStringLiteral("mainwindow.html"));
    case SelectTemplate:
        return page(QStringLiteral("layouts.html"), QStringLiteral("template"));
    case UserDefinedLayout:
        return page(QStringLiteral("layouts.html"), QStringLiteral("userdefined"));
    case PrintPreparation:
        return page(QStringLiteral("printing.html"), QStringLiteral("print"));
    case PrinterFineTuning:
        return page(QStringLiteral("printing.html"), QStringLiteral("finetuning"));
    case Preview:
        return page(QStringLiteral("printing.html"), QStringLiteral("preview"));
    case MultiLineText:
        return page(QStringLiteral("tools.html"), QStringLiteral("multiline"));
    case ClipArt:
        return page(QStringLiteral("tools.html"), QStringLiteral("clipart"));
    case Text:
        return page(QStringLiteral("tools.html"), QStringLiteral("text"));
    case Symbol:
        return page(QStringLiteral("tools.html"), QStringLiteral("symbol"));
    case Counter:
        return page(QStringLiteral("tools.html"), QStringLiteral("counter"));
    case Text3DEffects:
        return page(QStringLiteral("tools.html"), QStringLiteral("effects"));
    case SuperShape:
        return page(QStringLiteral("tools.html"), QStringLiteral("supershape"));
    case Texture:
        return page(QStringLiteral("tools.html"), QStringLiteral("texture"));
    case RichText:
        return page(QStringLiteral("tools.html"), QStringLiteral("richtext"));
    case SuperText:
        return page(QStringLiteral("tools.html"), QStringLiteral("supertext"));
    case Barcode:
        return page(QStringLiteral("tools.html"), QStringLiteral("barcode"));
    default:
        return contentsUrl();
    }
}

} // namespace sw
