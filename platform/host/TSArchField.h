#pragma once
// One published value of a building element: the record key a tool gives it, the group and
// caption the property panel shows, how it is edited, and the member of the object's values
// that holds it. Each building class lists its fields once; records, copying and moving are
// all driven by that list.

enum class TSArchFieldKind
{
    Length,   // a positive distance in millimetres
    Offset,   // a signed distance in millimetres
    Angle,    // degrees, counter-clockwise from +X
    Point,    // a point of the placement
    Material, // one of the host's materials
    Storey,   // the storey the element stands on (its id)
    Layer,    // the element's level (not stored among the values)
    Text,
};

struct TSArchField
{
    int key;
    const wchar_t* group;
    const wchar_t* caption;
    TSArchFieldKind kind;
    const char* member;
    // Placement fields say where the element is; copying values from one element to another
    // leaves them alone.
    bool placement;
};

// The materials the host offers, in the order its lists show them.
inline constexpr const wchar_t* kTSArchMaterials[] = {L"混凝土", L"砖",   L"钢",
                                                      L"木材",   L"玻璃", L"石材"};
