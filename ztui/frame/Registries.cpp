#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTUiEventListener.h"
#include "ztui/frame/ZTViewMsgEventListener.h"

namespace zt {

ZTUiEvent::~ZTUiEvent() = default;

ZTUiEventListener& ZTUiEventListener::instance()
{
    static ZTUiEventListener registry;
    return registry;
}

void ZTUiEventListener::AddListener(ZTUiEvent* listener)
{
    m_registry.Add(listener);
}

void ZTUiEventListener::DropListener(ZTUiEvent* listener)
{
    m_registry.Drop(listener);
}

bool ZTUiEventListener::NotifyListeners(const char* name, const Json::Value& value)
{
    if (!name)
        return true;
    m_registry.Dispatch([&](ZTUiEvent* l) {
        l->_OnReceive(name, value);
        return false;
    });
    return true;
}

bool NotifyListeners(const char* name, const Json::Value& value)
{
    return ZTUiEventListener::instance().NotifyListeners(name, value);
}

ZTCmdLineEventListener& ZTCmdLineEventListener::instance()
{
    static ZTCmdLineEventListener registry;
    return registry;
}

void ZTCmdLineEventListener::AddListener(ZTCmdLineEvent* listener)
{
    m_registry.Add(listener);
}

void ZTCmdLineEventListener::DropListener(ZTCmdLineEvent* listener)
{
    m_registry.Drop(listener);
}

bool ZTCmdLineEventListener::NotifyListeners(unsigned int ch, const CString& text)
{
    return m_registry.Dispatch([&](ZTCmdLineEvent* l) { return l->OnCmdLineChar(ch, text); });
}

bool OnCmdlineChar(unsigned int ch, const CString& text)
{
    // The host's text may change under a listener that types into the command line; each
    // dispatch works on its own copy.
    const CString copy(text);
    return ZTCmdLineEventListener::instance().NotifyListeners(ch, copy);
}

ZTViewMsgEventListener& ZTViewMsgEventListener::instance()
{
    static ZTViewMsgEventListener registry;
    return registry;
}

void ZTViewMsgEventListener::AddListener(ZTViewMsgEvent* listener)
{
    m_registry.Add(listener);
}

void ZTViewMsgEventListener::DropListener(ZTViewMsgEvent* listener)
{
    m_registry.Drop(listener);
}

bool ZTViewMsgEventListener::NotifyListeners(MSG* msg)
{
    if (!msg)
        return false;
    return m_registry.Dispatch([&](ZTViewMsgEvent* l) { return l->OnViewMessage(msg); });
}

} // namespace zt
