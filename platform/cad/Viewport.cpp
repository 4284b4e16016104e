#include "platform/cad/Viewport.h"

#include <cmath>

Viewport::Viewport()
{
    CenterOn(DPoint3d{});
}

Viewport::~Viewport() = default;

bool Viewport::SetRotMatrix(const RotMatrix& rotation)
{
    if (!rotation.IsRigid())
        return false;
    m_rotation = rotation;
    return true;
}

bool Viewport::SetScale(double pixelsPerUnit)
{
    if (!(pixelsPerUnit > 0.0) || !std::isfinite(pixelsPerUnit))
        return false;
    m_scale = pixelsPerUnit;
    return true;
}

bool Viewport::SetViewSize(int widthPixels, int heightPixels)
{
    if (widthPixels <= 0 || heightPixels <= 0)
        return false;
    m_width = widthPixels;
    m_height = heightPixels;
    return true;
}

void Viewport::CenterOn(const DPoint3d& worldPoint)
{
    // The origin is the world point at view (0, 0, 0); the centre is half a view right and
    // half a view down from it, at the same depth as worldPoint.
    DPoint3d centreView{0.5 * m_width, 0.5 * m_height, 0.0};
    DVec3d offset{centreView.x / m_scale, -centreView.y / m_scale, 0.0};
    m_origin = worldPoint - m_rotation.MultiplyTranspose(offset);
}

void Viewport::GetViewCorners(DPoint3d& low, DPoint3d& high) const
{
    low = DPoint3d{0.0, double(m_height), 0.0};
    high = DPoint3d{double(m_width), 0.0, 0.0};
}

DPoint3d Viewport::WorldToView(const DPoint3d& world) const
{
    DVec3d local = m_rotation.Multiply(world - m_origin);
    return DPoint3d{local.x * m_scale, -local.y * m_scale, local.z * m_scale};
}

DPoint3d Viewport::ViewToWorld(const DPoint3d& view) const
{
    DVec3d local{view.x / m_scale, -view.y / m_scale, view.z / m_scale};
    return m_origin + m_rotation.MultiplyTranspose(local);
}

DPoint3d Viewport::ViewToScreen(const DPoint3d& view) const
{
    return DPoint3d{view.x + m_screenOrigin.x, view.y + m_screenOrigin.y, view.z};
}

DPoint3d Viewport::ScreenToView(const DPoint3d& screen) const
{
    return DPoint3d{screen.x - m_screenOrigin.x, screen.y - m_screenOrigin.y, screen.z};
}

void Viewport::WorldToView(DPoint3d* viewPts, const DPoint3d* worldPts, int count) const
{
    for (int i = 0; viewPts && worldPts && i < count; ++i)
        viewPts[i] = WorldToView(worldPts[i]);
}

void Viewport::ViewToWorld(DPoint3d* worldPts, const DPoint3d* viewPts, int count) const
{
    for (int i = 0; worldPts && viewPts && i < count; ++i)
        worldPts[i] = ViewToWorld(viewPts[i]);
}

void Viewport::ViewToScreen(DPoint3d* screenPts, const DPoint3d* viewPts, int count) const
{
    for (int i = 0; screenPts && viewPts && i < count; ++i)
        screenPts[i] = ViewToScreen(viewPts[i]);
}

void Viewport::ScreenToView(DPoint3d* viewPts, const DPoint3d* screenPts, int count) const
{
    for (int i = 0; viewPts && screenPts && i < count; ++i)
        viewPts[i] = ScreenToView(screenPts[i]);
}

double Viewport::GetPixelSizeAtPoint(const DPoint3d* /*point*/, DgnCoordSystem coordSys) const
{
    // Without a camera a pixel covers the same world distance at every depth.
    return coordSys == DgnCoordSystem::World ? 1.0 / m_scale : 1.0;
}
