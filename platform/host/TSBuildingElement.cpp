#include "platform/host/TSBuildingElement.h"

#include "platform/cad/DgnProject.h"
#include "platform/host/TSArchiStoreyManager.h"

#include <cmath>

namespace {
constexpr double kDegreesPerRadian = 180.0 / M_PI;
} // namespace

TSBuildingElement::TSBuildingElement(const Utf8String& className)
    : TSGraphicElement(Utf8String(SCHEMA), className, TesselDomain_Architecture)
{}

double TSBuildingElement::GetStoreyElevation() const
{
    TSStorey storey;
    DgnProject* project = GetDgnProject();
    if (project && TSArchiStoreyManager::Get().FindStorey(*project, GetStoreyId(), storey))
        return storey.GetElevation();
    return 0.0;
}

double TSBuildingElement::GetStoreyHeight() const
{
    TSStorey storey;
    DgnProject* project = GetDgnProject();
    if (project && TSArchiStoreyManager::Get().FindStorey(*project, GetStoreyId(), storey))
        return storey.GetHeight();
    return TSStorey::DEFAULT_HEIGHT;
}

const TSArchField* TSBuildingElement::FindField(int key) const
{
    for (const TSArchField& field : GetFields())
        if (field.key == key)
            return &field;
    return nullptr;
}

void TSBuildingElement::AppendCommonFields(std::vector<TSArchField>& fields)
{
    fields.push_back({80, L"材质", L"材料", TSArchFieldKind::Material, "Material", false});
    fields.push_back({90, L"位置", L"楼层", TSArchFieldKind::Storey, "StoreyId", false});
    fields.push_back({91, L"位置", L"图层", TSArchFieldKind::Layer, nullptr, false});
}

DPoint3d TSBuildingElement::GetPoint(const char* member) const
{
    const Json::Value& v = m_values[member];
    DPoint3d p;
    if (v.isArray() && v.size() == 3 && v[0].isNumeric() && v[1].isNumeric() && v[2].isNumeric()) {
        p = {v[0].asDouble(), v[1].asDouble(), v[2].asDouble()};
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
            p = {};
    }
    return p;
}

void TSBuildingElement::SetPoint(const char* member, const DPoint3d& point)
{
    if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(point.z))
        return;
    Json::Value& v = m_values[member] = Json::Value(Json::arrayValue);
    v.append(point.x);
    v.append(point.y);
    v.append(point.z);
}

void TSBuildingElement::ApplyTransform(const Transform& transform)
{
    // The placement lies in the storey's plane and the height is given by the offsets from
    // the storey, so what the transform does vertically (a raise) goes into the offsets.
    const double rise = transform.Multiply(DPoint3d{0.0, 0.0, 0.0}).z;
    for (const TSArchField& field : GetFields()) {
        if (field.kind == TSArchFieldKind::Point) {
            DPoint3d point = GetPoint(field.member);
            const double z = point.z;
            point = transform.Multiply(point);
            point.z = z;
            SetPoint(field.member, point);
        } else if (field.kind == TSArchFieldKind::Offset) {
            if (rise != 0.0)
                SetDouble(field.member, GetDouble(field.member) + rise);
        } else if (field.kind == TSArchFieldKind::Angle && field.placement) {
            double radians = GetDouble(field.member) / kDegreesPerRadian;
            DVec3d along =
                transform.MultiplyMatrixOnly(DVec3d{std::cos(radians), std::sin(radians), 0.0});
            if (along.x != 0.0 || along.y != 0.0)
                SetDouble(field.member, std::atan2(along.y, along.x) * kDegreesPerRadian);
        }
    }
    TransformPlacement(transform);
}

bool TSBuildingElement::BuildGeometry(ElementGeometry& geometry) const
{
    bvector<DPoint3d> outline;
    double bottom = 0.0;
    double height = 0.0;
    geometry = ElementGeometry{};
    if (!BuildBody(outline, bottom, height) || outline.size() < 3)
        return false;
    outline.push_back(outline.front());
    for (DPoint3d& p : outline)
        p.z = bottom;
    ElementExtrusion body;
    body.baseProfile = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer,
                                           ICurvePrimitive::CreateLineString(outline));
    body.bottomElevation = bottom;
    body.height = height;
    if (!body.IsValid())
        return false;
    geometry.extrusion = body;
    return true;
}
