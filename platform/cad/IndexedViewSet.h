#pragma once
// The numbered views of the application window and which of them is selected (the one the
// user last worked in). Any view may be closed, so the selected viewport may be absent.
// Owned by the view manager. Views are opened and closed by the application's window set-up;
// the set itself may be read from any thread (the window and the tools both read it), but a
// view must not be closed while a tool or the window is still working with it.

#include "platform/cad/IndexedViewport.h"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

class IndexedViewSet
{
public:
    static constexpr int MAX_VIEWS = 8;

    IndexedViewSet();
    ~IndexedViewSet();
    IndexedViewSet(const IndexedViewSet&) = delete;
    IndexedViewSet& operator=(const IndexedViewSet&) = delete;

    // The open view with that number, or null.
    IndexedViewport* GetViewport(int viewNumber) const;
    // Opens the view (or returns it when already open); null for numbers out of range.
    IndexedViewport* OpenViewport(int viewNumber);
    // Closes the view; closing the selected view leaves no view selected.
    bool CloseViewport(int viewNumber);
    void CloseAll();
    int GetOpenCount() const;
    // True while the view is open in this set: work queued for a view checks this first,
    // since the view may have closed meanwhile.
    bool Contains(const IndexedViewport* viewport) const;
    // The open views in the order of their numbers.
    std::vector<IndexedViewport*> GetOpenViewports() const;

    IndexedViewport* GetSelectedViewport() const { return m_selected.load(); }
    // Selects an open view of this set; false (selection unchanged) otherwise.
    bool SetSelectedViewport(int viewNumber);
    bool SetSelectedViewport(IndexedViewport* viewport);
    void ClearSelectedViewport() { m_selected.store(nullptr); }

private:
    mutable std::mutex m_mutex;
    std::array<std::unique_ptr<IndexedViewport>, MAX_VIEWS> m_views;
    std::atomic<IndexedViewport*> m_selected{nullptr};
};
