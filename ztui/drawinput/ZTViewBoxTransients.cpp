#include "ztui/drawinput/ZTViewBoxTransients.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/IndexedViewport.h"
#include "platform/cad/StandardViewRotationTool.h"
#include "platform/cad/TextString.h"
#include "platform/cad/ViewContext.h"
#include "platform/cad/ViewDecorations.h"
#include "platform/host/Callable.h"
#include "platform/host/Executors.h"
#include "platform/host/TSModelInfoManager.h"
#include "platform/host/TSStoreyModelViewManager.h"
#include "ztui/frame/ZTViewMsgEventListener.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace zt {

namespace {

// Faces turned further from the viewer than this (cosine) show no label.
constexpr double kHiddenLabelCosine = 0.05;

// Passes that are not for the user's eyes.
bool SkippedPurpose(DrawPurpose purpose)
{
    return purpose == DrawPurpose::Plot || purpose == DrawPurpose::Pick;
}

void OnWorkThread(std::function<void()> work)
{
    TesselCallableObj* call = new CallerF<std::function<void()>>(std::move(work));
    TesselFuncCall::ToCallOnWorkTread(call);
    call->Release();
}

void OnUIThread(std::function<void()> work)
{
    if (host::Executors::Get().IsUIThread()) {
        work();
        return;
    }
    TesselCallableObj* call = new CallerF<std::function<void()>>(std::move(work));
    TesselFuncCall::ToCallOnUITread(call);
    call->Release();
}

// Work queued for a view checks that the view is still open when it runs.
void ForView(IndexedViewport* viewport, std::function<void(IndexedViewport&)> work)
{
    OnWorkThread([viewport, work = std::move(work)] {
        if (IViewManager::GetManager().GetActiveViewSet().Contains(viewport))
            work(*viewport);
    });
}

ElemMatSymb Symbology(COLORREF line, COLORREF fill, std::uint8_t transparency, std::uint32_t weight)
{
    ElemMatSymb s;
    s.SetLineColorTBGR(ElemMatSymb::TBGR(line));
    s.SetFillColorTBGR(ElemMatSymb::TBGR(fill, transparency));
    s.SetWidth(weight);
    return s;
}

// The part of a face that highlights a corner or an edge of it, in face parameters.
struct Region
{
    double u0, u1, v0, v1;
};

bool RegionOnFace(int face, const ViewBoxHit& part, Region& region)
{
    const double b = ViewBoxGeometry::kBand;
    const int* c = ViewBoxGeometry::kFaceCorners[face];
    if (part.corner >= 0) {
        const Region corners[4] = {
            {0, b, 0, b}, {1 - b, 1, 0, b}, {1 - b, 1, 1 - b, 1}, {0, b, 1 - b, 1}};
        for (int i = 0; i < 4; ++i)
            if (c[i] == part.corner) {
                region = corners[i];
                return true;
            }
        return false;
    }
    if (part.edge >= 0) {
        const Region sides[4] = {{0, 1, 0, b}, {1 - b, 1, 0, 1}, {0, 1, 1 - b, 1}, {0, b, 0, 1}};
        for (int i = 0; i < 4; ++i)
            if (ViewBoxGeometry::EdgeOf(c[i], c[(i + 1) % 4]) == part.edge) {
                region = sides[i];
                return true;
            }
        return false;
    }
    if (part.face == face) {
        region = Region{0, 1, 0, 1};
        return true;
    }
    return false;
}

// The directions a face's label is written along, read from outside the cube.
RotMatrix LabelOrientation(int face)
{
    const DVec3d normal = ViewBoxGeometry::FaceNormal(face);
    const DVec3d up = std::fabs(normal.z) > 0.5 ? DVec3d::UnitY() : DVec3d::UnitZ();
    const DVec3d across = up.CrossProduct(normal);
    return RotMatrix::FromColumnVectors(across, up, normal);
}

} // namespace

ZTViewBoxTransients::ZTViewBoxTransients()
{
    // Built first, so that all three are still there when this goes at unload: dropping the
    // box repaints the views, and a repaint draws the decorations too.
    IViewManager::GetManager();
    ViewDecorations::Get();
    ZTViewMsgEventListener::instance();
}

