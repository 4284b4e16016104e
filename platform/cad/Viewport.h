#pragma once
// A view onto the model and the conversions between its three coordinate systems:
// - world: model units;
// - view: pixels from the view's top-left corner, x to the right, y downward, z towards the
//   viewer (in pixels too);
// - screen: view coordinates moved by where the view's top-left corner sits on the screen.
//
// The view looks along the rows of its rotation: row 0 is screen right, row 1 screen up and
// row 2 towards the viewer, all in world axes. The scale says how many pixels a world unit
// covers. Views without a camera (the only kind so far) have the same pixel size everywhere;
// a camera makes it depend on depth, which is why GetPixelSizeAtPoint takes a point.

#include "platform/cad/DPoint2d.h"
#include "platform/cad/RotMatrix.h"

enum class DgnCoordSystem
{
    Screen = 0,
    View = 1,
    World = 2,
};

class Viewport
{
public:
    Viewport();
    virtual ~Viewport();
    Viewport(const Viewport&) = delete;
    Viewport& operator=(const Viewport&) = delete;

    // Setup keeps the view origin (the world point at the top-left corner); CenterOn
    // afterwards re-centres. A rotation that is not rigid, a scale that is not a positive finite
    // number or an empty size is refused (false) and nothing changes.
    bool SetRotMatrix(const RotMatrix& rotation);
    bool SetScale(double pixelsPerUnit);
    bool SetViewSize(int widthPixels, int heightPixels);
    // The world point shown at the view's top-left corner (view point (0, 0, 0)).
    void SetViewOrigin(const DPoint3d& worldOrigin) { m_origin = worldOrigin; }
    // Shows worldPoint at the middle of the view, keeping rotation and scale.
    void CenterOn(const DPoint3d& worldPoint);
    void SetScreenOrigin(const DPoint2d& screenPosition) { m_screenOrigin = screenPosition; }
    void Set3dView(bool is3d) { m_is3d = is3d; }

    const RotMatrix& GetRotMatrix() const { return m_rotation; }
    // Pixels per world unit along view x, y and z.
    DVec3d GetScale() const { return DVec3d{m_scale, m_scale, m_scale}; }
    const DPoint3d& GetViewOrigin() const { return m_origin; }
    const DPoint2d& GetScreenOrigin() const { return m_screenOrigin; }
    int GetViewWidth() const { return m_width; }
    int GetViewHeight() const { return m_height; }
    bool Is3dView() const { return m_is3d; }
    bool IsCameraOn() const { return false; }
    // The view rectangle in view coordinates: low is the bottom-left corner (0, height, 0),
    // high the top-right corner (width, 0, 0).
    void GetViewCorners(DPoint3d& low, DPoint3d& high) const;

    // Conversions of arrays (input and output may be the same array) and of single points.
    void WorldToView(DPoint3d* viewPts, const DPoint3d* worldPts, int count) const;
    void ViewToWorld(DPoint3d* worldPts, const DPoint3d* viewPts, int count) const;
    void ViewToScreen(DPoint3d* screenPts, const DPoint3d* viewPts, int count) const;
    void ScreenToView(DPoint3d* viewPts, const DPoint3d* screenPts, int count) const;
    DPoint3d WorldToView(const DPoint3d& world) const;
    DPoint3d ViewToWorld(const DPoint3d& view) const;
    DPoint3d ViewToScreen(const DPoint3d& view) const;
    DPoint3d ScreenToView(const DPoint3d& screen) const;
    DPoint3d WorldToScreen(const DPoint3d& world) const { return ViewToScreen(WorldToView(world)); }
    DPoint3d ScreenToWorld(const DPoint3d& screen) const
    {
        return ViewToWorld(ScreenToView(screen));
    }

    // The size of one pixel at the point (the view's centre when null), in the units of the
    // coordinate system: 1 for view and screen, world units per pixel for world.
    double GetPixelSizeAtPoint(const DPoint3d* point = nullptr,
                               DgnCoordSystem coordSys = DgnCoordSystem::World) const;

private:
    RotMatrix m_rotation;
    DPoint3d m_origin;
    double m_scale = 1.0;
    int m_width = 800;
    int m_height = 600;
    DPoint2d m_screenOrigin;
    bool m_is3d = false;
};
