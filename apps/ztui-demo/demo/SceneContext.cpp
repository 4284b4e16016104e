#include "apps/ztui-demo/demo/SceneContext.h"

#include "platform/cad/IndexedViewport.h"
#include "platform/host/Executors.h"
#include "platform/win/Desktop.h"

#include <algorithm>
#include <cmath>

namespace ztdemo {

POINT SceneContext::ScreenOf(const DPoint3d& world) const
{
    IndexedViewport* view = m_session.View();
    if (!view)
        return POINT{-1, -1};
    DPoint3d s = view->WorldToScreen(world);
    return POINT{static_cast<LONG>(std::lround(s.x)), static_cast<LONG>(std::lround(s.y))};
}

COLORREF SceneContext::Background() const
{
    IndexedViewport* view = m_session.View();
    return view ? view->GetBackgroundColor() : RGB(0, 0, 0);
}

RECT SceneContext::ViewRect() const
{
    RECT rc{};
    zt::host::HostMainFrame* frame = m_session.Frame();
    IndexedViewport* view = m_session.View();
    if (!frame || !view || !frame->GetGraphicsView())
        return rc;
    rc = frame->GetGraphicsView()->GetViewRect(view);
    frame->GetGraphicsView()->ClientToScreen(&rc);
    return rc;
}

POINT SceneContext::RibbonButtonCentre(const wchar_t* id) const
{
    zt::host::RibbonBar& ribbon = m_session.Ribbon();
    CRect rc = ribbon.GetButtonRect(ribbon.FindButton(id));
    ribbon.ClientToScreen(&rc);
    return rc.CenterPoint();
}

double SceneContext::DrawnShare(const RECT& r) const
{
    const zt::win::ScreenPixels screen = zt::win::Desktop::ComposeScreen();
    if (!screen)
        return 0;
    COLORREF bg = Background();
    std::uint32_t background = (static_cast<std::uint32_t>(GetRValue(bg)) << 16) |
                               (static_cast<std::uint32_t>(GetGValue(bg)) << 8) | GetBValue(bg);
    long drawn = 0;
    long total = 0;
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, screen.height); ++y)
        for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, screen.width); ++x) {
            ++total;
            if (screen.at(x, y) != background)
                ++drawn;
        }
    return total ? static_cast<double>(drawn) / static_cast<double>(total) : 0;
}

void SceneContext::Settle()
{
    // Work queued by a pump may queue more for the other side: go round until both are quiet.
    for (int round = 0; round < 100; ++round) {
        std::size_t ran = zt::host::Executors::Get().PumpAll();
        ran += zt::win::Desktop::Pump();
        if (ran == 0)
            break;
    }
}

} // namespace ztdemo
