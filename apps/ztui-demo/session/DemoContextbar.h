#pragma once
// The reference host's side of the context bar: when the selection changes it closes the bar
// and, when one element is selected, sends the pick to the library, which opens the bar
// beside it. A wall gets the common operations. Several elements get no bar here: the bar of
// a multiple selection starts its pressed operation as it opens, which would take the
// selection tool away while the user is still adding to the selection.

#include "platform/cad/SelectionSetManager.h"
#include "ztui/contextbar/ZTContextbarFactory.h"

#include <atomic>
#include <memory>

namespace ztdemo {

// The bar of a wall: the common operations, each starting its host tool. The library leaves
// a plain pick's move to the host; this host starts its move tool when the user clicks the
// button, but not for the click the bar sends as it opens.
class DemoWallBarFactory : public zt::ZTContextbarFactory
{
public:
    void addCustomButton(TSContextbarButton& record) override;
    void OnContextbarChanged(const TSContextbarInfo& info) override;

private:
    std::atomic<bool> m_opening{false};
};

class DemoContextbar : private ISelectionListener
{
public:
    DemoContextbar() = default;
    ~DemoContextbar() override;
    DemoContextbar(const DemoContextbar&) = delete;
    DemoContextbar& operator=(const DemoContextbar&) = delete;

    void Start();
    void Stop();
    // Sends the current selection to the bar now, on the user-interface thread.
    void SendSelection();

private:
    void OnSelectionChanged(SelectionSetAction action,
                            const bvector<ElementRef*>& elements) override;

    bool m_running = false;
    DemoWallBarFactory m_wallFactory;
    // Shared with the updates queued on the user-interface thread, which do nothing once the
    // host has stopped following the selection; many changes in a row make one update.
    struct Pending
    {
        std::atomic<bool> queued{false};
        std::atomic<bool> alive{true};
    };
    std::shared_ptr<Pending> m_pending = std::make_shared<Pending>();
};

} // namespace ztdemo
