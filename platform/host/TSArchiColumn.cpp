#include "platform/host/TSArchiColumn.h"

TSArchiColumnPtr TSArchiColumn::Create()
{
    return new TSArchiColumn();
}

TSArchiColumn::TSArchiColumn() : TSArchElement(Utf8String(CLASS_NAME))
{
    SetCenter({0.0, 0.0, 0.0});
    SetWidth(500.0);
    SetDepth(500.0);
    SetRotation(0.0);
    SetHeight(3000.0);
    SetDouble("BottomOffset", 0.0);
    SetMaterial(kTSArchMaterials[0]);
}

TSObjectPtr TSArchiColumn::Clone() const
{
    return new TSArchiColumn(*this);
}

const std::vector<TSArchField>& TSArchiColumn::GetFields() const
{
    static const std::vector<TSArchField> fields = [] {
        std::vector<TSArchField> f{
            {1, L"几何", L"中心", TSArchFieldKind::Point, "Center", true},
            {2, L"几何", L"宽度", TSArchFieldKind::Length, "Width", false},
            {3, L"几何", L"深度", TSArchFieldKind::Length, "Depth", false},
            {4, L"几何", L"转角", TSArchFieldKind::Angle, "Rotation", true},
            {5, L"几何", L"高度", TSArchFieldKind::Length, "Height", false},
            {6, L"几何", L"底部偏移", TSArchFieldKind::Offset, "BottomOffset", false},
        };
        AppendCommonFields(f);
        return f;
    }();
    return fields;
}

bool TSArchiColumn::BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const
{
    outline = CentredRectangle(GetCenter(), GetWidth(), GetDepth(), GetRotation());
    bottom = GetStoreyElevation() + GetDouble("BottomOffset");
    height = GetHeight();
    return !outline.empty() && height > 0.0;
}
