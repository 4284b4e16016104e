#pragma once
// A resizable test panel on a clean desktop: an empty pop-up dialog whose controls the tests
// create at pixel positions, so that expected positions follow from the layout rules alone.

#include "platform/win/afxwin.h"
#include "platform/win/resources/ResourceModule.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/dlglayout/QDlgResize.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

inline zt::win::DialogTemplate PanelTemplate(DWORD style = WS_POPUP | WS_VISIBLE)
{
    zt::win::DialogTemplate t;
    t.style = style;
    t.x = 0;
    t.y = 0;
    t.cx = 200;
    t.cy = 150;
    return t;
}

// Counts the hooks that the layout calls.
template <class Base>
class CountingPanel : public Base
{
public:
    CountingPanel() : Base(0) {}
    void onValueChange() override
    {
        ++valueChanges;
        Base::onValueChange();
    }
    void OnUpdateDone() override
    {
        ++updates;
        Base::OnUpdateDone();
    }
    void OnKeyDown(UINT nKey) override { keys.push_back(nKey); }
    void OnOK() override
    {
        ++oks;
        Base::OnOK();
    }

    int valueChanges = 0;
    int updates = 0;
    int oks = 0;
    std::vector<UINT> keys;
};

using TestPanel = CountingPanel<QDlgResize_Space::QDlgResize>;

class DlgLayoutTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(panel.CreateIndirect(PanelTemplate())); }
    void TearDown() override
    {
        for (auto& c : controls)
            if (c->m_hWnd)
                c->DestroyWindow();
        if (panel.m_hWnd)
            panel.DestroyWindow();
    }

    // A control of a window class at a pixel rectangle of the panel's client area.
    CWnd& Add(const wchar_t* cls, int id, RECT r, DWORD style = 0, const wchar_t* text = L"")
    {
        controls.push_back(std::make_unique<CWnd>());
        CWnd& w = *controls.back();
        w.CreateEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, r, &panel, id);
        return w;
    }
    CRect RectOf(int id) const
    {
        CRect r;
        panel.GetDlgItem(id)->GetWindowRect(&r);
        panel.ScreenToClient(&r);
        return r;
    }
    CSize Client() const
    {
        CRect r;
        panel.GetClientRect(&r);
        return r.Size();
    }
    // Resizes the panel's client area by dx, dy.
    void Grow(int dx, int dy)
    {
        CRect w;
        panel.GetWindowRect(&w);
        panel.SetWindowPos(nullptr, 0, 0, w.Width() + dx, w.Height() + dy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        desk.pump();
    }

    DesktopFixture desk;
    TestPanel panel;
    std::vector<std::unique_ptr<CWnd>> controls;
};
