#include "platform/host/MainFrameEvent.h"

#include <algorithm>

namespace Tessel {

TSMainFrameEventListener& TSMainFrameEventListener::Get()
{
    static TSMainFrameEventListener registry;
    return registry;
}

void TSMainFrameEventListener::AddListener(TSMainFrameEvent* listener)
{
    if (listener && !HasListener(listener))
        m_listeners.push_back(listener);
}

void TSMainFrameEventListener::DropListener(TSMainFrameEvent* listener)
{
    std::erase(m_listeners, listener);
}

bool TSMainFrameEventListener::HasListener(const TSMainFrameEvent* listener) const
{
    return std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end();
}

template <class Fn>
void TSMainFrameEventListener::Notify(Fn fn)
{
    // A listener may drop itself or others while being notified: walk a copy and skip those
    // that left.
    std::vector<TSMainFrameEvent*> snapshot = m_listeners;
    for (TSMainFrameEvent* l : snapshot)
        if (HasListener(l))
            fn(l);
}

void TSMainFrameEventListener::NotifyMainFrameReady()
{
    Notify([](TSMainFrameEvent* l) { l->OnMainFrameReady(); });
}

void TSMainFrameEventListener::NotifyMainFrameClosing()
{
    Notify([](TSMainFrameEvent* l) { l->OnMainFrameClosing(); });
}

void TSMainFrameEventListener::NotifyActiveViewChanged()
{
    Notify([](TSMainFrameEvent* l) { l->OnActiveViewChanged(); });
}

void TSMainFrameEventListener::NotifyProjectOpened()
{
    Notify([](TSMainFrameEvent* l) { l->OnProjectOpened(); });
}

} // namespace Tessel
