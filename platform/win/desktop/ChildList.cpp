// The z-ordered sibling list and its order keys.
#include "platform/win/desktop/ChildList.h"

#include "platform/win/desktop/WindowRecord.h"

#include <algorithm>
#include <limits>

namespace zt::win {

namespace {

constexpr std::uint64_t kKeyMax = std::numeric_limits<std::uint64_t>::max();
// Room left between the keys of neighbours added at either end: many windows can be created on
// top of one another before the list has to be renumbered.
constexpr std::uint64_t kKeySpacing = std::uint64_t{1} << 32;
constexpr std::uint64_t kFirstKey = std::uint64_t{1} << 63;

} // namespace

void ChildList::InsertAbove(Window* below, Window* w)
{
    Window* above = below ? below->links.above : m_bottom;
    w->links.above = above;
    w->links.below = below;
    w->links.linked = true;
    if (above)
        above->links.below = w;
    else
        m_top = w;
    if (below)
        below->links.above = w;
    else
        m_bottom = w;
    ++m_size;

    // Keys grow downwards; w needs one strictly between its neighbours'.
    std::uint64_t low = above ? above->links.key : 0;
    std::uint64_t high = below ? below->links.key : kKeyMax;
    if (!above && !below) {
        w->links.key = kFirstKey;
    } else if (!above && high > kKeySpacing) {
        w->links.key = high - kKeySpacing;
    } else if (!below && low < kKeyMax - kKeySpacing) {
        w->links.key = low + kKeySpacing;
    } else if (high - low >= 2) {
        w->links.key = low + (high - low) / 2;
    } else {
        Renumber();
    }
}

void ChildList::Remove(Window* w)
{
    if (!w->links.linked)
        return;
    Window* above = w->links.above;
    Window* below = w->links.below;
    if (above)
        above->links.below = below;
    else
        m_top = below;
    if (below)
        below->links.above = above;
    else
        m_bottom = above;
    w->links = SiblingLinks{};
    --m_size;
}

// Spreads the keys evenly again. Their order does not change, so anything ordered by them stays
// valid.
void ChildList::Renumber()
{
    std::uint64_t spacing = std::max<std::uint64_t>(1, kKeyMax / (m_size + 1));
    std::uint64_t key = spacing;
    for (Window* c = m_top; c; c = c->links.below, key += spacing)
        c->links.key = key;
}

} // namespace zt::win
