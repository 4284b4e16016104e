// Redrawing a full-HD view: the model of N line elements, 100 transients on top, drawn into
// display lists and painted through GDI into the window, as ForceHealImmediate does it.
#include "platform/cad/ElemMatSymb.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/IViewScene.h"
#include "platform/cad/IViewTransients.h"
#include "platform/cad/ViewContext.h"
#include "platform/cad/ViewWindow.h"
#include "platform/win/Desktop.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kTransients = 100;

struct Line
{
    DPoint3d a, b;
    ElemMatSymb symbology;
};

// Lines of wall length (a metre to four) scattered over a 100 m square, in a few colours.
class LineScene : public IViewScene
{
public:
    explicit LineScene(int count)
    {
        unsigned state = 12345u;
        auto next = [&] {
            state = state * 1664525u + 1013904223u;
            return double(state >> 8) / double(1u << 24);
        };
        const COLORREF colors[] = {RGB(230, 230, 230), RGB(255, 200, 0), RGB(0, 200, 255)};
        for (int i = 0; i < count; ++i) {
            Line l;
            l.a = DPoint3d{next() * 100000.0, next() * 100000.0, 0.0};
            const double len = 1000.0 + next() * 3000.0, dir = next() * 6.283185307;
            l.b = DPoint3d{l.a.x + len * std::cos(dir), l.a.y + len * std::sin(dir), 0.0};
            l.symbology.SetLineColorTBGR(ElemMatSymb::TBGR(colors[i % 3]));
            l.symbology.SetWidth(i % 4 == 0 ? 1 : 0);
            m_lines.push_back(l);
        }
    }
    void _DrawScene(ViewContext& context) override
    {
        IDrawGeom& geom = context.GetIDrawGeom();
        for (const Line& l : m_lines) {
            geom.ActivateMatSymb(&l.symbology);
            const DPoint3d pts[2] = {l.a, l.b};
            geom.DrawLineString3d(2, pts, nullptr);
        }
    }
    unsigned long long _GetSceneGeneration() const override { return 1; }

private:
    std::vector<Line> m_lines;
};

// A marker: a small filled square with its outline, as a snap or a drawing aid draws one.
class Marker : public IViewTransients
{
public:
    explicit Marker(int i) : m_at{1000.0 + 950.0 * i, 50000.0 + 300.0 * (i % 10), 0.0} {}
    void _DrawTransients(ViewContext& context, bool) override
    {
        ElemMatSymb s;
        s.SetLineColorTBGR(ElemMatSymb::TBGR(RGB(0, 255, 0)));
        s.SetFillColorTBGR(ElemMatSymb::TBGR(RGB(0, 120, 0)));
        context.GetIDrawGeom().ActivateMatSymb(&s);
        const double r = 400.0;
        const DPoint3d box[4] = {{m_at.x - r, m_at.y - r, 0},
                                 {m_at.x + r, m_at.y - r, 0},
                                 {m_at.x + r, m_at.y + r, 0},
                                 {m_at.x - r, m_at.y + r, 0}};
        context.GetIDrawGeom().DrawShape3d(4, box, true, nullptr);
    }

private:
    DPoint3d m_at;
};

void BM_RedrawFullHdView(benchmark::State& state)
{
    zt::win::Desktop::Reset();
    zt::win::Desktop::SetScreenSize(kWidth + 100, kHeight + 100);
    IViewManager& manager = IViewManager::GetManager();
    manager.GetActiveViewSet().CloseAll();
    LineScene scene(int(state.range(0)));
    std::vector<Marker> markers;
    for (int i = 0; i < kTransients; ++i)
        markers.emplace_back(i);
    {
        auto* window = new ViewWindow;
        window->CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 0, kWidth, kHeight),
                         nullptr, 0);
        // The client area, inside the client edge, is the full-HD view.
        CRect client;
        window->GetClientRect(&client);
        window->SetWindowPos(nullptr, 0, 0, 2 * kWidth - client.Width(),
                             2 * kHeight - client.Height(), SWP_NOMOVE | SWP_NOZORDER);
        zt::win::Desktop::Pump();
        IndexedViewport& vp = *manager.GetActiveViewSet().GetSelectedViewport();
        manager.SetViewScene(&scene);
        for (Marker& m : markers)
            manager.AddViewTransientHandler(&m);
        vp.GetViewControllerR().LookAtVolume(
            DRange3d::From(DPoint3d{0, 0, 0}, DPoint3d{100000, 100000, 0}));
        for (auto _ : state)
            vp.ForceHealImmediate();
        state.counters["lines"] = double(state.range(0));
        state.counters["view_px"] = double(vp.GetViewWidth() * vp.GetViewHeight());
        for (Marker& m : markers)
            manager.DropViewTransientHandler(&m);
        manager.SetViewScene(nullptr);
        window->DestroyWindow();
    }
    manager.GetActiveViewSet().CloseAll();
    zt::win::Desktop::Reset();
}
BENCHMARK(BM_RedrawFullHdView)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
