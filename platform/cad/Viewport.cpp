#include "platform/cad/Viewport.h"

#include "platform/cad/ViewDisplayList.h"

#include <algorithm>
#include <cmath>

Viewport::Viewport() : m_controller(*this)
{
    m_frame.SetCentre(DPoint3d{});
}

Viewport::~Viewport() = default;

bool Viewport::SetRotMatrix(const RotMatrix& rotation)
{
    if (!rotation.IsRigid())
        return false;
    return ChangeFrame([&](ViewFrame& f) {
        f.rotation = rotation;
        return true;
    });
}

bool Viewport::SetScale(double pixelsPerUnit)
{
    if (!(pixelsPerUnit > 0.0) || !std::isfinite(pixelsPerUnit))
        return false;
    return ChangeFrame([&](ViewFrame& f) {
        f.scale = pixelsPerUnit;
        return true;
    });
}

bool Viewport::SetViewSize(int widthPixels, int heightPixels)
{
    if (widthPixels <= 0 || heightPixels <= 0)
        return false;
    return ChangeFrame([&](ViewFrame& f) {
        f.width = widthPixels;
        f.height = heightPixels;
        return true;
    });
}

void Viewport::SetViewOrigin(const DPoint3d& worldOrigin)
{
    ChangeFrame([&](ViewFrame& f) {
        f.origin = worldOrigin;
        return true;
    });
}

void Viewport::CenterOn(const DPoint3d& worldPoint)
{
    ChangeFrame([&](ViewFrame& f) {
        f.SetCentre(worldPoint);
        return true;
    });
}

void Viewport::SetScreenOrigin(const DPoint2d& screenPosition)
{
    // Where the window sits on the screen changes no drawing, so it is not counted.
    std::lock_guard lock(m_mutex);
    m_frame.screenOrigin = screenPosition;
}

void Viewport::Set3dView(bool is3d)
{
    bool dropCamera = false;
    {
        std::lock_guard lock(m_mutex);
        m_is3d = is3d;
        dropCamera = !is3d && m_frame.cameraOn;
    }
    if (dropCamera)
        m_controller.SetCameraOn(false);
}

RotMatrix Viewport::GetRotMatrix() const
{
    std::lock_guard lock(m_mutex);
    return m_frame.rotation;
}

DVec3d Viewport::GetScale() const
{
    std::lock_guard lock(m_mutex);
    return DVec3d{m_frame.scale, m_frame.scale, m_frame.scale};
}

DPoint3d Viewport::GetViewOrigin() const
{
    std::lock_guard lock(m_mutex);
    return m_frame.origin;
}

DPoint2d Viewport::GetScreenOrigin() const
{
    std::lock_guard lock(m_mutex);
    return m_frame.screenOrigin;
}

int Viewport::GetViewWidth() const
{
    std::lock_guard lock(m_mutex);
    return m_frame.width;
}

int Viewport::GetViewHeight() const
{
    std::lock_guard lock(m_mutex);
    return m_frame.height;
}

bool Viewport::Is3dView() const
{
    std::lock_guard lock(m_mutex);
    return m_is3d;
}

bool Viewport::IsCameraOn() const
{
    std::lock_guard lock(m_mutex);
    return m_frame.cameraOn;
}

void Viewport::GetViewCorners(DPoint3d& low, DPoint3d& high) const
{
    std::lock_guard lock(m_mutex);
    low = DPoint3d{0.0, double(m_frame.height), 0.0};
    high = DPoint3d{double(m_frame.width), 0.0, 0.0};
}

ViewFrame Viewport::GetFrame() const
{
    std::lock_guard lock(m_mutex);
    return m_frame;
}

void Viewport::WorldToView(DPoint3d* viewPts, const DPoint3d* worldPts, int count) const
{
    std::lock_guard lock(m_mutex);
    for (int i = 0; viewPts && worldPts && i < count; ++i)
        viewPts[i] = m_frame.WorldToView(worldPts[i]);
}

void Viewport::ViewToWorld(DPoint3d* worldPts, const DPoint3d* viewPts, int count) const
{
    std::lock_guard lock(m_mutex);
    for (int i = 0; worldPts && viewPts && i < count; ++i)
        worldPts[i] = m_frame.ViewToWorld(viewPts[i]);
}

void Viewport::ViewToScreen(DPoint3d* screenPts, const DPoint3d* viewPts, int count) const
{
    std::lock_guard lock(m_mutex);
    for (int i = 0; screenPts && viewPts && i < count; ++i)
        screenPts[i] = m_frame.ViewToScreen(viewPts[i]);
}

void Viewport::ScreenToView(DPoint3d* viewPts, const DPoint3d* screenPts, int count) const
{
    std::lock_guard lock(m_mutex);
    for (int i = 0; viewPts && screenPts && i < count; ++i)
        viewPts[i] = m_frame.ScreenToView(screenPts[i]);
}

void Viewport::WorldToScreen(DPoint3d* screenPts, const DPoint3d* worldPts, int count) const
{
    std::lock_guard lock(m_mutex);
    for (int i = 0; screenPts && worldPts && i < count; ++i)
        screenPts[i] = m_frame.ViewToScreen(m_frame.WorldToView(worldPts[i]));
}

