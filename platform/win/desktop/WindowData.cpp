// Window text, long values, properties and layered attributes.
#include "platform/win/WinError.h"
#include "platform/win/desktop/DesktopState.h"

#include <cstring>

using namespace zt::win;

int GetWindowTextW(HWND hwnd, LPWSTR text, int maxCount)
{
    if (!text || maxCount <= 0)
        return 0;
    text[0] = 0;
    return static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                         reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthW(HWND hwnd)
{
    return static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text)
{
    if (!FindWindowRecord(hwnd))
        return FALSE;
    return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L"")) ? TRUE
                                                                                          : FALSE;
}

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_USERDATA:
        return w->userData;
    case GWLP_ID:
        return w->id;
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->IsChild() ? HandleOf(w->parent) : HandleOf(w->owner));
    default:
        if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
            LONG_PTR v;
            std::memcpy(&v, w->extra.data() + index, sizeof v);
            return v;
        }
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    LONG_PTR old = GetWindowLongPtrW(hwnd, index);
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        STYLESTRUCT ss{static_cast<DWORD>(old), static_cast<DWORD>(value)};
        SendTo(w, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
        if (!(w = FindWindowRecord(hwnd)))
            return 0;
        if (index == GWL_STYLE) {
            w->style = ss.styleNew;
        } else {
            w->exStyle = ss.styleNew;
            if (WantsOwnSurface(w))
                EnsureSurface(w);
            else
                DropSurface(w);
            MarkScreenDirty(w);
        }
        SendTo(w, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
        return old;
    }
    case GWLP_WNDPROC:
        w->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWLP_USERDATA:
        w->userData = value;
        return old;
    case GWLP_ID:
        w->id = value;
        return old;
    case GWLP_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        return old;
    case GWLP_HWNDPARENT:
        if (!w->IsChild()) {
            Window* o = FindWindowRecord(reinterpret_cast<HWND>(value));
            SetOwner(w, o ? TopLevelOf(o) : nullptr);
        }
        return old;
    default:
        if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
            std::memcpy(w->extra.data() + index, &value, sizeof value);
            return old;
        }
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
}

LONG GetWindowLongW(HWND hwnd, int index)
{
    return static_cast<LONG>(GetWindowLongPtrW(hwnd, index));
}

LONG SetWindowLongW(HWND hwnd, int index, LONG value)
{
    LONG_PTR v = value;
    if (index == GWL_STYLE || index == GWL_EXSTYLE)
        v = static_cast<LONG_PTR>(static_cast<DWORD>(value));
    return static_cast<LONG>(SetWindowLongPtrW(hwnd, index, v));
}

BOOL SetPropW(HWND hwnd, LPCWSTR name, HANDLE data)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !name || IS_INTRESOURCE(name))
        return FALSE;
    w->props[name] = data;
    return TRUE;
}

HANDLE GetPropW(HWND hwnd, LPCWSTR name)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !name || IS_INTRESOURCE(name))
        return nullptr;
    auto it = w->props.find(name);
    return it == w->props.end() ? nullptr : it->second;
}

HANDLE RemovePropW(HWND hwnd, LPCWSTR name)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !name || IS_INTRESOURCE(name))
        return nullptr;
    auto it = w->props.find(name);
    if (it == w->props.end())
        return nullptr;
    HANDLE v = it->second;
    w->props.erase(it);
    return v;
}

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED))
        return FALSE;
    w->layeredFlags = flags & (LWA_COLORKEY | LWA_ALPHA);
    w->colorKey = key & 0x00FFFFFF;
    w->alpha = alpha;
    MarkScreenDirty(w);
    return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED))
        return FALSE;
    if (key)
        *key = w->colorKey;
    if (alpha)
        *alpha = w->alpha;
    if (flags)
        *flags = w->layeredFlags;
    return TRUE;
}
