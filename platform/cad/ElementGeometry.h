#pragma once
// Everything an element shows: its pieces of geometry in the order they were added and, for
// building elements, the extruded body. Plain value: elements hold it as an immutable
// snapshot, and editing works on a copy.

#include "platform/cad/ElementExtrusion.h"
#include "platform/cad/GeometricPrimitive.h"

#include <optional>

struct ElementGeometry
{
    bvector<GeometricPrimitive> primitives;
    std::optional<ElementExtrusion> extrusion;

    bool IsEmpty() const { return primitives.empty() && !extrusion; }
    DRange3d GetRange() const;
    // Moves, turns or mirrors every piece and the body (a body whose profile leaves the
    // horizontal plane keeps its transformed profile and is placed by its lowest point).
    void ApplyTransform(const Transform& transform);
};
