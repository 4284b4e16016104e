#pragma once
// The mirror tool: two points of the mirror line; the selection is mirrored across it and
// the tool ends.

#include "apps/ztui-demo/tools/HostTransformTool.h"

namespace ztdemo {

class HostMirrorTool : public HostTransformTool
{
public:
    static constexpr const char* TOOL_ID = "Tessel.Tool.ArchMirror";
    static RefCountedPtr<HostMirrorTool> Create() { return new HostMirrorTool(); }

    const char* GetToolId() const override { return TOOL_ID; }

protected:
    std::size_t GetPointCount() const override { return 2; }
    const wchar_t* GetPointPrompt(std::size_t index) const override;
    Transform ComputeTransform(const bvector<DPoint3d>& points) const override;
    bool Apply(const bvector<ElementRef*>& elements, const Transform& transform) override;

private:
    HostMirrorTool() = default;
    ~HostMirrorTool() override = default;
};

} // namespace ztdemo