ZTViewBoxTransients::~ZTViewBoxTransients()
{
    ZTViewMsgEventListener::instance().DropListener(&m_event);
    if (IViewManager::GetManager().HasViewTransientHandler(this))
        IViewManager::GetManager().DropViewTransientHandler(this);
}

ZTViewBoxTransients& ZTViewBoxTransients::instance()
{
    static ZTViewBoxTransients box;
    return box;
}

// The view-message registry belongs to the user-interface thread; a change asked for on the
// work thread (the host command, a start sent there) is queued for it.
void ZTViewBoxTransients::Show()
{
    IViewManager::GetManager().AddViewTransientHandler(this);
    OnUIThread([this] { ZTViewMsgEventListener::instance().AddListener(&m_event); });
}

void ZTViewBoxTransients::Hide()
{
    OnUIThread([this] { ZTViewMsgEventListener::instance().DropListener(&m_event); });
    IViewManager::GetManager().DropViewTransientHandler(this);
}

void ZTViewBoxTransients::start(bool onWorkThread)
{
    if (onWorkThread)
        OnWorkThread([this] { Show(); });
    else
        Show();
}

void ZTViewBoxTransients::stop(bool onWorkThread)
{
    if (onWorkThread)
        OnWorkThread([this] { Hide(); });
    else
        Hide();
}

bool ZTViewBoxTransients::isShow() const
{
    const auto& registry = ZTViewMsgEventListener::instance().registry();
    ZTViewMsgEvent* mine = const_cast<ZTEventMsgViewBox*>(&m_event);
    return std::find(registry.listeners().begin(), registry.listeners().end(), mine) !=
               registry.listeners().end() ||
           std::find(registry.pending().begin(), registry.pending().end(), mine) !=
               registry.pending().end();
}

bool ZTViewBoxTransients::IsHovering() const
{
    std::lock_guard lock(m_mutex);
    return m_hovering;
}

ViewBoxHit ZTViewBoxTransients::GetHover() const
{
    std::lock_guard lock(m_mutex);
    ViewBoxHit hit;
    hit.face = m_hoverFace;
    hit.edge = m_hoverEdge;
    hit.corner = m_hoverCorner;
    hit.arrow = m_arrow;
    return hit;
}

int ZTViewBoxTransients::GetArrow() const
{
    std::lock_guard lock(m_mutex);
    return m_arrow;
}

bool ZTViewBoxTransients::IsStandard() const
{
    std::lock_guard lock(m_mutex);
    return m_isStandard;
}

IndexedViewport* ZTViewBoxTransients::ViewportAt(POINT screen)
{
    for (IndexedViewport* viewport :
         IViewManager::GetManager().GetActiveViewSet().GetOpenViewports()) {
        if (!viewport->Is3dView() || viewport->IsCameraOn() || !viewport->GetIViewOutput())
            continue;
        const DPoint2d origin = viewport->GetScreenOrigin();
        const double x = screen.x - origin.x;
        const double y = screen.y - origin.y;
        if (x >= 0 && y >= 0 && x < viewport->GetViewWidth() && y < viewport->GetViewHeight())
            return viewport;
    }
    return nullptr;
}

ViewBoxHit ZTViewBoxTransients::HitTest(IndexedViewport* viewport, POINT screen)
{
    {
        std::lock_guard lock(m_mutex);
        m_isStandard = false;
        m_arrow = -1;
    }
    ViewBoxGeometry box;
    if (!viewport || !box.Place(*viewport))
        return ViewBoxHit{};
    const ViewBoxHit hit =
        box.HitTest(*viewport, DPoint3d{double(screen.x), double(screen.y), 0.0});
    std::lock_guard lock(m_mutex);
    m_viewport = viewport;
    m_centre = box.Centre();
    m_isStandard = box.HasArrows();
    m_arrow = hit.arrow;
    return hit;
}

