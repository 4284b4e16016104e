#include "platform/host/TSArchiOpening.h"

TSArchiOpeningPtr TSArchiOpening::Create()
{
    return new TSArchiOpening();
}

TSArchiOpening::TSArchiOpening(const char* className) : TSArchElement(Utf8String(className))
{
    SetPosition({0.0, 0.0, 0.0});
    SetAngle(0.0);
    SetWidth(1000.0);
    SetHeight(2000.0);
    SetDouble("Depth", 240.0);
    SetSillHeight(0.0);
    SetMaterial(kTSArchMaterials[3]);
}

TSObjectPtr TSArchiOpening::Clone() const
{
    return new TSArchiOpening(*this);
}

const std::vector<TSArchField>& TSArchiOpening::GetFields() const
{
    static const std::vector<TSArchField> fields = [] {
        std::vector<TSArchField> f{
            {1, L"几何", L"位置", TSArchFieldKind::Point, "Position", true},
            {2, L"几何", L"方向", TSArchFieldKind::Angle, "Angle", true},
            {3, L"几何", L"宽度", TSArchFieldKind::Length, "Width", false},
            {4, L"几何", L"高度", TSArchFieldKind::Length, "Height", false},
            {5, L"几何", L"墙厚", TSArchFieldKind::Length, "Depth", false},
            {6, L"几何", L"窗台高", TSArchFieldKind::Offset, "SillHeight", false},
        };
        AppendCommonFields(f);
        return f;
    }();
    return fields;
}

bool TSArchiOpening::BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const
{
    outline = CentredRectangle(GetPosition(), GetWidth(), GetDouble("Depth"), GetAngle());
    bottom = GetStoreyElevation() + GetSillHeight();
    height = GetHeight();
    return !outline.empty() && height > 0.0;
}
