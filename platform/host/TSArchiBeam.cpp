#include "platform/host/TSArchiBeam.h"

TSArchiBeamPtr TSArchiBeam::Create()
{
    return new TSArchiBeam();
}

TSArchiBeam::TSArchiBeam() : TSArchElement(Utf8String(CLASS_NAME))
{
    SetStart({0.0, 0.0, 0.0});
    SetEnd({0.0, 0.0, 0.0});
    SetWidth(300.0);
    SetHeight(600.0);
    SetDouble("TopOffset", 0.0);
    SetMaterial(kTSArchMaterials[0]);
}

TSObjectPtr TSArchiBeam::Clone() const
{
    return new TSArchiBeam(*this);
}

const std::vector<TSArchField>& TSArchiBeam::GetFields() const
{
    static const std::vector<TSArchField> fields = [] {
        std::vector<TSArchField> f{
            {1, L"几何", L"起点", TSArchFieldKind::Point, "Start", true},
            {2, L"几何", L"终点", TSArchFieldKind::Point, "End", true},
            {3, L"几何", L"宽度", TSArchFieldKind::Length, "Width", false},
            {4, L"几何", L"梁高", TSArchFieldKind::Length, "Height", false},
            {5, L"几何", L"顶部偏移", TSArchFieldKind::Offset, "TopOffset", false},
        };
        AppendCommonFields(f);
        return f;
    }();
    return fields;
}

bool TSArchiBeam::BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const
{
    outline = AxisRectangle(GetStart(), GetEnd(), GetWidth());
    height = GetHeight();
    // A beam hangs from the top of its storey.
    bottom = GetStoreyElevation() + GetStoreyHeight() + GetDouble("TopOffset") - height;
    return !outline.empty() && height > 0.0;
}
