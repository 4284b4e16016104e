#include "apps/ztui-demo/tools/HostDrawingTools.h"

#include "apps/ztui-demo/tools/HostCopyTool.h"
#include "apps/ztui-demo/tools/HostMirrorTool.h"
#include "apps/ztui-demo/tools/HostPromoteTool.h"
#include "apps/ztui-demo/tools/HostMoveTool.h"
#include "apps/ztui-demo/tools/HostRotateTool.h"
#include "apps/ztui-demo/tools/HostSelectTool.h"
#include "apps/ztui-demo/tools/HostToolSession.h"
#include "apps/ztui-demo/tools/HostWallTool.h"
#include "platform/host/Commands.h"
#include "platform/host/TSArchToolProperty.h"
#include "platform/host/TesselToolsInterfaceManager.h"

namespace ztdemo {

namespace {

template <class Tool>
void StartTool()
{
    HostToolSession::Get().Start(Tool::Create());
}

} // namespace

void HostDrawingTools::RegisterAll()
{
    TesselToolsManager::RegisterFun(HostWallTool::TOOL_ID, &StartTool<HostWallTool>);
    TesselToolsManager::RegisterFun(HostMoveTool::TOOL_ID, &StartTool<HostMoveTool>);
    TesselToolsManager::RegisterFun(HostCopyTool::TOOL_ID, &StartTool<HostCopyTool>);
    TesselToolsManager::RegisterFun(HostRotateTool::TOOL_ID, &StartTool<HostRotateTool>);
    TesselToolsManager::RegisterFun(HostMirrorTool::TOOL_ID, &StartTool<HostMirrorTool>);
    TesselToolsManager::RegisterFun(HostPromoteTool::TOOL_ID, &StartTool<HostPromoteTool>);
    TesselToolsManager::RegisterFun(HostSelectTool::TOOL_ID, &StartTool<HostSelectTool>);

    if (!TesselToolsInterfaceManager::QueryICmdInterface(HostWallTool::TOOL_ID,
                                                         IToolProperty::INTERFACE_NAME)) {
        RefCountedPtr<TSArchToolProperty> property = TSArchToolProperty::Register();
        TesselToolsInterfaceManager::RegisterInterface(HostWallTool::TOOL_ID, property.get());
    }
}

} // namespace ztdemo
