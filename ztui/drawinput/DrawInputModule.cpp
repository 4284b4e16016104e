#include "ztui/drawinput/DrawInputModule.h"

#include "platform/host/Commands.h"
#include "ztui/drawinput/AuxiliaryCommands.h"
#include "ztui/drawinput/ZTAuxiliaryEvent.h"
#include "ztui/drawinput/ZTViewBoxTransients.h"
#include "ztui/frame/ZTUiEventListener.h"

namespace zt {

namespace {

ZTAuxiliaryEvent& AuxiliaryEvent()
{
    static ZTAuxiliaryEvent event;
    return event;
}

struct Command
{
    const char* name;
    void (*function)();
};

constexpr Command kAuxiliaryCommands[] = {{kArchZoomeCommand, &ArchZoome},
                                          {kShowModelInfoCommand, &ShowModelInfo},
                                          {kCloseModelInfoCommand, &CloseModelInfo},
                                          {kCatchLocateCommand, &CatchLocate}};

} // namespace

void LoadAuxiliaryStep()
{
    for (const Command& command : kAuxiliaryCommands)
        TesselToolsManager::RegisterFun(command.name, command.function);
    ZTUiEventListener::instance().AddListener(&AuxiliaryEvent());
}

void LoadViewBoxStep()
{
    TesselToolsManager::RegisterFun(kAddViewBoxCommand, &AddViewBox);
}

void UnloadDrawInput()
{
    // The host must not call into a library that is gone; the view box hides itself when it
    // is destroyed.
    TesselToolsManager::UnregisterFun(kAddViewBoxCommand);
    ZTUiEventListener::instance().DropListener(&AuxiliaryEvent());
    for (const Command& command : kAuxiliaryCommands)
        TesselToolsManager::UnregisterFun(command.name);
}

} // namespace zt
