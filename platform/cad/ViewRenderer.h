#pragma once
// The drawing passes of a view: the model (the view manager's scene), the transients of every
// registered handler with the decorations after them, and the active tool's dynamics. Each
// pass records into a new display list, which replaces the view's old one; then the view's
// window is asked to show it. Every call into drawing code runs under ViewDrawGuard, so a
// fault in one handler leaves out that handler's drawing for this update only.

class IndexedViewport;

class ViewRenderer
{
public:
    // forceScene redraws the model even when nothing it depends on changed.
    static void Update(IndexedViewport& viewport, bool forceScene);
    static void UpdateDynamics(IndexedViewport& viewport);
};
