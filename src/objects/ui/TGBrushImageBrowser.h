#pragma once
// The "Load Texture Image" window: a folder tree and the picture files of
// the chosen folder; selecting a file loads it as the texture of an example
// object, a copy of the properties window's sample (a SuperShape,
// ExampleSuperShape, or a SuperText, SuperTextExample). OK hands back the
// example's texture and the selected file's path.
#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>


namespace sw {

class LabelSampleView;
class PictureFileChooser;
class TBitmap;
class TGGraphicControl;
class TGSuperText;
class TSmartImage;
class TSuperShape;

class TGBrushImageBrowser : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40012;

    // sample: the shape whose look the example copies; lastFile: the
    // texture file chosen last time (may be empty).
    // When the remembered file is not there, the browser starts in
    // StartFolder().
    TGBrushImageBrowser(const TSuperShape &sample, const QString &lastFile, QWidget *parent = nullptr);
    // The example is a copy of the SuperText sample, at its size.
    TGBrushImageBrowser(const TGSuperText &sample, const QString &lastFile, QWidget *parent = nullptr);
    ~TGBrushImageBrowser() override;

    // The file list's patterns, matched without regard to case.
    static QStringList Mask();
    // The folder of the textures shipped with the program.
    static QString TextureFolder();
    // Where browsing starts without a remembered file: "bmbrush" in the
    // program's folder when there is one, else the shipped textures, else
    // the program's folder.
    static QString StartFolder();

    void setDirectory(const QString &path);
    QString directory() const;
    QStringList listedFiles() const;
    // Selects the file as a click in the list would (showing its folder
    // first) and loads it; false when the list does not show it.
    bool selectFile(const QString &path);
    // Full path of the selected file; empty when none is selected.
    QString selectedFile() const;

    // Loads the file as the example's texture by its extension: ".BMP" as
    // a bitmap ("Error loading file!" when that fails), ".ICO" drawn on a
    // bitmap of its size, anything else through the picture loader. The
    // texture is empty after any failure.
    void loadTexture(const QString &path);

    // The example, of the kind the window was opened for (null otherwise).
    TSuperShape *ExampleSuperShape() const;
    TGSuperText *SuperTextExample() const;
    // What OK returns: the example's texture.
    QImage Texture() const;

private:
    TGBrushImageBrowser(TGGraphicControl *example, QWidget *parent);
    // Shows the remembered file, or the start folder.
    void start(const QString &lastFile);
    // Sizes the example's view to the example.
    void fitView();

    PictureFileChooser *mChooser;
    LabelSampleView *mView = nullptr;
    TGGraphicControl *mExample;
    TBitmap *mTexture;
    TSmartImage *mSmartImage;
};

} // namespace sw
