#include "platform/cad/DgnTool.h"

#include "platform/cad/IViewManager.h"
#include "platform/cad/PlatformWorkQueue.h"
#include "platform/cad/RedrawElems.h"
#include "platform/cad/ToolInput.h"
#include "platform/cad/ViewDrawGuard.h"

#include <atomic>
#include <mutex>
#include <optional>

namespace {

// The active tool is set on the work thread; the window's thread reads it to decide whether
// an event is worth sending.
std::atomic<DgnPrimitiveTool*> g_activeTool{nullptr};

struct CurrentEvent
{
    std::mutex mutex;
    std::optional<DgnButtonEvent> event;
};

CurrentEvent& Current()
{
    static CurrentEvent current;
    return current;
}

void SetCurrent(const DgnButtonEvent& event)
{
    std::lock_guard lock(Current().mutex);
    Current().event = event;
}

enum class Input
{
    Motion,
    Data,
    Reset,
};

// Runs on the work thread. A tool's fault ends the handling of this event only.
void Deliver(Input input, const DgnButtonEvent& event)
{
    if (input == Input::Motion)
        RedrawElems::ClearDynamics();
    if (DgnPrimitiveTool* tool = g_activeTool.load()) {
        // What the tool draws as dynamics shows in the one redraw below.
        RedrawElems::DeferScope deferred;
        ViewDrawGuard::Run("tool input", [&] {
            switch (input) {
            case Input::Motion:
                tool->_OnModelMotion(event);
                break;
            case Input::Data:
                tool->_OnDataButton(event);
                break;
            case Input::Reset:
                tool->_OnResetButton(event);
                break;
            }
        });
    }
    IViewManager::GetManager().UpdateAllDynamics();
}

void Send(Input input, const DgnButtonEvent& event)
{
    SetCurrent(event);
    PlatformWorkQueue::Post([input, event] { Deliver(input, event); });
}

} // namespace

DgnPrimitiveTool* DgnTool::GetActivePrimitiveTool()
{
    return g_activeTool.load();
}

bool DgnTool::GetCurrentDgnButtonEvent(DgnButtonEvent& event)
{
    std::lock_guard lock(Current().mutex);
    if (!Current().event)
        return false;
    event = *Current().event;
    return true;
}

void DgnTool::SendFakeMouseMotion()
{
    DgnButtonEvent event;
    if (!g_activeTool.load() || !GetCurrentDgnButtonEvent(event))
        return;
    Deliver(Input::Motion, event);
}

void DgnPrimitiveTool::InstallTool()
{
    DgnPrimitiveTool* previous = g_activeTool.exchange(this);
    if (previous == this)
        return;
    if (previous)
        ViewDrawGuard::Run("tool cleanup", [&] { previous->_OnCleanup(); });
    ViewDrawGuard::Run("tool install", [&] { _OnPostInstall(); });
    IViewManager::GetManager().UpdateAllDynamics();
}

void DgnPrimitiveTool::ExitTool()
{
    DgnPrimitiveTool* expected = this;
    if (!g_activeTool.compare_exchange_strong(expected, nullptr))
        return;
    ViewDrawGuard::Run("tool cleanup", [&] { _OnCleanup(); });
    RedrawElems::ClearDynamics();
    IViewManager::GetManager().UpdateAllDynamics();
}

void ToolInput::Motion(const DgnButtonEvent& event)
{
    Send(Input::Motion, event);
}

void ToolInput::DataButton(const DgnButtonEvent& event)
{
    Send(Input::Data, event);
}

void ToolInput::ResetButton(const DgnButtonEvent& event)
{
    Send(Input::Reset, event);
}

void ToolInput::Clear()
{
    std::lock_guard lock(Current().mutex);
    Current().event.reset();
}
