#pragma once
// One cursor event of a view as tools see it: the world point under the cursor (through the
// viewport it happened in), that point in view coordinates, the screen position, and the
// state of the modifier keys and buttons at the time.

#include "platform/cad/DPoint3d.h"

#include <cstdint>

class IndexedViewport;

class DgnButtonEvent
{
public:
    // Modifier and button bits, as the window system reports them with mouse messages.
    static constexpr std::uint32_t kShift = 0x0004;   // MK_SHIFT
    static constexpr std::uint32_t kControl = 0x0008; // MK_CONTROL

    DgnButtonEvent() = default;
    DgnButtonEvent(IndexedViewport* viewport, const DPoint3d& point, const DPoint3d& viewPoint,
                   const DPoint3d& screenPoint, std::uint32_t keyState)
        : m_viewport(viewport), m_point(point), m_viewPoint(viewPoint), m_screenPoint(screenPoint),
          m_keyState(keyState)
    {}

    // Null for an event that did not come through a view (none has happened yet).
    IndexedViewport* GetViewport() const { return m_viewport; }
    const DPoint3d& GetPoint() const { return m_point; }
    void SetPoint(const DPoint3d& point) { m_point = point; }
    const DPoint3d& GetViewPoint() const { return m_viewPoint; }
    const DPoint3d& GetScreenPoint() const { return m_screenPoint; }
    std::uint32_t GetKeyState() const { return m_keyState; }
    bool IsShiftKey() const { return (m_keyState & kShift) != 0; }
    bool IsControlKey() const { return (m_keyState & kControl) != 0; }

private:
    IndexedViewport* m_viewport = nullptr;
    DPoint3d m_point;
    DPoint3d m_viewPoint;
    DPoint3d m_screenPoint;
    std::uint32_t m_keyState = 0;
};

using DgnButtonEventCR = const DgnButtonEvent&;
