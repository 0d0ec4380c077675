#pragma once
// Windows metafiles (16-bit records), placeable or plain: the header, and
// the records played onto a GdiRenderer. Records this player does not know
// are skipped; a record whose size runs past the data ends the playback.
#include "metafile/ByteCursor.h"
#include "metafile/GdiTypes.h"

#include <QRectF>
#include <QVector>

namespace sw {

class GdiRenderer;

class WmfPlayer
{
public:
    struct Header
    {
        bool valid = false;
        bool placeable = false;
        // Placeable: the picture's box in logical units and how many of
        // them make an inch. Plain: the window its records set (or the
        // extent of what it draws), counted as screen pixels.
        QRectF bounds;
        double unitsPerInch = 96;
        int objects = 0;          // size of the object table
        qsizetype recordsStart = 0;
    };

    static Header readHeader(const ByteCursor &data);
    // Sets up the renderer's window on the header's bounds and plays the
    // records.
    static void play(const ByteCursor &data, const Header &header, GdiRenderer &renderer);

private:
    WmfPlayer(GdiRenderer &renderer, int objects);
    // False ends the playback (the end record).
    bool record(quint16 function, ByteCursor params, quint32 words);
    void createObject(const gdi::GdiObject &object);
    gdi::GdiObject *object(int index);
    void selectObject(int index);
    void block(quint16 function, ByteCursor &p, quint32 words);
    void text(ByteCursor &p, bool extended);
    static gdi::RectList readRegion(ByteCursor p);
    // A region object of the table in reference-device units; null when
    // the index holds no region.
    const gdi::RectList *referenceRegion(int index);

    GdiRenderer &mRenderer;
    QVector<gdi::GdiObject> mObjects;
    int mFirstFree = 0; // no free slot of the table lies below it
    gdi::RectList mRegion;
};

} // namespace sw
