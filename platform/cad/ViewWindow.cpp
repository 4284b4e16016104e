#include "platform/cad/ViewWindow.h"

#include "platform/cad/DgnButtonEvent.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/PlatformWorkQueue.h"
#include "platform/cad/ProjectViewScene.h"
#include "platform/cad/StandardViewRotationTool.h"
#include "platform/cad/ToolInput.h"
#include "platform/cad/ViewDisplayList.h"
#include "platform/cad/ViewLayout.h"
#include "platform/cad/ViewPainter.h"
#include "platform/cad/ViewRaster.h"
#include "platform/win/Desktop.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <mutex>

namespace {

constexpr int kSelectedFrameWidth = 2;
constexpr UINT_PTR kTurnTimer = 0x5E7;

// Runs view work where views are changed; the pane may be gone by then, the view not.
void OnWorkThread(IndexedViewport* viewport, std::function<void(IndexedViewport&)> work)
{
    PlatformWorkQueue::Post([viewport, work = std::move(work)] {
        if (IViewManager::GetManager().GetActiveViewSet().Contains(viewport))
            work(*viewport);
    });
}

} // namespace

// One view shown in the window: its rectangle, and the output through which the view asks the
// window to show new drawings.
class ViewWindow::Pane : public IViewOutput
{
public:
    Pane(ViewWindow& window, IndexedViewport& viewport, const RECT& rect)
        : m_window(window), m_viewport(&viewport), m_rect(rect)
    {}

    HWND GetWindow() const override { return m_window.m_hWnd; }
    RECT GetViewRect() const override { return m_rect; }
    void RequestPresent() override { Present(m_rect, true); }

    void RequestPresentArea(const RECT& viewArea) override
    {
        RECT area = viewArea;
        ::OffsetRect(&area, m_rect.left, m_rect.top);
        if (::IntersectRect(&area, &area, &m_rect))
            Present(area, false);
    }

    // What the view asked to show since the window last looked, in client coordinates.
    bool TakePendingArea(RECT& area)
    {
        std::lock_guard lock(m_pendingMutex);
        area = m_pending;
        m_pending = RECT{0, 0, 0, 0};
        return !::IsRectEmpty(&area);
    }

    // The background and the model's drawing of the pane as last painted, so that a paint for
    // new dynamics or transients copies them instead of painting the model again.
    struct SceneCache
    {
        std::shared_ptr<const ViewDisplayList> scene;
        COLORREF background = 0;
        RECT rect{0, 0, 0, 0};
        std::vector<std::uint32_t> pixels;
    };
    SceneCache& Cache() { return m_cache; }

    void ViewportClosing() override
    {
        if (m_window.m_panning == m_viewport)
            m_window.m_panning = nullptr;
        m_viewport = nullptr;
        if (HWND hwnd = m_window.m_hWnd)
            ::PostMessageW(hwnd, kLayoutMessage, 0, 0);
    }

    // Null once the view was closed; the pane goes at the next layout.
    IndexedViewport* Viewport() const { return m_viewport; }
    const RECT& Rect() const { return m_rect; }
    void SetRect(const RECT& rect) { m_rect = rect; }

private:
    void Present(const RECT& area, bool whole)
    {
        HWND hwnd = m_window.m_hWnd;
        if (!hwnd)
            return;
        if (!zt::win::Desktop::IsUIThread()) {
            {
                std::lock_guard lock(m_pendingMutex);
                const RECT& add = whole ? m_rect : area;
                ::UnionRect(&m_pending, &m_pending, &add);
            }
            ::PostMessageW(hwnd, kPresentMessage, 0, 0);
            return;
        }
        ::InvalidateRect(hwnd, &area, FALSE);
        ::UpdateWindow(hwnd);
    }

    ViewWindow& m_window;
    IndexedViewport* m_viewport;
    RECT m_rect;
    std::mutex m_pendingMutex;
    RECT m_pending{0, 0, 0, 0};
    SceneCache m_cache;
};

IMPLEMENT_DYNCREATE(ViewWindow, CView)

