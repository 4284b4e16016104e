#pragma once
// Small geometric tests shared by the host's tools.

#include "platform/cad/DPoint3d.h"

namespace Tessel::ArchModel {

class PublicFunc
{
public:
    // Non-zero when the line a0-a1 and the line b0-b1 are parallel (either direction): the
    // angle between them is at most tolerance radians. A line whose two points coincide has
    // no direction and counts as parallel to anything, so that callers fall back to the
    // straight case.
    static int IsTwoLineParrallel(const DPoint3d& a0, const DPoint3d& a1, const DPoint3d& b0,
                                  const DPoint3d& b1, double tolerance);
};

} // namespace Tessel::ArchModel
