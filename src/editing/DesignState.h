#pragma once
// One state of a design as the edit history keeps it: every label object's
// component record (as the label file holds it, with the object's name and
// its geometry at zoom 1.0), back-most first, and the layout when the
// history is given one. Records are kept as shared pieces (ChunkStore), so
// that states share whatever they have in common.
#include "editing/ChunkStore.h"
#include "layouts/LayoutWorkingCopy.h"

#include <QSet>
#include <QString>

#include <optional>
#include <vector>

namespace sw {

struct ObjectRecord
{
    QString name;
    ChunkStore::Chunks chunks;
    // Hash of the pieces' identities: equal records have equal keys.
    size_t key = 0;

    // Same object, same properties: pieces are shared, so equal bytes are
    // the same pieces.
    bool operator==(const ObjectRecord &other) const { return key == other.key && chunks == other.chunks; }
    bool operator!=(const ObjectRecord &other) const { return !(*this == other); }
    static size_t keyOf(const ChunkStore::Chunks &chunks);
};

struct DesignState
{
    std::vector<ObjectRecord> objects;
    std::optional<LayoutWorkingCopy> layout;

    bool operator==(const DesignState &other) const;
    bool operator!=(const DesignState &other) const { return !(*this == other); }

    // The objects of `to` that differ from `from`: new, changed, or moved
    // in the z-order (those outside the longest run the two orders share),
    // as indexes into to.objects.
    static QSet<int> touched(const DesignState &from, const DesignState &to);
};

bool sameLayout(const LayoutWorkingCopy &a, const LayoutWorkingCopy &b);

} // namespace sw
