#pragma once

#include "ztui/ZTUiExport.h"
#include "ztui/frame/ListenerRegistry.h"
#include "ztui/frame/ZTCmdLineEvent.h"

namespace zt {

// The registry of command-line listeners. Used on the user-interface thread only.
class ZTUI_EXPORT ZTCmdLineEventListener
{
public:
    static ZTCmdLineEventListener& instance();

    void AddListener(ZTCmdLineEvent* listener);
    void DropListener(ZTCmdLineEvent* listener);
    // Every listener is called; true when any of them consumed the character.
    bool NotifyListeners(unsigned int ch, const CString& text);

    const ListenerRegistry<ZTCmdLineEvent>& registry() const { return m_registry; }

private:
    ZTCmdLineEventListener() = default;
    ListenerRegistry<ZTCmdLineEvent> m_registry;
};

// The hook the library gives the host's command line: dispatches ch and a copy of text to
// ZTCmdLineEventListener and returns whether a listener consumed the character.
ZTUI_EXPORT bool OnCmdlineChar(unsigned int ch, const CString& text);

} // namespace zt
