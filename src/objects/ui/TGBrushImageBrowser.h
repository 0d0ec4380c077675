#pragma once
// The "Load Texture Image" window: a folder tree and the picture files of
// the chosen folder; selecting a file loads it as the texture of a sample
// shape (ExampleSuperShape), a copy of the properties window's sample. OK
// hands back the sample's texture and the selected file's path.
#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>


namespace sw {

class LabelSampleView;
class PictureFileChooser;
class TSmartImage;
class TSuperShape;

class TGBrushImageBrowser : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40012;

    // sample: the shape whose look the example copies; lastFile: the
    // texture file chosen last time (may be empty).
    TGBrushImageBrowser(const TSuperShape &sample, const QString &lastFile, QWidget *parent = nullptr);
    ~TGBrushImageBrowser() override;

    // The file list's patterns, matched without regard to case.
    static QStringList Mask();
    // The folder of the textures shipped with the program.
    static QString TextureFolder();

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

    TSuperShape *ExampleSuperShape() const { return mExample; }
    // What OK returns: the example's texture.
    QImage Texture() const;

private:
    PictureFileChooser *mChooser;
    LabelSampleView *mView;
    TSuperShape *mExample;
    TSmartImage *mSmartImage;
};

} // namespace sw
