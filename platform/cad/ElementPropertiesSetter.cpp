#include "platform/cad/ElementPropertiesSetter.h"
#include "platform/cad/DgnProject.h"

bool ElementPropertiesSetter::Apply(EditElementHandle& element) const
{
    bool changed = false;
    ElementData& data = element.GetDataR();
    if (m_level && data.levelId != *m_level) {
        data.levelId = *m_level;
        changed = true;
    }
    for (auto& piece : data.geometry.primitives) {
        ElementSymbology symb = piece.GetSymbology();
        if (m_color)
            symb.color = *m_color;
        if (m_weight)
            symb.weight = *m_weight;
        if (m_style)
            symb.style = *m_style;
        if (!(symb == piece.GetSymbology())) {
            piece.SetSymbology(symb);
            changed = true;
        }
    }
    return changed;
}

bool ElementPropertiesSetter::Apply(ElementRef* element) const
{
    if (!element || element->IsDeleted())
        return false;
    if (m_level && !element->GetDgnProject().Levels().HasLevel(*m_level))
        return false;
    EditElementHandle handle(element);
    return Apply(handle) && handle.ReplaceInModel();
}
