#pragma once
// The sample project of the reference host: a small two-storey office of 12 x 8 metres, with
// walls, slabs, columns, beams, doors and windows on layers named after their kinds, and two
// layer combinations. Units are millimetres, as the host's.

#include "platform/base/WString.h"

#include <cstddef>

class DgnProject;

namespace ztdemo {

struct SampleCounts
{
    std::size_t storeys = 0;
    std::size_t walls = 0;
    std::size_t slabs = 0;
    std::size_t columns = 0;
    std::size_t beams = 0;
    std::size_t doors = 0;
    std::size_t windows = 0;
    std::size_t total() const { return walls + slabs + columns + beams + doors + windows; }
};

// Builds the building into the project's default model as one undo step and returns what it
// made; all zero when the project already has storeys (it is built once).
SampleCounts BuildSampleBuilding(DgnProject& project);

// The layer of each kind, as the class-to-layer map gives it.
inline constexpr const char* kWallLayer = "墙";
inline constexpr const char* kSlabLayer = "楼板";
inline constexpr const char* kColumnLayer = "柱";
inline constexpr const char* kBeamLayer = "梁";
inline constexpr const char* kDoorLayer = "门";
inline constexpr const char* kWindowLayer = "窗";

} // namespace ztdemo
