#include "platform/siblings/ZTCore/BuildingQuantities.h"

#include "platform/cad/DgnProject.h"
#include "platform/host/TSArchiStoreyManager.h"

#include <cmath>

namespace ztcore {

namespace {

constexpr double kSquareMillimetresPerSquareMetre = 1.0e6;
constexpr double kCubicMillimetresPerCubicMetre = 1.0e9;

// The outline's corners; a closing corner equal to the first is dropped.
bvector<DPoint3d> Corners(const CurveVector& profile)
{
    bvector<DPoint3d> corners;
    for (const ICurvePrimitivePtr& piece : profile) {
        if (!piece)
            continue;
        if (const bvector<DPoint3d>* points = piece->GetLineStringCP()) {
            corners.insert(corners.end(), points->begin(), points->end());
        } else {
            DPoint3d start, end;
            if (piece->GetStartEnd(start, end))
                corners.push_back(start);
        }
    }
    if (corners.size() > 1 && corners.front().x == corners.back().x &&
        corners.front().y == corners.back().y)
        corners.pop_back();
    return corners;
}

} // namespace

bool ComputeQuantities(const TSBuildingElement& element, BuildingQuantities& quantities)
{
    ElementGeometry geometry;
    if (!element.BuildGeometry(geometry) || !geometry.extrusion || !geometry.extrusion->baseProfile)
        return false;
    bvector<DPoint3d> corners = Corners(*geometry.extrusion->baseProfile);
    if (corners.size() < 3)
        return false;
    double twiceArea = 0.0;
    double perimeter = 0.0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const DPoint3d& a = corners[i];
        const DPoint3d& b = corners[(i + 1) % corners.size()];
        twiceArea += a.x * b.y - b.x * a.y;
        perimeter += std::hypot(b.x - a.x, b.y - a.y);
    }
    quantities.planArea = std::fabs(twiceArea) / 2.0;
    quantities.perimeter = perimeter;
    quantities.height = geometry.extrusion->height;
    quantities.volume = quantities.planArea * quantities.height;
    quantities.storeyName.clear();
    TSStorey storey;
    if (DgnProject* project = element.GetDgnProject())
        if (TSArchiStoreyManager::Get().FindStorey(*project, element.GetStoreyId(), storey))
            quantities.storeyName = storey.GetName();
    return true;
}

bool AppendQuantities(TSBuildingElement& element)
{
    BuildingQuantities q;
    if (!ComputeQuantities(element, q))
        return false;
    TSUserPropertySet set = element.GetUserPropertySet();
    auto put = [&](const wchar_t* name, double value) {
        TSUserPropertyCell cell;
        // Rounded to what a quantity list shows, so that repeated calls do not drift.
        cell.SetDouble(std::round(value * 1000.0) / 1000.0);
        set.SetValue(kQuantityGroup, name, cell);
    };
    put(L"面积(m²)", q.planArea / kSquareMillimetresPerSquareMetre);
    put(L"周长(m)", q.perimeter / 1000.0);
    put(L"高度(m)", q.height / 1000.0);
    put(L"体积(m³)", q.volume / kCubicMillimetresPerCubicMetre);
    TSUserPropertyCell storey;
    storey.SetString(q.storeyName);
    set.SetValue(kQuantityGroup, L"所在楼层", storey);
    element.SetUserPropertySet(set);
    return true;
}

} // namespace ztcore
