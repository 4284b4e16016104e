#pragma once
// A floor slab: a closed outline with a thickness below the top of its storey's floor
// plus the top offset.

#include "platform/host/TSArchElement.h"

class TSArchiSlab;
using TSArchiSlabPtr = RefCountedPtr<TSArchiSlab>;

class TSArchiSlab : public TSArchElement
{
public:
    static constexpr const char* CLASS_NAME = "TSArchiSlab";
    static TSArchiSlabPtr Create();

    // The outline's corners in order (closing back to the first is implied).
    bvector<DPoint3d> GetProfile() const;
    void SetProfile(const bvector<DPoint3d>& corners);
    double GetThickness() const { return GetDouble("Thickness"); }
    void SetThickness(double t) { SetDouble("Thickness", t); }

    const std::vector<TSArchField>& GetFields() const override;
    TSObjectPtr Clone() const override;

protected:
    TSArchiSlab();
    TSArchiSlab(const TSArchiSlab&) = default;
    ~TSArchiSlab() override = default;
    bool BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const override;
    void TransformPlacement(const Transform& transform) override;
};
