#pragma once
// One of the numbered views of a view set (the host shows up to eight).

#include "platform/cad/Viewport.h"

class IndexedViewport : public Viewport
{
public:
    explicit IndexedViewport(int viewNumber) : m_viewNumber(viewNumber) {}

    int GetViewNumber() const { return m_viewNumber; }

    // Redraws the whole view now, model included, and shows the result: on the window's own
    // thread the new picture is on the screen when this returns.
    void ForceHealImmediate();
    // Redraws what changed (the model only when the view or the model changed since it was
    // last drawn; transients and dynamics always) and shows it.
    void UpdateView();

private:
    int m_viewNumber;
};

using IndexedViewportP = IndexedViewport*;
