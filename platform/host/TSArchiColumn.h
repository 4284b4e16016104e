#pragma once
// A column: a width x depth section centred on a point, turned by its rotation, standing
// on its storey plus the bottom offset.

#include "platform/host/TSArchElement.h"

class TSArchiColumn;
using TSArchiColumnPtr = RefCountedPtr<TSArchiColumn>;

class TSArchiColumn : public TSArchElement
{
public:
    static constexpr const char* CLASS_NAME = "TSArchiColumn";
    static TSArchiColumnPtr Create();

    DPoint3d GetCenter() const { return GetPoint("Center"); }
    void SetCenter(const DPoint3d& p) { SetPoint("Center", p); }
    double GetWidth() const { return GetDouble("Width"); }
    void SetWidth(double w) { SetDouble("Width", w); }
    double GetDepth() const { return GetDouble("Depth"); }
    void SetDepth(double d) { SetDouble("Depth", d); }
    double GetRotation() const { return GetDouble("Rotation"); }
    void SetRotation(double degrees) { SetDouble("Rotation", degrees); }
    double GetHeight() const { return GetDouble("Height"); }
    void SetHeight(double h) { SetDouble("Height", h); }

    const std::vector<TSArchField>& GetFields() const override;
    TSObjectPtr Clone() const override;

protected:
    TSArchiColumn();
    TSArchiColumn(const TSArchiColumn&) = default;
    ~TSArchiColumn() override = default;
    bool BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const override;
};
