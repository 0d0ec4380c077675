#pragma once
// The "Load Image File " window of the clip-art image: a folder tree and a
// list of the picture files in the chosen folder, a preview of the selected
// file with "Stretch" and "AutoSize" options, and "Ok", "Cancel", "Help".
// The preview holds the picture OK gives the image object: bitmaps and
// metafiles (.WMF, .EMF) as read, icons and every other raster format as
// bitmaps.
#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QScrollArea;

namespace sw {

class PictureFileChooser;
class TGImage;
class TPicture;
class TSmartImage;

class TGImageBrowser : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40003;

    explicit TGImageBrowser(QWidget *parent = nullptr);
    ~TGImageBrowser() override;

    // The file list's patterns, matched without regard to case.
    static QStringList Mask();

    // The folder a new browser shows: the one pictures were last loaded
    // from (kept in the configuration file), or the home folder at first
    // and when that folder is gone. A system folder (/proc, /sys, /dev)
    // gives way to the documents folder (ProgramFolder::dialogStart).
    static QString StartFolder();
    static void RememberFolder(const QString &folder);

    // Shows the folder in the tree and its picture files in the list.
    void setDirectory(const QString &path);
    QString directory() const;
    QStringList listedFiles() const;
    // Selects the file as a click in the list would, showing its folder
    // first, and loads the preview. False when the list does not show it.
    bool selectFile(const QString &path);
    // Full path of the selected file; empty when none is selected.
    QString selectedFile() const;

    // Loads the file into the preview by its extension: bitmaps and
    // metafiles directly ("Error loading file!" when that fails), icons
    // made bitmaps, anything else through the loader, which reports its own
    // failures. The preview is empty after any failure.
    void loadPreview(const QString &path);
    TPicture &PreviewPicture() const;

    QCheckBox *CBStretch() const { return mStretch; }
    QCheckBox *CBAutoSize() const { return mAutoSize; }
    QLabel *Image1() const { return mImage; }
    QScrollArea *ScrollBox1() const { return mScroll; }

    // OK's effect on the object: the preview's picture with the options as
    // checked, when a file is selected; nothing otherwise.
    void applyTo(TGImage &image) const;

    // The image-browsing run on the object: opens the window preset with the
    // object's options and applies it on OK, remembering the folder of the
    // chosen file. The process's current folder is kept. True when the
    // window was closed with OK.
    static bool Browse(TGImage &image, QWidget *parent = nullptr);

    // Installs Browse as what the image tool opens on a new object and
    // what "Load Image From Disk" runs.
    static void install();

private:
    void showPreview();
    void applyPreviewMode();

    PictureFileChooser *mChooser;
    QScrollArea *mScroll;
    QLabel *mImage;
    QCheckBox *mStretch;
    QCheckBox *mAutoSize;
    TSmartImage *mSmartImage;
    TPicture *mPreview;
};

} // namespace sw
