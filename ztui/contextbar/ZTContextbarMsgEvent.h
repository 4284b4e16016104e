#pragma once
// The context bar's view-message listener: keeps the open bar beside the moving cursor and
// closes it on Escape. It never consumes a message.

#include "ztui/ZTUiExport.h"
#include "ztui/frame/ZTViewMsgEvent.h"

namespace zt {

class ZTUI_EXPORT ZTContextbarMsgEvent : public ZTViewMsgEvent
{
public:
    // The listener the library joins to the view-message registry while it is attached.
    static ZTContextbarMsgEvent& instance();

    bool OnViewMessage(MSG* msg) override;

private:
    ZTContextbarMsgEvent() = default;
};

} // namespace zt
