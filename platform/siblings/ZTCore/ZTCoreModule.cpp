// "ZTCore.dll", the host's core sibling library. The property panel loads it when it first
// shows a building element and calls "appendAttributeInfo" with the element it shows.

#include "platform/siblings/ZTCore/BuildingQuantities.h"
#include "platform/win/Modules.h"

namespace {

struct ModuleLifetime
{
    ModuleLifetime() { zt::win::ModuleStarted(this); }
    ~ModuleLifetime() { zt::win::ModuleEnding(this); }
};

ModuleLifetime g_lifetime;

} // namespace

extern "C" __attribute__((visibility("default"))) BOOL DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}

// Adds the element's quantities to its user properties. A null element, or one without a
// body, is left as it is; nothing escapes to the caller.
extern "C" __attribute__((visibility("default"))) void
appendAttributeInfo(TSBuildingElement* element)
{
    if (!element)
        return;
    try {
        ztcore::AppendQuantities(*element);
    } catch (...) {
        // The panel shows the element without quantities rather than fail.
    }
}
