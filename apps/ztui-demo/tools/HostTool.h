#pragma once
// A drawing tool of the reference host: it turns the data points, cursor moves and reset
// clicks of the user into elements, on the work thread. While it runs it shows a prompt
// and dynamics (curves that preview what the next click does).

#include "platform/base/RefCounted.h"
#include "platform/base/WString.h"
#include "platform/cad/BVector.h"
#include "platform/cad/ICurvePrimitive.h"

class DgnModel;
class DgnProject;

namespace ztdemo {

class HostTool : public zt::base::RefCountedBase
{
public:
    // The id the tool is started by ("Tessel.Tool.ArchWall").
    virtual const char* GetToolId() const = 0;

    // False when the tool cannot run now (no project, nothing selected ...).
    virtual bool OnStart() = 0;
    // False when the tool has finished with this click.
    virtual bool OnDataPoint(const DPoint3d& point) = 0;
    // The same click with the state of the Ctrl key; most tools do not tell them apart.
    virtual bool OnDataPointKeys(const DPoint3d& point, bool) { return OnDataPoint(point); }
    virtual void OnMotion(const DPoint3d& point) = 0;
    // False when the reset ends the tool.
    virtual bool OnReset() = 0;
    // The tool ends: whatever it holds open is closed.
    virtual void OnCleanup() = 0;

    const WString& GetPrompt() const { return m_prompt; }
    const bvector<ICurvePrimitivePtr>& GetDynamics() const { return m_dynamics; }

    // The model new elements go into: the one shown in the first viewport, else the
    // project's default model.
    static DgnModel* GetActiveModel(DgnProject& project);

protected:
    ~HostTool() override = default;

    WString m_prompt;
    bvector<ICurvePrimitivePtr> m_dynamics;
};

using HostToolPtr = RefCountedPtr<HostTool>;

} // namespace ztdemo
