#pragma once
// Changes chosen properties of elements: the level and, for every piece of geometry, the
// colour, weight or style. Only what was set is applied.

#include "platform/cad/DgnIds.h"
#include "platform/cad/EditElementHandle.h"

#include <cstdint>
#include <optional>

class ElementPropertiesSetter
{
public:
    void SetLevel(LevelId level) { m_level = level; }
    void SetColor(std::uint32_t elementColor) { m_color = elementColor; }
    void SetWeight(std::uint32_t weight) { m_weight = weight; }
    void SetLinestyle(std::int32_t style) { m_style = style; }

    // Changes the working copy; true when anything differs afterwards.
    bool Apply(EditElementHandle& element) const;
    // Changes the element itself, as one change; false when nothing changed or the element is
    // gone. A level that the project does not have is refused.
    bool Apply(ElementRef* element) const;

private:
    std::optional<LevelId> m_level;
    std::optional<std::uint32_t> m_color;
    std::optional<std::uint32_t> m_weight;
    std::optional<std::int32_t> m_style;
};
