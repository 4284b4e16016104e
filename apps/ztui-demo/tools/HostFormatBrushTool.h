#pragma once
// The format brush ("Tessel.Tool.FormatBrush"): the first click picks the element whose
// values are carried, every later click gives them to the element under the cursor, each as
// one undo step. Which values travel is the user's property set for the brush; without one,
// every value but the placement. A reset ends the tool.

#include "apps/ztui-demo/tools/HostTool.h"
#include "platform/cad/DgnProject.h"
#include "platform/host/TSObject.h"

namespace ztdemo {

class HostFormatBrushTool : public HostTool
{
public:
    static constexpr const char* TOOL_ID = "Tessel.Tool.FormatBrush";
    static RefCountedPtr<HostFormatBrushTool> Create() { return new HostFormatBrushTool(); }

    const char* GetToolId() const override { return TOOL_ID; }
    bool OnStart() override;
    bool OnDataPoint(const DPoint3d& point) override;
    void OnMotion(const DPoint3d&) override {}
    bool OnReset() override { return false; }
    void OnCleanup() override;

    // How many elements took the source's values so far.
    int GetApplied() const { return m_applied; }

private:
    HostFormatBrushTool() = default;
    ~HostFormatBrushTool() override = default;

    DgnProjectPtr m_project;
    RefCountedPtr<TSObject> m_source;
    int m_applied = 0;
};

} // namespace ztdemo