bool ZTViewBoxTransients::OnClick(POINT screen)
{
    IndexedViewport* viewport = ViewportAt(screen);
    const ViewBoxHit hit = HitTest(viewport, screen);
    if (hit.face >= 0) {
        const StandardView view = ViewBoxGeometry::kFaceViews[hit.face];
        ForView(viewport,
                [view](IndexedViewport& v) { StandardViewRotationTool::StartTool(v, view); });
        return true;
    }
    if (hit.corner == 4 || hit.corner == 5) {
        const StandardView view = hit.corner == 4 ? StandardView::Iso : StandardView::RightIso;
        ForView(viewport,
                [view](IndexedViewport& v) { StandardViewRotationTool::StartTool(v, view); });
        return true;
    }
    if (hit.corner >= 0 || hit.edge >= 0) {
        const RotMatrix rotation = hit.corner >= 0 ? ViewBoxGeometry::CornerRotation(hit.corner)
                                                   : ViewBoxGeometry::EdgeRotation(hit.edge);
        ForView(viewport, [rotation](IndexedViewport& v) {
            // What the view showed before it turned stays in it.
            DPoint3d low, high;
            v.GetViewCorners(low, high);
            DRange3d shown = DRange3d::From(v.ViewToWorld(low), v.ViewToWorld(high));
            ViewController& controller = v.GetViewControllerR();
            controller.SetRotation(rotation);
            controller.LookAtVolume(shown, 0.0);
            v.UpdateView();
        });
        return true;
    }
    if (hit.arrow >= 0) {
        StandardView current = StandardView::NotStandard;
        viewport->GetViewController().IsStandardViewRotation(&current);
        const StandardView view = ViewBoxGeometry::ArrowTarget(current, hit.arrow);
        ForView(viewport,
                [view](IndexedViewport& v) { StandardViewRotationTool::StartTool(v, view); });
        return true;
    }
    return false;
}

bool ZTViewBoxTransients::OnHover(POINT screen)
{
    IndexedViewport* viewport = ViewportAt(screen);
    bool wasHovering = false;
    int wasArrow = -1;
    {
        std::lock_guard lock(m_mutex);
        wasHovering = m_hovering;
        wasArrow = m_arrow;
    }
    const ViewBoxHit hit = HitTest(viewport, screen);
    if (hit.IsPart()) {
        {
            std::lock_guard lock(m_mutex);
            m_hovering = true;
            m_hoverFace = hit.face;
            m_hoverEdge = hit.edge;
            m_hoverCorner = hit.corner;
        }
        ForView(viewport, [](IndexedViewport& v) { v.UpdateView(); });
        return true;
    }
    IndexedViewport* redraw = nullptr;
    {
        std::lock_guard lock(m_mutex);
        m_hovering = false;
        redraw = viewport ? viewport : m_viewport;
    }
    // From one arrow straight to the next redraws too, so the highlight follows the cursor.
    if ((wasHovering || wasArrow != hit.arrow) && redraw)
        ForView(redraw, [](IndexedViewport& v) { v.UpdateView(); });
    return false;
}

void ZTViewBoxTransients::_DrawTransients(ViewContext& context, bool)
{
    if (context.CheckStop() || !context.Is3dView() || context.GetFrame().cameraOn ||
        SkippedPurpose(context.GetDrawPurpose()))
        return;
    auto* viewport = dynamic_cast<IndexedViewport*>(context.GetViewport());
    if (!viewport || !viewport->GetIViewOutput())
        return;
    try {
        Draw(context, *viewport);
    } catch (...) {
        // A fault of the platform ends this frame's box; the next update draws it again.
    }
}

