#pragma once
// Label files, the clipboard file and cloning: every label object of a
// panel written as a component, followed (in label files) by the layout
// record; and the same objects read back onto a panel.
//
//   label file:      vaList, components..., vaNull, vaList, layout, vaNull
//   clipboard file:  vaList, components..., vaNull
//
// Errors of the stream ("Invalid stream format", "Class %s not found",
// "Error reading %s.%s: %s", "Cannot open file %s", "Cannot create file %s")
// travel to the caller as the stream's exceptions. Objects read completely
// before an error stay on the panel.
#include "layouts/TLabelLayout.h"

#include <QList>
#include <QString>

class QIODevice;
class QObject;

namespace sw {

class TGGraphicControl;
class TGPanelHost;

class TGLabelObjectFiler
{
public:
    // Writes the panel's objects (back-most first) and the layout. The file
    // is replaced atomically: a failed save leaves the old file as it was.
    void WriteLabelFile(TGPanelHost &panel, const QString &fileName, const TLabelLayout &layout);
    // Reads the objects onto the panel and the layout into `layout`. A
    // missing file does nothing and leaves `layout` as it was.
    void ReadLabelFile(TGPanelHost &panel, TLabelLayout &layout, const QString &fileName);

    // Writes the objects in the order given (the clipboard); nothing is
    // written for an empty list.
    void WriteSelection(const QList<TGGraphicControl *> &objects, const QString &fileName);
    void WriteObject(TGGraphicControl *object, const QString &fileName);
    // Reads the file's objects onto the panel, each moved 15 pixels right
    // and down (pasting). A missing file does nothing.
    void ReadObjects(TGPanelHost &panel, const QString &fileName);
    // Writes the object to memory and reads it back as a new object on the
    // panel; returns the copy.
    TGGraphicControl *CloneObject(TGGraphicControl *object, TGPanelHost &panel);

    // The object part alone, on any open device.
    static void writeObjectList(QIODevice &device, const QList<TGGraphicControl *> &objects);
    // Returns the objects read, in reading order.
    QList<TGGraphicControl *> readObjectList(QIODevice &device, TGPanelHost &panel);
    // A whole label file (objects, then the layout) from any open device.
    void readLabel(QIODevice &device, TGPanelHost &panel, TLabelLayout &layout);
    // The same written to any open device; throws EWriteError.
    static void writeLabel(QIODevice &device, const QList<TGGraphicControl *> &objects, const TLabelLayout &layout);

    bool Pasting = false;
};

} // namespace sw
