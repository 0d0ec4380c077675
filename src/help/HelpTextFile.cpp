#include "help/HelpTextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

// Resources of a static library must be registered by name, outside any
// namespace.
static void initHelpTextResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(help_texts);
        return true;
    }();
    Q_UNUSED(registered)
}

namespace sw {

namespace {

// "[Name]" or "[Name] 1234", spaces allowed around the parts.
const QRegularExpression kHeader(QStringLiteral(R"(^\[\s*([A-Za-z_][A-Za-z0-9_]*)\s*\]\s*(\d+)?\s*$)"));

struct PendingEntry
{
    QString name;
    quint32 context = 0;
    int line = 0;
    QStringList paragraphs{QString()};

    void addLine(const QString &text)
    {
        if (text.isEmpty()) {
            if (!paragraphs.last().isEmpty())
                paragraphs.append(QString());
            return;
        }
        QString &paragraph = paragraphs.last();
        if (!paragraph.isEmpty())
            paragraph += QLatin1Char(' ');
        paragraph += text;
    }

    QString text() const
    {
        QStringList kept = paragraphs;
        kept.removeAll(QString());
        return kept.join(QLatin1Char('\n'));
    }
};

QString lineError(int line, const QString &what)
{
    return QStringLiteral("line %1: %2").arg(line).arg(what);
}

} // namespace

bool HelpTextFile::parse(const QString &source, TODSHelpText &texts, QString *error)
{
    TODSHelpText parsed;
    QSet<QString> names;
    std::optional<PendingEntry> pending;
    QString problem;

    auto finish = [&]() {
        if (!pending)
            return true;
        const QString text = pending->text();
        if (text.isEmpty()) {
            problem = lineError(pending->line, QStringLiteral("the entry \"%1\" has no text").arg(pending->name));
            return false;
        }
        parsed.addEntry(pending->name, TODSHelpData::make(text, pending->context));
        return true;
    };

    const QStringList lines = source.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size() && problem.isEmpty(); ++i) {
        const int number = i + 1;
        const QString line = lines.at(i).trimmed();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const QRegularExpressionMatch match = kHeader.match(line);
            if (!match.hasMatch()) {
                problem = lineError(number, QStringLiteral("not an entry's name: %1").arg(line));
                break;
            }
            if (!finish())
                break;
            const QString name = match.captured(1);
            if (names.contains(name)) {
                problem = lineError(number, QStringLiteral("a second entry \"%1\"").arg(name));
                break;
            }
            names.insert(name);
            bool ok = true;
            const quint32 context = match.captured(2).isEmpty() ? 0 : match.captured(2).toUInt(&ok);
            if (!ok) {
                problem = lineError(number, QStringLiteral("the help context is too large"));
                break;
            }
            pending = PendingEntry{name, context, number};
            continue;
        }
        if (!pending) {
            if (!line.isEmpty())
                problem = lineError(number, QStringLiteral("text before the first entry"));
            continue;
        }
        pending->addLine(line);
    }
    if (problem.isEmpty())
        finish();

    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        texts.Assign(TODSHelpText());
        return false;
    }
    texts.Assign(parsed);
    return true;
}

QString HelpTextFile::pathFor(const QString &root, const QString &windowName, const QString &localeName)
{
    const QString file = windowName + QStringLiteral(".txt");
    QStringList candidates;
    if (!localeName.isEmpty()) {
        candidates << root + QLatin1Char('/') + localeName + QLatin1Char('/') + file;
        const QString language = localeName.section(QLatin1Char('_'), 0, 0);
        if (language != localeName)
            candidates << root + QLatin1Char('/') + language + QLatin1Char('/') + file;
    }
    candidates << root + QLatin1Char('/') + file;
    for (const QString &path : candidates)
        if (QFileInfo(path).isFile())
            return path;
    return QString();
}

bool HelpTextFile::load(const QString &path, TODSHelpText &texts, QString *error)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1").arg(path);
        texts.Assign(TODSHelpText());
        return false;
    }
    QString problem;
    if (!parse(QString::fromUtf8(file.readAll()), texts, &problem)) {
        if (error)
            *error = path + QStringLiteral(", ") + problem;
        return false;
    }
    return true;
}

QString HelpTextFile::builtInRoot()
{
    initHelpTextResources();
    return QStringLiteral(":/help/texts");
}

} // namespace sw
