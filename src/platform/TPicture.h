#pragma once
// A picture holding at most one graphic: a bitmap, an icon or a metafile.
// The graphic's bytes are kept exactly as given so that it can be written
// back unchanged: a complete BMP file for a bitmap, an ICO file for an icon,
// an enhanced, placeable or plain metafile for a metafile.
//
// Metafiles stay vectors: image() is null for them and the canvas plays
// them (metafile/MetafilePlayer); their size comes from the header.
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

namespace sw {

class TPicture : public QObject
{
    Q_OBJECT

public:
    enum class Kind { None, Bitmap, Icon, Metafile };

    explicit TPicture(QObject *parent = nullptr);

    Kind kind() const { return mKind; }
    bool isEmpty() const { return mKind == Kind::None; }
    // The graphic's stored bytes (empty when the picture is empty).
    const QByteArray &data() const { return mData; }
    // "TBitmap", "TIcon", "TMetafile", or empty for an empty picture.
    QString graphicClassName() const;
    static Kind kindFromClassName(const QString &className); // None when unknown

    // Takes a graphic of a known kind. The bytes must decode (bitmaps, icons)
    // or carry a metafile header; otherwise false and the picture is unchanged.
    bool setGraphic(Kind kind, const QByteArray &bytes);
    // Recognises the kind from the bytes: BMP, ICO, metafile, or any other
    // image format Qt reads, which is kept as a bitmap (re-encoded as BMP).
    // False, picture unchanged, when nothing recognises the bytes.
    bool loadFromData(const QByteArray &bytes);
    // Reads a file through loadFromData; false when unreadable or unknown.
    bool loadFromFile(const QString &path);
    // Makes the picture a bitmap of the image (encoded as BMP).
    void setImage(const QImage &image);
    void clear();
    // Copies the other picture's graphic.
    void Assign(const TPicture &source);

    // The decoded image for painting; null for empty pictures and metafiles.
    const QImage &image() const { return mImage; }
    // Pixel size of the graphic; a metafile's own size at the screen's
    // resolution (empty when its header does not tell it).
    QSize size() const;

Q_SIGNALS:
    void changed();

private:
    Kind mKind = Kind::None;
    QByteArray mData;
    QImage mImage;
    QSize mMetafileSize;
};

} // namespace sw
