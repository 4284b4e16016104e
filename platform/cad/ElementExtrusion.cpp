#include "platform/cad/ElementExtrusion.h"

#include <cmath>

bool ElementExtrusion::IsValid() const
{
    return baseProfile && baseProfile->IsClosedPath() && !baseProfile->empty() &&
           std::isfinite(height) && height > 0.0 && std::isfinite(bottomElevation);
}

DRange3d ElementExtrusion::GetRange() const
{
    DRange3d range;
    if (!baseProfile || !baseProfile->GetRange(range))
        return DRange3d::NullRange();
    range.low.z = bottomElevation;
    range.high.z = bottomElevation + height;
    return range;
}
