#include "apps/ztui-demo/tools/HostToolSession.h"

#include "apps/ztui-demo/tools/HostViewTool.h"

namespace ztdemo {

HostToolSession& HostToolSession::Get()
{
    static HostToolSession session;
    return session;
}

bool HostToolSession::Start(HostToolPtr tool)
{
    Stop();
    if (tool.IsNull() || !tool->OnStart())
        return false;
    m_tool = tool;
    // The view hands its clicks and moves to the platform's active tool: this one's bridge.
    HostViewTool::Get().InstallTool();
    AnnouncePrompt();
    return true;
}

void HostToolSession::Stop()
{
    // Cleared first, so that a tool whose cleanup starts another tool is not ended twice.
    HostToolPtr ending = std::move(m_tool);
    m_tool = nullptr;
    if (ending)
        ending->OnCleanup();
    HostViewTool& bridge = HostViewTool::Get();
    if (bridge.IsActive()) {
        bridge.m_ending = true;
        bridge.ExitTool();
        bridge.m_ending = false;
    }
    AnnouncePrompt();
}

void HostToolSession::DataPoint(const DPoint3d& point, bool controlKey)
{
    HostToolPtr tool = m_tool;
    if (tool && !tool->OnDataPointKeys(point, controlKey) && m_tool.get() == tool.get())
        Stop();
    AnnouncePrompt();
}

void HostToolSession::Motion(const DPoint3d& point)
{
    if (HostToolPtr tool = m_tool)
        tool->OnMotion(point);
}

void HostToolSession::Reset()
{
    HostToolPtr tool = m_tool;
    if (tool && !tool->OnReset() && m_tool.get() == tool.get())
        Stop();
    AnnouncePrompt();
}

void HostToolSession::SetPromptListener(std::function<void(const WString&)> listener)
{
    m_promptListener = std::move(listener);
    m_announced.clear();
    AnnouncePrompt();
}

void HostToolSession::AnnouncePrompt()
{
    WString prompt = m_tool ? m_tool->GetPrompt() : WString();
    if (prompt == m_announced)
        return;
    m_announced = prompt;
    if (m_promptListener)
        m_promptListener(prompt);
}

} // namespace ztdemo
