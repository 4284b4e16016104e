#pragma once
// The static facade through which a drawing tool drives the tracer on the work thread. It keeps
// the tracer's state, writes what the boxes need into the shared record (TracerShared) and
// posts the boxes their messages on the user-interface thread; what the user commits there
// comes back to the tool's ITracerEvent on the work thread.

#include "platform/base/CString.h"
#include "platform/cad/DPoint3d.h"
#include "ztui/ZTUiExport.h"
#include "ztui/tracer/TracerTypes.h"

#include <map>
#include <vector>

namespace zt {

class ZTUI_EXPORT TracerProxy
{
public:
    // Only in the architecture domain; elsewhere the proxy stays unregistered.
    static void Register(ITracerEvent* event);
    static void UnRegister();
    static bool IsRegister();

    static void CreateTracer();
    static void ResetTracer();
    static void CloseTracer();
    static void ResponseTab();
    // Follows the cursor while the user is not typing; nothing without a selected viewport.
    static void MoveTracer(const DPoint3d& point);
    static void SetStartPoint(const DPoint3d& point);
    static void SetNewHitPt(const DPoint3d& point);
    static void NotifyNumDown(CString text);

    static void SetTraceStatus(bool typing);
    static bool GetTraceStatus();
    static bool GetTracerIsOpen();
    static void SetTracerType(eTRACERTYPE type);
    static eTRACERTYPE GetTracerType();
    static void SetTracerOpenReason(eTRACERREASON reason);
    static eTRACERREASON GetTracerOpenReason();
    static void SetCustomTracer(bool custom);
    static bool IsCustomTracer();

    static void AddOprePoint(const DPoint3d& point);
    static std::vector<DPoint3d> GetOperPonits();

    static void SetCurEvState(const TracerEvState& state);
    static TracerEvState GetCurEvState();
    static void SetCusContext(const std::map<unsigned, CString>& context);

    // The observer told every status change (the tracer's event object sets itself).
    static void SetStatusObserver(ZTArchTracerStatuChange* observer);
    static ITracerEvent* GetEvent();
    // True once CreateTracer has opened the box for a tool.
    static bool GetTracerOpenSeen();

    // The boxes' way back: the result in the shared record goes to the registered event's
    // OnTracerInput on the work thread (through a callable named "wm_ui2work_notifyev"), or to
    // its OnTracerChange followed by a fake mouse motion of the active tool. Both return when
    // the tool has been called.
    static void DeliverResult();
    static void DeliverChange();

    // Posts a message by name to the box of the current tracer type, as the operations above
    // do; a box re-anchoring after a commit goes through here too. A null name posts nothing.
    static void PostToBox(const char* name);

    // Back to the state of a new process (tests, a new session); the shared record too.
    static void ResetState();
};

} // namespace zt
