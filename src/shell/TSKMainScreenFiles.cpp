// The main window's label-file commands: open, save, save as, cancel,
// delete, and the question before a design is dropped.
#include "shell/TSKMainScreen.h"

#include "editing/EditHistory.h"
#include "persistence/StreamErrors.h"
#include "persistence/TGLabelObjectFiler.h"
#include "merge/MergeSession.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "shell/CommonDialogs.h"
#include "shell/MainScreenRules.h"
#include "shell/RecentFiles.h"
#include "shell/ScratchPanel.h"
#include "shell/StickwellApplication.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QToolButton>

namespace sw {

namespace {

QString mustBeLabelFileText()
{
    return QStringLiteral("Must be a SK (Stickwell) file");
}

} // namespace

bool TSKMainScreen::runFileCommand(const std::function<void()> &work)
{
    return runGuarded(work);
}

void TSKMainScreen::saveRecentFiles()
{
    IniFile ini(configFileName());
    mRecentFiles->Save(ini);
}

bool TSKMainScreen::CheckSaveNeeded()
{
    if (!mChangesMade)
        return true;
    if (!MessageService::question(QStringLiteral("Save"), QStringLiteral("Save changes?")))
        return true;
    if (mFileName.isEmpty()) {
        // Cancelling the save dialog keeps the design: the user asked for it
        // to be saved, so it must not be dropped unsaved.
        mnuSaveAsClick();
        return !mChangesMade;
    }
    if (!runFileCommand([this] { SaveLabelFile(mFileName); }))
        return false;
    designSaved();
    return true;
}

void TSKMainScreen::designSaved()
{
    // The history stays: undoing past this point makes the design changed
    // again, and coming back here unchanged.
    mHistory->markSaved();
    SetChangesMade(false);
}

bool TSKMainScreen::OpenLabelFile(const QString &fileName)
{
    // Pending messages run below; a second open arriving meanwhile waits
    // for nothing and is dropped.
    if (mOpening)
        return false;
    QScopedValueRollback<bool> opening(mOpening, true);
    QScopedValueRollback<bool> busy(mBusy, true);
    const QString failure = QStringLiteral("Unable to open ") + fileName
        + QStringLiteral(". Possibly corrupted, posibly not a Stickwell file");

    // The whole file is read aside first, so that a file failing half-way
    // leaves the design being edited untouched.
    ScratchPanel scratch(mLabelPanel->Width(), mLabelPanel->Height(), this);
    TLabelLayout record;
    try {
        if (!QFileInfo(fileName).isFile())
            throw EFOpenError(QStringLiteral("Cannot open file %1").arg(fileName));
        TGLabelObjectFiler().ReadLabelFile(scratch, record, fileName);
    } catch (...) {
        MessageService::information(failure);
        return false;
    }

    bool opened = true;
    QString dataFileProblem;
    const float zoom = mLabelPanel->ScaleFactor();
    try {
        mLabelPanel->ClearObjects();
        if (zoom != 1.0f)
            mLabelPanel->SetZoom(1.0f);
        for (TGGraphicControl *object : scratch.takeObjects())
            mLabelPanel->addObject(object);
        mLayout = LayoutWorkingCopy::fromLayout(record);
        SetLabelSizeFromInches();
        mLabelPanel->AttachAllObjects();
        mFileName = fileName;
        mRecentFiles->AddFile(fileName);
        saveRecentFiles();
        // The data file last used with this design comes back with it.
        dataFileProblem = MergeSession::restoreFor(IniFile(configFileName()), fileName);
    } catch (...) {
        // The design was being replaced when this failed: start again from
        // an empty design on the default layout rather than keep half of it.
        opened = false;
        mLabelPanel->ClearObjects();
        LoadDefaultTemplateValues();
        SetLabelSizeFromInches();
        mFileName.clear();
        MergeSession::clear();
        MessageService::information(failure);
    }

    SetChangesMade(false);
    QCoreApplication::processEvents();
    SetButtons();
    if (zoom != 1.0f)
        mLabelPanel->SetZoom(zoom);
    mLabelPanel->invalidate();
    SetTemplateCaption();
    SetArtButton();
    ShowArt->setChecked(ShowArt->isEnabled());
    DoDrawArt();
    // Another design: nothing of the last one to undo.
    mHistory->clear();
    // The design is whole; only its data file is missing, and stays
    // remembered should it come back.
    if (opened && !dataFileProblem.isEmpty())
        MessageService::information(
            dataFileProblem + QStringLiteral(". The design opens without it: choose the data file again when printing."));
    return opened;
}

void TSKMainScreen::SaveLabelFile(const QString &fileName)
{
    // Files hold the design at zoom 1.0, which a zoom never changes.
    const float zoom = mLabelPanel->ScaleFactor();
    if (zoom != 1.0f)
        mLabelPanel->SetZoom(1.0f);
    auto restoreZoom = qScopeGuard([this, zoom] {
        if (zoom != 1.0f)
            mLabelPanel->SetZoom(zoom);
    });
    // Objects wholly outside the label go now that the save happens; that
    // is a change of the design, which stays marked when the write fails.
    mLabelPanel->PurgeObjects();
    TGLabelObjectFiler().WriteLabelFile(*mLabelPanel, fileName, mLayout.toLayout());
    restoreZoom.dismiss();
    if (zoom != 1.0f)
        mLabelPanel->SetZoom(zoom);
    QCoreApplication::processEvents();
}

void TSKMainScreen::Open1Click()
{
    if (!CheckSaveNeeded())
        return;
    const QString name = mDialogs->getOpenFileName(this, QStringLiteral("Open Label File"), ProgramFolder::documentsPath(),
                                                   CommonDialogs::openFilter());
    if (name.isEmpty())
        return;
    if (!hasLabelFileExtension(name)) {
        MessageService::information(mustBeLabelFileText());
        return;
    }
    OpenLabelFile(name);
}

void TSKMainScreen::Delete1Click()
{
    const QString name = mDialogs->getOpenFileName(this, QStringLiteral("Delete Label File"), ProgramFolder::documentsPath(),
                                                   CommonDialogs::openFilter());
    if (name.isEmpty())
        return;
    if (!hasLabelFileExtension(name)) {
        MessageService::information(mustBeLabelFileText());
        return;
    }
    if (!MessageService::question(QStringLiteral("CONFIRM"), QStringLiteral("Delete ") + name + QLatin1Char('?')))
        return;
    const bool current = !mFileName.isEmpty() && QFileInfo(name).canonicalFilePath() == QFileInfo(mFileName).canonicalFilePath();
    if (!QFile::remove(name)) {
        MessageService::information(QStringLiteral("Unable to delete ") + name);
        return;
    }
    // The design on the panel stays; when it came from this file it now
    // exists nowhere else, so it is unsaved and has no name.
    if (current) {
        mFileName.clear();
        mHistory->forgetSaved();
        SetChangesMade(true);
        SetButtons();
    }
}

void TSKMainScreen::mnuSaveClick()
{
    if (mFileName.isEmpty()) {
        QApplication::beep();
        return;
    }
    if (runFileCommand([this] { SaveLabelFile(mFileName); }))
        designSaved();
}

void TSKMainScreen::mnuSaveAsClick()
{
    const QString folder = ProgramFolder::documentsPath();
    const QString proposed = mFileName.isEmpty() ? proposedLabelFileName(folder) : QFileInfo(mFileName).fileName();
    const QString name = mDialogs->getSaveFileName(this, QStringLiteral("Save As"), folder, proposed,
                                                   CommonDialogs::saveFilter(), CommonDialogs::defaultSuffix());
    // A failed save keeps the previous name: the design has not been stored
    // under the new one.
    if (!name.isEmpty() && runFileCommand([this, &name] { SaveLabelFile(name); })) {
        // The design keeps its data file under its new name.
        if (const std::optional<DataFile> &data = MergeSession::dataFile()) {
            IniFile ini(configFileName());
            MergeSession::remember(ini, name, data->fileName);
        }
        mFileName = name;
        designSaved();
        mRecentFiles->AddFile(name);
        saveRecentFiles();
    }
    SetButtons();
}

void TSKMainScreen::SaveButtonClick()
{
    if (mFileName.isEmpty())
        mnuSaveAsClick();
    else
        mnuSaveClick();
}

void TSKMainScreen::CancelButtonClick()
{
    if (!MessageService::question(QStringLiteral("CANCEL"), QStringLiteral("Cancel all changes?")))
        return;
    if (!mFileName.isEmpty()) {
        // Back to the saved file. When it is gone or cannot be read the
        // design stays as it is, changed, and the user is told why
        // (OpenLabelFile reports a file it cannot read).
        if (!QFileInfo(mFileName).isFile()) {
            MessageService::information(mFileName + QStringLiteral(" no longer exists"));
            return;
        }
        if (!OpenLabelFile(mFileName))
            return;
    } else {
        mLabelPanel->ClearObjects();
        mHistory->clear();
    }
    SetChangesMade(false);
    mLabelPanel->invalidate();
}

} // namespace sw
