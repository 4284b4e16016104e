#pragma once
// Curves kept on screen outside every model until they are deleted: the decorations that
// the utility library's "CreateCurve" makes. Each has an id, a colour and a curve chain and is
// drawn in every view, after the transients. Ids are never reused in a process, so a stale id
// deletes nothing.

#include "platform/base/WinTypes.h"
#include "platform/cad/CurveVector.h"
#include "platform/cad/IViewTransients.h"

#include <cstdint>
#include <map>
#include <mutex>

class ViewDecorations : public IViewTransients
{
public:
    static ViewDecorations& Get();

    // Adds a copy of the curves, drawn in the colour (a COLORREF; 255 is pure red); 0 for a
    // null or empty chain.
    std::uint32_t Add(const CurveVector* curves, std::uint32_t color);
    bool Delete(std::uint32_t id);
    void Clear();
    std::size_t Count() const;
    bool Contains(std::uint32_t id) const;

    void _DrawTransients(ViewContext& context, bool isPreUpdate) override;

private:
    ViewDecorations() = default;

    struct Decoration
    {
        CurveVectorPtr curves;
        COLORREF color = 0;
    };

    mutable std::mutex m_mutex;
    std::map<std::uint32_t, Decoration> m_items;
    std::uint32_t m_nextId = 1;
};
