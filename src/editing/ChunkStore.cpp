#include "editing/ChunkStore.h"

#include <QHashFunctions>

#include <array>
#include <cstring>

namespace sw {

namespace {

// The rolling "gear" hash: one random 64-bit number per byte value, shifted
// in byte by byte, so that the hash at a position depends on the last 64
// bytes only. A cut falls where its low 13 bits are zero: once in 8 KiB on
// average, at the same content wherever that content stands.
constexpr quint64 CutMask = (quint64(1) << 13) - 1;

const std::array<quint64, 256> &gearTable()
{
    static const std::array<quint64, 256> table = [] {
        std::array<quint64, 256> t{};
        quint64 x = 0x5374696B77656C6CULL; // fixed, so that cuts are the same in every run
        for (quint64 &v : t) {
            // splitmix64
            x += 0x9E3779B97F4A7C15ULL;
            quint64 z = x;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            v = z ^ (z >> 31);
        }
        return t;
    }();
    return table;
}

// Length of the piece starting at data[0] (size bytes remain).
int pieceLength(const char *data, int size)
{
    if (size <= ChunkStore::MinPiece)
        return size;
    const auto &gear = gearTable();
    const int limit = std::min(size, ChunkStore::MaxPiece);
    quint64 hash = 0;
    for (int i = ChunkStore::MinPiece; i < limit; ++i) {
        hash = (hash << 1) + gear[static_cast<unsigned char>(data[i])];
        if ((hash & CutMask) == 0)
            return i + 1;
    }
    return limit;
}

} // namespace

ChunkStore::Chunks ChunkStore::store(const QByteArray &bytes, const std::vector<qsizetype> &cuts)
{
    Chunks chunks;
    const char *data = bytes.constData();
    qsizetype at = 0;
    auto cut = cuts.begin();
    while (at < bytes.size()) {
        while (cut != cuts.end() && *cut <= at)
            ++cut;
        const qsizetype end = cut != cuts.end() && *cut < bytes.size() ? *cut : bytes.size();
        const int n = pieceLength(data + at, static_cast<int>(end - at));
        chunks.push_back(intern(data + at, n));
        at += n;
    }
    return chunks;
}

QByteArray ChunkStore::join(const Chunks &chunks)
{
    qsizetype total = 0;
    for (const Chunk &c : chunks)
        total += c->size();
    QByteArray bytes;
    bytes.reserve(total);
    for (const Chunk &c : chunks)
        bytes.append(*c);
    return bytes;
}

ChunkStore::Chunk ChunkStore::intern(const char *data, int size)
{
    const size_t key = qHashBits(data, static_cast<size_t>(size));
    for (auto it = mPieces.find(key); it != mPieces.end() && it.key() == key; ++it) {
        Chunk held = it.value().lock();
        if (held && held->size() == size && std::memcmp(held->constData(), data, static_cast<size_t>(size)) == 0)
            return held;
    }
    Chunk piece = std::make_shared<const QByteArray>(data, size);
    mPieces.insert(key, piece);
    // Sweeping costs a walk over every entry: done once the table has
    // grown by half since the last one.
    if (++mAddedSinceSweep > 64 && mAddedSinceSweep > mPieces.size() / 2)
        sweep();
    return piece;
}

void ChunkStore::sweep()
{
    for (auto it = mPieces.begin(); it != mPieces.end();) {
        if (it.value().expired())
            it = mPieces.erase(it);
        else
            ++it;
    }
    mAddedSinceSweep = 0;
}

qint64 ChunkStore::heldBytes() const
{
    qint64 total = 0;
    for (const auto &weak : mPieces)
        if (Chunk held = weak.lock())
            total += held->size();
    return total;
}

} // namespace sw
