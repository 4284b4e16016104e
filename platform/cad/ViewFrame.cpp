#include "platform/cad/ViewFrame.h"

#include <algorithm>
#include <cmath>

namespace {

// The camera's perspective factor at a depth, with depths at or behind the near plane held on
// it, so that every point gets a finite position.
double PerspectiveFactor(double eyeDistance, double depth)
{
    const double nearest = eyeDistance * ViewFrame::kNearPlaneFraction;
    return eyeDistance / std::max(eyeDistance - depth, nearest);
}

} // namespace

DPoint3d ViewFrame::WorldToView(const DPoint3d& world) const
{
    const DVec3d local = rotation.Multiply(world - origin);
    if (!cameraOn)
        return DPoint3d{local.x * scale, -local.y * scale, local.z * scale};
    const double halfW = 0.5 * width, halfH = 0.5 * height;
    const double k = PerspectiveFactor(eyeDistance, local.z);
    const double cx = local.x - halfW / scale, cy = local.y + halfH / scale;
    return DPoint3d{halfW + scale * k * cx, halfH - scale * k * cy, local.z * scale};
}

DPoint3d ViewFrame::ViewToWorld(const DPoint3d& view) const
{
    DVec3d local{view.x / scale, -view.y / scale, view.z / scale};
    if (cameraOn) {
        const double halfW = 0.5 * width, halfH = 0.5 * height;
        const double k = PerspectiveFactor(eyeDistance, local.z);
        const double cx = (view.x - halfW) / (scale * k), cy = -(view.y - halfH) / (scale * k);
        local.x = cx + halfW / scale;
        local.y = cy - halfH / scale;
    }
    return origin + rotation.MultiplyTranspose(local);
}

double ViewFrame::WorldPixelSize(const DPoint3d* world) const
{
    if (!cameraOn || !world)
        return 1.0 / scale;
    return 1.0 / (scale * PerspectiveFactor(eyeDistance, Depth(*world)));
}

DPoint3d ViewFrame::Centre() const
{
    return origin +
           rotation.MultiplyTranspose(DVec3d{0.5 * width / scale, -0.5 * height / scale, 0.0});
}

void ViewFrame::SetCentre(const DPoint3d& worldCentre)
{
    origin = worldCentre -
             rotation.MultiplyTranspose(DVec3d{0.5 * width / scale, -0.5 * height / scale, 0.0});
}

double ViewFrame::Depth(const DPoint3d& world) const
{
    return rotation.GetRow(2).DotProduct(world - origin);
}

bool ViewFrame::IsInFrontOfEye(const DPoint3d& world) const
{
    return !cameraOn || Depth(world) < eyeDistance * (1.0 - kNearPlaneFraction);
}

bool ViewFrame::ZoomAbout(const DPoint2d& anchor, double factor)
{
    if (!(factor > 0.0) || !std::isfinite(factor))
        return false;
    // On the target plane the camera's perspective factor is 1, so the same rule serves both.
    const DPoint3d fixed = ViewToWorld(DPoint3d{anchor.x, anchor.y, 0.0});
    scale = std::clamp(scale * factor, kMinScale, kMaxScale);
    origin = fixed - rotation.MultiplyTranspose(DVec3d{anchor.x / scale, -anchor.y / scale, 0.0});
    return true;
}

void ViewFrame::Pan(double dx, double dy)
{
    origin = origin - rotation.MultiplyTranspose(DVec3d{dx / scale, -dy / scale, 0.0});
}

bool ViewFrame::Resize(int newWidth, int newHeight)
{
    if (newWidth <= 0 || newHeight <= 0)
        return false;
    const DPoint3d centre = Centre();
    width = newWidth;
    height = newHeight;
    SetCentre(centre);
    return true;
}

void ViewFrame::RotateAboutCentre(const RotMatrix& newRotation)
{
    const DPoint3d centre = Centre();
    rotation = newRotation;
    SetCentre(centre);
}

bool ViewFrame::FitVolume(const DRange3d& worldVolume, double marginFraction)
{
    if (worldVolume.IsNull())
        return false;
    const DPoint3d& lo = worldVolume.low;
    const DPoint3d& hi = worldVolume.high;
    DRange3d local;
    for (int i = 0; i < 8; ++i) {
        const DPoint3d corner{i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z};
        local.Extend(rotation.Multiply(corner));
    }
    const double lensHalfTangent = 0.5 * width / (scale * eyeDistance);
    const double margin = std::clamp(marginFraction, 0.0, 0.45);
    const double availableW = width * (1.0 - 2.0 * margin);
    const double availableH = height * (1.0 - 2.0 * margin);
    const double extentX = local.XLength(), extentY = local.YLength();
    // A volume without extent on screen (a point, or a line seen end on) keeps the scale.
    double fitted = scale;
    if (extentX > 0.0 || extentY > 0.0) {
        fitted = std::min(extentX > 0.0 ? availableW / extentX : kMaxScale,
                          extentY > 0.0 ? availableH / extentY : kMaxScale);
        fitted = std::clamp(fitted, kMinScale, kMaxScale);
    }
    scale = fitted;
    const DPoint3d localCentre{0.5 * (local.low.x + local.high.x),
                               0.5 * (local.low.y + local.high.y), local.high.z};
    SetCentre(rotation.MultiplyTranspose(localCentre));
    if (cameraOn) {
        // Same lens angle, eye moved so that the volume fills the view; the target plane
        // touches the volume's front, so all of it lies in front of the eye.
        eyeDistance = 0.5 * width / (scale * lensHalfTangent);
        eyeDistance = std::max(eyeDistance, local.ZLength() + 1.0 / scale);
    }
    return true;
}
