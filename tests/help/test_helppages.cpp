// The help pages shipped with the program: every context number opens an
// existing page and section, every page has a title, its links and
// pictures lead somewhere, and every page can be reached from the contents.
#include "help/ui/HelpTopics.h"
#include "help/ui/THelpWindow.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace sw;

namespace {

QString pageText(const QString &file)
{
    QFile page(QStringLiteral(":/help/pages/") + file);
    if (!page.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(page.readAll());
}

QStringList attributeValues(const QString &html, const char *attribute)
{
    QStringList values;
    const QRegularExpression re(QStringLiteral("%1=\"([^\"]*)\"").arg(QLatin1String(attribute)));
    for (auto it = re.globalMatch(html); it.hasNext();)
        values << it.next().captured(1);
    return values;
}

bool hasAnchor(const QString &html, const QString &name)
{
    return html.contains(QStringLiteral("name=\"%1\"").arg(name));
}

} // namespace

TEST(HelpPages, EveryContextOpensAnExistingPageAndSection)
{
    HelpTopics::registerResources();
    ASSERT_FALSE(HelpTopics::contexts().isEmpty());
    QSet<int> seen;
    for (int context : HelpTopics::contexts()) {
        SCOPED_TRACE(context);
        EXPECT_FALSE(seen.contains(context)) << "listed twice";
        seen.insert(context);
        const QUrl url = HelpTopics::urlForContext(context);
        const QString html = pageText(url.fileName());
        ASSERT_FALSE(html.isEmpty()) << url.toString().toStdString();
        if (url.hasFragment()) {
            EXPECT_TRUE(hasAnchor(html, url.fragment())) << url.toString().toStdString();
        }
    }
    // The windows' Help buttons.
    for (int context : {1073, 1048, 1050, 1019, 1092, 1074, 40001, 40003, 40004, 40005, 40006, 40008, 40011,
                        40012, 40013, 40014})
        EXPECT_TRUE(seen.contains(context)) << context;
    EXPECT_EQ(HelpTopics::urlForContext(0), HelpTopics::contentsUrl());
    EXPECT_EQ(HelpTopics::urlForContext(12345), HelpTopics::contentsUrl());
}

TEST(HelpPages, LinksAndPicturesLeadSomewhereAndEveryPageIsReachable)
{
    const QStringList pages = HelpTopics::pages();
    ASSERT_GT(pages.size(), 10);
    for (const QString &file : pages) {
        SCOPED_TRACE(file.toStdString());
        const QString html = pageText(file);
        QTextDocument doc;
        doc.setHtml(html);
        EXPECT_FALSE(doc.metaInformation(QTextDocument::DocumentTitle).isEmpty());
        for (const QString &href : attributeValues(html, "href")) {
            const QUrl link(href);
            if (!link.scheme().isEmpty())
                continue; // a web address
            const QString target = link.path().isEmpty() ? file : link.path();
            const QString targetHtml = pageText(target);
            EXPECT_FALSE(targetHtml.isEmpty()) << "link to " << href.toStdString();
            if (link.hasFragment()) {
                EXPECT_TRUE(hasAnchor(targetHtml, link.fragment())) << "link to " << href.toStdString();
            }
        }
        for (const QString &src : attributeValues(html, "src"))
            EXPECT_FALSE(QImage(QStringLiteral(":/help/pages/") + src).isNull()) << "picture " << src.toStdString();
    }

    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList queue{QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        for (const QString &href : attributeValues(pageText(queue.takeFirst()), "href")) {
            const QString target = QUrl(href).path();
            if (!target.isEmpty() && !reached.contains(target)) {
                reached.insert(target);
                queue << target;
            }
        }
    }
    for (const QString &file : pages)
        EXPECT_TRUE(reached.contains(file)) << file.toStdString() << " cannot be reached from the contents";
}

TEST(HelpPages, TheHelpWindowShowsTheContextsPageAndFollowsLinks)
{
    THelpWindow *window = THelpWindow::showContext(1078);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->source().fileName(), "shapes.html");
    EXPECT_EQ(window->windowTitle(), "Stickwell Help - Shapes and lines");
    window->browser()->setSource(QUrl(QStringLiteral("designpanel.html#objectmenu")));
    EXPECT_EQ(window->pageTitle(), "The design panel");
    // Another request brings the same window forward at the new page.
    EXPECT_EQ(THelpWindow::showContext(1093), window);
    EXPECT_EQ(window->source().fileName(), "testsheet.html");
    delete window;
}