BEGIN_MESSAGE_MAP(ViewWindow, CView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONDBLCLK()
ON_WM_MBUTTONDOWN()
ON_WM_MBUTTONUP()
ON_WM_CAPTURECHANGED()
ON_WM_MOUSEWHEEL()
ON_MESSAGE(ViewWindow::kPresentMessage, OnPresent)
ON_MESSAGE(StandardViewRotationTool::kTickRequestMessage, OnTickRequest)
ON_WM_TIMER()
ON_MESSAGE(ViewWindow::kLayoutMessage, OnLayoutMessage)
END_MESSAGE_MAP()

ViewWindow::ViewWindow() = default;
ViewWindow::~ViewWindow() = default;

BOOL ViewWindow::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CView::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~static_cast<LONG>(WS_BORDER);
    return TRUE;
}

IndexedViewSet& ViewWindow::ViewSet() const
{
    return IViewManager::GetManager().GetActiveViewSet();
}

int ViewWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The window shows the current project unless the application chose another scene.
    if (!IViewManager::GetManager().GetViewScene())
        ProjectViewScene::Install();
    IndexedViewSet& set = ViewSet();
    // A window without views shows the first one, as a plan.
    if (set.GetOpenCount() == 0) {
        IndexedViewport* first = set.OpenViewport(0);
        first->SetRotMatrix(RotMatrix::FromStandardView(StandardView::Top));
        first->Set3dView(true);
    }
    if (!set.GetSelectedViewport())
        set.SetSelectedViewport(set.GetOpenViewports().front());
    RefreshLayout();
    return 0;
}

void ViewWindow::OnDestroy()
{
    KillTimer(kTurnTimer);
    for (auto& pane : m_panes)
        if (IndexedViewport* view = pane->Viewport()) {
            StandardViewRotationTool::Forget(*view);
            if (view->GetIViewOutput() == pane.get())
                view->SetIViewOutput(nullptr);
        }
    m_panes.clear();
    m_buffer.Release();
    ToolInput::Clear();
    CView::OnDestroy();
}

void ViewWindow::RefreshLayout()
{
    if (!m_hWnd)
        return;
    std::vector<IndexedViewport*> views = ViewSet().GetOpenViewports();
    if (views.size() > std::size_t(zt::cad::kMaxWindowViews))
        views.resize(zt::cad::kMaxWindowViews);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const std::vector<RECT> cells = zt::cad::LayoutViews(client, int(views.size()));
    for (auto& pane : m_panes)
        if (IndexedViewport* view = pane->Viewport())
            if (view->GetIViewOutput() == pane.get() &&
                std::find(views.begin(), views.end(), view) == views.end())
                view->SetIViewOutput(nullptr);
    std::vector<std::unique_ptr<Pane>> panes;
    for (std::size_t i = 0; i < views.size(); ++i) {
        auto pane = std::make_unique<Pane>(*this, *views[i], cells[i]);
        IndexedViewport* view = views[i];
        const RECT& r = cells[i];
        view->SetIViewOutput(pane.get());
        // An empty pane keeps the view's last size: a view is never smaller than a pixel.
        if (r.right > r.left && r.bottom > r.top)
            view->Resize(r.right - r.left, r.bottom - r.top);
        panes.push_back(std::move(pane));
    }
    m_panes.swap(panes);
    UpdateScreenOrigins();
    for (IndexedViewport* view : views)
        OnWorkThread(view, [](IndexedViewport& v) { v.UpdateView(); });
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void ViewWindow::UpdateScreenOrigins()
{
    for (auto& pane : m_panes) {
        POINT topLeft{pane->Rect().left, pane->Rect().top};
        ::ClientToScreen(m_hWnd, &topLeft);
        if (IndexedViewport* view = pane->Viewport())
            view->SetScreenOrigin(DPoint2d{double(topLeft.x), double(topLeft.y)});
    }
}

std::vector<IndexedViewport*> ViewWindow::GetShownViewports() const
{
    std::vector<IndexedViewport*> views;
    for (const auto& pane : m_panes)
        if (pane->Viewport())
            views.push_back(pane->Viewport());
    return views;
}

RECT ViewWindow::GetViewRect(const IndexedViewport* viewport) const
{
    const Pane* pane = PaneOf(viewport);
    return pane ? pane->Rect() : RECT{};
}

IndexedViewport* ViewWindow::ViewportFromPoint(POINT client) const
{
    Pane* pane = PaneAt(client);
    return pane ? pane->Viewport() : nullptr;
}

ViewWindow::Pane* ViewWindow::PaneAt(POINT client) const
{
    for (const auto& pane : m_panes)
        if (pane->Viewport() && ::PtInRect(&pane->Rect(), client))
            return pane.get();
    return nullptr;
}

ViewWindow::Pane* ViewWindow::PaneOf(const IndexedViewport* viewport) const
{
    for (const auto& pane : m_panes)
        if (viewport && pane->Viewport() == viewport)
            return pane.get();
    return nullptr;
}

void ViewWindow::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    RefreshLayout();
}

