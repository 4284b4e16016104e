#pragma once
// Tools: what turns the user's clicks and cursor moves in a view into work. One primitive
// tool (a tool that places or changes elements) is active at a time; installing another
// ends the previous one. Tools run on the work thread: the view window hands every data
// click, reset click and cursor move to the active tool there.
//
// While a primitive tool is active, each cursor move becomes its current button event and the
// view redraws the tool's dynamics (_OnDynamicFrame) on top of the model.

#include "platform/cad/DgnButtonEvent.h"

class ViewContext;

class DgnTool
{
public:
    virtual ~DgnTool() = default;

    // The active primitive tool, or null.
    static class DgnPrimitiveTool* GetActivePrimitiveTool();
    // The event of the last cursor position in any view, in world coordinates through the
    // viewport it was in; false (event untouched) before the first one.
    static bool GetCurrentDgnButtonEvent(DgnButtonEvent& event);
    // Tells the active tool that the cursor moved to where it already is, so that it redraws
    // its dynamics for changed state (a typed value, a new option). Nothing without a tool or
    // without a cursor event.
    static void SendFakeMouseMotion();

protected:
    DgnTool() = default;
};

class DgnPrimitiveTool : public DgnTool
{
public:
    // Makes this the active primitive tool; the previous one gets _OnCleanup first. The tool
    // stays owned by its creator, who must not destroy it while it is active (ExitTool).
    void InstallTool();
    // Ends this tool if it is the active one.
    void ExitTool();
    bool IsActive() const { return GetActivePrimitiveTool() == this; }

    // Input. A handler returns true when it used the event.
    virtual bool _OnDataButton(DgnButtonEventCR event) = 0;
    virtual bool _OnResetButton(DgnButtonEventCR event) = 0;
    virtual void _OnModelMotion(DgnButtonEventCR) {}
    // Draws the tool's dynamics for the cursor event into a pass over one view.
    virtual void _OnDynamicFrame(DgnButtonEventCR, ViewContext&) {}
    virtual void _OnPostInstall() {}
    virtual void _OnCleanup() {}
};

using DgnPrimitiveToolP = DgnPrimitiveTool*;
