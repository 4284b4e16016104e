#include "apps/ztui-demo/tools/HostToolSession.h"

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
    return true;
}

void HostToolSession::Stop()
{
    // Cleared first, so that a tool whose cleanup starts another tool is not ended twice.
    HostToolPtr ending = std::move(m_tool);
    m_tool = nullptr;
    if (ending)
        ending->OnCleanup();
}

void HostToolSession::DataPoint(const DPoint3d& point)
{
    HostToolPtr tool = m_tool;
    if (tool && !tool->OnDataPoint(point) && m_tool.get() == tool.get())
        Stop();
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
}

} // namespace ztdemo
