// The class library's dialogs and controls: templates found through the resource chain, the
// modal loop of DoModal, reflection to subclassed controls, background colours and panes.
#include "platform/win/afxwin.h"
#include "tests/win/DialogTestSupport.h"

namespace {

HINSTANCE FakeModule(std::uintptr_t n)
{
    return reinterpret_cast<HINSTANCE>(n);
}

const HINSTANCE kModule = FakeModule(0x7100000);
constexpr UINT kSettingsId = 310;

class SettingsDialog : public CDialogEx
{
public:
    explicit SettingsDialog(CWnd* parent = nullptr) : CDialogEx(kSettingsId, parent) {}

    BOOL OnInitDialog() override
    {
        ++inits;
        CDialogEx::OnInitDialog();
        CheckDlgButton(101, BST_CHECKED);
        return TRUE;
    }
    void OnOK() override
    {
        okChecked = IsDlgButtonChecked(101);
        CDialogEx::OnOK();
    }

    int inits = 0;
    UINT okChecked = 99;
};

// An owner-drawn button that paints itself and counts what reaches it.
class SwatchButton : public CButton
{
public:
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        states.push_back(dis->itemState);
        HBRUSH b = CreateSolidBrush(RGB(200, 0, 200));
        FillRect(dis->hDC, &dis->rcItem, b);
        DeleteObject(b);
    }
    afx_msg void OnClicked() { ++clicks; }
    std::vector<UINT> states;
    int clicks = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SwatchButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class HostDialog : public CDialog
{
public:
    HostDialog() : CDialog(kSettingsId) {}
    afx_msg void OnGrid() { ++parentGridClicks; }
    afx_msg void OnSwatch() { ++parentSwatchClicks; }
    int parentGridClicks = 0;
    int parentSwatchClicks = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HostDialog, CDialog)
ON_BN_CLICKED(101, OnGrid)
ON_BN_CLICKED(120, OnSwatch)
END_MESSAGE_MAP()

class MfcDialogTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        zt::win::DialogTemplate t = OkCancelTemplate();
        t.style &= ~WS_VISIBLE;
        t.items.push_back(Item(L"Button", L"", 120, BS_OWNERDRAW | WS_TABSTOP, 100, 7, 40, 20));
        zt::win::ResourceModule::AddDialog(kModule, MAKEINTRESOURCEW(kSettingsId), t);
        saved = AfxGetResourceHandle();
        AfxSetResourceHandle(kModule);
        owner.Attach(parent);
    }
    void TearDown() override
    {
        owner.Detach();
        AfxSetResourceHandle(saved);
        zt::win::ResourceModule::RemoveModule(kModule);
    }

    CWnd owner;
    HINSTANCE saved = nullptr;
};

TEST_F(MfcDialogTest, DoModalRunsOnInitDialogAndEndsThroughEscapeWithTheOwnerDisabled)
{
    SettingsDialog dlg(&owner);
    bool ownerEnabled = true;
    HWND during = nullptr;
    ScriptedInput input({[&] {
        ownerEnabled = IsWindowEnabled(parent) != FALSE;
        during = dlg.m_hWnd;
        ScriptedInput::Press(VK_ESCAPE)();
    }});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.inits, 1);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_NE(during, nullptr);
    EXPECT_TRUE(IsWindowEnabled(parent));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(during));
}

TEST_F(MfcDialogTest, EnterReachesOnOkThroughTheDefaultButton)
{
    SettingsDialog dlg(&owner);
    ScriptedInput input({ScriptedInput::Press(VK_TAB), ScriptedInput::Press(VK_SPACE),
                         ScriptedInput::Press(VK_RETURN)});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    // Tab moved to "Grid", Space unchecked it, Enter pressed OK.
    EXPECT_EQ(dlg.okChecked, static_cast<UINT>(BST_UNCHECKED));
}

TEST_F(MfcDialogTest, DoModalWithoutATemplateFailsWithMinusOne)
{
    CDialog missing(4711, &owner);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_TRUE(IsWindowEnabled(parent));
}

