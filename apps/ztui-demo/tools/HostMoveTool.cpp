#include "apps/ztui-demo/tools/HostMoveTool.h"

#include "apps/ztui-demo/tools/ElementTransformer.h"

namespace ztdemo {

const wchar_t* HostMoveTool::GetPointPrompt(std::size_t index) const
{
    static constexpr const wchar_t* kPrompts[] = {L"请指定基点/右键取消：",
                                                  L"请指定目标点/右键取消："};
    return kPrompts[index < std::size(kPrompts) ? index : std::size(kPrompts) - 1];
}

Transform HostMoveTool::ComputeTransform(const bvector<DPoint3d>& points) const
{
    return ElementTransformer::Translation(points[0], points[1]);
}

bool HostMoveTool::Apply(const bvector<ElementRef*>& elements, const Transform& transform)
{
    ElementTransformer::TransformElements(elements, transform);
    return false;
}

} // namespace ztdemo
