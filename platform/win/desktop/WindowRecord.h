#pragma once
// What the desktop keeps about a window class and a window.

#include "platform/win/WinUserDefs.h"
#include "platform/win/controls/ScrollBars.h"
#include "platform/win/desktop/ChildList.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo_region cairo_region_t;

namespace zt::win {

struct WndClass
{
    std::wstring name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON iconSmall = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::wstring menuName;
    int windows = 0; // live windows of the class; a class in use cannot be unregistered
};

// Children waiting for paint themselves or through a descendant, in the order WM_PAINT reaches
// them: the bottom child first, as a parent's children paint over one another.
struct PaintOrder
{
    bool operator()(const Window* a, const Window* b) const;
};

struct Window
{
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window();

    HWND handle = nullptr;
    std::shared_ptr<WndClass> cls;
    DWORD style = 0;
    DWORD exStyle = 0;
    Window* parent = nullptr; // the desktop window for top-level windows
    Window* owner = nullptr;
    int ownedWindows = 0; // windows whose owner this is
    ChildList children;   // z-order, topmost first
    SiblingLinks links;   // this window's place among its parent's children
    RECT window{};        // screen coordinates
    RECT client{};        // screen coordinates
    // Where a top-level window goes back to when restored from minimized or maximized: its
    // rectangle before either, or the one it was created with in that state.
    RECT normal{};
    bool hasNormal = false;
    std::wstring text;
    LONG_PTR id = 0;
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    std::vector<unsigned char> extra;
    std::map<std::wstring, HANDLE> props;

    bool destroying = false;
    bool destroyed = false;

    // Painting. The update region is in client coordinates.
    cairo_region_t* update = nullptr;
    bool erase = false;
    bool ncPaint = false;
    bool internalPaint = false;
    bool redraw = true;          // WM_SETREDRAW
    bool paintHandedOut = false; // WM_PAINT retrieved and not yet dispatched
    // The pending-paint index: whether the window itself was queued for WM_PAINT since it last
    // settled, and which children lead to queued windows. Queued windows may have been validated
    // since; the search drops them when it meets them.
    bool paintQueued = false;
    std::set<Window*, PaintOrder> pendingChildren;

    // The standard scroll bars.
    controls::ScrollState vscroll;
    controls::ScrollState hscroll;

    // Layered attributes.
    DWORD layeredFlags = 0;
    COLORREF colorKey = 0;
    BYTE alpha = 255;

    // The backing surface of a top-level or layered window; children draw into their
    // nearest ancestor that has one.
    cairo_surface_t* surface = nullptr;

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool IsVisibleFlag() const { return (style & WS_VISIBLE) != 0; }
    bool IsEnabledFlag() const { return (style & WS_DISABLED) == 0; }
};

inline bool PaintOrder::operator()(const Window* a, const Window* b) const
{
    return a->links.key > b->links.key;
}

template <bool Upwards>
inline ChildList::Iterator<Upwards>& ChildList::Iterator<Upwards>::operator++()
{
    m_at = Upwards ? m_at->links.above : m_at->links.below;
    return *this;
}

inline Window* ChildList::Above(const Window* w)
{
    return w->links.above;
}

inline Window* ChildList::Below(const Window* w)
{
    return w->links.below;
}

} // namespace zt::win
