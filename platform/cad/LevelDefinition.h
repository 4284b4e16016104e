#pragma once
// One level (the host calls them layers) of the project: its id and unique name, the
// symbology that geometry drawn "by level" takes from it, and whether it is displayed.

#include "platform/base/WString.h"
#include "platform/cad/DgnIds.h"

#include <cstdint>

struct LevelDefinition
{
    LevelId id = 0;
    Utf8String name;
    std::uint32_t color = 0; // an element colour of the project's table
    std::uint32_t weight = 0;
    std::int32_t style = 0;
    bool displayed = true;
    bool locked = false;

    friend bool operator==(const LevelDefinition&, const LevelDefinition&) = default;
};
