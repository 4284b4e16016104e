#pragma once
// The platform's entry to its views: the active view set (the views of the application's
// window), the transient handlers every view update asks to draw, and the scene (the
// project's models) beneath them. Views are read and changed on the work thread; handlers may
// be added and dropped from any thread.

#include "platform/cad/IndexedViewSet.h"

#include <atomic>
#include <mutex>
#include <vector>

class IViewScene;
class IViewTransients;

class IViewManager
{
public:
    static IViewManager& GetManager();

    IndexedViewSet& GetActiveViewSet() { return m_activeViewSet; }

    // Adds a handler (once; null and a second add are ignored) and updates the open views.
    void AddViewTransientHandler(IViewTransients* handler);
    // Removes it (when present) and updates the open views; it is not called afterwards.
    void DropViewTransientHandler(IViewTransients* handler);
    bool HasViewTransientHandler(IViewTransients* handler) const;
    // The handlers in the order they were added.
    std::vector<IViewTransients*> GetViewTransientHandlers() const;

    // What every view draws beneath its transients; null for nothing. The open views are
    // redrawn unless told otherwise (a scene that goes at the end of the process draws nothing).
    void SetViewScene(IViewScene* scene, bool updateViews = true);
    IViewScene* GetViewScene() const { return m_scene.load(); }

    // Redraws every open view of the active set now: the model only where it changed, the
    // transients and dynamics always.
    void UpdateAllViews();
    // Redraws the dynamics of every open view (after a cursor move or a change of a tool).
    void UpdateAllDynamics();

private:
    IViewManager() = default;

    IndexedViewSet m_activeViewSet;
    mutable std::mutex m_mutex;
    std::vector<IViewTransients*> m_transients;
    std::atomic<IViewScene*> m_scene{nullptr};
};
