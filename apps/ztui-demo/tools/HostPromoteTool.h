#pragma once
// The promote (raise) tool: a base point, then a second point whose distance from it is the
// height the selection rises by. A plan view cannot show height, so the distance stands for
// it: a second point above the base (or to its right on a level line) raises, below lowers.
// In a 3-D pick whose points differ in height, that difference is taken as it is.

#include "apps/ztui-demo/tools/HostTransformTool.h"

namespace ztdemo {

class HostPromoteTool : public HostTransformTool
{
public:
    static constexpr const char* TOOL_ID = "Tessel.Tool.ArchPromote";
    static RefCountedPtr<HostPromoteTool> Create() { return new HostPromoteTool(); }

    const char* GetToolId() const override { return TOOL_ID; }

    // The rise the two points give, in world units (negative lowers).
    static double RiseOf(const DPoint3d& base, const DPoint3d& to);

protected:
    std::size_t GetPointCount() const override { return 2; }
    const wchar_t* GetPointPrompt(std::size_t index) const override;
    Transform ComputeTransform(const bvector<DPoint3d>& points) const override;
    bool Apply(const bvector<ElementRef*>& elements, const Transform& transform) override;

private:
    HostPromoteTool() = default;
    ~HostPromoteTool() override = default;
};

} // namespace ztdemo
