#include "platform/cad/ElementGeometry.h"

DRange3d ElementGeometry::GetRange() const
{
    DRange3d range;
    for (const auto& p : primitives)
        p.ExtendRange(range);
    if (extrusion) {
        DRange3d body = extrusion->GetRange();
        if (!body.IsNull())
            range.Extend(body);
    }
    return range;
}

void ElementGeometry::ApplyTransform(const Transform& transform)
{
    for (auto& p : primitives)
        p = p.Transformed(transform);
    if (extrusion && extrusion->baseProfile) {
        DPoint3d start, end;
        extrusion->baseProfile->GetStartEnd(start, end);
        start.z = extrusion->bottomElevation;
        extrusion->bottomElevation = transform.Multiply(start).z;
        auto profile = extrusion->baseProfile->Clone();
        profile->TransformInPlace(transform);
        extrusion->baseProfile = profile;
    }
}
