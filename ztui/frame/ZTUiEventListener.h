#pragma once

#include "ztui/ZTUiExport.h"
#include "ztui/frame/ListenerRegistry.h"
#include "ztui/frame/ZTUiEvent.h"

namespace zt {

// The registry of UI-event listeners. Used on the user-interface thread only.
class ZTUI_EXPORT ZTUiEventListener
{
public:
    static ZTUiEventListener& instance();

    void AddListener(ZTUiEvent* listener);
    void DropListener(ZTUiEvent* listener);
    // Hands the event to every listener in order. Always true.
    bool NotifyListeners(const char* name, const Json::Value& value);

    const ListenerRegistry<ZTUiEvent>& registry() const { return m_registry; }

private:
    ZTUiEventListener() = default;
    ListenerRegistry<ZTUiEvent> m_registry;
};

// The host's entry for UI events: the same as ZTUiEventListener::instance().NotifyListeners.
// Exported with C linkage as well, so that a host that loads the library at run time finds it
// by name.
extern "C" ZTUI_EXPORT bool NotifyListeners(const char* name, const Json::Value& value);

} // namespace zt
