#include "platform/host/TSArchiSlab.h"

#include <cmath>

TSArchiSlabPtr TSArchiSlab::Create()
{
    return new TSArchiSlab();
}

TSArchiSlab::TSArchiSlab() : TSArchElement(Utf8String(CLASS_NAME))
{
    SetProfile({});
    SetThickness(120.0);
    SetDouble("TopOffset", 0.0);
    SetMaterial(kTSArchMaterials[0]);
}

TSObjectPtr TSArchiSlab::Clone() const
{
    return new TSArchiSlab(*this);
}

const std::vector<TSArchField>& TSArchiSlab::GetFields() const
{
    static const std::vector<TSArchField> fields = [] {
        std::vector<TSArchField> f{
            {1, L"几何", L"厚度", TSArchFieldKind::Length, "Thickness", false},
            {2, L"几何", L"顶部偏移", TSArchFieldKind::Offset, "TopOffset", false},
        };
        AppendCommonFields(f);
        return f;
    }();
    return fields;
}

bvector<DPoint3d> TSArchiSlab::GetProfile() const
{
    bvector<DPoint3d> corners;
    const Json::Value& list = m_values["Profile"];
    if (!list.isArray())
        return corners;
    for (const Json::Value& p : list) {
        if (!p.isArray() || p.size() < 2 || !p[0].isNumeric() || !p[1].isNumeric())
            continue;
        DPoint3d corner{p[0].asDouble(), p[1].asDouble(), 0.0};
        if (std::isfinite(corner.x) && std::isfinite(corner.y))
            corners.push_back(corner);
    }
    return corners;
}

void TSArchiSlab::SetProfile(const bvector<DPoint3d>& corners)
{
    Json::Value& list = m_values["Profile"] = Json::Value(Json::arrayValue);
    for (const DPoint3d& c : corners) {
        if (!std::isfinite(c.x) || !std::isfinite(c.y))
            continue;
        Json::Value p(Json::arrayValue);
        p.append(c.x);
        p.append(c.y);
        list.append(p);
    }
}

void TSArchiSlab::TransformPlacement(const Transform& transform)
{
    bvector<DPoint3d> corners = GetProfile();
    for (DPoint3d& c : corners)
        c = transform.Multiply(c);
    SetProfile(corners);
}

bool TSArchiSlab::BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const
{
    outline = GetProfile();
    // A closing corner equal to the first adds nothing.
    if (outline.size() > 1 && outline.front().x == outline.back().x &&
        outline.front().y == outline.back().y)
        outline.pop_back();
    height = GetThickness();
    bottom = GetStoreyElevation() + GetDouble("TopOffset") - height;
    return outline.size() >= 3 && height > 0.0;
}
