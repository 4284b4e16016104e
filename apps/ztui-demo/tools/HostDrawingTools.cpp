#include "apps/ztui-demo/tools/HostDrawingTools.h"

#include "apps/ztui-demo/tools/HostCopyTool.h"
#include "apps/ztui-demo/tools/HostFormatBrushTool.h"
#include "apps/ztui-demo/tools/HostMirrorTool.h"
#include "apps/ztui-demo/tools/HostMoveTool.h"
#include "apps/ztui-demo/tools/HostPromoteTool.h"
#include "apps/ztui-demo/tools/HostRotateTool.h"
#include "apps/ztui-demo/tools/HostSelectTool.h"
#include "apps/ztui-demo/tools/HostToolSession.h"
#include "apps/ztui-demo/tools/HostWallTool.h"
#include "platform/host/Commands.h"
#include "platform/host/TSArchToolProperty.h"
#include "platform/host/TSArchiBeam.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSArchiDoor.h"
#include "platform/host/TSArchiOpening.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSArchiWindow.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "ztui/propertypanel/ZTHostToolPropertyAdapter.h"

namespace ztdemo {

namespace {

template <class Tool>
void StartTool()
{
    HostToolSession::Get().Start(Tool::Create());
}

} // namespace

namespace {

constexpr const char* kBuildingClasses[] = {TSArchiWall::CLASS_NAME,    TSArchiSlab::CLASS_NAME,
                                            TSArchiColumn::CLASS_NAME,  TSArchiBeam::CLASS_NAME,
                                            TSArchiOpening::CLASS_NAME, TSArchiDoor::CLASS_NAME,
                                            TSArchiWindow::CLASS_NAME};

} // namespace

void HostDrawingTools::RegisterAll()
{
    TesselToolsManager::RegisterFun(HostWallTool::TOOL_ID, &StartTool<HostWallTool>);
    TesselToolsManager::RegisterFun(HostMoveTool::TOOL_ID, &StartTool<HostMoveTool>);
    TesselToolsManager::RegisterFun(HostCopyTool::TOOL_ID, &StartTool<HostCopyTool>);
    TesselToolsManager::RegisterFun(HostRotateTool::TOOL_ID, &StartTool<HostRotateTool>);
    TesselToolsManager::RegisterFun(HostMirrorTool::TOOL_ID, &StartTool<HostMirrorTool>);
    TesselToolsManager::RegisterFun(HostPromoteTool::TOOL_ID, &StartTool<HostPromoteTool>);
    TesselToolsManager::RegisterFun(HostFormatBrushTool::TOOL_ID, &StartTool<HostFormatBrushTool>);
    TesselToolsManager::RegisterFun(HostSelectTool::TOOL_ID, &StartTool<HostSelectTool>);

    if (!TesselToolsInterfaceManager::QueryICmdInterface(HostWallTool::TOOL_ID,
                                                         IToolProperty::INTERFACE_NAME)) {
        // The building classes' tool is the host's own; the library sees it through its
        // adapter, so that picking up, the format brush and the layer row work on it too.
        RefCountedPtr<zt::ZTHostToolPropertyAdapter> property =
            zt::ZTHostToolPropertyAdapter::Create(TSArchToolProperty::Create().get());
        for (const char* name : kBuildingClasses)
            TesselToolsInterfaceManager::RegisterInterface(name, property.get(),
                                                           IToolProperty::INTERFACE_NAME);
        TesselToolsInterfaceManager::RegisterInterface(HostWallTool::TOOL_ID, property.get(),
                                                       IToolProperty::INTERFACE_NAME);
    }
}

} // namespace ztdemo
