#include "apps/ztui-demo/tools/HostViewTool.h"

#include "apps/ztui-demo/tools/HostToolSession.h"
#include "platform/cad/ElemMatSymb.h"
#include "platform/cad/IDrawGeom.h"
#include "platform/cad/ViewContext.h"

namespace ztdemo {

HostViewTool& HostViewTool::Get()
{
    static HostViewTool tool;
    return tool;
}

bool HostViewTool::_OnDataButton(DgnButtonEventCR event)
{
    HostToolSession::Get().DataPoint(event.GetPoint(), event.IsControlKey());
    return true;
}

bool HostViewTool::_OnResetButton(DgnButtonEventCR)
{
    HostToolSession::Get().Reset();
    return true;
}

void HostViewTool::_OnModelMotion(DgnButtonEventCR event)
{
    HostToolSession::Get().Motion(event.GetPoint());
}

void HostViewTool::_OnDynamicFrame(DgnButtonEventCR, ViewContext& context)
{
    HostTool* tool = HostToolSession::Get().GetActiveTool();
    if (!tool)
        return;
    ElemMatSymb symbology;
    symbology.SetLineColorTBGR(kDynamicsColour);
    symbology.SetWidth(kDynamicsWeight);
    IDrawGeom& geom = context.GetIDrawGeom();
    geom.ActivateMatSymb(&symbology);
    for (const ICurvePrimitivePtr& curve : tool->GetDynamics())
        if (curve.IsValid())
            geom.DrawCurvePrimitive(*curve, false, false);
}

void HostViewTool::_OnCleanup()
{
    // Another platform tool took over: the host tool ends with it.
    if (!m_ending)
        HostToolSession::Get().Stop();
}

} // namespace ztdemo
