#pragma once
// The reference host's running drawing tool: one at a time; starting another ends the one
// before. The graphics view's tool input forwards its data, motion and reset events here,
// on the work thread.

#include "apps/ztui-demo/tools/HostTool.h"

#include <functional>

namespace ztdemo {

class HostToolSession
{
public:
    static HostToolSession& Get();

    // Ends the running tool and starts this one; false (and no tool running) when it
    // refuses to start.
    bool Start(HostToolPtr tool);
    void Stop();
    HostTool* GetActiveTool() const { return m_tool.get(); }

    void DataPoint(const DPoint3d& point, bool controlKey = false);
    void Motion(const DPoint3d& point);
    void Reset();

    // Told, on the thread the tool runs on, each time what the running tool asks for changes;
    // an empty prompt when no tool runs. The host shows it on its command line.
    void SetPromptListener(std::function<void(const WString&)> listener);

private:
    HostToolSession() = default;
    void AnnouncePrompt();

    HostToolPtr m_tool;
    std::function<void(const WString&)> m_promptListener;
    WString m_announced;
};

} // namespace ztdemo
