#pragma once

#include "ztui/ZTUiExport.h"
#include "ztui/frame/ListenerRegistry.h"
#include "ztui/frame/ZTViewMsgEvent.h"

namespace zt {

// The registry of graphics-view message listeners. Used on the user-interface thread only.
class ZTUI_EXPORT ZTViewMsgEventListener
{
public:
    static ZTViewMsgEventListener& instance();

    void AddListener(ZTViewMsgEvent* listener);
    void DropListener(ZTViewMsgEvent* listener);
    // Every listener is called; true when any of them consumed the message.
    bool NotifyListeners(MSG* msg);

    const ListenerRegistry<ZTViewMsgEvent>& registry() const { return m_registry; }

private:
    ZTViewMsgEventListener() = default;
    ListenerRegistry<ZTViewMsgEvent> m_registry;
};

} // namespace zt
