#pragma once
// How a view is turned and where it looks: the rotation, the camera and fitting the view to a
// volume. Each viewport owns one; its changes take effect at once (the next update draws
// them) and keep what is at the view's centre there.

#include "platform/cad/DRange3d.h"
#include "platform/cad/RotMatrix.h"

class Viewport;

class ViewController
{
public:
    static constexpr double kDefaultLensAngle = 0.87266462599716477; // 50 degrees
    // Room left on each side of a fitted volume, as a fraction of the view.
    static constexpr double kDefaultFitMargin = 0.05;

    explicit ViewController(Viewport& viewport) : m_viewport(viewport) {}
    ViewController(const ViewController&) = delete;
    ViewController& operator=(const ViewController&) = delete;

    RotMatrix GetRotation() const;
    // Turns the view about its centre; a rotation that is not rigid is refused (false).
    bool SetRotation(const RotMatrix& rotation);
    bool SetStandardViewRotation(StandardView view);
    // True when the view looks along one of the standard directions (Top to RightIso); which
    // one goes to *view when it is given (NotStandard otherwise).
    bool IsStandardViewRotation(StandardView* view = nullptr) const;
    static bool IsStandardViewRotation(StandardView* view, const RotMatrix& rotation);

    // Shows the world volume as large as the view allows, with the current rotation, leaving
    // the margin on each side. False for a null range.
    bool LookAtVolume(const DRange3d& volume, double marginFraction = kDefaultFitMargin);

    DPoint3d GetCenter() const;
    void SetCenter(const DPoint3d& worldCenter);

    // The camera exists in 3-D views only: turning it on in a 2-D view is refused. The lens
    // angle is the view's horizontal field of view, between 1 and 160 degrees.
    bool IsCameraOn() const;
    bool SetCameraOn(bool on);
    double GetLensAngle() const;
    bool SetLensAngle(double radians);
    // Where the camera's eye is (the view's centre moved towards the viewer by the eye
    // distance); meaningful while the camera is on.
    DPoint3d GetEyePoint() const;

private:
    Viewport& m_viewport;
    double m_lensAngle = kDefaultLensAngle;
};
