#pragma once
// The way from a view's input to the active tool. The view window calls these on its own
// thread with events already converted to world coordinates; each records the event as the
// current one and hands it to the active primitive tool on the work thread, then redraws the
// dynamics of the open views.

#include "platform/cad/DgnButtonEvent.h"

class ToolInput
{
public:
    static void Motion(const DgnButtonEvent& event);
    static void DataButton(const DgnButtonEvent& event);
    static void ResetButton(const DgnButtonEvent& event);
    // Forgets the current event (the views were closed or the desktop started anew).
    static void Clear();
};
