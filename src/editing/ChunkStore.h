#pragma once
// Bytes kept once however often they recur. Each stream given is cut into
// pieces where its content says (not at fixed offsets), so that a change
// near the start of a long stream (an object's position before its
// picture) leaves every later piece as it was; equal pieces are shared.
// A piece lives as long as some holder keeps it.
#include <QByteArray>
#include <QMultiHash>

#include <memory>
#include <vector>

namespace sw {

class ChunkStore
{
public:
    using Chunk = std::shared_ptr<const QByteArray>;
    using Chunks = std::vector<Chunk>;

    // Cuts `bytes` into pieces of 2 to 64 KiB (8 KiB on average; a shorter
    // stream is one piece) and returns them in order, each one the piece
    // already held when an equal one is. `cuts` (ascending offsets) are
    // cut as well: where a part that stays the same while what stands
    // before it changes (a picture after the object's position) begins and
    // ends, so that it is shared whole.
    Chunks store(const QByteArray &bytes, const std::vector<qsizetype> &cuts = {});
    // The stream the pieces were cut from.
    static QByteArray join(const Chunks &chunks);

    // The bytes of the distinct pieces still held by someone.
    qint64 heldBytes() const;

    static constexpr int MinPiece = 2 * 1024;
    static constexpr int MaxPiece = 64 * 1024;

private:
    Chunk intern(const char *data, int size);
    void sweep();

    // Pieces by the hash of their bytes; expired entries are swept now and
    // then.
    QMultiHash<size_t, std::weak_ptr<const QByteArray>> mPieces;
    int mAddedSinceSweep = 0;
};

} // namespace sw
