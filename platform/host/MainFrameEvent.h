#pragma once
// Notifications about the host's main frame, for libraries that attach to it.

#include <vector>

namespace Tessel {

class TSMainFrameEvent
{
public:
    virtual ~TSMainFrameEvent() = default;
    // The main frame and its views exist.
    virtual void OnMainFrameReady() = 0;
    virtual void OnMainFrameClosing() {}
    virtual void OnActiveViewChanged() {}
    virtual void OnProjectOpened() {}
};

// The host's registry of main-frame listeners. It does not own them. Used on the
// user-interface thread.
class TSMainFrameEventListener
{
public:
    static TSMainFrameEventListener& Get();

    void AddListener(TSMainFrameEvent* listener);
    void DropListener(TSMainFrameEvent* listener);
    bool HasListener(const TSMainFrameEvent* listener) const;
    std::size_t GetListenerCount() const { return m_listeners.size(); }

    void NotifyMainFrameReady();
    void NotifyMainFrameClosing();
    void NotifyActiveViewChanged();
    void NotifyProjectOpened();

private:
    TSMainFrameEventListener() = default;
    template <class Fn>
    void Notify(Fn fn);

    std::vector<TSMainFrameEvent*> m_listeners;
};

} // namespace Tessel
