#pragma once
// A bitmap owned by a label object and stored in its stream as the nested
// value "<Property>.Data": a 4-byte length and a BMP file, written only when
// the bitmap is not empty. An empty bitmap is 0 x 0.
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>

namespace sw {

class TBitmap : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("definedBinary", "Data")

public:
    explicit TBitmap(QObject *parent = nullptr);

    const QImage &image() const { return mImage; }
    bool isEmpty() const { return mImage.isNull() || mImage.width() == 0 || mImage.height() == 0; }
    int width() const { return mImage.width(); }
    int height() const { return mImage.height(); }
    // Takes a copy (as a 24-bit RGB image, the format it is stored in);
    // a null image empties the bitmap. Emits changed.
    void setImage(const QImage &image);
    void clear() { setImage(QImage()); }
    void Assign(const TBitmap &other) { setImage(other.mImage); }
    // Reads a BMP file; false, with the bitmap emptied, when it cannot.
    bool loadFromFile(const QString &path);

    Q_INVOKABLE QByteArray definedBinary(const QString &name) const;
    Q_INVOKABLE bool setDefinedBinary(const QString &name, const QByteArray &data);

Q_SIGNALS:
    void changed();

private:
    QImage mImage;
};

} // namespace sw
