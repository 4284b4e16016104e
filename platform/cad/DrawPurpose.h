#pragma once
// Why a view is being drawn. Drawing code may leave things out for some purposes: a marker
// that only helps the user navigate has no place in a plot or in a pick.

enum class DrawPurpose
{
    NotSpecified = 0,
    Update = 1,
    UpdateHealing = 2,
    UpdateDynamic = 3,
    Hilite = 4,
    Unhilite = 5,
    RangeCalculation = 9,
    FitView = 12,
    Dynamics = 19,
    Plot = 21,
    Pick = 32,
};
