#pragma once
// Which element a click in the plan means: of the elements whose outline (seen from above)
// holds the point, the one on the current storey first, then the one with the smallest
// outline, so that a click on a wall picks the wall and not the slab under it.

#include "platform/cad/DPoint3d.h"

class DgnModel;
class ElementRef;

namespace ztdemo {

class HostElementPicker
{
public:
    // Null when no element is under the point. tolerance widens every outline by that much,
    // in model units, so that a click beside a thin element still takes it.
    static ElementRef* Pick(DgnModel& model, const DPoint3d& point, double tolerance);
};

} // namespace ztdemo
