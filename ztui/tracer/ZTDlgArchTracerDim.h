#pragma once
// The dimension box (tracer type 2), for tools that place rectangular things by a width along X
// and a depth along Y from the start point: the distance-and-angle box with the two dimension
// rows on top, its own tab order and its own reading of the two dimension fields. Registered
// as "ZTDlgArchTracerDim".

#include "ztui/tracer/ZTDlgArchTracer.h"

namespace zt {

class ZTUI_EXPORT ZTDlgArchTracerDim : public ZTDlgArchTracer
{
public:
    static ZTDlgArchTracerDim& Instance();
    static bool Exists();
    static void DestroyInstance();

    const std::vector<int>& TabOrder() const override;

protected:
    ZTDlgArchTracerDim();

    const char* RegisteredName() const override { return kDimTracerDialogName; }
    int NumberField() const override;
    int ExpandField() const override;
    int CollapsedLastField() const override;
    std::vector<int> HiddenControls() const override;
    bool PointFromExtraField(int fieldId, double& d, double& a, double& x, double& y,
                             DPoint3d& point) override;
};

} // namespace zt
