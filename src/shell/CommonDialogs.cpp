#include "shell/CommonDialogs.h"

#include "objects/ui/FontDialog.h"
#include "platform/TFont.h"
#include "platform/ui/FileDialog.h"

#include <QDir>

namespace sw {

CommonDialogs::~CommonDialogs() = default;

QString QtCommonDialogs::getOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                                         const QString &filter)
{
    FileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QDir::cleanPath(dialog.selectedFiles().first());
}

QString QtCommonDialogs::getSaveFileName(QWidget *parent, const QString &title, const QString &folder,
                                         const QString &proposedName, const QString &filter,
                                         const QString &suffix)
{
    FileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QDir::cleanPath(dialog.selectedFiles().first());
}

bool QtCommonDialogs::getFont(QWidget *parent, TFont &font)
{
    return FontDialog::getFont(parent, font);
}

} // namespace sw
