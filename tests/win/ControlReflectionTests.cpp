// The control classes with the class library: notifications and owner-draw reflected to the
// control's object before the parent sees them, the pre-translate chain over a combo box's edit
// child, and control-colour reflection.
#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_order;

class ParentWnd : public CWnd
{
public:
    int drawsSeen = 0;

protected:
    afx_msg void OnListSelChange() { g_order.push_back("parent"); }
    afx_msg void OnComboSelChange() { g_order.push_back("parent combo"); }
    afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT dis)
    {
        ++drawsSeen;
        CWnd::OnDrawItem(id, dis);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWnd, CWnd)
ON_CONTROL(LBN_SELCHANGE, 30, OnListSelChange)
ON_CONTROL(LBN_SELCHANGE, 31, OnListSelChange)
ON_CONTROL(CBN_SELCHANGE, 40, OnComboSelChange)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

// Handles the selection change itself and lets the parent see it too.
class SharingList : public CListBox
{
protected:
    afx_msg BOOL OnSelChange()
    {
        g_order.push_back("list");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SharingList, CListBox)
ON_CONTROL_REFLECT_EX(LBN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

// Keeps the selection change to itself.
class KeepingList : public CListBox
{
protected:
    afx_msg void OnSelChange() { g_order.push_back("keeping list"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeepingList, CListBox)
ON_CONTROL_REFLECT(LBN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

// An owner-drawn combo box that draws itself, ignores the wheel and catches Enter in its edit.
class DrawingCombo : public CComboBox
{
public:
    std::vector<UINT> drawn;
    std::vector<UINT> measured;
    std::vector<CString> entered;

    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        drawn.push_back(dis->itemID);
        CDC* dc = CDC::FromHandle(dis->hDC);
        dc->FillSolidRect(&dis->rcItem,
                          (dis->itemState & ODS_COMBOBOXEDIT) ? RGB(0, 128, 0) : RGB(0, 0, 128));
    }
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override
    {
        measured.push_back(mis->itemID);
        mis->itemHeight = 18;
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        CWnd* edit = GetDlgItem(1001);
        if (msg->message == WM_KEYDOWN && msg->wParam == static_cast<WPARAM>(VK_RETURN) && edit &&
            msg->hwnd == edit->m_hWnd) {
            CString text;
            edit->GetWindowText(text);
            entered.push_back(text);
            return TRUE;
        }
        return CComboBox::PreTranslateMessage(msg);
    }

protected:
    afx_msg BOOL OnMouseWheel(UINT, short, CPoint) { return TRUE; }
    afx_msg BOOL OnSelChange()
    {
        g_order.push_back("combo");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DrawingCombo, CComboBox)
ON_WM_MOUSEWHEEL()
ON_CONTROL_REFLECT_EX(CBN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

// An edit that answers its own colour request.
class TintedEdit : public CEdit
{
public:
    TintedEdit() : m_brush(CreateSolidBrush(RGB(200, 200, 200))) {}
    ~TintedEdit() override { DeleteObject(m_brush); }
    int changes = 0;

protected:
    afx_msg HBRUSH CtlColor(CDC* dc, UINT)
    {
        dc->SetBkMode(TRANSPARENT);
        return m_brush;
    }
    afx_msg void OnChange() { ++changes; }
    DECLARE_MESSAGE_MAP()

private:
    HBRUSH m_brush;
};

BEGIN_MESSAGE_MAP(TintedEdit, CEdit)
ON_WM_CTLCOLOR_REFLECT()
ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

struct ControlReflection : ::testing::Test
{
    DesktopFixture desk;
    ParentWnd parent;

    void SetUp() override
    {
        g_order.clear();
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"parent",
                                    WS_POPUP | WS_VISIBLE, 100, 100, 500, 400, nullptr, nullptr));
        parent.SetActiveWindow();
    }
    void TearDown() override { parent.DestroyWindow(); }

    static POINT At(const CWnd& w, int x, int y)
    {
        POINT p{x, y};
        ::ClientToScreen(w.m_hWnd, &p);
        return p;
    }
};

TEST_F(ControlReflection, TheSubclassedControlSeesItsNotificationBeforeTheParent)
{
    SharingList sharing;
    KeepingList keeping;
    ASSERT_TRUE(
        sharing.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(10, 10, 110, 110), &parent, 30));
    ASSERT_TRUE(
        keeping.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(150, 10, 250, 110), &parent, 31));
    for (CListBox* l : {static_cast<CListBox*>(&sharing), static_cast<CListBox*>(&keeping)}) {
        l->AddString(L"one");
        l->AddString(L"two");
    }
    desk.pump();
    desk.click(At(sharing, 5, 3));
    EXPECT_EQ(g_order, (std::vector<std::string>{"list", "parent"}));
    g_order.clear();
    desk.click(At(keeping, 5, 3));
    EXPECT_EQ(g_order, (std::vector<std::string>{"keeping list"}))
        << "a plain reflected handler keeps the notification from the parent";
    EXPECT_EQ(sharing.GetCurSel(), 0);
    EXPECT_EQ(keeping.GetCurSel(), 0);
}

TEST_F(ControlReflection, OwnerDrawReachesTheComboBoxObjectForTheFaceAndTheItems)
{
    DrawingCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST |
                                 CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS,
                             CRect(10, 10, 210, 210), &parent, 40));
    EXPECT_EQ(combo.measured, (std::vector<UINT>{static_cast<UINT>(-1)}));
    combo.AddString(L"first");
    combo.AddString(L"second");
    EXPECT_EQ(combo.measured.size(), 3u);
    combo.SetCurSel(0);
    combo.drawn.clear();
    desk.pump();
    ASSERT_EQ(combo.drawn, (std::vector<UINT>{0u}));
    EXPECT_GE(parent.drawsSeen, 1) << "the parent's handler ran and reflected the drawing";
    POINT face = At(combo, 8, 8);
    EXPECT_EQ(desk.pixel(face.x, face.y), RGB(0, 128, 0));

