#pragma once
// Each kind of tracer box exists once per process, made on first demand and registered with
// the host's modeless-dialog registry under its name, so that the host passes it its
// keyboard messages; it goes at the library's unload.

#include "platform/host/MainFrame.h"
#include "platform/host/ModelessDialogManager.h"

#include <utility>

namespace zt {

template <class Box>
class TracerBoxSlot
{
public:
    constexpr explicit TracerBoxSlot(const char* name) : m_name(name) {}

    template <class Make>
    Box& Get(Make make)
    {
        if (!m_box) {
            m_box = make();
            TesselModelessDialogManager::Get().Register(m_name, m_box);
        }
        return *m_box;
    }
    bool Exists() const { return m_box != nullptr; }
    void Destroy()
    {
        Box* box = std::exchange(m_box, nullptr);
        if (!box)
            return;
        // Another library may have taken the name since.
        if (TesselModelessDialogManager::Get().GetDialog(m_name) == box)
            TesselModelessDialogManager::Get().Unregister(m_name);
        delete box;
    }

private:
    const char* m_name;
    Box* m_box = nullptr;
};

// The owner a box's window is created with: the main frame while it has a window. Asked each
// time, since the owner of an earlier window may be gone with it (the main frame closed).
inline CWnd* TracerBoxOwner()
{
    CWnd* frame = getMainFrameWnd();
    return frame && frame->m_hWnd ? frame : nullptr;
}

} // namespace zt
