#include "platform/cad/ViewController.h"

#include "platform/cad/GeomTolerance.h"
#include "platform/cad/Viewport.h"

#include <cmath>

namespace {

constexpr double kMinLensAngle = zt::cad::DegreesToRadians(1.0);
constexpr double kMaxLensAngle = zt::cad::DegreesToRadians(160.0);

double EyeDistanceFor(const ViewFrame& frame, double lensAngle)
{
    return 0.5 * frame.width / (frame.scale * std::tan(0.5 * lensAngle));
}

} // namespace

RotMatrix ViewController::GetRotation() const
{
    return m_viewport.GetRotMatrix();
}

bool ViewController::SetRotation(const RotMatrix& rotation)
{
    if (!rotation.IsRigid())
        return false;
    return m_viewport.ChangeFrame([&](ViewFrame& f) {
        f.RotateAboutCentre(rotation);
        return true;
    });
}

bool ViewController::SetStandardViewRotation(StandardView view)
{
    const int number = static_cast<int>(view);
    if (number < static_cast<int>(StandardView::Top) ||
        number > static_cast<int>(StandardView::RightIso))
        return false;
    return SetRotation(RotMatrix::FromStandardView(view));
}

bool ViewController::IsStandardViewRotation(StandardView* view) const
{
    return IsStandardViewRotation(view, GetRotation());
}

bool ViewController::IsStandardViewRotation(StandardView* view, const RotMatrix& rotation)
{
    const StandardView found = rotation.GetStandardView();
    if (view)
        *view = found;
    return found != StandardView::NotStandard;
}

bool ViewController::LookAtVolume(const DRange3d& volume, double marginFraction)
{
    return m_viewport.ChangeFrame(
        [&](ViewFrame& f) { return f.FitVolume(volume, marginFraction); });
}

DPoint3d ViewController::GetCenter() const
{
    return m_viewport.GetFrame().Centre();
}

void ViewController::SetCenter(const DPoint3d& worldCenter)
{
    m_viewport.ChangeFrame([&](ViewFrame& f) {
        f.SetCentre(worldCenter);
        return true;
    });
}

bool ViewController::IsCameraOn() const
{
    return m_viewport.IsCameraOn();
}

bool ViewController::SetCameraOn(bool on)
{
    if (on && !m_viewport.Is3dView())
        return false;
    const double lens = m_lensAngle;
    return m_viewport.ChangeFrame([&](ViewFrame& f) {
        if (f.cameraOn == on)
            return false;
        f.cameraOn = on;
        if (on)
            f.eyeDistance = EyeDistanceFor(f, lens);
        return true;
    });
}

double ViewController::GetLensAngle() const
{
    const ViewFrame f = m_viewport.GetFrame();
    if (!f.cameraOn)
        return m_lensAngle;
    return 2.0 * std::atan(0.5 * f.width / (f.scale * f.eyeDistance));
}

bool ViewController::SetLensAngle(double radians)
{
    if (!(radians >= kMinLensAngle && radians <= kMaxLensAngle))
        return false;
    m_lensAngle = radians;
    m_viewport.ChangeFrame([&](ViewFrame& f) {
        if (!f.cameraOn)
            return false;
        f.eyeDistance = EyeDistanceFor(f, radians);
        return true;
    });
    return true;
}

DPoint3d ViewController::GetEyePoint() const
{
    const ViewFrame f = m_viewport.GetFrame();
    return f.Centre() + f.rotation.GetRow(2) * f.eyeDistance;
}
