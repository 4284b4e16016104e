#pragma once
// The body of a building element as a view draws it: a closed base profile in a horizontal
// plane, swept straight up from the bottom elevation by the height. A top view shows the
// profile as the plan outline; 3-D views show the prism (a box when the profile is a
// rectangle). The profile's own z is ignored: the bottom elevation places it.

#include "platform/cad/CurveVector.h"

struct ElementExtrusion
{
    CurveVectorPtr baseProfile;
    double bottomElevation = 0.0;
    double height = 0.0;

    // A closed profile and a height that is a positive finite number.
    bool IsValid() const;
    // The box around the prism.
    DRange3d GetRange() const;
};
