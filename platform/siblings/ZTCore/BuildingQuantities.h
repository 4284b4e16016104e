#pragma once
// The quantities of a building element's body that the property panel shows beside its
// own values: plan area, perimeter, volume and height, and the storey it stands on.

#include "platform/host/TSBuildingElement.h"

namespace ztcore {

struct BuildingQuantities
{
    double planArea = 0.0;  // square millimetres
    double perimeter = 0.0; // millimetres
    double height = 0.0;    // millimetres
    double volume = 0.0;    // cubic millimetres
    WString storeyName;
};

// False when the element has no body (its values make none).
bool ComputeQuantities(const TSBuildingElement& element, BuildingQuantities& quantities);

// The group of the element's user properties that carries the quantities.
inline constexpr const wchar_t* kQuantityGroup = L"工程量";

// Writes the quantities into that group of the element's user properties, in square and
// cubic metres, replacing what an earlier call wrote; other groups are left alone.
bool AppendQuantities(TSBuildingElement& element);

} // namespace ztcore
