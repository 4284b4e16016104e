#pragma once
// The rotate tool: a centre, a point giving the reference direction, and a point giving
// the new direction; the selection turns about the centre by the angle between them.

#include "apps/ztui-demo/tools/HostTransformTool.h"

namespace ztdemo {

class HostRotateTool : public HostTransformTool
{
public:
    static constexpr const char* TOOL_ID = "Tessel.Tool.ArchRotate";
    static RefCountedPtr<HostRotateTool> Create() { return new HostRotateTool(); }

    const char* GetToolId() const override { return TOOL_ID; }

protected:
    std::size_t GetPointCount() const override { return 3; }
    const wchar_t* GetPointPrompt(std::size_t index) const override;
    Transform ComputeTransform(const bvector<DPoint3d>& points) const override;
    bool Apply(const bvector<ElementRef*>& elements, const Transform& transform) override;

private:
    HostRotateTool() = default;
    ~HostRotateTool() override = default;
};

} // namespace ztdemo