void Viewport::ScreenToWorld(DPoint3d* worldPts, const DPoint3d* screenPts, int count) const
{
    std::lock_guard lock(m_mutex);
    for (int i = 0; worldPts && screenPts && i < count; ++i)
        worldPts[i] = m_frame.ViewToWorld(m_frame.ScreenToView(screenPts[i]));
}

DPoint3d Viewport::WorldToView(const DPoint3d& world) const
{
    std::lock_guard lock(m_mutex);
    return m_frame.WorldToView(world);
}

DPoint3d Viewport::ViewToWorld(const DPoint3d& view) const
{
    std::lock_guard lock(m_mutex);
    return m_frame.ViewToWorld(view);
}

DPoint3d Viewport::ViewToScreen(const DPoint3d& view) const
{
    std::lock_guard lock(m_mutex);
    return m_frame.ViewToScreen(view);
}

DPoint3d Viewport::ScreenToView(const DPoint3d& screen) const
{
    std::lock_guard lock(m_mutex);
    return m_frame.ScreenToView(screen);
}

DPoint3d Viewport::WorldToScreen(const DPoint3d& world) const
{
    std::lock_guard lock(m_mutex);
    return m_frame.ViewToScreen(m_frame.WorldToView(world));
}

DPoint3d Viewport::ScreenToWorld(const DPoint3d& screen) const
{
    std::lock_guard lock(m_mutex);
    return m_frame.ViewToWorld(m_frame.ScreenToView(screen));
}

double Viewport::GetPixelSizeAtPoint(const DPoint3d* point, DgnCoordSystem coordSys) const
{
    if (coordSys != DgnCoordSystem::World)
        return 1.0;
    std::lock_guard lock(m_mutex);
    return m_frame.WorldPixelSize(point);
}

bool Viewport::Zoom(const DPoint3d* viewPoint, double factor)
{
    return ChangeFrame([&](ViewFrame& f) {
        const DPoint2d anchor = viewPoint ? DPoint2d{viewPoint->x, viewPoint->y}
                                          : DPoint2d{0.5 * f.width, 0.5 * f.height};
        return f.ZoomAbout(anchor, factor);
    });
}

void Viewport::Scroll(double dxPixels, double dyPixels)
{
    if (!std::isfinite(dxPixels) || !std::isfinite(dyPixels))
        return;
    ChangeFrame([&](ViewFrame& f) {
        f.Pan(dxPixels, dyPixels);
        return dxPixels != 0.0 || dyPixels != 0.0;
    });
}

bool Viewport::Resize(int widthPixels, int heightPixels)
{
    return ChangeFrame([&](ViewFrame& f) {
        if (f.width == widthPixels && f.height == heightPixels)
            return false;
        return f.Resize(widthPixels, heightPixels);
    });
}

ViewFlags Viewport::GetViewFlags() const
{
    std::lock_guard lock(m_mutex);
    return m_flags;
}

void Viewport::SetViewFlags(const ViewFlags& flags)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_flags == flags)
            return;
        m_flags = flags;
    }
    m_frameGeneration.fetch_add(1);
}

COLORREF Viewport::GetBackgroundColor() const
{
    std::lock_guard lock(m_mutex);
    return m_background;
}

void Viewport::SetBackgroundColor(COLORREF color)
{
    {
        std::lock_guard lock(m_mutex);
        color &= 0x00FFFFFFu;
        if (m_background == color)
            return;
        m_background = color;
    }
    m_frameGeneration.fetch_add(1);
}

COLORREF Viewport::GetContrastToBackgroundColor() const
{
    const COLORREF bg = GetBackgroundColor();
    // Perceived brightness (ITU-R BT.601 weights) in 0..255.
    const double luma = 0.299 * GetRValue(bg) + 0.587 * GetGValue(bg) + 0.114 * GetBValue(bg);
    return luma < 128.0 ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

void Viewport::SetViewedModels(std::optional<std::vector<DgnModelId>> models)
{
    {
        std::lock_guard lock(m_mutex);
        if (models == m_viewedModels)
            return;
        m_viewedModels = std::move(models);
    }
    m_filterGeneration.fetch_add(1);
}

void Viewport::SetPlanCut(std::optional<PlanCut> cut)
{
    {
        std::lock_guard lock(m_mutex);
        if (cut == m_planCut)
            return;
        m_planCut = cut;
    }
    m_filterGeneration.fetch_add(1);
}

std::optional<Viewport::PlanCut> Viewport::GetPlanCut() const
{
    std::lock_guard lock(m_mutex);
    return m_planCut;
}

bool Viewport::IsModelViewed(DgnModelId model) const
{
    std::lock_guard lock(m_mutex);
    if (!m_viewedModels)
        return true;
    const std::vector<DgnModelId>& models = *m_viewedModels;
    return std::find(models.begin(), models.end(), model) != models.end();
}

ViewDrawing Viewport::GetDrawing() const
{
    std::lock_guard lock(m_mutex);
    return m_drawing;
}

void Viewport::SetDrawing(ViewDrawing drawing)
{
    // The old lists are released outside the lock: the last reference may free a large list.
    {
        std::lock_guard lock(m_mutex);
        std::swap(m_drawing, drawing);
    }
}
