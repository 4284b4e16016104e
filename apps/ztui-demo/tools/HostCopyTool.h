#pragma once
// The copy tool: a base point, then one target point after another; each places a copy of
// the selection moved from the base point to it, until the reset.

#include "apps/ztui-demo/tools/HostTransformTool.h"

namespace ztdemo {

class HostCopyTool : public HostTransformTool
{
public:
    static constexpr const char* TOOL_ID = "Tessel.Tool.ArchCopy";
    static RefCountedPtr<HostCopyTool> Create() { return new HostCopyTool(); }

    const char* GetToolId() const override { return TOOL_ID; }

    // The copies placed so far.
    const bvector<ElementId>& GetCopies() const { return m_copies; }

protected:
    std::size_t GetPointCount() const override { return 2; }
    const wchar_t* GetPointPrompt(std::size_t index) const override;
    Transform ComputeTransform(const bvector<DPoint3d>& points) const override;
    bool Apply(const bvector<ElementRef*>& elements, const Transform& transform) override;

private:
    HostCopyTool() = default;
    ~HostCopyTool() override = default;
    bvector<ElementId> m_copies;
};

} // namespace ztdemo
