#pragma once
// The view box: a small labelled cube in the top-right corner of every 3-D view, aligned with
// the model axes, that shows how the view is turned. Hovering highlights the face, edge or
// corner under the cursor; clicking turns the view to the matching standard, edge or corner
// view (faces and the isometric corners through the platform's animated standard-view
// rotation); in a standard view four arrows turn it to the neighbouring standard view.
//
// Drawn as view transients on every update, once per frame; fed by ZTEventMsgViewBox with the
// view's mouse messages on the user-interface thread. Views turn on the work thread.

#include "platform/base/WinTypes.h"
#include "platform/cad/IViewTransients.h"
#include "ztui/drawinput/ViewBoxGeometry.h"
#include "ztui/drawinput/ZTEventMsgViewBox.h"

#include <mutex>

class IndexedViewport;

namespace zt {

inline constexpr const char* kAddViewBoxCommand = "Arch.AddViewBox";

class ZTUI_EXPORT ZTViewBoxTransients : public IViewTransients
{
public:
    static constexpr COLORREF kHighlight = RGB(100, 140, 245);
    static constexpr std::uint8_t kOpaqueTransparency = 5;
    static constexpr std::uint8_t kShadedTransparency = 20;
    static constexpr std::uint32_t kOutlineWeight = 2;

    static ZTViewBoxTransients& instance();

    // Shows the box in every 3-D view; with true the work goes to the work thread.
    void start(bool onWorkThread);
    void stop(bool onWorkThread);
    bool isShow() const;

    void _DrawTransients(ViewContext& context, bool isPreUpdate) override;

    // Mouse input at a screen point; true when it landed on the box (and is consumed).
    bool OnClick(POINT screen);
    bool OnHover(POINT screen);

    // What the last hit test found.
    bool IsHovering() const;
    ViewBoxHit GetHover() const;
    int GetArrow() const;
    bool IsStandard() const;

private:
    ZTViewBoxTransients();
    // Hides the box: nothing may call into it once the library is gone.
    ~ZTViewBoxTransients() override;

    void Show();
    void Hide();
    // The 3-D view showing the box under a screen point, or null.
    static IndexedViewport* ViewportAt(POINT screen);
    ViewBoxHit HitTest(IndexedViewport* viewport, POINT screen);
    void Draw(ViewContext& context, IndexedViewport& viewport);

    mutable std::mutex m_mutex; // hover state: written by input, read by the draws
    IndexedViewport* m_viewport = nullptr;
    DPoint3d m_centre;
    bool m_hovering = false;
    int m_hoverFace = -1;
    int m_hoverEdge = -1;
    int m_hoverCorner = -1;
    bool m_isStandard = false;
    int m_arrow = -1;
    ZTEventMsgViewBox m_event;
};

// The host command "Arch.AddViewBox": shows the box when the selected view shows a storey.
ZTUI_EXPORT void AddViewBox();

} // namespace zt
