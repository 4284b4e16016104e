#pragma once
// The platform's primitive tool for the host's drawing tools: while a host tool runs, the
// graphics view's data clicks, resets and cursor moves reach it through this tool, and the
// view draws the host tool's dynamics on top of the model. On the work thread.

#include "platform/cad/DgnTool.h"

namespace ztdemo {

class HostViewTool : public DgnPrimitiveTool
{
public:
    // The one bridge; installed when a host tool starts and ended when it stops.
    static HostViewTool& Get();
    // Dynamics are drawn in this colour (0x00BBGGRR) and weight.
    static constexpr std::uint32_t kDynamicsColour = 0x0000C8FF;
    static constexpr std::uint32_t kDynamicsWeight = 1;

    bool _OnDataButton(DgnButtonEventCR event) override;
    bool _OnResetButton(DgnButtonEventCR event) override;
    void _OnModelMotion(DgnButtonEventCR event) override;
    void _OnDynamicFrame(DgnButtonEventCR event, ViewContext& context) override;
    void _OnCleanup() override;

private:
    HostViewTool() = default;
    // Set while the session itself ends the bridge, so that cleanup does not stop it again.
    bool m_ending = false;
    friend class HostToolSession;
};

} // namespace ztdemo