TEST_F(MfcDialogTest, ModelessCreateFromATemplateIdAndKeyboardThroughPreTranslate)
{
    SettingsDialog dlg;
    ASSERT_TRUE(dlg.Create(kSettingsId, &owner));
    EXPECT_EQ(dlg.inits, 1);
    dlg.ShowWindow(SW_SHOW);
    desk.pump();
    EXPECT_EQ(GetFocus(), dlg.GetDlgItem(100)->m_hWnd);
    // The pump's pre-translate chain gives keys to IsDialogMessage.
    desk.key(VK_TAB);
    EXPECT_EQ(GetFocus(), dlg.GetDlgItem(101)->m_hWnd);
    desk.key(VK_SPACE);
    EXPECT_EQ(dlg.IsDlgButtonChecked(101), static_cast<UINT>(BST_UNCHECKED));
    desk.key(VK_RETURN);
    EXPECT_EQ(dlg.okChecked, static_cast<UINT>(BST_UNCHECKED));
    // A modeless dialog is hidden by EndDialog, not destroyed.
    EXPECT_TRUE(IsWindow(dlg.m_hWnd));
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
}

TEST_F(MfcDialogTest, ReflectionReachesTheSubclassedControlBeforeItsParent)
{
    HostDialog dlg;
    ASSERT_TRUE(dlg.Create(kSettingsId, &owner));
    dlg.ShowWindow(SW_SHOW);
    SwatchButton swatch;
    ASSERT_TRUE(swatch.SubclassDlgItem(120, &dlg));
    swatch.Invalidate();
    desk.pump();
    ASSERT_FALSE(swatch.states.empty());
    RECT r;
    swatch.GetWindowRect(&r);
    EXPECT_EQ(desk.pixel(r.left + 5, r.top + 5), RGB(200, 0, 200));

    desk.click(r.left + 5, r.top + 5);
    EXPECT_EQ(swatch.clicks, 1);
    EXPECT_EQ(dlg.parentSwatchClicks, 0);
    EXPECT_NE(swatch.states.back() & ODS_FOCUS, 0u);
    // A notification the control does not handle goes on to the parent's map.
    ::SendMessageW(::GetDlgItem(dlg.m_hWnd, 101), BM_CLICK, 0, 0);
    EXPECT_EQ(dlg.parentGridClicks, 1);
    swatch.UnsubclassWindow();
    dlg.DestroyWindow();
}

TEST_F(MfcDialogTest, SetBackgroundColorPaintsTheDialogAndItsStatics)
{
    SettingsDialog dlg(&owner);
    ASSERT_TRUE(dlg.Create(kSettingsId, &owner));
    dlg.SetBackgroundColor(RGB(0, 90, 160));
    dlg.ShowWindow(SW_SHOW);
    RECT client;
    dlg.GetClientRect(&client);
    POINT corner{client.right - 3, 3};
    dlg.ClientToScreen(&corner);
    EXPECT_EQ(desk.pixel(corner.x, corner.y), RGB(0, 90, 160));
    RECT label;
    ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, IDC_STATIC), &label);
    EXPECT_EQ(desk.pixel(label.right - 2, label.bottom - 2), RGB(0, 90, 160));
    dlg.DestroyWindow();
}

TEST_F(MfcDialogTest, DockablePaneHostsADialogBelowItsCaption)
{
    CDockablePane pane;
    ASSERT_TRUE(pane.Create(L"Properties", &owner, CRect(0, 0, 250, 300), TRUE, 900));
    SettingsDialog dlg;
    ASSERT_TRUE(dlg.Create(kSettingsId, &owner));
    ASSERT_TRUE(pane.SetHostedWindow(&dlg));
    EXPECT_EQ(::GetParent(dlg.m_hWnd), pane.m_hWnd);
    EXPECT_TRUE(dlg.GetStyle() & WS_CHILD);
    RECT r;
    dlg.GetWindowRect(&r);
    pane.ScreenToClient(&r);
    EXPECT_EQ(r.top, CDockablePane::kCaptionHeight);
    EXPECT_EQ(r.right, 250);
    pane.MoveWindow(0, 0, 300, 400);
    dlg.GetWindowRect(&r);
    pane.ScreenToClient(&r);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 400);
    CString caption;
    pane.GetWindowText(caption);
    EXPECT_EQ(caption, CString(L"Properties"));
    POINT inCaption{290, 3};
    pane.ClientToScreen(&inCaption);
    COLORREF c = desk.pixel(inCaption.x, inCaption.y);
    SCOPED_TRACE(c);
    EXPECT_TRUE(c == GetSysColor(COLOR_ACTIVECAPTION) || c == GetSysColor(COLOR_INACTIVECAPTION));
    dlg.DestroyWindow();
    pane.DestroyWindow();
}

} // namespace