BOOL ViewWindow::OnEraseBkgnd(CDC*)
{
    return TRUE; // OnDraw covers every pixel
}

void ViewWindow::OnDraw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    if (!m_buffer.Ensure(client.Width(), client.Height()))
        return;
    ViewRaster raster(m_buffer.Pixels(), m_buffer.Width(), m_buffer.Height(), m_buffer.Width());
    RECT dirty = client;
    pDC->GetClipBox(&dirty);
    // The split bars show where no pane covers the client area.
    raster.SetClip(dirty);
    raster.FillRect(client, kSplitColor);
    const IndexedViewport* selected = ViewSet().GetSelectedViewport();
    for (const auto& pane : m_panes)
        PaintPane(raster, *pane, selected && pane->Viewport() == selected && m_panes.size() > 1,
                  dirty);
    m_buffer.Present(pDC->GetSafeHdc(), dirty);
}

void ViewWindow::PaintPane(ViewRaster& raster, Pane& pane, bool selected,
                           const RECT& dirty) const
{
    const RECT& r = pane.Rect();
    RECT area;
    if (r.right <= r.left || r.bottom <= r.top || !pane.Viewport() ||
        !::IntersectRect(&area, &r, &dirty))
        return;
    IndexedViewport& view = *pane.Viewport();
    HDC textDc = m_buffer.GetDC();
    const int saved = ::SaveDC(textDc);
    const ViewDrawing drawing = view.GetDrawing();
    const POINT origin{r.left, r.top};
    const COLORREF background = view.GetBackgroundColor();
    Pane::SceneCache& cache = pane.Cache();
    const int stride = m_buffer.Width();
    const int width = r.right - r.left;
    const bool cached = cache.scene == drawing.scene && cache.background == background &&
                        ::EqualRect(&cache.rect, &r) &&
                        cache.pixels.size() == std::size_t(width) * (r.bottom - r.top);
    if (cached) {
        for (int y = area.top; y < area.bottom; ++y)
            std::memcpy(m_buffer.Pixels() + std::size_t(y) * stride + area.left,
                        cache.pixels.data() + std::size_t(y - r.top) * width + (area.left - r.left),
                        std::size_t(area.right - area.left) * sizeof(std::uint32_t));
    } else {
        // The whole pane, so that the next paint of any part of it can copy it.
        ::IntersectClipRect(textDc, r.left, r.top, r.right, r.bottom);
        raster.SetClip(r);
        raster.FillRect(r, background);
        if (drawing.scene)
            ViewPainter::Paint(raster, textDc, *drawing.scene, origin);
        cache.pixels.resize(std::size_t(width) * (r.bottom - r.top));
        for (int y = r.top; y < r.bottom; ++y)
            std::memcpy(cache.pixels.data() + std::size_t(y - r.top) * width,
                        m_buffer.Pixels() + std::size_t(y) * stride + r.left,
                        std::size_t(width) * sizeof(std::uint32_t));
        cache.scene = drawing.scene;
        cache.background = background;
        cache.rect = r;
    }
    ::RestoreDC(textDc, saved);
    const int clipped = ::SaveDC(textDc);
    ::IntersectClipRect(textDc, area.left, area.top, area.right, area.bottom);
    raster.SetClip(area);
    for (const auto& layer : {drawing.overlay, drawing.dynamics})
        if (layer)
            ViewPainter::Paint(raster, textDc, *layer, origin);
    if (selected) {
        const int w = kSelectedFrameWidth;
        raster.FillRect(RECT{r.left, r.top, r.right, r.top + w}, kSelectedFrame);
        raster.FillRect(RECT{r.left, r.bottom - w, r.right, r.bottom}, kSelectedFrame);
        raster.FillRect(RECT{r.left, r.top, r.left + w, r.bottom}, kSelectedFrame);
        raster.FillRect(RECT{r.right - w, r.top, r.right, r.bottom}, kSelectedFrame);
    }
    ::RestoreDC(textDc, clipped);
}

