#include "apps/ztui-demo/tools/HostRotateTool.h"

#include "apps/ztui-demo/tools/ElementTransformer.h"

#include <cmath>

namespace ztdemo {

const wchar_t* HostRotateTool::GetPointPrompt(std::size_t index) const
{
    static constexpr const wchar_t* kPrompts[] = {
        L"请指定旋转中心/右键取消：", L"请指定参考方向/右键取消：", L"请指定旋转方向/右键取消："};
    return kPrompts[index < std::size(kPrompts) ? index : std::size(kPrompts) - 1];
}

Transform HostRotateTool::ComputeTransform(const bvector<DPoint3d>& points) const
{
    double from = std::atan2(points[1].y - points[0].y, points[1].x - points[0].x);
    double to = std::atan2(points[2].y - points[0].y, points[2].x - points[0].x);
    return ElementTransformer::RotationAbout(points[0], to - from);
}

bool HostRotateTool::Apply(const bvector<ElementRef*>& elements, const Transform& transform)
{
    ElementTransformer::TransformElements(elements, transform);
    return false;
}

} // namespace ztdemo
