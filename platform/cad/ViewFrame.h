#pragma once
// Where a view looks from and how it maps the world onto its pixels, as a plain value: the
// rotation, the world point at the top-left corner, the scale, the pixel size and, when the
// camera is on, the eye distance. Every conversion of a viewport is computed from one of these.
//
// Coordinate systems:
// - world: model units;
// - view: pixels from the view's top-left corner, x to the right, y downward, z towards the
//   viewer (in pixels too), z = 0 on the target plane through the view's origin;
// - screen: view coordinates moved by where the view's top-left corner sits on the screen.
//
// The rotation's rows are the view's axes in world coordinates: row 0 is screen right, row 1
// screen up and row 2 towards the viewer. Without a camera a world unit covers `scale` pixels
// at every depth. With the camera on, the eye sits `eyeDistance` world units in front of the
// view's centre on the target plane and a point nearer to the eye appears larger, by
// eyeDistance / (eyeDistance - depth); points at or behind the eye have no view position.

#include "platform/cad/DPoint2d.h"
#include "platform/cad/DRange3d.h"
#include "platform/cad/RotMatrix.h"

struct ViewFrame
{
    // Zooming stops at these scales (pixels per world unit): beyond them a pixel is smaller
    // than the rounding of coordinates far from the origin, or larger than any model.
    static constexpr double kMinScale = 1.0e-9;
    static constexpr double kMaxScale = 1.0e9;
    // The camera never comes nearer than this fraction of its eye distance to a drawn point.
    static constexpr double kNearPlaneFraction = 0.01;

    RotMatrix rotation;
    DPoint3d origin;
    double scale = 1.0;
    int width = 800;
    int height = 600;
    DPoint2d screenOrigin;
    bool cameraOn = false;
    double eyeDistance = 1000.0;

    DPoint3d WorldToView(const DPoint3d& world) const;
    DPoint3d ViewToWorld(const DPoint3d& view) const;
    DPoint3d ViewToScreen(const DPoint3d& view) const
    {
        return DPoint3d{view.x + screenOrigin.x, view.y + screenOrigin.y, view.z};
    }
    DPoint3d ScreenToView(const DPoint3d& screen) const
    {
        return DPoint3d{screen.x - screenOrigin.x, screen.y - screenOrigin.y, screen.z};
    }
    // World units covered by one pixel at the world point (the target plane when null).
    double WorldPixelSize(const DPoint3d* world) const;

    // The view's centre on the target plane, in world coordinates.
    DPoint3d Centre() const;
    void SetCentre(const DPoint3d& worldCentre);
    // Depth of a world point in world units along the view direction, 0 on the target plane.
    double Depth(const DPoint3d& world) const;
    // True when the point lies in front of the camera's near plane (always without camera).
    bool IsInFrontOfEye(const DPoint3d& world) const;

    // Changes the scale by factor (clamped to the scale limits) so that the world point under
    // the view point `anchor` stays there. False when the factor is not a positive number.
    bool ZoomAbout(const DPoint2d& anchor, double factor);
    // Moves the picture by (dx, dy) pixels: what was under a pixel is then dx right, dy down.
    void Pan(double dx, double dy);
    // Keeps the centre and the scale, changes the pixel size.
    bool Resize(int newWidth, int newHeight);
    // Turns the view about its centre.
    void RotateAboutCentre(const RotMatrix& newRotation);
    // Shows the world volume as large as fits, with a margin of the given fraction of the view
    // on each side. False (nothing changed) for a null range.
    bool FitVolume(const DRange3d& worldVolume, double marginFraction);
};
