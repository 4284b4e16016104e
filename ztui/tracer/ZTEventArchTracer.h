#pragma once
// The tracer's listener on the user-interface thread: it watches the graphics view's mouse and
// key messages and the command line's typed digits and turns them into proxy calls. A click
// restarts the tracer at the clicked point, a move makes the box follow, Tab or a digit starts
// the typing, the middle button ends it.

#include "ztui/ZTUiExport.h"
#include "ztui/frame/ZTCmdLineEvent.h"
#include "ztui/frame/ZTViewMsgEvent.h"
#include "ztui/tracer/TracerTypes.h"

#include <atomic>

namespace zt {

class ZTUI_EXPORT ZTEventArchTracer : public ZTViewMsgEvent,
                                      public ZTArchTracerStatuChange,
                                      public ZTCmdLineEvent
{
public:
    static ZTEventArchTracer& instance();

    bool OnViewMessage(MSG* msg) override;
    void OnTraceStatusChange(bool typing) override;
    // Takes a digit when it starts the typing in an open box; every other character stays
    // with the command line.
    bool OnCmdLineChar(unsigned int ch, const CString& text) override;

    // Joins the view-message and command-line registries, and leaves them.
    void Attach();
    void Detach();

    // The work-thread halves of a mouse move and of a click.
    static void FollowMouse();
    static void RestartAtClick();

private:
    ZTEventArchTracer();

    std::atomic<bool> m_status{false};
};

} // namespace zt
