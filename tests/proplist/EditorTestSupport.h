#pragma once
// A property list window on a clean desktop, for driving the in-place editors with injected
// input: the list, its window, a spot elsewhere to move the focus to, and handler counters.

#include "platform/cad/DraftAid.h"
#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/proplist/ListBoxProperty.h"
#include "ztui/proplist/item_ctrl_simple.h"

#include <gtest/gtest.h>

struct EditorListFixture : ::testing::Test
{
    DesktopFixture desk;
    CWnd parent;
    zt::PropertyList_imp list;
    zt::ListBoxProperty box;
    HWND elsewhere = nullptr; // takes the focus away from the editors
    int changes = 0;
    int clicks = 0;

    void SetUp() override
    {
        DraftAid::GetInstance().SetDistanceRoundOff({true, 0.01});
        DraftAid::GetInstance().SetAngleRoundOff({true, 0.01});
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"parent",
                                    WS_POPUP | WS_VISIBLE, 100, 100, 500, 500, nullptr, nullptr));
        parent.SetActiveWindow();
        ASSERT_TRUE(box.CreateList(CRect(0, 0, 320, 400), &parent, 77));
        elsewhere = CreateWindowEx(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 340, 10, 100, 24,
                                   parent.m_hWnd, nullptr, nullptr, nullptr);
        box.SetList(&list);
        list.setValueChanged(
            [this](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem&) { ++changes; });
        list.setButtonClicked(
            [this](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem&) { ++clicks; });
    }
    void TearDown() override
    {
        box.SetList(nullptr);
        box.DestroyWindow();
        parent.DestroyWindow();
    }

    PropertyMgrUI::PropertyItem* Add(const wchar_t* name)
    {
        return list.addItem(L"常规", true, name, nullptr);
    }
    // The editor window of visible row i (row 0 is the group header), as its class.
    template <class Window>
    Window* EditorWindow(int i)
    {
        zt::item_ctrl* holder = box.Editor(list.rows().visibleRow(i));
        if (!holder || !holder->window())
            return nullptr;
        return dynamic_cast<Window*>(CWnd::FromHandle(holder->window()));
    }
    static CRect ScreenRect(HWND window)
    {
        CRect r;
        ::GetWindowRect(window, &r);
        return r;
    }
    void ClickInto(HWND window)
    {
        CRect r = ScreenRect(window);
        desk.click(r.CenterPoint());
    }
    void LeaveEditor() { ClickInto(elsewhere); }
};
