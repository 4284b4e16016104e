#pragma once
// Turns a view to a standard view (Top to RightIso) in a short animation about the view's
// centre, as a CAD user expects when clicking a view cube. The turn runs on the desktop's
// clock: the view's window ticks it with a timer, so in tests it advances exactly as far as
// the clock is advanced. A view that no window shows turns at once.
//
// A new turn of the same view starts from where the old one had got to.

#include "platform/cad/RotMatrix.h"

class IndexedViewport;

class StandardViewRotationTool
{
public:
    static constexpr unsigned kDurationMs = 300;
    static constexpr unsigned kTickMs = 15;
    // Posted to a view's window when a turn starts there (WM_APP + 0x2F1): the window starts
    // its timer and calls Tick until it returns false.
    static constexpr unsigned kTickRequestMessage = 0x8000 + 0x2F1;

    // Starts turning the view; false (nothing happens) for NotStandard and unknown values.
    static bool StartTool(IndexedViewport& viewport, StandardView view);
    static bool IsTurning(const IndexedViewport& viewport);
    // Brings every running turn to its end now.
    static void FinishAll();
    // Advances the turns to the clock time; true while some turn still runs. Called by the
    // view window's timer on the user-interface thread; the views change on the work thread.
    static bool Tick(unsigned long now);
    // Forgets the turns of a view that is closing.
    static void Forget(const IndexedViewport& viewport);

    // The rotation a fraction (0 to 1) of the way from one rotation to another, along the
    // shortest turn between them.
    static RotMatrix Interpolate(const RotMatrix& from, const RotMatrix& to, double fraction);
};
