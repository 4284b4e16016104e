#pragma once
// A desktop with a frame window whose client area is the platform's view window, and the
// platform's view state set back to nothing before and after each test (views, transients,
// scene, decorations, the active tool).

#include "platform/cad/DgnTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/IViewScene.h"
#include "platform/cad/IViewTransients.h"
#include "platform/cad/RedrawElems.h"
#include "platform/cad/ToolInput.h"
#include "platform/cad/ViewContext.h"
#include "platform/cad/ViewDecorations.h"
#include "platform/cad/ViewWindow.h"
#include "tests/support/DesktopFixture.h"

#include <functional>
#include <vector>

inline void ResetViewState()
{
    // Views first, so that dropping what they draw redraws nothing.
    IViewManager& manager = IViewManager::GetManager();
    manager.GetActiveViewSet().CloseAll();
    for (IViewTransients* handler : manager.GetViewTransientHandlers())
        manager.DropViewTransientHandler(handler);
    manager.SetViewScene(nullptr);
    ViewDecorations::Get().Clear();
    RedrawElems::ClearDynamics();
    if (DgnPrimitiveTool* tool = DgnTool::GetActivePrimitiveTool())
        tool->ExitTool();
    ToolInput::Clear();
}

// Draws whatever the test gives it; the generation changes with every Set.
class FunctionScene : public IViewScene
{
public:
    void Set(std::function<void(ViewContext&)> draw)
    {
        m_draw = std::move(draw);
        ++m_generation;
    }
    void _DrawScene(ViewContext& context) override
    {
        ++draws;
        if (m_draw)
            m_draw(context);
    }
    unsigned long long _GetSceneGeneration() const override { return m_generation; }
    int draws = 0;

private:
    std::function<void(ViewContext&)> m_draw;
    unsigned long long m_generation = 1;
};

class FunctionTransients : public IViewTransients
{
public:
    explicit FunctionTransients(std::function<void(ViewContext&)> draw) : m_draw(std::move(draw)) {}
    void _DrawTransients(ViewContext& context, bool) override
    {
        ++draws;
        m_draw(context);
    }
    int draws = 0;

private:
    std::function<void(ViewContext&)> m_draw;
};

// Counts the events it gets and draws a dynamics marker at the cursor when asked to.
class RecordingTool : public DgnPrimitiveTool
{
public:
    bool _OnDataButton(DgnButtonEventCR ev) override
    {
        data.push_back(ev);
        return true;
    }
    bool _OnResetButton(DgnButtonEventCR ev) override
    {
        resets.push_back(ev);
        return true;
    }
    void _OnModelMotion(DgnButtonEventCR ev) override { motions.push_back(ev); }
    void _OnDynamicFrame(DgnButtonEventCR ev, ViewContext& context) override
    {
        if (!dynamics)
            return;
        dynamics(ev, context);
    }
    std::vector<DgnButtonEvent> data, resets, motions;
    std::function<void(DgnButtonEventCR, ViewContext&)> dynamics;
};

class ViewWindowFixture
{
public:
    static constexpr int kFrameWidth = 820;
    static constexpr int kFrameHeight = 640;

    ViewWindowFixture()
    {
        ResetViewState();
        frame = new CFrameWnd;
        frame->Create(nullptr, L"Views", WS_OVERLAPPEDWINDOW,
                      CRect(40, 30, 40 + kFrameWidth, 30 + kFrameHeight));
        view = new ViewWindow;
        CRect client;
        frame->GetClientRect(&client);
        view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, client, frame, AFX_IDW_PANE_FIRST);
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
        view->SetFocus();
        desk.pump();
    }
    ~ViewWindowFixture()
    {
        if (frame && frame->m_hWnd)
            frame->DestroyWindow();
        ResetViewState();
    }
    ViewWindowFixture(const ViewWindowFixture&) = delete;
    ViewWindowFixture& operator=(const ViewWindowFixture&) = delete;

    IndexedViewSet& viewSet() { return IViewManager::GetManager().GetActiveViewSet(); }
    IndexedViewport& selected() { return *viewSet().GetSelectedViewport(); }

    // The screen pixel that shows a world point in a view.
    POINT screenOf(const Viewport& vp, const DPoint3d& world)
    {
        const DPoint3d s = vp.WorldToScreen(world);
        return POINT{LONG(std::lround(s.x)), LONG(std::lround(s.y))};
    }
    COLORREF pixelOf(const Viewport& vp, const DPoint3d& world)
    {
        const POINT p = screenOf(vp, world);
        return desk.pixel(p.x, p.y);
    }

    DesktopFixture desk;
    CFrameWnd* frame = nullptr;
    ViewWindow* view = nullptr;
};
