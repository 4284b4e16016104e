// Window classes and registered messages.
#include "platform/win/WinError.h"
#include "platform/win/desktop/DesktopState.h"

#include "platform/win/Desktop.h"

#include <algorithm>
#include <cwctype>
#include <vector>

namespace zt::win {

std::wstring ClassKey(LPCWSTR name)
{
    std::wstring key;
    if (!name)
        return key;
    if (IS_INTRESOURCE(name)) {
        // An atom stands for the class registered under it.
        ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
        for (auto& [k, c] : Desk().classes)
            if (c->atom == atom)
                return k;
        return key;
    }
    for (const wchar_t* p = name; *p; ++p)
        key.push_back(static_cast<wchar_t>(std::towlower(*p)));
    return key;
}

std::vector<bool (*)(const wchar_t*)>& ClassProviders()
{
    static std::vector<bool (*)(const wchar_t*)> providers;
    return providers;
}

std::shared_ptr<WndClass> FindClass(LPCWSTR name)
{
    std::wstring key = ClassKey(name);
    if (key.empty())
        return nullptr;
    auto& classes = Desk().classes;
    auto it = classes.find(key);
    if (it != classes.end())
        return it->second;
    // A system class is registered on its first use in this desktop.
    for (auto provider : ClassProviders())
        if (provider(key.c_str())) {
            it = classes.find(key);
            if (it != classes.end())
                return it->second;
        }
    return nullptr;
}

void Desktop::AddClassProvider(bool (*provider)(const wchar_t* lowerName))
{
    if (!provider)
        return;
    auto& providers = ClassProviders();
    if (std::find(providers.begin(), providers.end(), provider) == providers.end())
        providers.push_back(provider);
}

} // namespace zt::win

using namespace zt::win;

ATOM RegisterClassExW(const WNDCLASSEXW* wc)
{
    if (!wc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName) || !*wc->lpszClassName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    DesktopState& d = Desk();
    std::wstring key = ClassKey(wc->lpszClassName);
    if (d.classes.count(key)) {
        SetLastError(1410); // ERROR_CLASS_ALREADY_EXISTS
        return 0;
    }
    auto cls = std::make_shared<WndClass>();
    cls->name = wc->lpszClassName;
    cls->atom = d.nextAtom++;
    cls->style = wc->style;
    cls->proc = wc->lpfnWndProc ? wc->lpfnWndProc : &DefWindowProcW;
    cls->clsExtra = wc->cbClsExtra > 0 ? wc->cbClsExtra : 0;
    cls->wndExtra = wc->cbWndExtra > 0 ? wc->cbWndExtra : 0;
    cls->instance = wc->hInstance;
    cls->icon = wc->hIcon;
    cls->iconSmall = wc->hIconSm;
    cls->cursor = wc->hCursor;
    cls->background = wc->hbrBackground;
    if (wc->lpszMenuName && !IS_INTRESOURCE(wc->lpszMenuName))
        cls->menuName = wc->lpszMenuName;
    d.classes[key] = cls;
    return cls->atom;
}

ATOM RegisterClassW(const WNDCLASSW* wc)
{
    if (!wc)
        return 0;
    WNDCLASSEXW ex{sizeof(WNDCLASSEXW), wc->style,        wc->lpfnWndProc,   wc->cbClsExtra,
                   wc->cbWndExtra,      wc->hInstance,    wc->hIcon,         wc->hCursor,
                   wc->hbrBackground,   wc->lpszMenuName, wc->lpszClassName, nullptr};
    return RegisterClassExW(&ex);
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE)
{
    std::shared_ptr<WndClass> cls = FindClass(className);
    if (!cls || cls->windows > 0)
        return FALSE;
    Desk().classes.erase(ClassKey(className));
    return TRUE;
}

BOOL GetClassInfoExW(HINSTANCE, LPCWSTR className, WNDCLASSEXW* wc)
{
    std::shared_ptr<WndClass> cls = FindClass(className);
    if (!cls || !wc)
        return FALSE;
    *wc = WNDCLASSEXW{sizeof(WNDCLASSEXW), cls->style,    cls->proc,         cls->clsExtra,
                      cls->wndExtra,       cls->instance, cls->icon,         cls->cursor,
                      cls->background,     nullptr,       cls->name.c_str(), cls->iconSmall};
    return cls->atom;
}

BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wc)
{
    WNDCLASSEXW ex{};
    if (!wc || !GetClassInfoExW(instance, className, &ex))
        return FALSE;
    *wc = WNDCLASSW{ex.style, ex.lpfnWndProc, ex.cbClsExtra,    ex.cbWndExtra,   ex.hInstance,
                    ex.hIcon, ex.hCursor,     ex.hbrBackground, ex.lpszMenuName, ex.lpszClassName};
    return TRUE;
}

int GetClassNameW(HWND hwnd, LPWSTR className, int maxCount)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !className || maxCount <= 0)
        return 0;
    const std::wstring& name = w->cls ? w->cls->name : std::wstring(L"#32769");
    int n = std::min<int>(static_cast<int>(name.size()), maxCount - 1);
    name.copy(className, n);
    className[n] = 0;
    return n;
}

DWORD GetClassLongW(HWND hwnd, int index)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !w->cls)
        return 0;
    switch (index) {
    case -26: // GCL_STYLE
        return w->cls->style;
    case -32: // GCW_ATOM
        return w->cls->atom;
    default:
        return 0;
    }
}

UINT RegisterWindowMessageW(LPCWSTR name)
{
    if (!name || !*name)
        return 0;
    // Registered numbers live as long as the process, across desktop resets, because code
    // keeps them in statics.
    static std::mutex mutex;
    static std::map<std::wstring, UINT> registered;
    static UINT next = 0xC000;
    std::wstring key;
    for (const wchar_t* p = name; *p; ++p)
        key.push_back(static_cast<wchar_t>(std::towlower(*p)));
    std::lock_guard lock(mutex);
    auto it = registered.find(key);
    if (it != registered.end())
        return it->second;
    if (next == 0xFFFF)
        return 0;
    UINT id = next++;
    registered[key] = id;
    return id;
}
