#pragma once
// A beam: an axis from start to end, a width across it and a section height hanging from
// the top of its storey plus the top offset.

#include "platform/host/TSArchElement.h"

class TSArchiBeam;
using TSArchiBeamPtr = RefCountedPtr<TSArchiBeam>;

class TSArchiBeam : public TSArchElement
{
public:
    static constexpr const char* CLASS_NAME = "TSArchiBeam";
    static TSArchiBeamPtr Create();

    DPoint3d GetStart() const { return GetPoint("Start"); }
    void SetStart(const DPoint3d& p) { SetPoint("Start", p); }
    DPoint3d GetEnd() const { return GetPoint("End"); }
    void SetEnd(const DPoint3d& p) { SetPoint("End", p); }
    double GetWidth() const { return GetDouble("Width"); }
    void SetWidth(double w) { SetDouble("Width", w); }
    double GetHeight() const { return GetDouble("Height"); }
    void SetHeight(double h) { SetDouble("Height", h); }

    const std::vector<TSArchField>& GetFields() const override;
    TSObjectPtr Clone() const override;

protected:
    TSArchiBeam();
    TSArchiBeam(const TSArchiBeam&) = default;
    ~TSArchiBeam() override = default;
    bool BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const override;
};
