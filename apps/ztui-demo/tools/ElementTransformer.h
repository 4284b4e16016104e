#pragma once
// Moves, turns, mirrors or copies elements through their host objects, so that building
// elements keep their values in step with their bodies. All of one call is one undo step.

#include "platform/cad/BVector.h"
#include "platform/cad/DgnIds.h"
#include "platform/cad/Transform.h"

class ElementRef;

namespace ztdemo {

class ElementTransformer
{
public:
    // The elements changed in place; how many were.
    static std::size_t TransformElements(const bvector<ElementRef*>& elements,
                                         const Transform& transform);
    // Transformed copies beside the originals, in their models; the ids of the copies.
    static bvector<ElementId> CopyElements(const bvector<ElementRef*>& elements,
                                           const Transform& transform);

    // Turning by radians about the vertical line through centre.
    static Transform RotationAbout(const DPoint3d& centre, double radians);
    // Mirroring in the vertical plane through a and b; the identity when they meet.
    static Transform MirrorAcross(const DPoint3d& a, const DPoint3d& b);
    static Transform Translation(const DPoint3d& from, const DPoint3d& to);
};

} // namespace ztdemo
