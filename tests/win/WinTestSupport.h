#pragma once
// A window class whose procedure records every message and lets a test answer some of them.

#include "platform/win/WinUser.h"

#include <functional>
#include <map>
#include <optional>
#include <vector>

struct LoggedMessage
{
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class TestWindows
{
public:
    using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

    static constexpr const wchar_t* kClass = L"ZtTestWindow";
    static constexpr const wchar_t* kClassNoDbl = L"ZtTestWindowNoDbl";

    static TestWindows& Get()
    {
        static TestWindows windows;
        return windows;
    }

    // Registers the classes on the current desktop and forgets earlier logs and handlers.
    void Reset()
    {
        log.clear();
        handlers.clear();
        all = nullptr;
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &Proc;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
        wc.lpszClassName = kClass;
        RegisterClassExW(&wc);
        wc.style = 0;
        wc.lpszClassName = kClassNoDbl;
        RegisterClassExW(&wc);
    }

    HWND Create(DWORD style, DWORD exStyle, RECT r, HWND parent = nullptr, int id = 0,
                const wchar_t* cls = kClass, const wchar_t* text = L"")
    {
        return CreateWindowExW(exStyle, cls, text, style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    // The messages of one window (or of all when hwnd is null) that are among `only`.
    std::vector<UINT> Messages(HWND hwnd, std::initializer_list<UINT> only) const
    {
        std::vector<UINT> out;
        for (const auto& m : log) {
            if (hwnd && m.hwnd != hwnd)
                continue;
            for (UINT o : only)
                if (m.message == o)
                    out.push_back(m.message);
        }
        return out;
    }
    std::vector<LoggedMessage> Of(UINT message) const
    {
        std::vector<LoggedMessage> out;
        for (const auto& m : log)
            if (m.message == message)
                out.push_back(m);
        return out;
    }
    int Count(HWND hwnd, UINT message) const
    {
        int n = 0;
        for (const auto& m : log)
            if (m.hwnd == hwnd && m.message == message)
                ++n;
        return n;
    }

    std::vector<LoggedMessage> log;
    std::map<HWND, Handler> handlers;
    Handler all; // for every window, before the per-window handler

private:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        TestWindows& self = Get();
        self.log.push_back(LoggedMessage{hwnd, msg, wParam, lParam});
        if (self.all)
            if (auto r = self.all(hwnd, msg, wParam, lParam))
                return *r;
        auto it = self.handlers.find(hwnd);
        if (it != self.handlers.end() && it->second) {
            Handler h = it->second; // the handler may replace itself
            if (auto r = h(hwnd, msg, wParam, lParam))
                return *r;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
};
