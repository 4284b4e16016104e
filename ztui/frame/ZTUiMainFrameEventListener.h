#pragma once

#include "platform/host/MainFrameEvent.h"
#include "ztui/ZTUiExport.h"

namespace zt {

// The library's listener for the host's main frame: when the frame is ready, the graphics
// view hook is installed (once).
class ZTUI_EXPORT ZTUiMainFrameEventListener : public Tessel::TSMainFrameEvent
{
public:
    void OnMainFrameReady() override;

    // The library's one static listener, built by the load sequence.
    static ZTUiMainFrameEventListener& instance();
};

} // namespace zt
