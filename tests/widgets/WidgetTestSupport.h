#pragma once
// A parent window for widget tests: a borderless pop-up at (100, 100) on a clean desktop that
// records the commands and the library's own messages its children send it.

#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

struct ParentMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingParent : public CWnd
{
public:
    static constexpr int kLeft = 100;
    static constexpr int kTop = 100;

    BOOL CreateParent(int width, int height)
    {
        LPCTSTR cls = AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE));
        return CreateEx(0, cls, L"parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kLeft, kTop,
                        width, height, nullptr, nullptr);
    }

    int Count(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        int n = 0;
        for (const ParentMessage& m : messages)
            n += m.message == message && m.wParam == wParam && m.lParam == lParam ? 1 : 0;
        return n;
    }
    // WM_COMMAND with the id in the low word.
    int Commands(UINT id) const
    {
        int n = 0;
        for (const ParentMessage& m : messages)
            n += m.message == WM_COMMAND && LOWORD(m.wParam) == id ? 1 : 0;
        return n;
    }

    std::vector<ParentMessage> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || (message >= WM_USER && message < WM_USER + 0x100))
            messages.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class WidgetTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(parent.CreateParent(400, 300)); }
    void TearDown() override
    {
        if (parent.m_hWnd)
            parent.DestroyWindow();
    }

    // The screen point of a child's client point.
    static POINT At(HWND child, int x, int y)
    {
        POINT p{x, y};
        ::ClientToScreen(child, &p);
        return p;
    }
    void ClickAt(HWND child, int x, int y)
    {
        POINT p = At(child, x, y);
        desk.click(p.x, p.y);
    }
    COLORREF PixelAt(HWND child, int x, int y)
    {
        POINT p = At(child, x, y);
        return desk.pixel(p.x, p.y);
    }

    DesktopFixture desk;
    RecordingParent parent;
};
