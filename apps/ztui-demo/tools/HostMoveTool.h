#pragma once
// The move tool: a base point, then where it goes; the selection moves along and the
// tool ends.

#include "apps/ztui-demo/tools/HostTransformTool.h"

namespace ztdemo {

class HostMoveTool : public HostTransformTool
{
public:
    static constexpr const char* TOOL_ID = "ArchMoveDyn";
    static RefCountedPtr<HostMoveTool> Create() { return new HostMoveTool(); }

    const char* GetToolId() const override { return TOOL_ID; }

protected:
    std::size_t GetPointCount() const override { return 2; }
    const wchar_t* GetPointPrompt(std::size_t index) const override;
    Transform ComputeTransform(const bvector<DPoint3d>& points) const override;
    bool Apply(const bvector<ElementRef*>& elements, const Transform& transform) override;

private:
    HostMoveTool() = default;
    ~HostMoveTool() override = default;
};

} // namespace ztdemo
