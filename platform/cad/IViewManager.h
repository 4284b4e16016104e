#pragma once
// The platform's entry to its views: the active view set (the views of the application's
// window). Views are read and changed on the work thread.

#include "platform/cad/IndexedViewSet.h"

class IViewManager
{
public:
    static IViewManager& GetManager();

    IndexedViewSet& GetActiveViewSet() { return m_activeViewSet; }

private:
    IViewManager() = default;

    IndexedViewSet m_activeViewSet;
};
