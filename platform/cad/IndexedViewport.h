#pragma once
// One of the numbered views of a view set (the host shows up to eight).

#include "platform/cad/Viewport.h"

class IndexedViewport : public Viewport
{
public:
    explicit IndexedViewport(int viewNumber) : m_viewNumber(viewNumber) {}

    int GetViewNumber() const { return m_viewNumber; }

private:
    int m_viewNumber;
};
