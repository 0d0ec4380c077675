#include "platform/ui/FileDialog.h"

#include "platform/ProgramFolder.h"
#include "platform/ui/NameOnlyIconProvider.h"

#include <QDir>
#include <QFileInfo>

namespace sw {

FileDialog::FileDialog(QWidget *parent, const QString &caption, const QString &wanted, const QString &filter)
    : QFileDialog(parent, caption, startFor(wanted), filter)
{
    setIconProvider(NameOnlyIconProvider::shared());
}

QString FileDialog::startFor(const QString &wanted)
{
    const QString start = ProgramFolder::dialogStart(wanted);
    const QString name = QFileInfo(wanted).fileName();
    if (start == wanted || name.isEmpty() || QFileInfo(wanted).isDir())
        return start;
    return QDir(start).filePath(name);
}

} // namespace sw