LRESULT ViewWindow::OnPresent(WPARAM, LPARAM)
{
    // Views drawn on another thread: paint them all, once however many asked.
    MSG pending;
    while (::PeekMessageW(&pending, m_hWnd, kPresentMessage, kPresentMessage, PM_REMOVE)) {
    }
    bool any = false;
    for (const auto& pane : m_panes) {
        RECT area;
        if (pane->TakePendingArea(area)) {
            ::InvalidateRect(m_hWnd, &area, FALSE);
            any = true;
        }
    }
    if (!any)
        Invalidate(FALSE);
    UpdateWindow();
    return 0;
}

LRESULT ViewWindow::OnLayoutMessage(WPARAM, LPARAM)
{
    RefreshLayout();
    return 0;
}

LRESULT ViewWindow::OnTickRequest(WPARAM, LPARAM)
{
    SetTimer(kTurnTimer, StandardViewRotationTool::kTickMs, nullptr);
    return 0;
}

void ViewWindow::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kTurnTimer) {
        CView::OnTimer(nIDEvent);
        return;
    }
    if (!StandardViewRotationTool::Tick(zt::win::Desktop::Now()))
        KillTimer(kTurnTimer);
}

bool ViewWindow::MakeEvent(POINT client, UINT flags, DgnButtonEvent& out) const
{
    Pane* pane = PaneAt(client);
    if (!pane)
        return false;
    IndexedViewport& view = *pane->Viewport();
    const DPoint3d viewPoint{double(client.x - pane->Rect().left),
                             double(client.y - pane->Rect().top), 0.0};
    const DPoint3d world = view.ViewToWorld(viewPoint);
    out = DgnButtonEvent(&view, world, viewPoint, view.ViewToScreen(viewPoint), flags);
    return true;
}

void ViewWindow::OnMouseMove(UINT nFlags, CPoint point)
{
    UpdateScreenOrigins();
    if (m_panning) {
        const double dx = point.x - m_panFrom.x, dy = point.y - m_panFrom.y;
        m_panFrom = point;
        OnWorkThread(m_panning, [dx, dy](IndexedViewport& v) {
            v.Scroll(dx, dy);
            v.UpdateView();
        });
        return;
    }
    DgnButtonEvent event;
    if (MakeEvent(point, nFlags, event))
        ToolInput::Motion(event);
}

void ViewWindow::OnLButtonDown(UINT nFlags, CPoint point)
{
    DgnButtonEvent event;
    if (!MakeEvent(point, nFlags, event))
        return;
    IndexedViewSet& set = ViewSet();
    IndexedViewport* previous = set.GetSelectedViewport();
    if (previous != event.GetViewport()) {
        set.SetSelectedViewport(event.GetViewport());
        Invalidate(FALSE);
    }
    ToolInput::DataButton(event);
}

void ViewWindow::OnRButtonDown(UINT nFlags, CPoint point)
{
    DgnButtonEvent event;
    if (MakeEvent(point, nFlags, event))
        ToolInput::ResetButton(event);
}

void ViewWindow::OnMButtonDown(UINT, CPoint point)
{
    Pane* pane = PaneAt(point);
    if (!pane)
        return;
    m_panning = pane->Viewport();
    m_panFrom = point;
    SetCapture();
}

void ViewWindow::OnMButtonUp(UINT, CPoint)
{
    if (m_panning && ::GetCapture() == m_hWnd)
        ReleaseCapture();
    m_panning = nullptr;
}

void ViewWindow::OnCaptureChanged(CWnd*)
{
    m_panning = nullptr;
}

BOOL ViewWindow::OnMouseWheel(UINT, short zDelta, CPoint pt)
{
    POINT client = pt; // the wheel reports screen coordinates
    ::ScreenToClient(m_hWnd, &client);
    Pane* pane = PaneAt(client);
    if (!pane || zDelta == 0)
        return FALSE;
    const double notches = double(zDelta) / WHEEL_DELTA;
    const double factor = std::pow(kWheelZoomFactor, notches);
    const double x = client.x - pane->Rect().left, y = client.y - pane->Rect().top;
    IndexedViewport* view = pane->Viewport();
    OnWorkThread(view, [x, y, factor](IndexedViewport& v) {
        const DPoint3d anchor{x, y, 0.0};
        v.Zoom(&anchor, factor);
        v.UpdateView();
    });
    return TRUE;
}
