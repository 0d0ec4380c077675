#include "persistence/TGLabelObjectFiler.h"

#include "objects/TGGraphicControl.h"
#include "objects/TGPanelHost.h"
#include "persistence/FileStreams.h"
#include "persistence/LayoutRecordStream.h"
#include "persistence/StreamErrors.h"
#include "persistence/TReader.h"
#include "persistence/TWriter.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QSet>

namespace sw {

namespace {

// Every object read gets a fresh name, "Component" + the smallest free N
// from 0 to 1000; the stored name is kept only when all are taken.
void freshName(TGPanelHost &panel, QString &name)
{
    QSet<QString> taken;
    for (const TGGraphicControl *o : panel.labelObjects())
        taken.insert(o->objectName().toLower());
    for (const QObject *child : panel.hostObject()->children())
        taken.insert(child->objectName().toLower());
    for (int n = 0; n <= 1000; ++n) {
        const QString candidate = QStringLiteral("Component%1").arg(n);
        if (!taken.contains(candidate.toLower())) {
            name = candidate;
            return;
        }
    }
}

} // namespace

void TGLabelObjectFiler::writeObjectList(QIODevice &device, const QList<TGGraphicControl *> &objects)
{
    TWriter writer(&device);
    writer.WriteListBegin();
    for (TGGraphicControl *o : objects)
        writer.WriteRootComponent(o);
    writer.WriteListEnd();
    writer.FlushBuffer();
}

QList<TGGraphicControl *> TGLabelObjectFiler::readObjectList(QIODevice &device, TGPanelHost &panel)
{
    QList<TGGraphicControl *> read;
    TReader reader(&device);
    reader.OnSetName = [&panel](TReader &, QObject *, QString &name) { freshName(panel, name); };
    reader.ReadListBegin();
    try {
        reader.ReadComponents(panel.hostObject(), panel.hostObject(), [&](QObject *component) {
            auto *object = qobject_cast<TGGraphicControl *>(component);
            if (!object) {
                // Only label objects belong on a panel.
                delete component;
                return;
            }
            if (Pasting) {
                object->setTop(object->Top() + 15);
                object->setLeft(object->Left() + 15);
            }
            panel.addObject(object);
            read.append(object);
        });
    } catch (...) {
        reader.FlushBuffer();
        throw;
    }
    reader.ReadListEnd();
    reader.FlushBuffer();
    return read;
}

void TGLabelObjectFiler::WriteLabelFile(TGPanelHost &panel, const QString &fileName, const TLabelLayout &layout)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EFCreateError(QStringLiteral("Cannot create file %1").arg(fileName));
    writeLabel(file, panel.labelObjects(), layout);
    if (!file.commit())
        throw EWriteError(QStringLiteral("Stream write error"));
}

void TGLabelObjectFiler::writeLabel(QIODevice &device, const QList<TGGraphicControl *> &objects,
                                    const TLabelLayout &layout)
{
    TWriter writer(&device);
    writer.WriteListBegin();
    for (TGGraphicControl *o : objects)
        writer.WriteRootComponent(o);
    writer.WriteListEnd();
    writer.WriteListBegin();
    writeLayoutRecord(writer, layout);
    writer.WriteListEnd();
    writer.FlushBuffer();
}

void TGLabelObjectFiler::ReadLabelFile(TGPanelHost &panel, TLabelLayout &layout, const QString &fileName)
{
    if (!QFile::exists(fileName))
        return;
    std::unique_ptr<QFile> file = openFileStream(fileName);
    readLabel(*file, panel, layout);
}

void TGLabelObjectFiler::readLabel(QIODevice &device, TGPanelHost &panel, TLabelLayout &layout)
{
    readObjectList(device, panel);
    TReader reader(&device);
    reader.ReadListBegin();
    readLayoutRecord(reader, layout);
    reader.ReadListEnd();
}

void TGLabelObjectFiler::WriteSelection(const QList<TGGraphicControl *> &objects, const QString &fileName)
{
    if (objects.isEmpty())
        return;
    std::unique_ptr<QFile> file = createFileStream(fileName);
    writeObjectList(*file, objects);
}

void TGLabelObjectFiler::WriteObject(TGGraphicControl *object, const QString &fileName)
{
    std::unique_ptr<QFile> file = createFileStream(fileName);
    writeObjectList(*file, {object});
}

void TGLabelObjectFiler::ReadObjects(TGPanelHost &panel, const QString &fileName)
{
    if (!QFile::exists(fileName))
        return;
    std::unique_ptr<QFile> file = openFileStream(fileName);
    Pasting = true;
    try {
        readObjectList(*file, panel);
    } catch (...) {
        Pasting = false;
        throw;
    }
    Pasting = false;
}

TGGraphicControl *TGLabelObjectFiler::CloneObject(TGGraphicControl *object, TGPanelHost &panel)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    writeObjectList(buffer, {object});
    buffer.seek(0);
    const QList<TGGraphicControl *> copies = readObjectList(buffer, panel);
    return copies.isEmpty() ? nullptr : copies.first();
}

} // namespace sw
