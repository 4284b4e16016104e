#pragma once
// A parent window that records what standard controls send it, and helpers to reach a control's
// client points on the screen.

#include "tests/support/DesktopFixture.h"
#include "tests/support/Printers.h"
#include "tests/win/WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct ControlsTest : ::testing::Test
{
    static constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

    DesktopFixture desk;
    TestWindows& tw = TestWindows::Get();
    HWND parent = nullptr;

    void SetUp() override
    {
        tw.Reset();
        EmptyTheClipboard();
        parent = tw.Create(WS_POPUP | WS_VISIBLE, 0, {100, 100, 700, 600});
        SetActiveWindow(parent);
        desk.pump();
    }

    // The windows go before the fixture's members that their handlers write to.
    void TearDown() override
    {
        tw.handlers.clear();
        tw.all = nullptr;
        DestroyWindow(parent);
    }

    static void EmptyTheClipboard()
    {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
    }

    HWND Create(const wchar_t* cls, DWORD style, RECT r, int id = 10, const wchar_t* text = L"",
                DWORD exStyle = 0)
    {
        return CreateWindowExW(exStyle, cls, text, style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    // A client point of a window in screen coordinates.
    static POINT At(HWND hwnd, int x, int y)
    {
        POINT p{x, y};
        ClientToScreen(hwnd, &p);
        return p;
    }

    // The notification codes the parent received from one control, in order.
    std::vector<UINT> Codes(HWND from) const
    {
        std::vector<UINT> out;
        for (const auto& m : tw.log)
            if (m.hwnd == parent && m.message == WM_COMMAND &&
                reinterpret_cast<HWND>(m.lParam) == from)
                out.push_back(HIWORD(m.wParam));
        return out;
    }
    int CountCode(HWND from, UINT code) const
    {
        int n = 0;
        for (UINT c : Codes(from))
            n += c == code;
        return n;
    }

    static std::wstring Text(HWND hwnd)
    {
        int n = GetWindowTextLengthW(hwnd);
        std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
        GetWindowTextW(hwnd, s.data(), n + 1);
        s.resize(static_cast<std::size_t>(n));
        return s;
    }

    static std::wstring ClipboardText()
    {
        std::wstring s;
        if (!OpenClipboard(nullptr))
            return s;
        if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
            auto* p = static_cast<const wchar_t*>(GlobalLock(h));
            if (p)
                s = p;
            GlobalUnlock(h);
        }
        CloseClipboard();
        return s;
    }

    static void SetClipboardText(const std::wstring& text)
    {
        HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        auto* p = static_cast<wchar_t*>(GlobalLock(mem));
        text.copy(p, text.size());
        p[text.size()] = 0;
        GlobalUnlock(mem);
        OpenClipboard(nullptr);
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, mem);
        CloseClipboard();
    }

    static std::pair<int, int> Sel(HWND edit)
    {
        DWORD a = 0;
        DWORD b = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
        return {static_cast<int>(a), static_cast<int>(b)};
    }

    void Chord(int modifier, int vk)
    {
        desk.keyDown(modifier);
        desk.key(vk);
        desk.keyUp(modifier);
    }
};
