#pragma once
// The image browser's hidden loader: reads a picture file into Picture,
// turning every raster format into a bitmap. Bitmaps, icons and metafiles
// go through the picture's own loader; JPEG, GIF, device-independent and
// run-length bitmaps, Targa and PCX files are decoded here.
//
// A file that cannot be decoded leaves Picture empty and is reported to the
// user through MessageService: either the file is damaged or not of its
// kind, or this system has no decoder for the kind at all (JPEG, GIF and
// Targa need Qt's image-format plugins).
#include "platform/TPicture.h"

#include <QImage>
#include <QObject>
#include <QString>

namespace sw {

class TSmartImage : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool AutoSize MEMBER mAutoSize)
    Q_PROPERTY(bool Center MEMBER mCenter)
    Q_PROPERTY(sw::TPicture *Picture READ Picture)
    Q_PROPERTY(bool Stretch MEMBER mStretch)
    Q_PROPERTY(bool MaintainAspect MEMBER mMaintainAspect)
    Q_PROPERTY(bool Transparent MEMBER mTransparent)
    Q_CLASSINFO("default:AutoSize", "False")
    Q_CLASSINFO("default:Center", "False")
    Q_CLASSINFO("default:Stretch", "False")
    Q_CLASSINFO("default:MaintainAspect", "True")
    Q_CLASSINFO("default:Transparent", "False")

public:
    // Ordinals of the format codes.
    enum FormatCode { fcOther, fcJpg, fcGif, fcJif, fcBmp, fcDib, fcRle, fcTga, fcPcx };

    explicit TSmartImage(QObject *parent = nullptr);

    TPicture *Picture() const { return mPicture; }

    // The code of a file name: the text after its last '.', upper-cased
    // ("photo.old.jpg" -> fcJpg); fcOther for any other text or none.
    static FormatCode FormatCodeOf(const QString &fileName);

    // Loads the file into Picture. fcOther and fcBmp use the picture's own
    // loader (bitmap, icon, metafile); the other codes are decoded to a
    // bitmap. Failures are reported as described above, except for fcBmp,
    // whose windows report it in words of their own. True when Picture now
    // holds the file's graphic; else Picture is empty.
    bool LoadFromFile(const QString &fileName);
    // What the user is told of a picture file that does not read.
    static QString UnreadableMessage(const QString &fileName);

    // Decodes a raster file of the given code into an image; a null image
    // with *error set (the text shown to the user) when that fails.
    static QImage Decode(const QString &fileName, FormatCode code, QString *error);
    // Decodes a file's bytes by the code; a null image when they do not
    // decode. Damaged data of any kind gives a null image, never a read
    // outside it.
    static QImage DecodeData(const QByteArray &data, FormatCode code);
    // Whether this system can decode pictures of the code at all.
    static bool HasDecoder(FormatCode code);

    // An icon's image made a bitmap: drawn at (0, 0) on white, so that its
    // transparent parts come out white.
    static QImage IconToBitmap(const QImage &icon);

private:
    TPicture *mPicture;
    bool mAutoSize = false;
    bool mCenter = false;
    bool mStretch = false;
    bool mMaintainAspect = true;
    bool mTransparent = false;
};

} // namespace sw
