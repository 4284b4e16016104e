#pragma once
// An opening in a wall (a door or a window): a width along the wall's direction at a
// position on its axis, the wall's depth across it, and a height above the sill.

#include "platform/host/TSArchElement.h"

class TSArchiOpening;
using TSArchiOpeningPtr = RefCountedPtr<TSArchiOpening>;

class TSArchiOpening : public TSArchElement
{
public:
    static constexpr const char* CLASS_NAME = "TSArchiOpening";
    static TSArchiOpeningPtr Create();

    DPoint3d GetPosition() const { return GetPoint("Position"); }
    void SetPosition(const DPoint3d& p) { SetPoint("Position", p); }
    double GetAngle() const { return GetDouble("Angle"); }
    void SetAngle(double degrees) { SetDouble("Angle", degrees); }
    double GetWidth() const { return GetDouble("Width"); }
    void SetWidth(double w) { SetDouble("Width", w); }
    double GetHeight() const { return GetDouble("Height"); }
    void SetHeight(double h) { SetDouble("Height", h); }
    double GetSillHeight() const { return GetDouble("SillHeight"); }
    void SetSillHeight(double h) { SetDouble("SillHeight", h); }

    const std::vector<TSArchField>& GetFields() const override;
    TSObjectPtr Clone() const override;

protected:
    explicit TSArchiOpening(const char* className = CLASS_NAME);
    TSArchiOpening(const TSArchiOpening&) = default;
    ~TSArchiOpening() override = default;
    bool BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const override;
};
