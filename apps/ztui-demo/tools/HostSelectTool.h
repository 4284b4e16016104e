#pragma once
// The selection tool ("Tessel.Tool.Select"): a click picks the element under the cursor and
// makes it the selection; a click with Ctrl held adds it to the selection, or takes it out
// again. A click on nothing clears the selection (without Ctrl). A reset ends the tool and
// leaves the selection as it is, for the property panel and the tools that work on it.

#include "apps/ztui-demo/tools/HostTool.h"
#include "platform/cad/DgnProject.h"

namespace ztdemo {

class HostSelectTool : public HostTool
{
public:
    static constexpr const char* TOOL_ID = "Tessel.Tool.Select";
    // How far beside an element a click still takes it, in model units (millimetres).
    static constexpr double kPickTolerance = 60.0;
    static RefCountedPtr<HostSelectTool> Create() { return new HostSelectTool(); }

    const char* GetToolId() const override { return TOOL_ID; }
    bool OnStart() override;
    bool OnDataPoint(const DPoint3d& point) override { return OnDataPointKeys(point, false); }
    bool OnDataPointKeys(const DPoint3d& point, bool controlKey) override;
    void OnMotion(const DPoint3d&) override {}
    bool OnReset() override { return false; }
    void OnCleanup() override {}

private:
    HostSelectTool() = default;
    ~HostSelectTool() override = default;

    DgnProjectPtr m_project;
};

} // namespace ztdemo
