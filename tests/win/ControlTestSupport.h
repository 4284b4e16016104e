#pragma once
// A parent window on a clean desktop for control tests: a borderless pop-up at (100, 100), so
// that a child's client point (x, y) is the screen point (x + 100 + child left, ...).

#include "tests/support/DesktopFixture.h"
#include "tests/win/WinTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

struct Notification
{
    int id;
    UINT code;
    HWND control;
};

class ControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestWindows::Get().Reset();
        parent = TestWindows::Get().Create(WS_POPUP | WS_VISIBLE, 0, {100, 100, 500, 400});
        TestWindows::Get().handlers[parent] = [this](HWND, UINT msg, WPARAM wParam,
                                                     LPARAM lParam) -> std::optional<LRESULT> {
            if (msg == WM_COMMAND)
                commands.push_back(
                    {LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
            if (msg == WM_DRAWITEM) {
                auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
                drawStates.push_back(dis->itemState);
                FillRect(dis->hDC, &dis->rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
                return TRUE;
            }
            if (ctlColorBrush && (msg == WM_CTLCOLORBTN || msg == WM_CTLCOLORSTATIC)) {
                ctlColorRequests.push_back(msg);
                return reinterpret_cast<LRESULT>(ctlColorBrush);
            }
            return std::nullopt;
        };
    }

    // Children are stacked in creation order from the top, as dialog controls are, so that
    // group and tab order follow creation.
    HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, int id)
    {
        HWND h =
            CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        SetWindowPos(h, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return h;
    }

    // The screen point of a child's client point.
    POINT At(HWND child, int x, int y)
    {
        POINT p{x, y};
        ClientToScreen(child, &p);
        return p;
    }

    int Clicks(int id, UINT code = BN_CLICKED) const
    {
        int n = 0;
        for (const auto& c : commands)
            if (c.id == id && c.code == code)
                ++n;
        return n;
    }

    DesktopFixture desk;
    HWND parent = nullptr;
    std::vector<Notification> commands;
    std::vector<UINT> drawStates;
    std::vector<UINT> ctlColorRequests;
    HBRUSH ctlColorBrush = nullptr;
};
