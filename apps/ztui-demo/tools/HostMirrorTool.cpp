#include "apps/ztui-demo/tools/HostMirrorTool.h"

#include "apps/ztui-demo/tools/ElementTransformer.h"

namespace ztdemo {

const wchar_t* HostMirrorTool::GetPointPrompt(std::size_t index) const
{
    static constexpr const wchar_t* kPrompts[] = {L"请指定镜像线第一点/右键取消：",
                                                  L"请指定镜像线第二点/右键取消："};
    return kPrompts[index < std::size(kPrompts) ? index : std::size(kPrompts) - 1];
}

Transform HostMirrorTool::ComputeTransform(const bvector<DPoint3d>& points) const
{
    return ElementTransformer::MirrorAcross(points[0], points[1]);
}

bool HostMirrorTool::Apply(const bvector<ElementRef*>& elements, const Transform& transform)
{
    ElementTransformer::TransformElements(elements, transform);
    return false;
}

} // namespace ztdemo
