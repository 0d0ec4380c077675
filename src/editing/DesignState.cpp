#include "editing/DesignState.h"

#include <QHash>

#include <algorithm>

namespace sw {

size_t ObjectRecord::keyOf(const ChunkStore::Chunks &chunks)
{
    std::vector<const void *> ids;
    ids.reserve(chunks.size());
    for (const ChunkStore::Chunk &c : chunks)
        ids.push_back(c.get());
    return qHashBits(ids.data(), ids.size() * sizeof(const void *));
}

bool sameLayout(const LayoutWorkingCopy &a, const LayoutWorkingCopy &b)
{
    return a.LayoutName == b.LayoutName && a.LabelHeight == b.LabelHeight && a.LabelWidth == b.LabelWidth
        && a.NumAcross == b.NumAcross && a.NumDown == b.NumDown && a.TopMargin == b.TopMargin
        && a.LeftMargin == b.LeftMargin && a.HorizPitch == b.HorizPitch && a.VertPitch == b.VertPitch
        && a.PageWidth == b.PageWidth && a.PageHeight == b.PageHeight && a.RightHalfOffset == b.RightHalfOffset
        && a.LowerHalfOffset == b.LowerHalfOffset && a.PrinterType == b.PrinterType && a.PaperCode == b.PaperCode
        && a.ShapeCode == b.ShapeCode && a.ProductCategory == b.ProductCategory && a.ArtName == b.ArtName;
}

bool DesignState::operator==(const DesignState &other) const
{
    if (objects != other.objects || layout.has_value() != other.layout.has_value())
        return false;
    return !layout || sameLayout(*layout, *other.layout);
}

QSet<int> DesignState::touched(const DesignState &from, const DesignState &to)
{
    // Pair every record of `to` with an equal, still unpaired one of `from`.
    QMultiHash<size_t, int> unpaired;
    for (int i = static_cast<int>(from.objects.size()) - 1; i >= 0; --i)
        unpaired.insert(from.objects[static_cast<size_t>(i)].key, i);
    QSet<int> result;
    std::vector<std::pair<int, int>> pairs; // (index in to, index in from)
    for (int j = 0; j < static_cast<int>(to.objects.size()); ++j) {
        const ObjectRecord &r = to.objects[static_cast<size_t>(j)];
        int found = -1;
        for (auto it = unpaired.find(r.key); it != unpaired.end() && it.key() == r.key; ++it) {
            if (from.objects[static_cast<size_t>(it.value())] == r) {
                found = it.value();
                unpaired.erase(it);
                break;
            }
        }
        if (found < 0)
            result.insert(j);
        else
            pairs.emplace_back(j, found);
    }
    // The paired objects that kept their order among themselves are the
    // longest increasing run of their old places; the others moved.
    std::vector<int> tails;  // smallest last old place of a run of each length
    std::vector<int> tailAt; // index into pairs of that last element
    std::vector<int> before(pairs.size(), -1);
    for (size_t k = 0; k < pairs.size(); ++k) {
        const int place = pairs[k].second;
        const auto pos = static_cast<size_t>(std::lower_bound(tails.begin(), tails.end(), place) - tails.begin());
        if (pos == tails.size()) {
            tails.push_back(place);
            tailAt.push_back(static_cast<int>(k));
        } else {
            tails[pos] = place;
            tailAt[pos] = static_cast<int>(k);
        }
        before[k] = pos > 0 ? tailAt[pos - 1] : -1;
    }
    std::vector<bool> kept(pairs.size(), false);
    for (int k = tailAt.empty() ? -1 : tailAt.back(); k >= 0; k = before[static_cast<size_t>(k)])
        kept[static_cast<size_t>(k)] = true;
    for (size_t k = 0; k < pairs.size(); ++k)
        if (!kept[k])
            result.insert(pairs[k].first);
    return result;
}

} // namespace sw
