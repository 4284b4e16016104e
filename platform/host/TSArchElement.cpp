#include "platform/host/TSArchElement.h"

#include <cmath>

namespace {
// Two axis points closer than this (millimetres) make no member.
constexpr double kMinimumMemberLength = 1.0e-6;
} // namespace

bool TSArchElement::Copy(TSGraphicElementPtr& target) const
{
    if (!target) {
        TSObjectPtr copy = Clone();
        target = dynamic_cast<TSGraphicElement*>(copy.get());
        return target.IsValid();
    }
    auto* other = dynamic_cast<TSArchElement*>(target.get());
    if (!other || other->GetECClassName() != GetECClassName())
        return false;
    Json::Value values = m_values;
    for (const TSArchField& field : GetFields()) {
        if (!field.placement || !field.member)
            continue;
        if (other->m_values.isMember(field.member))
            values[field.member] = other->m_values[field.member];
        else
            values.removeMember(field.member);
    }
    other->SetValues(values);
    other->SetLevelId(GetLevelId());
    return true;
}

bvector<DPoint3d> TSArchElement::AxisRectangle(const DPoint3d& start, const DPoint3d& end,
                                               double width)
{
    double dx = end.x - start.x;
    double dy = end.y - start.y;
    double length = std::hypot(dx, dy);
    if (!(length > kMinimumMemberLength) || !(width > 0.0))
        return {};
    double nx = -dy / length * width / 2.0;
    double ny = dx / length * width / 2.0;
    return {{start.x - nx, start.y - ny, 0.0},
            {end.x - nx, end.y - ny, 0.0},
            {end.x + nx, end.y + ny, 0.0},
            {start.x + nx, start.y + ny, 0.0}};
}

bvector<DPoint3d> TSArchElement::CentredRectangle(const DPoint3d& centre, double width,
                                                  double depth, double degrees)
{
    if (!(width > 0.0) || !(depth > 0.0))
        return {};
    double radians = degrees * M_PI / 180.0;
    double ux = std::cos(radians) * width / 2.0;
    double uy = std::sin(radians) * width / 2.0;
    DPoint3d start{centre.x - ux, centre.y - uy, 0.0};
    DPoint3d end{centre.x + ux, centre.y + uy, 0.0};
    return AxisRectangle(start, end, depth);
}

double TSArchElement::GetElevation() const
{
    bvector<DPoint3d> outline;
    double bottom = 0.0;
    double height = 0.0;
    if (BuildBody(outline, bottom, height))
        return bottom;
    return GetStoreyElevation();
}
