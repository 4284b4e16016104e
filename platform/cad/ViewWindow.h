#pragma once
// The graphics view window: a view (class "AfxFrameOrView120u", WS_EX_CLIENTEDGE) inside the
// application's main frame that shows up to four open views of the active view set, each in
// its own pane, and marks the selected one. It paints what the views last drew, through GDI
// like every other window, and turns its mouse input into the active tool's events:
//
// - moving the cursor is motion in the view under it; the left button is a data point and
//   selects that view, the right button is a reset;
// - the wheel zooms about the cursor, one notch by kWheelZoomFactor;
// - dragging with the middle button pans.
//
// The window's messages are pre-translated like every view's, so a listener on the view's
// pre-translation that consumes a message keeps it from the tool. The window runs on the
// user-interface thread; what it asks of views and tools goes to the work thread.

#include "platform/cad/IViewOutput.h"
#include "platform/cad/ViewBackBuffer.h"
#include "platform/win/afxwin.h"

#include <memory>
#include <vector>

class DgnButtonEvent;
class ViewRaster;
class IndexedViewSet;
class IndexedViewport;

class ViewWindow : public CView
{
    DECLARE_DYNCREATE(ViewWindow)
public:
    static constexpr double kWheelZoomFactor = 1.25;
    static constexpr UINT kPresentMessage = WM_APP + 0x2F0;
    // Posted when a shown view closes: the panes are laid out again.
    static constexpr UINT kLayoutMessage = WM_APP + 0x2F2;
    // The frame around the selected view.
    static constexpr COLORREF kSelectedFrame = RGB(0, 120, 215);
    // Behind the panes, where the split bars are.
    static constexpr COLORREF kSplitColor = RGB(90, 90, 90);

    ViewWindow();
    ~ViewWindow() override;

    void OnDraw(CDC* pDC) override;
    // Always with the sunken client edge by which the application's view is found.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The views shown, in pane order (the first four open views by number).
    std::vector<IndexedViewport*> GetShownViewports() const;
    // The pane of a view in client coordinates; empty when the view is not shown.
    RECT GetViewRect(const IndexedViewport* viewport) const;
    // The shown view under a client point, or null.
    IndexedViewport* ViewportFromPoint(POINT client) const;
    // Lays the panes out again after views were opened or closed.
    void RefreshLayout();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // A second click soon after the first is one more point to a CAD user, not a gesture.
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point) { OnRButtonDown(nFlags, point); }
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnPresent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTickRequest(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLayoutMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    class Pane;

    IndexedViewSet& ViewSet() const;
    Pane* PaneAt(POINT client) const;
    Pane* PaneOf(const IndexedViewport* viewport) const;
    void UpdateScreenOrigins();
    bool MakeEvent(POINT client, UINT flags, DgnButtonEvent& out) const;
    // Paints what of the pane lies in area (client coordinates).
    void PaintPane(ViewRaster& raster, Pane& pane, bool selected, const RECT& area) const;

    std::vector<std::unique_ptr<Pane>> m_panes;
    // Scratch space of the paints: the picture is composed here, then put on the screen.
    mutable ViewBackBuffer m_buffer;
    IndexedViewport* m_panning = nullptr;
    POINT m_panFrom{};
};
