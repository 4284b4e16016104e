#pragma once
// A straight wall: an axis from start to end, a thickness across it and a height above
// its storey plus the bottom offset.

#include "platform/host/TSArchElement.h"

class TSArchiWall;
using TSArchiWallPtr = RefCountedPtr<TSArchiWall>;

class TSArchiWall : public TSArchElement
{
public:
    static constexpr const char* CLASS_NAME = "TSArchiWall";
    static TSArchiWallPtr Create();

    DPoint3d GetStart() const { return GetPoint("Start"); }
    void SetStart(const DPoint3d& p) { SetPoint("Start", p); }
    DPoint3d GetEnd() const { return GetPoint("End"); }
    void SetEnd(const DPoint3d& p) { SetPoint("End", p); }
    double GetThickness() const { return GetDouble("Thickness"); }
    void SetThickness(double t) { SetDouble("Thickness", t); }
    double GetHeight() const { return GetDouble("Height"); }
    void SetHeight(double h) { SetDouble("Height", h); }
    double GetBottomOffset() const { return GetDouble("BottomOffset"); }
    void SetBottomOffset(double d) { SetDouble("BottomOffset", d); }

    const std::vector<TSArchField>& GetFields() const override;
    TSObjectPtr Clone() const override;

protected:
    TSArchiWall();
    TSArchiWall(const TSArchiWall&) = default;
    ~TSArchiWall() override = default;
    bool BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const override;
};
