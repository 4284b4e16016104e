#include "platform/host/TSArchiWall.h"

TSArchiWallPtr TSArchiWall::Create()
{
    return new TSArchiWall();
}

TSArchiWall::TSArchiWall() : TSArchElement(Utf8String(CLASS_NAME))
{
    SetStart({0.0, 0.0, 0.0});
    SetEnd({0.0, 0.0, 0.0});
    SetThickness(240.0);
    SetHeight(3000.0);
    SetBottomOffset(0.0);
    SetMaterial(kTSArchMaterials[0]);
}

TSObjectPtr TSArchiWall::Clone() const
{
    return new TSArchiWall(*this);
}

const std::vector<TSArchField>& TSArchiWall::GetFields() const
{
    static const std::vector<TSArchField> fields = [] {
        std::vector<TSArchField> f{
            {1, L"几何", L"起点", TSArchFieldKind::Point, "Start", true},
            {2, L"几何", L"终点", TSArchFieldKind::Point, "End", true},
            {3, L"几何", L"厚度", TSArchFieldKind::Length, "Thickness", false},
            {4, L"几何", L"高度", TSArchFieldKind::Length, "Height", false},
            {5, L"几何", L"底部偏移", TSArchFieldKind::Offset, "BottomOffset", false},
        };
        AppendCommonFields(f);
        return f;
    }();
    return fields;
}

bool TSArchiWall::BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const
{
    outline = AxisRectangle(GetStart(), GetEnd(), GetThickness());
    bottom = GetStoreyElevation() + GetBottomOffset();
    height = GetHeight();
    return !outline.empty() && height > 0.0;
}
