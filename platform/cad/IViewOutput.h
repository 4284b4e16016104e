#pragma once
// Where a viewport's drawings are shown: a window, and the rectangle of the view in it. The
// window implements this for each viewport it shows.

#include "platform/base/Handles.h"
#include "platform/base/WinTypes.h"

class IViewOutput
{
public:
    virtual ~IViewOutput() = default;

    virtual HWND GetWindow() const = 0;
    // The view's rectangle in the window's client coordinates.
    virtual RECT GetViewRect() const = 0;
    // The viewport has new drawings: show them. Callable from any thread; on the window's own
    // thread the new picture is on the screen when this returns.
    virtual void RequestPresent() = 0;
    // Only this rectangle of the view (view pixels) has new drawings.
    virtual void RequestPresentArea(const RECT&) { RequestPresent(); }
    // The viewport is being closed: it must not be touched after this returns. Called on the
    // thread that closes it, outside the view set's lock.
    virtual void ViewportClosing() = 0;
};