void ZTViewBoxTransients::Draw(ViewContext& context, IndexedViewport& viewport)
{
    ViewBoxGeometry box;
    if (!box.Place(viewport))
        return;
    bool hovering;
    ViewBoxHit hover;
    {
        std::lock_guard lock(m_mutex);
        m_viewport = &viewport;
        m_centre = box.Centre();
        hovering = m_hovering;
        hover.face = m_hoverFace;
        hover.edge = m_hoverEdge;
        hover.corner = m_hoverCorner;
        hover.arrow = m_arrow;
    }
    // Only the most specific part lights up.
    if (hover.corner >= 0)
        hover.edge = hover.face = -1;
    else if (hover.edge >= 0)
        hover.face = -1;

    const MSRenderMode mode = context.GetViewFlags().GetRenderMode();
    const bool smooth = mode == MSRenderMode::SmoothShade || mode == MSRenderMode::Phong;
    const COLORREF grey = smooth ? RGB(220, 220, 220) : RGB(200, 200, 200);
    const std::uint8_t transparency = smooth ? kShadedTransparency : kOpaqueTransparency;
    const ElemMatSymb faceSymbology = Symbology(RGB(0, 0, 0), grey, transparency, kOutlineWeight);
    const ElemMatSymb lit = Symbology(kHighlight, kHighlight, kOpaqueTransparency, 0);
    ElemMatSymb labelSymbology;
    labelSymbology.SetLineColorTBGR(ElemMatSymb::TBGR(smooth ? RGB(255, 255, 255) : RGB(0, 0, 0)));

    IDrawGeom& geom = context.GetIDrawGeom();
    const ViewFrame& frame = context.GetFrame();
    const double size = box.Size();
    // The platform paints transients in the order they are drawn, so the faces go from the
    // farthest to the nearest, each with its highlight and label on top: the picture a
    // depth-buffered view gives.
    int faces[6] = {0, 5, 4, 1, 2, 3};
    double depth[6];
    for (int f = 0; f < 6; ++f)
        depth[f] = frame.WorldToView(box.FacePoint(f, 0.5, 0.5)).z;
    std::stable_sort(std::begin(faces), std::end(faces),
                     [&](int a, int b) { return depth[a] < depth[b]; });
    for (int face : faces) {
        const int* c = ViewBoxGeometry::kFaceCorners[face];
        const DPoint3d outline[4] = {box.Corners()[c[0]], box.Corners()[c[1]], box.Corners()[c[2]],
                                     box.Corners()[c[3]]};
        geom.ActivateMatSymb(&faceSymbology);
        geom.DrawShape3d(4, outline, true, nullptr);
        Region region;
        if (hovering && RegionOnFace(face, hover, region)) {
            const DPoint3d lit4[4] = {box.FacePoint(face, region.u0, region.v0),
                                      box.FacePoint(face, region.u1, region.v0),
                                      box.FacePoint(face, region.u1, region.v1),
                                      box.FacePoint(face, region.u0, region.v1)};
            geom.ActivateMatSymb(&lit);
            geom.DrawShape3d(4, lit4, true, nullptr);
        }
        // A depth-buffered view hides the labels of faces turned away; text keeps facing
        // the screen here, so they are left out.
        if (ViewBoxGeometry::FaceNormal(face).DotProduct(frame.rotation.GetRow(2)) <=
            kHiddenLabelCosine)
            continue;
        TextString label(ViewBoxGeometry::kFaceLabels[face],
                         box.FacePoint(face, 0.5, 0.5) +
                             ViewBoxGeometry::FaceNormal(face) * (size / 20.0),
                         0.4 * size);
        label.SetSize(DPoint2d{0.4 * size, 0.4 * size});
        label.SetJustification(TextElementJustification::CenterMiddle);
        label.SetOrientation(LabelOrientation(face));
        geom.ActivateMatSymb(&labelSymbology);
        geom.DrawTextString(label);
    }
    if (!box.HasArrows())
        return;
    const ElemMatSymb arrowSymbology =
        Symbology(RGB(0, 0, 0), RGB(200, 200, 200), kOpaqueTransparency, 0);
    for (int i = 0; i < 4; ++i) {
        geom.ActivateMatSymb(i == hover.arrow ? &lit : &arrowSymbology);
        geom.DrawShape3d(3, &box.ArrowPoints()[3 * i], true, nullptr);
    }
}

void AddViewBox()
{
    IndexedViewport* viewport = DgnApplication::Get().GetSelectedViewport();
    if (!viewport)
        return;
    TSStoreyModelViewInfoPtr view =
        TSStoreyModelViewManager::Get().GetModelViewInfoByViewportIndex(viewport->GetViewNumber());
    if (view.IsValid() &&
        TSModelInfoManager::Get().GetModelType(view->GetModelId()) == TSModelType_Storey)
        ZTViewBoxTransients::instance().start(false);
}

} // namespace zt
