#include "editing/DesignRecorder.h"

#include "objects/TGGraphicControl.h"
#include "persistence/StreamErrors.h"
#include "persistence/TReader.h"
#include "persistence/TWriter.h"
#include "surface/TGBasePanel.h"

#include <QBuffer>
#include <QScopeGuard>

namespace sw {

DesignRecorder::DesignRecorder(TGBasePanel &panel)
    : mPanel(panel)
{
}

DesignState DesignRecorder::capture()
{
    const bool blocked = mPanel.blockChangeReports(true);
    auto unblock = qScopeGuard([this, blocked] { mPanel.blockChangeReports(blocked); });
    // Objects fit their boxes to their content when they are painted, and
    // at 100 % that fit is their geometry: paint first, so that the state
    // holds the design as the user sees it and as the file would.
    if (mPanel.ScaleFactor() == 1.0f)
        mPanel.render();

    const QList<TGGraphicControl *> objects = mPanel.labelObjects();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    std::vector<qint64> ends;
    // Pictures begin and end pieces of their own: moving an object leaves
    // its picture's pieces shared.
    std::vector<qsizetype> cuts;
    {
        TWriter writer(&buffer);
        writer.OnBinary = [&cuts](qint64 position, qint64 size) {
            cuts.push_back(position);
            cuts.push_back(position + size);
        };
        for (TGGraphicControl *o : objects) {
            o->setStreamsUnitBounds(true);
            auto back = qScopeGuard([o] { o->setStreamsUnitBounds(false); });
            writer.WriteRootComponent(o);
            ends.push_back(writer.Position());
        }
        writer.FlushBuffer();
    }

    DesignState state;
    state.objects.reserve(static_cast<size_t>(objects.size()));
    const QByteArray &bytes = buffer.data();
    qint64 start = 0;
    auto cut = cuts.begin();
    for (int i = 0; i < objects.size(); ++i) {
        const qint64 end = ends[static_cast<size_t>(i)];
        std::vector<qsizetype> own;
        for (; cut != cuts.end() && *cut < end; ++cut)
            own.push_back(*cut - start);
        ObjectRecord record;
        record.name = objects.at(i)->objectName();
        record.chunks = mStore.store(bytes.mid(start, end - start), own);
        record.key = ObjectRecord::keyOf(record.chunks);
        state.objects.push_back(std::move(record));
        start = end;
    }
    if (layout)
        state.layout = layout();

    mObjects.clear();
    for (TGGraphicControl *o : objects)
        mObjects.append(o);
    return state;
}

void DesignRecorder::restore(const DesignState &from, const DesignState &to)
{
    // Keep every object whose record stays the same; read the others.
    QMultiHash<size_t, int> staying;
    for (int i = static_cast<int>(from.objects.size()) - 1; i >= 0; --i)
        if (i < mObjects.size() && mObjects.at(i))
            staying.insert(from.objects[static_cast<size_t>(i)].key, i);
    QList<TGGraphicControl *> result;
    std::vector<int> toRead;
    QByteArray records;
    for (int j = 0; j < static_cast<int>(to.objects.size()); ++j) {
        const ObjectRecord &r = to.objects[static_cast<size_t>(j)];
        TGGraphicControl *kept = nullptr;
        for (auto it = staying.find(r.key); it != staying.end() && it.key() == r.key; ++it) {
            if (from.objects[static_cast<size_t>(it.value())] == r) {
                kept = mObjects.at(it.value());
                staying.erase(it);
                break;
            }
        }
        result.append(kept);
        if (!kept) {
            toRead.push_back(j);
            records += ChunkStore::join(r.chunks);
        }
    }

    // Read aside first: a record that fails to read leaves the design alone.
    QObject scratch;
    QList<TGGraphicControl *> read;
    if (!toRead.empty()) {
        records += char(vaNull);
        QBuffer buffer(&records);
        buffer.open(QIODevice::ReadOnly);
        TReader reader(&buffer);
        try {
            reader.ReadComponents(&scratch, &scratch, [&read](QObject *component) {
                if (auto *object = qobject_cast<TGGraphicControl *>(component))
                    read.append(object);
                else
                    delete component;
            });
        } catch (...) {
            reader.FlushBuffer();
            throw;
        }
        reader.ReadListEnd();
        if (read.size() != static_cast<int>(toRead.size()))
            throw EReadError(QStringLiteral("Invalid stream format"));
    }

    const bool blocked = mPanel.blockChangeReports(true);
    auto unblock = qScopeGuard([this, blocked] { mPanel.blockChangeReports(blocked); });
    if (to.layout && setLayout && (!from.layout || !sameLayout(*from.layout, *to.layout)))
        setLayout(*to.layout);
    for (size_t k = 0; k < toRead.size(); ++k) {
        TGGraphicControl *object = read.at(static_cast<int>(k));
        // Records hold the geometry at 1.0: the panel's zoom derives the
        // bounds from it.
        object->SetScale(mPanel.ScaleFactor());
        result[toRead[k]] = object;
    }
    mPanel.replaceObjects(result);

    mObjects.clear();
    for (TGGraphicControl *o : result)
        mObjects.append(o);
}

} // namespace sw
