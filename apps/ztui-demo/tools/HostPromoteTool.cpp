#include "apps/ztui-demo/tools/HostPromoteTool.h"

#include "apps/ztui-demo/tools/ElementTransformer.h"

#include <cmath>

namespace ztdemo {

const wchar_t* HostPromoteTool::GetPointPrompt(std::size_t index) const
{
    static constexpr const wchar_t* kPrompts[] = {L"请指定基点/右键取消：",
                                                  L"请指定提升高度/右键取消："};
    return kPrompts[index < std::size(kPrompts) ? index : std::size(kPrompts) - 1];
}

double HostPromoteTool::RiseOf(const DPoint3d& base, const DPoint3d& to)
{
    const double dz = to.z - base.z;
    if (std::abs(dz) > 1e-9)
        return dz;
    const double dx = to.x - base.x;
    const double dy = to.y - base.y;
    const double distance = std::hypot(dx, dy);
    const bool lower = std::abs(dy) > 1e-9 ? dy < 0 : dx < 0;
    return lower ? -distance : distance;
}

Transform HostPromoteTool::ComputeTransform(const bvector<DPoint3d>& points) const
{
    const DPoint3d& base = points[0];
    return ElementTransformer::Translation(
        base, DPoint3d{base.x, base.y, base.z + RiseOf(base, points[1])});
}

bool HostPromoteTool::Apply(const bvector<ElementRef*>& elements, const Transform& transform)
{
    ElementTransformer::TransformElements(elements, transform);
    return false;
}

} // namespace ztdemo
