#include "apps/ztui-demo/tools/HostElementPicker.h"

#include "platform/cad/DgnModel.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/ElementRef.h"
#include "platform/host/TSBuildingElement.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TSStoreyManager.h"

#include <cmath>
#include <limits>

namespace ztdemo {

namespace {

// The corners of an element's body outline; empty when it has no body.
bvector<DPoint3d> Outline(const TSGraphicElement& element)
{
    bvector<DPoint3d> corners;
    ElementGeometry geometry;
    if (!element.BuildGeometry(geometry) || !geometry.extrusion || !geometry.extrusion->baseProfile)
        return corners;
    for (const ICurvePrimitivePtr& piece : *geometry.extrusion->baseProfile) {
        if (!piece)
            continue;
        if (const bvector<DPoint3d>* points = piece->GetLineStringCP()) {
            corners.insert(corners.end(), points->begin(), points->end());
        } else {
            DPoint3d start;
            DPoint3d end;
            if (piece->GetStartEnd(start, end))
                corners.push_back(start);
        }
    }
    return corners;
}

double Area(const bvector<DPoint3d>& corners)
{
    double twice = 0.0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const DPoint3d& a = corners[i];
        const DPoint3d& b = corners[(i + 1) % corners.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::fabs(twice) / 2.0;
}

double DistanceToSegment(const DPoint3d& p, const DPoint3d& a, const DPoint3d& b)
{
    double dx = b.x - a.x;
    double dy = b.y - a.y;
    double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::fmax(0.0, std::fmin(1.0, t));
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Inside the outline, or within tolerance of its edge.
bool Holds(const bvector<DPoint3d>& corners, const DPoint3d& p, double tolerance)
{
    if (corners.size() < 3)
        return false;
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const DPoint3d& a = corners[i];
        const DPoint3d& b = corners[j];
        if (DistanceToSegment(p, a, b) <= tolerance)
            return true;
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

} // namespace

ElementRef* HostElementPicker::Pick(DgnModel& model, const DPoint3d& point, double tolerance)
{
    std::int64_t current = 0;
    if (TSStoreyPtr storey = TSStoreyManager::GetCurrentStorey(model.GetDgnProject()))
        current = storey->GetId();
    ElementRef* best = nullptr;
    bool bestOnCurrent = false;
    double bestArea = std::numeric_limits<double>::infinity();
    for (ElementRef* element : model.GetElementRefs()) {
        if (!element || element->IsDeleted())
            continue;
        RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(element);
        auto* graphic = dynamic_cast<TSGraphicElement*>(obj.get());
        if (!graphic)
            continue;
        bvector<DPoint3d> corners = Outline(*graphic);
        if (!Holds(corners, point, tolerance))
            continue;
        auto* building = dynamic_cast<TSBuildingElement*>(graphic);
        bool onCurrent = building && building->GetStoreyId() == current;
        double area = Area(corners);
        if (!best || (onCurrent && !bestOnCurrent) ||
            (onCurrent == bestOnCurrent && area < bestArea)) {
            best = element;
            bestOnCurrent = onCurrent;
            bestArea = area;
        }
    }
    return best;
}

} // namespace ztdemo
