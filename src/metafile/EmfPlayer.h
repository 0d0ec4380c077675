#pragma once
// Enhanced metafiles (32-bit records): the header, and the records played
// onto a GdiRenderer. Records this player does not know are skipped
// (comments, colour management, EMF+ records riding in comments); a record
// whose size runs past the data ends the playback.
#include "metafile/ByteCursor.h"
#include "metafile/GdiTypes.h"

#include <QRectF>
#include <QSizeF>
#include <QVector>

namespace sw {

class GdiRenderer;

class EmfPlayer
{
public:
    struct Header
    {
        bool valid = false;
        // The picture's frame in the reference device's pixels (empty when
        // the header gives none: nothing is drawn), and that device's
        // resolution.
        QRectF frame;
        double dpiX = 96;
        double dpiY = 96;
        int objects = 0; // size of the object table
    };

    static Header readHeader(const ByteCursor &data);
    static void play(const ByteCursor &data, const Header &header, GdiRenderer &renderer);

private:
    EmfPlayer(GdiRenderer &renderer, int objects);
    // False ends the playback (the end record).
    bool record(quint32 type, ByteCursor p, const ByteCursor &whole);
    gdi::GdiObject *slot(quint32 index);
    const gdi::GdiObject *object(quint32 index);
    void selectObject(quint32 index);
    void polyRecord(quint32 type, ByteCursor &p);
    void polyDraw(ByteCursor &p, bool shortPoints);
    void text(quint32 type, ByteCursor &p, const ByteCursor &whole);
    void smallText(ByteCursor &p);
    void bitmapRecord(quint32 type, ByteCursor &p, const ByteCursor &whole);
    void gradientFill(ByteCursor &p);
    static gdi::RectList readRegionData(ByteCursor p);

    GdiRenderer &mRenderer;
    QVector<gdi::GdiObject> mObjects;
    gdi::GdiObject mStock;
};

} // namespace sw
