#include "apps/ztui-demo/tools/HostCopyTool.h"

#include "apps/ztui-demo/tools/ElementTransformer.h"

namespace ztdemo {

const wchar_t* HostCopyTool::GetPointPrompt(std::size_t index) const
{
    static constexpr const wchar_t* kPrompts[] = {L"请指定基点/右键取消：",
                                                  L"请指定目标点/右键取消："};
    return kPrompts[index < std::size(kPrompts) ? index : std::size(kPrompts) - 1];
}

Transform HostCopyTool::ComputeTransform(const bvector<DPoint3d>& points) const
{
    return ElementTransformer::Translation(points[0], points[1]);
}

bool HostCopyTool::Apply(const bvector<ElementRef*>& elements, const Transform& transform)
{
    bvector<ElementId> copies = ElementTransformer::CopyElements(elements, transform);
    m_copies.insert(m_copies.end(), copies.begin(), copies.end());
    return true;
}

} // namespace ztdemo
