#include "ztui/proplist/window/EditorIdCounter.h"

namespace zt {

int* EditorIdCounter::CounterOf(PropertyRowKind kind)
{
    switch (kind) {
    case PropertyRowKind::Angle:
        return &m_angle;
    case PropertyRowKind::PointPart:
        return &m_point;
    case PropertyRowKind::EditButton:
        return &m_editButton;
    case PropertyRowKind::Image:
        return &m_image;
    case PropertyRowKind::Color:
        return &m_color;
    case PropertyRowKind::Item:
        return &m_item;
    case PropertyRowKind::Group:
    case PropertyRowKind::SubGroup:
        break;
    }
    return nullptr; // headers have no editor
}

int EditorIdCounter::Peek(PropertyRowKind kind) const
{
    int* counter = const_cast<EditorIdCounter*>(this)->CounterOf(kind);
    return counter ? *counter : 0;
}

int EditorIdCounter::Next(PropertyRowKind kind)
{
    int* counter = CounterOf(kind);
    if (!counter)
        return 0;
    int id = *counter;
    ++*counter;
    // The ordinary rows are made by the thousand; their identifiers are recycled.
    if ((kind == PropertyRowKind::Item || kind == PropertyRowKind::Angle) && *counter > kWrapAfter)
        *counter = 100;
    return id;
}

} // namespace zt