    combo.drawn.clear();
    CRect rc;
    combo.GetClientRect(&rc);
    desk.click(At(combo, rc.right - 5, rc.bottom / 2));
    ASSERT_TRUE(combo.GetDroppedState());
    desk.pump();
    EXPECT_NE(std::find(combo.drawn.begin(), combo.drawn.end(), 1u), combo.drawn.end());
    desk.key(VK_DOWN);
    desk.key(VK_RETURN);
    EXPECT_EQ(combo.GetCurSel(), 1);
    ASSERT_FALSE(g_order.empty());
    EXPECT_EQ(g_order[0], "combo");
    EXPECT_EQ(g_order[1], "parent combo");
}

TEST_F(ControlReflection, ASubclassCanIgnoreTheWheel)
{
    DrawingCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS |
                                 CBS_OWNERDRAWVARIABLE,
                             CRect(10, 10, 210, 210), &parent, 40));
    combo.AddString(L"a");
    combo.AddString(L"b");
    combo.SetCurSel(0);
    POINT p = At(combo, 5, 5);
    desk.wheel(p.x, p.y, -WHEEL_DELTA);
    EXPECT_EQ(combo.GetCurSel(), 0);
}

TEST_F(ControlReflection, EnterInTheEditChildReachesTheComboBoxPreTranslate)
{
    DrawingCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_AUTOHSCROLL |
                                 CBS_HASSTRINGS | CBS_OWNERDRAWVARIABLE,
                             CRect(10, 10, 210, 210), &parent, 40));
    combo.SetFocus();
    desk.type(L"Level 3");
    desk.key(VK_RETURN);
    ASSERT_EQ(combo.entered.size(), 1u);
    EXPECT_EQ(combo.entered[0], CString(L"Level 3"));
}

TEST_F(ControlReflection, AnEditAnswersItsOwnColourRequestAndChangeNotification)
{
    TintedEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(10, 10, 210, 34), &parent, 50));
    edit.SetFocus();
    desk.type(L"ab");
    EXPECT_EQ(edit.changes, 2);
    POINT p = At(edit, 150, 12);
    EXPECT_EQ(desk.pixel(p.x, p.y), RGB(200, 200, 200));
    edit.SetSel(0, -1);
    int a = 0;
    int b = 0;
    edit.GetSel(a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 2);
    EXPECT_TRUE(edit.GetModify());
    edit.Undo();
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, CString(L""));
}

} // namespace
