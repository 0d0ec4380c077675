#include "shell/RecentFiles.h"

#include "platform/IniFile.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace sw {

MRUList::MRUList(QObject *parent)
    : QObject(parent)
{
}

MRUList::~MRUList()
{
    for (const QPointer<QAction> &a : mActions)
        delete a.data();
}

void MRUList::setMenu(QMenu *menu)
{
    if (mMenu == menu)
        return;
    // Take the entries out of the old menu before attaching to the new one.
    QStringList keep = mFiles;
    mFiles.clear();
    rebuildMenu();
    mMenu = menu;
    mFiles = keep;
    rebuildMenu();
}

void MRUList::setMaxEntries(int count)
{
    mMaxEntries = std::max(1, count);
    if (mFiles.size() > mMaxEntries) {
        mFiles = mFiles.mid(0, mMaxEntries);
        rebuildMenu();
    }
}

void MRUList::AddFile(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    if (!mFiles.isEmpty() && mFiles.first() == fileName)
        return;
    mFiles.removeAll(fileName);
    mFiles.prepend(fileName);
    while (mFiles.size() > mMaxEntries)
        mFiles.removeLast();
    rebuildMenu();
}

void MRUList::InsertFile(int index, const QString &fileName)
{
    if (fileName.isEmpty() || mFiles.contains(fileName))
        return;
    mFiles.insert(std::clamp(index, 0, int(mFiles.size())), fileName);
    while (mFiles.size() > mMaxEntries)
        mFiles.removeLast();
    rebuildMenu();
}

void MRUList::RemoveFile(const QString &fileName)
{
    if (mFiles.removeAll(fileName) > 0)
        rebuildMenu();
}

void MRUList::Clear()
{
    if (mFiles.isEmpty())
        return;
    mFiles.clear();
    rebuildMenu();
}

void MRUList::Load(const IniFile &ini)
{
    QStringList files;
    const auto values = ini.readSectionValues(mSection);
    for (const auto &kv : values) {
        if (files.size() >= mMaxEntries)
            break;
        if (!kv.second.isEmpty() && !files.contains(kv.second))
            files.append(kv.second);
    }
    mFiles = files;
    rebuildMenu();
}

bool MRUList::Save(IniFile &ini) const
{
    bool ok = ini.eraseSection(mSection);
    for (int i = 0; i < mFiles.size(); ++i)
        ok &= ini.writeString(mSection, QStringLiteral("F") + QString::number(i), mFiles.at(i));
    return ok;
}

QString MRUList::caption(int index, const QString &fileName)
{
    QString shown = fileName;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('&') + QString::number(index + 1) + QLatin1Char(' ') + shown;
}

void MRUList::rebuildMenu()
{
    // Old actions are deleted later: a rebuild may run inside the triggered
    // signal of one of them.
    for (const QPointer<QAction> &a : mActions) {
        if (!a)
            continue;
        if (mMenu)
            mMenu->removeAction(a);
        a->deleteLater();
    }
    mActions.clear();

    if (mMenu && !mFiles.isEmpty()) {
        QAction *separator = mMenu->addSeparator();
        separator->setObjectName(QStringLiteral("MRUSeparator"));
        mActions.append(separator);
        for (int i = 0; i < mFiles.size(); ++i) {
            const QString name = mFiles.at(i);
            QAction *a = mMenu->addAction(caption(i, name));
            a->setObjectName(QStringLiteral("MRUFile") + QString::number(i));
            a->setData(name);
            connect(a, &QAction::triggered, this, [this, name] { entryTriggered(name); });
            mActions.append(a);
        }
    }
    Q_EMIT changed();
}

void MRUList::entryTriggered(const QString &fileName)
{
    const int index = int(mFiles.indexOf(fileName));
    RemoveFile(fileName);
    Q_EMIT fileClicked(fileName, index);
}

} // namespace sw
